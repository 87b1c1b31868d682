// Results of the worksheet functions (see result_oper.h).
#include "result_oper.h"

#include <cstdlib>

namespace vapxl {

namespace {

template <typename Field>
void setError(Oper& r, XLWORD err) noexcept {
    r.val.err = static_cast<Field>(err);
}

}  // namespace

Oper* exhaustedResult() noexcept {
    static Oper exhausted = [] {
        Oper r{};
        r.xltype = xltypeErr;
        r.val.err = xlerrNum;
        return r;
    }();
    return &exhausted;
}

Oper* newResult() noexcept {
    if constexpr (kApi12) {
        Oper* const r = static_cast<Oper*>(std::calloc(1, sizeof(Oper)));
        if (r != nullptr) r->xltype = xlbitDLLFree;
        return r;
    } else {
        static Oper shared;
        shared.xltype = 0;
        return &shared;
    }
}

LPOper errorResult(XLWORD err) noexcept {
    Oper* const r = newResult();
    if (r == nullptr) return exhaustedResult();
    r->xltype |= xltypeErr;
    setError<OperErr>(*r, err);
    return r;
}

LPOper numberResult(double x) noexcept {
    if (!(x > kFirstErrorCode)) return errorResult(xlerrNum);
    Oper* const r = newResult();
    if (r == nullptr) return exhaustedResult();
    r->xltype |= xltypeNum;
    r->val.num = x;
    return r;
}

LPOper versionResult(double version) noexcept {
    Oper* const r = newResult();
    if (r == nullptr) return exhaustedResult();
    r->xltype |= xltypeNum;
    r->val.num = version;
    return r;
}

void freeResult(Oper* result) noexcept {
    if (result == nullptr || result == exhaustedResult() || (result->xltype & xlbitDLLFree) == 0) return;
    if ((result->xltype & xltypeMulti) != 0) std::free(result->val.array.lparray);
    std::free(result);
}

}  // namespace vapxl
