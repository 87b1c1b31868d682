// The worksheet functions: each checks its value arguments, turns the unit-set argument into a
// UnitSet word and calls the vaprop32 export of its own name. The result (result_oper.h) is the
// number, #VALUE! for a value argument that is not a number, #NUM! for a unit set that is missing
// (when required) or unreadable and for any code of the library (at or below -1000).
#include "result_oper.h"
#include "vaprop32.h"
#include "worksheet_arguments.h"
#include "xlapi.h"

namespace vapxl {

namespace {

using OneValueCall = double(VAPROP_CALL*)(double, std::int32_t);
using TwoValueCall = double(VAPROP_CALL*)(double, double, std::int32_t);

LPOper oneValue(OneValueCall call, const Oper* a, const Oper* units) noexcept {
    if (!isNumber(a)) return errorResult(xlerrValue);
    const std::optional<std::int32_t> set = unitSetArgument(units);
    if (!set) return errorResult(xlerrNum);
    return numberResult(call(a->val.num, *set));
}

LPOper twoValues(TwoValueCall call, const Oper* a, const Oper* b, const Oper* units) noexcept {
    if (!isNumber(a) || !isNumber(b)) return errorResult(xlerrValue);
    const std::optional<std::int32_t> set = unitSetArgument(units);
    if (!set) return errorResult(xlerrNum);
    return numberResult(call(a->val.num, b->val.num, *set));
}

}  // namespace

}  // namespace vapxl

// One exported procedure per worksheet function, named xl + the vaprop32 export it calls.
using vapxl::LPOper;
#define VAPXL_ONE_VALUE(name) \
    XLL_EXPORT LPOper XLL_CALL xl##name(LPOper value, LPOper units) { return vapxl::oneValue(name, value, units); }
#define VAPXL_TWO_VALUES(name)                                                       \
    XLL_EXPORT LPOper XLL_CALL xl##name(LPOper first, LPOper second, LPOper units) { \
        return vapxl::twoValues(name, first, second, units);                         \
    }

extern "C" {

#if defined(_WIN64)
// The host gives back every result that carries xlbitDLLFree, on the thread that made it.
XLL_EXPORT void XLL_CALL xlAutoFree12(LPOper result) { vapxl::freeResult(result); }
#endif

// The version of the property library, without any check.
XLL_EXPORT LPOper XLL_CALL xlStmVer() { return vapxl::versionResult(StmVer()); }

VAPXL_ONE_VALUE(StmTP)
VAPXL_ONE_VALUE(StmPT)
VAPXL_ONE_VALUE(StmTempTI)
VAPXL_ONE_VALUE(StmTempIT)

VAPXL_TWO_VALUES(StmPTV)
VAPXL_TWO_VALUES(StmPTH)
VAPXL_TWO_VALUES(StmPTS)
VAPXL_TWO_VALUES(StmPTC)
VAPXL_TWO_VALUES(StmPTK)
VAPXL_TWO_VALUES(StmPTM)
VAPXL_TWO_VALUES(StmPTW)
VAPXL_TWO_VALUES(StmPTG)

VAPXL_TWO_VALUES(StmPHT)
VAPXL_TWO_VALUES(StmPHQ)
VAPXL_TWO_VALUES(StmPHV)
VAPXL_TWO_VALUES(StmPHS)
VAPXL_TWO_VALUES(StmPHC)
VAPXL_TWO_VALUES(StmPHW)
VAPXL_TWO_VALUES(StmPHG)

VAPXL_TWO_VALUES(StmPST)
VAPXL_TWO_VALUES(StmPSQ)
VAPXL_TWO_VALUES(StmPSV)
VAPXL_TWO_VALUES(StmPSH)
VAPXL_TWO_VALUES(StmPSC)
VAPXL_TWO_VALUES(StmPSW)
VAPXL_TWO_VALUES(StmPSG)

VAPXL_TWO_VALUES(StmPQV)
VAPXL_TWO_VALUES(StmPQH)
VAPXL_TWO_VALUES(StmPQS)
VAPXL_TWO_VALUES(StmPQC)
VAPXL_TWO_VALUES(StmPQK)
VAPXL_TWO_VALUES(StmPQM)
VAPXL_TWO_VALUES(StmPQW)
VAPXL_TWO_VALUES(StmPQG)

VAPXL_TWO_VALUES(StmTQV)
VAPXL_TWO_VALUES(StmTQH)
VAPXL_TWO_VALUES(StmTQS)
VAPXL_TWO_VALUES(StmTQC)
VAPXL_TWO_VALUES(StmTQK)
VAPXL_TWO_VALUES(StmTQM)
VAPXL_TWO_VALUES(StmTQW)
VAPXL_TWO_VALUES(StmTQG)

}  // extern "C"
