// The messages of the property form and of the stored-point commands.
#pragma once

#include <string>

namespace calvex {

inline constexpr const char* kMsgBadPair =
    "Caldora cannot compute the steam properties because you have not selected a proper combination of "
    "input parameters.";
inline constexpr const char* kMsgUnknownError = "Unknown Error";

inline constexpr const char* kMsgRecalculateBeforeStoring = "You must recalculate state point before storing";
inline constexpr const char* kMsgUniqueLabel = "Each stored point must have a unique label.  ";
inline constexpr const char* kMsgStoreDuplicate = "A stored point has the same label as this one. ";
inline constexpr const char* kMsgStoreDuplicateChoice =
    "Press YES to replace the stored point with this one or NO to return and enter a new label";
inline constexpr const char* kMsgReplaceDuplicate = "Another stored point has the same label as the current point. ";
inline constexpr const char* kMsgReplaceDuplicateAdvice =
    "You must change the current point label to replace this point.";

// Integer fields of the number-format dialog.
inline constexpr const char* kMsgEnterInteger = "Please enter an integer.";
inline constexpr const char* kMsgEnterIntegerBetween = "Please enter an integer between %1 and %2.";

// The message shown for a status code of a computation: the texts of the embedded core's codes,
// assembled from "The ", the subject, " is outside of the " and the limit; "Unknown Error" for
// any other code (the IFC-67 library's own codes among them).
std::string computeErrorMessage(int code);

// "Please enter an integer between 0 and 8." for lo = 0, hi = 8.
std::string integerRangeMessage(int lo, int hi);

}  // namespace calvex
