// The add-in's message table and the map from vaprop32 error codes to its messages.
//
// The host shows message n of the table beside an expression whose function returned error value n.
// The table is registered in this order, so a message's index is its position counted from 1; the
// map names each code's message by its text and the index is found at compile time, so the map can
// never point at the wrong line of the table.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "error_codes.h"

namespace vapmcad {

// Message indexes, in table order.
enum class Message : unsigned int {
    Interrupted = 1,
    InsufficientMemory,  // never returned; kept so the later indexes keep their values
    MustBeReal,
    InvalidUnitSet,
    TemperatureTooHigh,
    TemperatureTooLow,
    PressureTooHigh,
    PressureTooLow,
    EnthalpyTooLow,
    EnthalpyTooHigh,
    EntropyTooLow,
    EntropyTooHigh,
    ConvergenceError,
    InputOutOfRange,
    InternalError,
    QualityOutOfRange,
    PressureOutsideSaturation,
    TemperatureOutsideSaturation,
    TransportNotAvailable,
};

inline constexpr std::size_t messageCount = 19;

// The message table, registered with the host in this order.
inline constexpr std::array<const char*, messageCount> messageTable{
    "interrupted",                              //  1
    "insufficient memory",                      //  2
    "must be real",                             //  3
    "invalid unit set number",                  //  4
    "temperature too high",                     //  5
    "temperature too low",                      //  6
    "pressure too high",                        //  7
    "pressure too low",                         //  8
    "enthalpy too low",                         //  9
    "enthalpy too high",                        // 10
    "entropy too low",                          // 11
    "entropy too high",                         // 12
    "convergence error",                        // 13
    "input value out of range",                 // 14
    "internal error",                           // 15
    "quality out of range",                     // 16
    "pressure outside of saturation range",     // 17
    "temperature outside of saturation range",  // 18
    "transport properties not available",       // 19
};
static_assert(static_cast<std::size_t>(Message::TransportNotAvailable) == messageCount, "one enumerator per message");

constexpr unsigned int messageIndex(Message m) noexcept { return static_cast<unsigned int>(m); }

constexpr std::string_view messageText(Message m) noexcept { return messageTable[messageIndex(m) - 1]; }

// The enumerators and the texts name the same lines.
static_assert(messageText(Message::Interrupted) == "interrupted");
static_assert(messageText(Message::InsufficientMemory) == "insufficient memory");
static_assert(messageText(Message::MustBeReal) == "must be real");
static_assert(messageText(Message::InvalidUnitSet) == "invalid unit set number");
static_assert(messageText(Message::TemperatureTooHigh) == "temperature too high");
static_assert(messageText(Message::TemperatureTooLow) == "temperature too low");
static_assert(messageText(Message::PressureTooHigh) == "pressure too high");
static_assert(messageText(Message::PressureTooLow) == "pressure too low");
static_assert(messageText(Message::EnthalpyTooLow) == "enthalpy too low");
static_assert(messageText(Message::EnthalpyTooHigh) == "enthalpy too high");
static_assert(messageText(Message::EntropyTooLow) == "entropy too low");
static_assert(messageText(Message::EntropyTooHigh) == "entropy too high");
static_assert(messageText(Message::ConvergenceError) == "convergence error");
static_assert(messageText(Message::InputOutOfRange) == "input value out of range");
static_assert(messageText(Message::InternalError) == "internal error");
static_assert(messageText(Message::QualityOutOfRange) == "quality out of range");
static_assert(messageText(Message::PressureOutsideSaturation) == "pressure outside of saturation range");
static_assert(messageText(Message::TemperatureOutsideSaturation) == "temperature outside of saturation range");
static_assert(messageText(Message::TransportNotAvailable) == "transport properties not available");

// Index of the message with this text; a text missing from the table stops the compilation.
consteval Message messageWithText(std::string_view text) {
    for (std::size_t i = 0; i < messageCount; ++i) {
        if (text == messageTable[i]) return static_cast<Message>(i + 1);
    }
    throw "text is not in the message table";
}

struct CodeMessage {
    int code;  // vaprop32 error code (lib/error_codes.h)
    Message message;
};

// vaprop32 codes with a message of their own, each named by the library's text for it. Every other
// code, -1099 ("invalid unit set number" of the library, which the add-in checks itself) and -2000
// among them, is shown as "internal error".
inline constexpr std::array<CodeMessage, 15> codeMessages{{
    {VAPROP_TEMPERATURE_TOO_HIGH, messageWithText("temperature too high")},
    {VAPROP_TEMPERATURE_TOO_LOW, messageWithText("temperature too low")},
    {VAPROP_PRESSURE_TOO_HIGH, messageWithText("pressure too high")},
    {VAPROP_PRESSURE_TOO_LOW, messageWithText("pressure too low")},
    {VAPROP_INPUT_OUT_OF_RANGE, messageWithText("input value out of range")},
    {VAPROP_NO_CONVERGENCE_OR_REGION, messageWithText("internal error")},
    {VAPROP_QUALITY_OUT_OF_RANGE, messageWithText("quality out of range")},
    {VAPROP_PRESSURE_NOT_SATURABLE, messageWithText("pressure outside of saturation range")},
    {VAPROP_TEMPERATURE_NOT_SATURABLE, messageWithText("temperature outside of saturation range")},
    {VAPROP_ENTHALPY_TOO_LOW, messageWithText("enthalpy too low")},
    {VAPROP_ENTHALPY_TOO_HIGH, messageWithText("enthalpy too high")},
    {VAPROP_ENTROPY_TOO_LOW, messageWithText("entropy too low")},
    {VAPROP_ENTROPY_TOO_HIGH, messageWithText("entropy too high")},
    {VAPROP_CONVERGENCE_ERROR, messageWithText("convergence error")},
    {VAPROP_TRANSPORT_UNAVAILABLE, messageWithText("transport properties not available")},
}};

consteval bool mapHoldsDistinctCodes() {
    for (std::size_t i = 0; i < codeMessages.size(); ++i) {
        if (codeMessages[i].code > -1000) return false;  // codes lie at or below -1000
        for (std::size_t j = i + 1; j < codeMessages.size(); ++j) {
            if (codeMessages[i].code == codeMessages[j].code) return false;
        }
    }
    return true;
}
static_assert(mapHoldsDistinctCodes(), "each code once, and only codes");

// Message for a vaprop32 result that is a code. The code is the result truncated toward zero; a
// result that matches no listed code (NaN and infinities included) is an internal error.
inline Message messageForCode(double result) noexcept {
    const double code = std::trunc(result);
    for (const CodeMessage& entry : codeMessages) {
        if (code == static_cast<double>(entry.code)) return entry.message;
    }
    return Message::InternalError;
}

}  // namespace vapmcad
