// vaprop32's error codes and the texts the system reports them under, from the system's one table.
#include "error_codes.h"

#include <array>
#include <cstddef>

#include "status_codes.h"

namespace {

struct ErrorEntry {
    int code;
    const char* text;
};

// The system's table of codes and texts in the library numbering; the C header's enumerators must
// name the same codes.
constexpr std::array<ErrorEntry, VAPROP_ERROR_COUNT> kErrors{{
#define VAPROP_ERROR_ROW(name, cname, lib, shortc, text) {lib, text},
    VAPROP_STATUS_TABLE(VAPROP_ERROR_ROW)
#undef VAPROP_ERROR_ROW
}};
static_assert(VAPROP_CODE_LIMIT == vaprop::kCodeLimit);
static_assert(vaprop::kStatusCount == VAPROP_ERROR_COUNT, "VAPROP_ERROR_COUNT counts the rows of the table");
#define VAPROP_ERROR_ENUM_CHECK(name, cname, lib, shortc, text) \
    static_assert(VAPROP_##cname == (lib), "error_codes.h names the code of the table");
VAPROP_STATUS_TABLE(VAPROP_ERROR_ENUM_CHECK)
#undef VAPROP_ERROR_ENUM_CHECK

const ErrorEntry* find(double value) {
    // A NaN compares false everywhere and so finds nothing.
    for (const ErrorEntry& e : kErrors) {
        if (value == static_cast<double>(e.code)) return &e;
    }
    return nullptr;
}

}  // namespace

extern "C" const char* vapropErrorText(double code) {
    const ErrorEntry* e = find(code);
    return e != nullptr ? e->text : nullptr;
}

extern "C" int vapropIsErrorCode(double value) { return find(value) != nullptr ? 1 : 0; }

extern "C" int vapropErrorCodeAt(int i) {
    if (i < 0 || i >= static_cast<int>(kErrors.size())) return 0;
    return kErrors[static_cast<std::size_t>(i)].code;
}
