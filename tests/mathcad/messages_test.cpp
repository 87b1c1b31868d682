// The message table, the code-to-message map and the error value of the Mathcad add-in.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string_view>

#include "error_codes.h"
#include "expected_tables.h"
#include "mcaduser.h"
#include "messages.h"

namespace {

using vapmcad::Message;
using vapmcad::messageForCode;

TEST(MessageTable, NineteenMessagesInOrder) {
    using vapmcad_test::expectedMessages;
    ASSERT_EQ(vapmcad::messageCount, std::size(expectedMessages));
    for (std::size_t i = 0; i < vapmcad::messageCount; ++i) {
        EXPECT_EQ(vapmcad::messageTable[i], expectedMessages[i]) << "message " << i + 1;
    }
}

struct MapRow {
    double result;
    unsigned int message;
};

// Codes and numbers at or below -1000 that are no code with a message of its own.
constexpr MapRow otherRows[] = {
    {-1099, 15},  // the library's "invalid unit set number" is not the add-in's own check
    {-2000, 15},  // property not defined for the state
    {-1400, 15},  // no code of the library
    {-3000, 15},
    {-5000, 15},
    {-1e300, 15},
};

TEST(CodeMap, ListedAndUnlistedCodes) {
    for (const auto& row : vapmcad_test::expectedCodeMessages) {
        EXPECT_EQ(vapmcad::messageIndex(messageForCode(row.code)), row.message) << row.code;
    }
    for (const MapRow& row : otherRows) {
        EXPECT_EQ(vapmcad::messageIndex(messageForCode(row.result)), row.message) << row.result;
    }
}

TEST(CodeMap, CodeIsTruncatedTowardZero) {
    EXPECT_EQ(messageForCode(-1000.9), Message::TemperatureTooHigh);
    EXPECT_EQ(messageForCode(-1100.5), Message::TemperatureTooLow);
    EXPECT_EQ(messageForCode(-5100.999), Message::TransportNotAvailable);
    // -1099.9 truncates to -1099, not to -1100.
    EXPECT_EQ(messageForCode(-1099.9), Message::InternalError);
    EXPECT_EQ(messageForCode(-1000.0000001), Message::TemperatureTooHigh);
}

TEST(CodeMap, NonNumbersAreInternalErrors) {
    EXPECT_EQ(messageForCode(std::numeric_limits<double>::quiet_NaN()), Message::InternalError);
    EXPECT_EQ(messageForCode(-std::numeric_limits<double>::infinity()), Message::InternalError);
    EXPECT_EQ(messageForCode(std::numeric_limits<double>::infinity()), Message::InternalError);
}

// Every code of the library's table is shown under the library's own text for it, except the
// add-in's own unit-set code -1099, which the add-in reports as an internal error, and the codes of
// the by-name calls: their refusals (-3100 to -3400) and the codes of the pairs and names beyond the
// exports (-2600, -2700), which no function of the add-in can meet.
TEST(CodeMap, MessagesCarryTheLibraryTexts) {
    for (int i = 0; i < VAPROP_ERROR_COUNT; ++i) {
        const int code = vapropErrorCodeAt(i);
        const std::string_view shown = vapmcad::messageText(messageForCode(code));
        const bool byNameOnly = code == VAPROP_AMBIGUOUS_STATE || code == VAPROP_NOT_IN_IFC67;
        if (code == VAPROP_INVALID_UNIT_SET || byNameOnly ||
            (code <= VAPROP_UNKNOWN_PAIR && code >= VAPROP_NULL_POINTER)) {
            EXPECT_EQ(shown, "internal error");
        } else {
            EXPECT_EQ(shown, vapropErrorText(code)) << code;
        }
    }
}

TEST(ErrorValue, MessageLowArgumentHigh) {
    EXPECT_EQ(mcadError(3, 1), 65539);
    EXPECT_EQ(mcadError(3, 3), 3 * 65536 + 3);
    EXPECT_EQ(mcadError(4), 4);
    EXPECT_EQ(mcadErrorMessage(mcadError(19, 2)), 19u);
    EXPECT_EQ(mcadErrorArgument(mcadError(19, 2)), 2u);
    EXPECT_EQ(mcadErrorArgument(mcadError(15)), 0u);
}

}  // namespace
