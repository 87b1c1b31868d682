// The worksheet functions: each checks its value arguments, turns the unit-set argument into a
// UnitSet word and calls the vaprop32 export of its own name. The result goes back in one static
// OPER: the number, #VALUE! for a value argument that is not a number, #NUM! for a unit set that
// is missing (when required) or unreadable and for any code of the library (at or below -1000).
#include "addin_state.h"
#include "host_calls.h"
#include "registration_table.h"
#include "unit_set.h"
#include "vaprop32.h"
#include "xlcall.h"

namespace vapxl {

namespace {

// Results at or below this are the library's error codes.
constexpr double kFirstErrorCode = -1000;

XLOPER& resultOper() noexcept {
  static XLOPER result;
  return result;
}

LPXLOPER errorResult(XLWORD err) noexcept {
  XLOPER& r = resultOper();
  r.xltype = xltypeErr;
  r.val.err = err;
  return &r;
}

LPXLOPER numberResult(double x) noexcept {
  if (!(x > kFirstErrorCode)) return errorResult(xlerrNum);
  XLOPER& r = resultOper();
  r.xltype = xltypeNum;
  r.val.num = x;
  return &r;
}

bool isNumber(const XLOPER* op) noexcept { return op != nullptr && baseType(*op) == xltypeNum; }

bool isMissing(const XLOPER* op) noexcept { return op == nullptr || baseType(*op) == xltypeMissing; }

// The default unit set: the value of the workbook name StmBaseUnits, 0 when there is none.
std::int32_t defaultUnitSet() noexcept {
  XLOPER value;
  if (callHost(xlfEvaluate, &value, {tempString(miscText(kBaseUnitsName))}) != xlretSuccess) return 0;
  const std::int32_t set = defaultUnitSetFrom(&value);
  freeHostValue(value);
  return set;
}

std::optional<std::int32_t> unitSetArgument(const XLOPER* units) noexcept {
  if (isMissing(units)) {
    if (addinState().unitsRequired) return std::nullopt;
    return defaultUnitSet();
  }
  return unitSetFromOper(*units);
}

using OneValueCall = double(VAPROP_CALL*)(double, std::int32_t);
using TwoValueCall = double(VAPROP_CALL*)(double, double, std::int32_t);

LPXLOPER oneValue(OneValueCall call, const XLOPER* a, const XLOPER* units) noexcept {
  if (!isNumber(a)) return errorResult(xlerrValue);
  const std::optional<std::int32_t> set = unitSetArgument(units);
  if (!set) return errorResult(xlerrNum);
  return numberResult(call(a->val.num, *set));
}

LPXLOPER twoValues(TwoValueCall call, const XLOPER* a, const XLOPER* b, const XLOPER* units) noexcept {
  if (!isNumber(a) || !isNumber(b)) return errorResult(xlerrValue);
  const std::optional<std::int32_t> set = unitSetArgument(units);
  if (!set) return errorResult(xlerrNum);
  return numberResult(call(a->val.num, b->val.num, *set));
}

}  // namespace

}  // namespace vapxl

// One exported procedure per worksheet function, named xl + the vaprop32 export it calls.
#define VAPXL_ONE_VALUE(name)                                                \
  XLL_EXPORT LPXLOPER XLL_CALL xl##name(LPXLOPER value, LPXLOPER units) {    \
    return vapxl::oneValue(name, value, units);                              \
  }
#define VAPXL_TWO_VALUES(name)                                                               \
  XLL_EXPORT LPXLOPER XLL_CALL xl##name(LPXLOPER first, LPXLOPER second, LPXLOPER units) {   \
    return vapxl::twoValues(name, first, second, units);                                     \
  }

extern "C" {

// The version of the property library, without any check.
XLL_EXPORT LPXLOPER XLL_CALL xlStmVer() {
  XLOPER& r = vapxl::resultOper();
  r.xltype = xltypeNum;
  r.val.num = StmVer();
  return &r;
}

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
