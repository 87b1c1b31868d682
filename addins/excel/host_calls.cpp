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

XLOPER* Scratch::take() noexcept {
  if (used_ >= kCapacity) return nullptr;
  XLOPER* const op = ::new (bytes_ + used_ * sizeof(XLOPER)) XLOPER{};
  ++used_;
  return op;
}

XLOPER* tempNumber(double x) noexcept {
  XLOPER* const op = scratch().take();
  if (op != nullptr) {
    op->xltype = xltypeNum;
    op->val.num = x;
  }
  return op;
}

XLOPER* tempString(char* counted) noexcept {
  XLOPER* const op = scratch().take();
  if (op != nullptr) {
    op->xltype = xltypeStr;
    op->val.str = counted;
  }
  return op;
}

XLOPER* tempBool(bool b) noexcept {
  XLOPER* const op = scratch().take();
  if (op != nullptr) {
    op->xltype = xltypeBool;
    op->val.xbool = b ? 1 : 0;
  }
  return op;
}

XLOPER* tempInt(short w) noexcept {
  XLOPER* const op = scratch().take();
  if (op != nullptr) {
    op->xltype = xltypeInt;
    op->val.w = w;
  }
  return op;
}

XLOPER* tempMissing() noexcept {
  XLOPER* const op = scratch().take();
  if (op != nullptr) op->xltype = xltypeMissing;
  return op;
}

int callHost(int fn, XLOPER* result, std::initializer_list<XLOPER*> args) noexcept {
  result->xltype = xltypeErr;
  result->val.err = xlerrNA;
  XLOPER* list[xlMaxArguments] = {};
  std::size_t count = 0;
  bool complete = args.size() <= static_cast<std::size_t>(xlMaxArguments);
  for (XLOPER* const a : args) {
    if (a == nullptr || count == static_cast<std::size_t>(xlMaxArguments)) {
      complete = false;
      break;
    }
    list[count++] = a;
  }
  const int rc = complete ? Excel4v(fn, result, static_cast<int>(count), list) : xlretInvXloper;
  scratch().empty();
  return rc;
}

void freeHostValue(XLOPER& value) noexcept {
  Excel4(xlFree, nullptr, 1, &value);
  value.xltype = xltypeNil;
}

}  // namespace vapxl
