// The worksheet functions of the Calc add-in: every worksheet row of the spreadsheet add-in's
// registration table (same name, arguments, category and help texts), followed by the functions
// that exist only in Calc. The interface description (IDL) and the component's methods are
// generated from this table at build time, and the component answers the function wizard from it,
// so no list of functions is kept anywhere else.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

#include "registration_table.h"

namespace vapropcalc {

enum class FunctionKind {
    version,    // no argument: the library's version
    oneValue,   // value, unit set
    twoValues,  // first value, second value, unit set
    byNames,    // input pair, first value, second value, property name, unit set
    errorText,  // a function's name and its arguments: why that call fails
};

// The most arguments a worksheet function of this add-in takes.
inline constexpr std::size_t kMaxArguments = 6;

struct CalcFunction {
    std::string_view name;  // worksheet name, also the library export it calls
    FunctionKind kind;
    std::string_view argumentText;  // argument names separated by ", " (blank: none)
    std::string_view category;
    std::string_view help;
    std::array<std::string_view, kMaxArguments> argumentHelp;
};

namespace detail {

constexpr FunctionKind kindOfTypeText(std::string_view type) {
    if (type == "P") return FunctionKind::version;
    if (type == "PPP") return FunctionKind::oneValue;
    if (type == "PPPP") return FunctionKind::twoValues;
    throw "registration row with a type text the Calc add-in does not know";
}

constexpr std::size_t worksheetRowCount() {
    std::size_t n = 0;
    for (const vapxl::RegistrationRow& row : vapxl::kRegistrationTable)
        if (row[vapxl::kMacroType] == "1") ++n;
    return n;
}

}  // namespace detail

// The functions that only the Calc add-in offers.
inline constexpr std::array<CalcFunction, 2> kCalcOnlyFunctions = {{
    {"StmProp",
     FunctionKind::byNames,
     "Pair, Input1, Input2, Property, Units",
     vapxl::text::kCategory,
     "Returns the property named by Property of the state given by the two inputs named by Pair",
     {"the two inputs, in quotes: PT, PQ, TQ, PH or PS (either order)",
      vapxl::text::kConsistent,
      vapxl::text::kConsistent,
      "the property, in quotes: P, T, Q, H, S, V, C, W, G, K, M, R or PR",
      vapxl::text::kUnitsFast,
      {}}},
    {"StmErrorText",
     FunctionKind::errorText,
     "Function, Argument1, Argument2, Argument3, Argument4, Argument5",
     vapxl::text::kCategory,
     "Returns why a call of a steam function fails (empty text when it succeeds)",
     {"name of the steam function, in quotes",
      "its first argument",
      "its second argument",
      "its third argument",
      "its fourth argument",
      "its fifth argument"}},
}};

inline constexpr std::size_t kRegisteredFunctionCount = detail::worksheetRowCount();
inline constexpr std::size_t kFunctionCount = kRegisteredFunctionCount + kCalcOnlyFunctions.size();

namespace detail {

constexpr std::array<CalcFunction, kFunctionCount> buildFunctions() {
    std::array<CalcFunction, kFunctionCount> functions{};
    std::size_t at = 0;
    for (const vapxl::RegistrationRow& row : vapxl::kRegistrationTable) {
        if (row[vapxl::kMacroType] != "1") continue;  // commands (the help command) are not worksheet functions
        functions[at++] = {
            row[vapxl::kFunctionText],
            kindOfTypeText(row[vapxl::kTypeText]),
            row[vapxl::kArgumentText],
            row[vapxl::kCategory],
            row[vapxl::kFunctionHelp],
            {row[vapxl::kArgumentHelp1], row[vapxl::kArgumentHelp2], row[vapxl::kArgumentHelp3], {}, {}, {}}};
    }
    for (const CalcFunction& f : kCalcOnlyFunctions) functions[at++] = f;
    return functions;
}

}  // namespace detail

inline constexpr std::array<CalcFunction, kFunctionCount> kFunctions = detail::buildFunctions();

// Number of argument names in an argument text: "Pressure, Temperature, Units" has 3, a blank none.
constexpr std::size_t argumentCount(std::string_view argumentText) {
    if (argumentText.find_first_not_of(' ') == std::string_view::npos) return 0;
    std::size_t n = 1;
    for (std::size_t at = argumentText.find(','); at != std::string_view::npos; at = argumentText.find(',', at + 1))
        ++n;
    return n;
}

constexpr std::size_t argumentCount(const CalcFunction& f) { return argumentCount(f.argumentText); }

// The i-th argument name of an argument text, without the blanks around it (empty past the end).
constexpr std::string_view argumentName(std::string_view argumentText, std::size_t i) {
    std::size_t start = 0;
    for (std::size_t k = 0; k < i; ++k) {
        const std::size_t comma = argumentText.find(',', start);
        if (comma == std::string_view::npos) return {};
        start = comma + 1;
    }
    std::size_t end = argumentText.find(',', start);
    if (end == std::string_view::npos) end = argumentText.size();
    while (start < end && argumentText[start] == ' ') ++start;
    while (end > start && argumentText[end - 1] == ' ') --end;
    return argumentText.substr(start, end - start);
}

constexpr std::string_view argumentName(const CalcFunction& f, std::size_t i) {
    return argumentName(f.argumentText, i);
}

// The number of arguments every kind takes; a row whose argument text says otherwise stops the build.
constexpr std::size_t argumentsOfKind(FunctionKind kind) {
    switch (kind) {
        case FunctionKind::version: return 0;
        case FunctionKind::oneValue: return 2;
        case FunctionKind::twoValues: return 3;
        case FunctionKind::byNames: return 5;
        case FunctionKind::errorText: return kMaxArguments;
    }
    return 0;
}

constexpr bool argumentTextsMatchKinds() {
    for (const CalcFunction& f : kFunctions)
        if (argumentCount(f) != argumentsOfKind(f.kind)) return false;
    return true;
}
static_assert(argumentTextsMatchKinds(), "a function's argument names do not fit its kind");

// Index of a function by its worksheet name, compared without regard to case.
std::optional<std::size_t> findFunction(std::string_view name) noexcept;

}  // namespace vapropcalc
