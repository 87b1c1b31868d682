#include "form_messages.h"

#include <array>

namespace calvex {
namespace {

constexpr const char* kThe = "The ";
constexpr const char* kOutside = " is outside of the ";
constexpr const char* kUpper = "program's upper limit";
constexpr const char* kLower = "program's lower limit";
constexpr const char* kSaturation = "saturation limits";
constexpr const char* kComputingError =
    "The program has encountered an error in computing the steam property.  Please contact Orlesk with the "
    "values that caused the error";

// One row per code of the embedded core: a subject and a limit ("The " subject " is outside of
// the " limit), or a whole text when the subject is null.
struct MessageRow {
    int code;
    const char* subject;
    const char* limit;
    const char* whole;
};

constexpr std::array<MessageRow, 14> kMessages{{
    {-1, "temperature", kUpper, nullptr},
    {-2, "temperature", kLower, nullptr},
    {-3, "pressure", kUpper, nullptr},
    {-4, "pressure", kLower, nullptr},
    {-15, "state point", "limits", nullptr},
    {-16, nullptr, nullptr, kComputingError},
    {-17, "quality must be between 0 and 1", nullptr, nullptr},
    {-18, "pressure", kSaturation, nullptr},
    {-19, "temperature", kSaturation, nullptr},
    {-21, "enthalpy", kLower, nullptr},
    {-22, "enthalpy", kUpper, nullptr},
    {-23, "entropy", kLower, nullptr},
    {-24, "entropy", kUpper, nullptr},
    {-25, nullptr, nullptr, kComputingError},
}};

}  // namespace

std::string computeErrorMessage(int code) {
    for (const MessageRow& row : kMessages) {
        if (row.code != code) {
            continue;
        }
        if (!row.subject) {
            return row.whole;
        }
        std::string text = std::string(kThe) + row.subject;
        if (row.limit) {
            text += kOutside;
            text += row.limit;
        }
        return text;
    }
    return kMsgUnknownError;
}

std::string integerRangeMessage(int lo, int hi) {
    std::string text = kMsgEnterIntegerBetween;
    const auto put = [&text](const char* key, int v) {
        const std::size_t at = text.find(key);
        if (at != std::string::npos) {
            text.replace(at, 2, std::to_string(v));
        }
    };
    put("%1", lo);
    put("%2", hi);
    return text;
}

}  // namespace calvex
