// Temporary arguments and calls into the host.
#include "host_calls.h"

#include <new>

namespace vapxl {

namespace {

Scratch& scratch() noexcept {
    static Scratch area;
    return area;
}

}  // namespace

Oper* Scratch::take() noexcept {
    if (used_ >= kCapacity) return nullptr;
    Oper* const op = ::new (bytes_ + used_ * sizeof(Oper)) Oper{};
    ++used_;
    return op;
}

Oper* tempNumber(double x) noexcept {
    Oper* const op = scratch().take();
    if (op != nullptr) {
        op->xltype = xltypeNum;
        op->val.num = x;
    }
    return op;
}

Oper* tempString(XChar* counted) noexcept {
    Oper* const op = scratch().take();
    if (op != nullptr) {
        op->xltype = xltypeStr;
        op->val.str = counted;
    }
    return op;
}

Oper* tempBool(bool b) noexcept {
    Oper* const op = scratch().take();
    if (op != nullptr) {
        op->xltype = xltypeBool;
        op->val.xbool = static_cast<OperBool>(b ? 1 : 0);
    }
    return op;
}

Oper* tempInt(OperInt w) noexcept {
    Oper* const op = scratch().take();
    if (op != nullptr) {
        op->xltype = xltypeInt;
        op->val.w = w;
    }
    return op;
}

Oper* tempMissing() noexcept {
    Oper* const op = scratch().take();
    if (op != nullptr) op->xltype = xltypeMissing;
    return op;
}

int callHost(int fn, Oper* result, std::initializer_list<Oper*> args) noexcept {
    result->xltype = xltypeErr;
    result->val.err = xlerrNA;
    Oper* list[kMaxHostArguments] = {};
    std::size_t count = 0;
    bool complete = args.size() <= static_cast<std::size_t>(kMaxHostArguments);
    for (Oper* const a : args) {
        if (a == nullptr || count == static_cast<std::size_t>(kMaxHostArguments)) {
            complete = false;
            break;
        }
        list[count++] = a;
    }
    const int rc = complete ? hostCallv(fn, result, static_cast<int>(count), list) : xlretInvXloper;
    scratch().empty();
    return rc;
}

void freeHostValue(Oper& value) noexcept {
    hostFree(value);
    value.xltype = xltypeNil;
}

}  // namespace vapxl
