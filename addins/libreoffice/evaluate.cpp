// The checks, the library call and the texts of one worksheet function call.
#include "evaluate.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstdio>

#include "error_codes.h"
#include "unit_set.h"

namespace vapropcalc {

namespace {

// Results at or below this are the library's error codes.
constexpr double kFirstErrorCode = VAPROP_CODE_LIMIT;

Argument argumentAt(std::span<const Argument> arguments, std::size_t i) noexcept {
    return i < arguments.size() ? arguments[i] : Argument{};
}

// StmProp's pair and property are names; every other argument before the unit set is a value.
bool isNameArgument(FunctionKind kind, std::size_t i) noexcept {
    return kind == FunctionKind::byNames && (i == 0 || i == 3);
}

Outcome failed(Failure failure, std::size_t argument = 0) noexcept { return {failure, 0, argument}; }

Outcome result(double r) noexcept {
    if (!(r > kFirstErrorCode)) return {Failure::libraryCode, r, 0};
    return {Failure::none, r, 0};
}

std::string codeText(double code) {
    if (const char* text = vapropErrorText(code); text != nullptr) {
        char buffer[96];
        std::snprintf(buffer, sizeof buffer, "%s (%.0f)", text, code);
        return buffer;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "error %g", code);
    return buffer;
}

}  // namespace

std::optional<std::int32_t> unitSetOf(const Argument& units, const UnitDefaults& defaults) noexcept {
    switch (units.kind) {
        case Argument::Kind::missing:
            if (defaults.unitsRequired()) return std::nullopt;
            return defaults.baseUnits();
        case Argument::Kind::number: return vapxl::unitSetFromNumber(units.number);
        case Argument::Kind::text: return vapxl::unitSetFromText(units.text);
        case Argument::Kind::other: break;
    }
    return std::nullopt;
}

std::optional<double> plainNumber(std::string_view content) noexcept {
    while (!content.empty() && content.front() == ' ') content.remove_prefix(1);
    while (!content.empty() && content.back() == ' ') content.remove_suffix(1);
    if (content.empty()) return std::nullopt;
    double x = 0;
    const auto [end, error] = std::from_chars(content.data(), content.data() + content.size(), x);
    if (error != std::errc() || end != content.data() + content.size()) return std::nullopt;
    return x;
}

Outcome evaluate(std::size_t index, const PropertyLibrary& library, std::span<const Argument> arguments,
                 const UnitDefaults& defaults) noexcept {
    const CalcFunction& f = kFunctions[index];
    void* const entry = library.entry(index);
    if (entry == nullptr || f.kind == FunctionKind::errorText) return failed(Failure::notAvailable);
    if (f.kind == FunctionKind::version) return result(reinterpret_cast<VersionCall>(entry)());

    const std::size_t values = argumentsOfKind(f.kind) - 1;  // the unit set comes last
    for (std::size_t i = 0; i < values; ++i) {
        const Argument::Kind kind = argumentAt(arguments, i).kind;
        if (isNameArgument(f.kind, i)) {
            if (kind != Argument::Kind::text) return failed(Failure::notAText, i);
        } else if (kind != Argument::Kind::number) {
            return failed(Failure::notANumber, i);
        }
    }
    const Argument units = argumentAt(arguments, values);
    const std::optional<std::int32_t> set = unitSetOf(units, defaults);
    if (!set)
        return failed(units.kind == Argument::Kind::missing ? Failure::unitSetMissing : Failure::unitSetUnreadable);

    switch (f.kind) {
        case FunctionKind::oneValue: return result(reinterpret_cast<OneValueCall>(entry)(arguments[0].number, *set));
        case FunctionKind::twoValues:
            return result(reinterpret_cast<TwoValueCall>(entry)(arguments[0].number, arguments[1].number, *set));
        case FunctionKind::byNames:
            return result(reinterpret_cast<ByNamesCall>(entry)(
                arguments[0].text.data(), arguments[1].number, arguments[2].number, arguments[3].text.data(), *set));
        case FunctionKind::version:
        case FunctionKind::errorText: break;
    }
    return failed(Failure::notAvailable);
}

double calcErrorValue(std::uint32_t calcError) noexcept {
    // Calc reads an error from a quiet NaN whose low 32 bits hold its number.
    return std::bit_cast<double>(std::uint64_t{0x7FF8000000000000} | calcError);
}

double cellValue(const Outcome& outcome) noexcept {
    switch (outcome.failure) {
        case Failure::none: return outcome.value;
        case Failure::notANumber:
        case Failure::notAText: return calcErrorValue(kCalcErrorValue);
        case Failure::notAvailable: return calcErrorValue(kCalcErrorNotAvailable);
        case Failure::unitSetMissing:
        case Failure::unitSetUnreadable:
        case Failure::libraryCode:
        case Failure::tooManyArguments: break;
    }
    return calcErrorValue(kCalcErrorNum);
}

std::string failureText(std::size_t index, const Outcome& outcome, const PropertyLibrary& library) {
    const CalcFunction& f = kFunctions[index];
    switch (outcome.failure) {
        case Failure::none: return {};
        case Failure::notANumber: return std::string(argumentName(f, outcome.argument)) + " is not a number";
        case Failure::notAText: return std::string(argumentName(f, outcome.argument)) + " is not a text";
        case Failure::unitSetMissing:
            return "no unit set given, and the DefaultUnits setting asks for one in every call";
        case Failure::unitSetUnreadable:
            return "unit set not recognised: Eng, SI, EngG, SIF, SIK, MET or METF, with 'o' and 'S' as needed, "
                   "or a number from 0 to 127";
        case Failure::libraryCode: return codeText(outcome.value);
        case Failure::notAvailable:
            if (!library.failure().empty()) return "property library not available: " + library.failure();
            return std::string(f.name) + " is not in the property library " + vaprop32FileName();
        case Failure::tooManyArguments:
            return std::string(f.name) + " takes " + std::to_string(argumentsOfKind(f.kind)) + " arguments";
    }
    return {};
}

std::string errorText(std::span<const Argument> arguments, const PropertyLibrary& library,
                      const UnitDefaults& defaults) {
    const Argument name = argumentAt(arguments, 0);
    if (name.kind != Argument::Kind::text) return "the first argument must be the name of a steam function, in quotes";
    const std::optional<std::size_t> index = findFunction(name.text);
    if (!index || kFunctions[*index].kind == FunctionKind::errorText)
        return "not a function of this add-in: " + std::string(name.text);

    const std::size_t count = argumentsOfKind(kFunctions[*index].kind);
    const std::span<const Argument> rest = arguments.subspan(1);
    for (std::size_t i = count; i < rest.size(); ++i)
        if (rest[i].kind != Argument::Kind::missing)
            return failureText(*index, failed(Failure::tooManyArguments), library);
    return failureText(*index, evaluate(*index, library, rest.first(std::min(count, rest.size())), defaults), library);
}

}  // namespace vapropcalc
