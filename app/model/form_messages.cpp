#include "form_messages.h"

#include <array>

#include "status_codes.h"

namespace calvex {
namespace {

using vaprop::StatusId;

constexpr const char* kThe = "The ";
constexpr const char* kOutside = " is outside of the ";
constexpr const char* kUpper = "program's upper limit";
constexpr const char* kLower = "program's lower limit";
constexpr const char* kSaturation = "saturation limits";
constexpr const char* kComputingError =
    "The program has encountered an error in computing the steam property.  Please contact Orlesk with the "
    "values that caused the error";

// One row per code of the embedded core (short numbering), named in the system's table of codes: a
// subject and a limit ("The " subject " is outside of the " limit), or a whole text when the subject
// is null. The form's texts are its own, not the library's.
struct MessageRow {
    StatusId id;
    const char* subject;
    const char* limit;
    const char* whole;
};

constexpr std::array<MessageRow, 14> kMessages{{
    {StatusId::TemperatureHigh, "temperature", kUpper, nullptr},
    {StatusId::TemperatureLow, "temperature", kLower, nullptr},
    {StatusId::PressureHigh, "pressure", kUpper, nullptr},
    {StatusId::PressureLow, "pressure", kLower, nullptr},
    {StatusId::InputOutOfRange, "state point", "limits", nullptr},
    {StatusId::Region3Convergence, nullptr, nullptr, kComputingError},
    {StatusId::QualityRange, "quality must be between 0 and 1", nullptr, nullptr},
    {StatusId::AboveCriticalPressure, "pressure", kSaturation, nullptr},
    {StatusId::AboveCriticalTemperature, "temperature", kSaturation, nullptr},
    {StatusId::EnthalpyLow, "enthalpy", kLower, nullptr},
    {StatusId::EnthalpyHigh, "enthalpy", kUpper, nullptr},
    {StatusId::EntropyLow, "entropy", kLower, nullptr},
    {StatusId::EntropyHigh, "entropy", kUpper, nullptr},
    {StatusId::IterationConvergence, nullptr, nullptr, kComputingError},
}};

// The form only words codes the desktop's core reports, so each has a form in the short numbering.
constexpr bool everyRowHasAShortCode() {
    for (const MessageRow& row : kMessages) {
        if (vaprop::statusRow(row.id).shortCode == vaprop::kNoShortCode) return false;
    }
    return true;
}
static_assert(everyRowHasAShortCode());

}  // namespace

std::string computeErrorMessage(int code) {
    for (const MessageRow& row : kMessages) {
        if (vaprop::statusRow(row.id).shortCode != code) {
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
