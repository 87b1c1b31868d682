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

#include "status_codes.h"

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

// Index of the message with this text, or 0 when the table has none.
constexpr unsigned int indexOfText(std::string_view text) {
    for (std::size_t i = 0; i < messageCount; ++i) {
        if (text == messageTable[i]) return static_cast<unsigned int>(i + 1);
    }
    return 0;
}

// The message for a code of the system's table: the line of the message table with the code's own
// text, or "internal error" for a code whose text the host was never given. The one exception is
// -1099 ("invalid unit set number" of the library): the add-in checks unit sets itself before it
// calls the library, so a -1099 coming back would be a fault of the add-in, an internal error.
constexpr Message messageOfRow(const vaprop::StatusRow& row) {
    if (row.library == vaprop::code::InvalidUnitSet) return Message::InternalError;
    const unsigned int index = indexOfText(row.text);
    return index != 0 ? static_cast<Message>(index) : Message::InternalError;
}

struct CodeMessage {
    int code;  // vaprop32 error code, library numbering
    Message message;
};

// Every code of the system's table with its message, derived at compile time.
inline constexpr std::array<CodeMessage, vaprop::kStatusCount> codeMessages = [] {
    std::array<CodeMessage, vaprop::kStatusCount> map{};
    for (std::size_t i = 0; i < vaprop::kStatusCount; ++i) {
        map[i] = {vaprop::kStatusTable[i].library, messageOfRow(vaprop::kStatusTable[i])};
    }
    return map;
}();

// Every line of the table from "invalid unit set number" on is the text of a code of the system's
// table, word for word: the host shows the library's own words for every code it can report.
consteval bool everyCodeLineIsATableText() {
    for (std::size_t i = messageIndex(Message::InvalidUnitSet) - 1; i < messageCount; ++i) {
        bool found = false;
        for (const vaprop::StatusRow& row : vaprop::kStatusTable) {
            found = found || std::string_view(row.text) == messageTable[i];
        }
        if (!found) return false;
    }
    return true;
}
static_assert(everyCodeLineIsATableText(), "the message table holds the library's own texts");

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
