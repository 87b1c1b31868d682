// The arguments every worksheet function reads alike (see worksheet_arguments.h).
#include "worksheet_arguments.h"

#include "addin_state.h"
#include "registration_table.h"
#include "unit_set.h"

namespace vapxl {

namespace {

bool isMissing(const Oper* op) noexcept { return op == nullptr || baseType(*op) == xltypeMissing; }

// The default unit set: the value of the workbook name StmBaseUnits, 0 when there is none. The one
// argument lives on this call's stack, so that the lookup may run on any of the host's threads.
// A host that refuses the lookup itself (rather than answering that the name is not defined): the
// version-4 add-in takes Eng as before; the 64-bit add-in, whose functions the host may call on its
// calculation threads, gives no unit set (#NUM!) rather than results in units nobody asked for.
std::optional<std::int32_t> defaultUnitSet() noexcept {
    Oper name{};
    name.xltype = xltypeStr;
    name.val.str = const_cast<XChar*>(miscHostTextRead(kBaseUnitsName));  // the host only reads it
    Oper value{};
    value.xltype = xltypeErr;
    value.val.err = xlerrNA;
    Oper* args[1] = {&name};
    if (hostCallv(xlfEvaluate, &value, 1, args) != xlretSuccess) {
        if (kApi12) return std::nullopt;
        return 0;
    }
    const std::int32_t set = defaultUnitSetFrom(&value);
    hostFree(value);
    return set;
}

}  // namespace

std::optional<std::int32_t> unitSetArgument(const Oper* units) noexcept {
    if (isMissing(units)) {
        if (addinState().unitsRequired) return std::nullopt;
        return defaultUnitSet();
    }
    return unitSetFromOper(*units);
}

bool isNumber(const Oper* op) noexcept { return op != nullptr && baseType(*op) == xltypeNum; }

}  // namespace vapxl
