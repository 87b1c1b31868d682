// The spreadsheet add-in's worksheet functions called with arbitrary OPER arguments, in a host of
// our own whose workbook name StmBaseUnits evaluates to a value chosen by the input.
//
// Invariants: the result is the add-in's one result OPER holding either a number above -1000 (the
// bits of the vaprop32 export called with the same values and unit set) or #VALUE! / #NUM!, exactly
// as the rules give them: a value argument that is not a number is #VALUE!, a missing unit set is
// #NUM! when units are required and otherwise the workbook default, an unreadable unit set is
// #NUM!, and a library code is #NUM!.
#include <cstdarg>
#include <cstdint>
#include <optional>
#include <string>

#include "addin_state.h"
#include "exports32.h"
#include "fuzz_support.h"
#include "xl_reference.h"
#include "xlcall.h"

extern "C" {
// clang-format off
#define FUZZ_XL_ONE(n) LPXLOPER XLL_CALL xl##n(LPXLOPER, LPXLOPER);
#define FUZZ_XL_TWO(n) LPXLOPER XLL_CALL xl##n(LPXLOPER, LPXLOPER, LPXLOPER);
FUZZ_XL_ONE(StmTP) FUZZ_XL_ONE(StmPT) FUZZ_XL_ONE(StmTempTI) FUZZ_XL_ONE(StmTempIT)
FUZZ_XL_TWO(StmPTV) FUZZ_XL_TWO(StmPTH) FUZZ_XL_TWO(StmPTS) FUZZ_XL_TWO(StmPTC) FUZZ_XL_TWO(StmPTK)
FUZZ_XL_TWO(StmPTM) FUZZ_XL_TWO(StmPTW) FUZZ_XL_TWO(StmPTG) FUZZ_XL_TWO(StmPHT) FUZZ_XL_TWO(StmPHQ)
FUZZ_XL_TWO(StmPHV) FUZZ_XL_TWO(StmPHS) FUZZ_XL_TWO(StmPHC) FUZZ_XL_TWO(StmPHW) FUZZ_XL_TWO(StmPHG)
FUZZ_XL_TWO(StmPST) FUZZ_XL_TWO(StmPSQ) FUZZ_XL_TWO(StmPSV) FUZZ_XL_TWO(StmPSH) FUZZ_XL_TWO(StmPSC)
FUZZ_XL_TWO(StmPSW) FUZZ_XL_TWO(StmPSG) FUZZ_XL_TWO(StmPQV) FUZZ_XL_TWO(StmPQH) FUZZ_XL_TWO(StmPQS)
FUZZ_XL_TWO(StmPQC) FUZZ_XL_TWO(StmPQK) FUZZ_XL_TWO(StmPQM) FUZZ_XL_TWO(StmPQW) FUZZ_XL_TWO(StmPQG)
FUZZ_XL_TWO(StmTQV) FUZZ_XL_TWO(StmTQH) FUZZ_XL_TWO(StmTQS) FUZZ_XL_TWO(StmTQC) FUZZ_XL_TWO(StmTQK)
FUZZ_XL_TWO(StmTQM) FUZZ_XL_TWO(StmTQW) FUZZ_XL_TWO(StmTQG)
#undef FUZZ_XL_ONE
#undef FUZZ_XL_TWO
// clang-format on
}

namespace {

using XlOne = LPXLOPER(XLL_CALL*)(LPXLOPER, LPXLOPER);
using XlTwo = LPXLOPER(XLL_CALL*)(LPXLOPER, LPXLOPER, LPXLOPER);

struct Wrapper {
    XlOne xlOne;
    XlTwo xlTwo;
    fuzz::Call1 one;
    fuzz::Call2 two;
    const char* name;
};

#define W1(n) \
    { xl##n, nullptr, n, nullptr, #n }
#define W2(n) \
    { nullptr, xl##n, nullptr, n, #n }
constexpr Wrapper kWrappers[] = {
    W1(StmTP),  W1(StmPT),  W1(StmTempTI), W1(StmTempIT), W2(StmPTV), W2(StmPTH), W2(StmPTS), W2(StmPTC), W2(StmPTK),
    W2(StmPTM), W2(StmPTW), W2(StmPTG),    W2(StmPHT),    W2(StmPHQ), W2(StmPHV), W2(StmPHS), W2(StmPHC), W2(StmPHW),
    W2(StmPHG), W2(StmPST), W2(StmPSQ),    W2(StmPSV),    W2(StmPSH), W2(StmPSC), W2(StmPSW), W2(StmPSG), W2(StmPQV),
    W2(StmPQH), W2(StmPQS), W2(StmPQC),    W2(StmPQK),    W2(StmPQM), W2(StmPQW), W2(StmPQG), W2(StmTQV), W2(StmTQH),
    W2(StmTQS), W2(StmTQC), W2(StmTQK),    W2(StmTQM),    W2(StmTQW), W2(StmTQG),
};
#undef W1
#undef W2
constexpr int kWrapperCount = sizeof kWrappers / sizeof kWrappers[0];
static_assert(kWrapperCount == 42, "every worksheet function but xlStmVer");

// What the host answers to xlfEvaluate of StmBaseUnits in this run.
struct HostAnswer {
    int rc = xlretSuccess;
    XLOPER value{};
    int evaluations = 0;
    bool wrongName = false;
};
HostAnswer host;

// One argument OPER built from the input, with room for its counted string and array.
struct Argument {
    XLOPER op{};
    std::string counted;
    XLOPER cells[2]{};
    bool null = false;
};

void makeArgument(fuzz::Bytes& in, Argument& a) {
    const std::uint8_t kind = in.u8();
    const XLWORD ownership = (kind & 0x80) ? xlbitXLFree : ((kind & 0x40) ? xlbitDLLFree : 0);
    switch (kind & 15) {
        case 0:
        case 1:
        case 2:
        case 3:
            a.op.xltype = xltypeNum;
            a.op.val.num = fuzz::pickDouble(in);
            break;
        case 4:
        case 5: {
            const std::size_t n = in.u8() % 12;
            const std::string_view t = in.text(n);
            a.counted.assign(1, static_cast<char>(t.size()));
            a.counted.append(t);
            a.op.xltype = xltypeStr;
            a.op.val.str = a.counted.data();
            break;
        }
        case 6:
            a.op.xltype = xltypeBool;
            a.op.val.xbool = in.u8() & 1;
            break;
        case 7:
            a.op.xltype = xltypeErr;
            a.op.val.err = in.u8();
            break;
        case 8: a.op.xltype = xltypeMissing; break;
        case 9: a.op.xltype = xltypeNil; break;
        case 10:
            a.cells[0].xltype = xltypeNum;
            a.cells[0].val.num = fuzz::pickDouble(in);
            a.cells[1].xltype = xltypeNum;
            a.cells[1].val.num = 1.0;
            a.op.xltype = xltypeMulti;
            a.op.val.array.lparray = a.cells;
            a.op.val.array.rows = 1;
            a.op.val.array.columns = 2;
            break;
        case 11:
            a.op.xltype = xltypeInt;
            a.op.val.w = static_cast<short>(in.u8());
            break;
        case 12:
            a.op.xltype = xltypeSRef;
            a.op.val.sref.count = 1;
            break;
        case 13: a.null = true; return;
        case 14:
            a.op.xltype = xltypeStr;
            a.op.val.str = nullptr;
            break;
        default: a.op.xltype = static_cast<XLWORD>(in.u8() | (in.u8() << 8)); break;
    }
    a.op.xltype = static_cast<XLWORD>(a.op.xltype | ownership);
}

XLWORD base(const XLOPER& op) { return static_cast<XLWORD>(op.xltype & ~(xlbitXLFree | xlbitDLLFree)); }

// The unit set the rules give for a unit argument; nullopt for #NUM!.
std::optional<std::int32_t> expectedUnitSet(const Argument& u) {
    if (u.null || base(u.op) == xltypeMissing) {
        if (vapxl::addinState().unitsRequired) {
            return std::nullopt;
        }
        if (host.rc != xlretSuccess || base(host.value) != xltypeNum) {
            return 0;
        }
        return fuzz::referenceUnitSetNumber(host.value.val.num).value_or(0);
    }
    switch (base(u.op)) {
        case xltypeNum: return fuzz::referenceUnitSetNumber(u.op.val.num);
        case xltypeStr:
            if (u.op.val.str == nullptr) {
                return std::nullopt;
            }
            return fuzz::referenceUnitSetText(
                std::string_view(u.op.val.str + 1, static_cast<unsigned char>(u.op.val.str[0])));
        default: return std::nullopt;
    }
}

bool isNumberArg(const Argument& a) { return !a.null && base(a.op) == xltypeNum; }

}  // namespace

// The host's callbacks: xlfEvaluate answers from the input, xlFree does nothing, anything else fails.
extern "C" int XLL_CDECL Excel4(int xlfn, LPXLOPER operRes, int count, ...) {
    (void)count;
    if (xlfn == xlFree) {
        return xlretSuccess;
    }
    if (operRes != nullptr) {
        operRes->xltype = xltypeErr;
        operRes->val.err = xlerrNA;
    }
    return xlretFailed;
}

extern "C" int XLL_CALL Excel4v(int xlfn, LPXLOPER operRes, int count, LPXLOPER opers[]) {
    if (xlfn != xlfEvaluate) {
        return xlretFailed;
    }
    ++host.evaluations;
    const std::string_view name =
        (count == 1 && opers[0] != nullptr && base(*opers[0]) == xltypeStr && opers[0]->val.str)
            ? std::string_view(opers[0]->val.str + 1, static_cast<unsigned char>(opers[0]->val.str[0]))
            : std::string_view();
    host.wrongName = host.wrongName || (name != "StmBaseUnits" && name != "=StmBaseUnits" && name != "!StmBaseUnits");
    *operRes = host.value;
    return host.rc;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const Wrapper& w = kWrappers[in.u8() % kWrapperCount];
    const std::uint8_t hostMode = in.u8();
    vapxl::addinState().unitsRequired = (hostMode & 1) != 0;
    host = HostAnswer{};
    host.rc = (hostMode & 2) ? xlretFailed : xlretSuccess;
    switch ((hostMode >> 2) & 3) {
        case 0:
            host.value.xltype = xltypeNum;
            host.value.val.num = fuzz::pickDouble(in);
            break;
        case 1:
            host.value.xltype = xltypeErr;
            host.value.val.err = xlerrName;
            break;
        case 2:
            host.value.xltype = xltypeBool;
            host.value.val.xbool = 1;
            break;
        default: host.value.xltype = xltypeNil; break;
    }

    Argument a;
    Argument b;
    Argument units;
    makeArgument(in, a);
    if (w.xlTwo != nullptr) {
        makeArgument(in, b);
    }
    makeArgument(in, units);
    XLOPER* const pa = a.null ? nullptr : &a.op;
    XLOPER* const pb = b.null ? nullptr : &b.op;
    XLOPER* const pu = units.null ? nullptr : &units.op;

    const LPXLOPER r = w.xlOne != nullptr ? w.xlOne(pa, pu) : w.xlTwo(pa, pb, pu);
    FUZZ_CHECK(r != nullptr);
    FUZZ_CHECK(!host.wrongName);

    const bool values = isNumberArg(a) && (w.xlTwo == nullptr || isNumberArg(b));
    if (!values) {
        FUZZ_CHECK_MSG(r->xltype == xltypeErr && r->val.err == xlerrValue, "%s: type %u", w.name, r->xltype);
        return 0;
    }
    const std::optional<std::int32_t> set = expectedUnitSet(units);
    if (!set) {
        FUZZ_CHECK_MSG(r->xltype == xltypeErr && r->val.err == xlerrNum, "%s: type %u", w.name, r->xltype);
        return 0;
    }
    const double want = w.one != nullptr ? w.one(a.op.val.num, *set) : w.two(a.op.val.num, b.op.val.num, *set);
    if (want > -1000.0) {
        FUZZ_CHECK_MSG(r->xltype == xltypeNum && fuzz::bitsOf(r->val.num) == fuzz::bitsOf(want),
                       "%s: %.17g, want %.17g",
                       w.name,
                       r->xltype == xltypeNum ? r->val.num : -0.0,
                       want);
    } else {
        FUZZ_CHECK_MSG(
            r->xltype == xltypeErr && r->val.err == xlerrNum, "%s: type %u, library %.17g", w.name, r->xltype, want);
    }
    return 0;
}
