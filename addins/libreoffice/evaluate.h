// One call of a worksheet function, free of Calc's types: the arguments as Calc hands them over,
// the same checks and the same order as the spreadsheet add-in (values must be numbers, then the
// unit set, then the library), the result as a number or one of Calc's error values, and the text
// that says why a call fails.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "property_library.h"

namespace vapropcalc {

// An argument reduced to what the functions look at. Calc hands over numbers (empty cells and
// logical values included, as 0 and 1), texts, arrays for ranges, and nothing for an omitted one.
struct Argument {
    enum class Kind : std::uint8_t { missing, number, text, other };
    Kind kind = Kind::missing;
    double number = 0;
    std::string_view text;  // ends before a '\0' (handed to the library as a C string)
};

// Where the unit set of a call that names none comes from.
class UnitDefaults {
  public:
    virtual ~UnitDefaults() = default;
    // The configuration value DefaultUnits is set: every call must name its unit set.
    virtual bool unitsRequired() const = 0;
    // The document's StmBaseUnits, 0 (Eng) without a usable one.
    virtual std::int32_t baseUnits() const = 0;
};

enum class Failure : std::uint8_t {
    none,
    notANumber,         // a value argument is not a number: #VALUE!
    notAText,           // a name argument (StmProp's pair and property) is not a text: #VALUE!
    unitSetMissing,     // no unit set although DefaultUnits asks for one: #NUM!
    unitSetUnreadable,  // a unit set that is not a name or a number from 0 to 127: #NUM!
    libraryCode,        // the library returned a code (at or below -1000): #NUM!
    notAvailable,       // the library is not loaded or lacks the export: #N/A
    tooManyArguments,   // StmErrorText: more arguments than the function takes
};

struct Outcome {
    Failure failure = Failure::none;
    double value = 0;          // the result, or the library's code
    std::size_t argument = 0;  // with notANumber and notAText: which argument
};

// Calc's error numbers for the error values the functions show.
inline constexpr std::uint32_t kCalcErrorNum = 503;             // #NUM!
inline constexpr std::uint32_t kCalcErrorValue = 519;           // #VALUE!
inline constexpr std::uint32_t kCalcErrorNotAvailable = 32767;  // #N/A

// The unit-set word of a call: a number or a name with flags as in the spreadsheet add-in, the
// default when it is missing; nullopt when it is unreadable or missing but required.
std::optional<std::int32_t> unitSetOf(const Argument& units, const UnitDefaults& defaults) noexcept;

// The content of a name as a plain number ("4", "3.9", "-1", blanks around it allowed); nullopt
// for anything else ("\"SI\"", "1+1", "$Sheet1.$A$1").
std::optional<double> plainNumber(std::string_view content) noexcept;

// Calls function `index` of the table (not StmErrorText) with its arguments (fewer count as
// missing). Order of the checks: the library export, each value argument, the unit set, the code.
Outcome evaluate(std::size_t index, const PropertyLibrary& library, std::span<const Argument> arguments,
                 const UnitDefaults& defaults) noexcept;

// What the cell shows: the number, or Calc's error value (a NaN carrying Calc's error number).
double cellValue(const Outcome& outcome) noexcept;
double calcErrorValue(std::uint32_t calcError) noexcept;

// Why the call failed, in words; empty when it did not.
std::string failureText(std::size_t index, const Outcome& outcome, const PropertyLibrary& library);

// StmErrorText: the first argument names a worksheet function, the others are its arguments.
std::string errorText(std::span<const Argument> arguments, const PropertyLibrary& library,
                      const UnitDefaults& defaults);

}  // namespace vapropcalc
