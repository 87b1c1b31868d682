// The user functions of vapmcad: one thin wrapper per shape of vaprop32 export, and the table of the
// 41 records the host registers.
#include "functions.h"

#include <cstdint>

#include "checks.h"
#include "messages.h"
#include "vaprop32.h"

namespace vapmcad {
namespace {

using OneInputExport = double(VAPROP_CALL*)(double, std::int32_t);
using TwoInputExport = double(VAPROP_CALL*)(double, double, std::int32_t);

// The steps of every property function: real arguments, unit set (the last argument), interruption,
// the call, the result.
template <std::size_t N, typename Call>
McadResult evaluate(COMPLEXSCALAR* out, const COMPLEXSCALAR* const (&args)[N], Call call) noexcept {
    if (const McadResult notReal = checkReal(args)) return notReal;
    const std::optional<std::int32_t> unitSet = unitSetFrom(args[N - 1]->real);
    if (!unitSet) return mcadError(messageIndex(Message::InvalidUnitSet));
    if (isUserInterrupted()) return mcadError(messageIndex(Message::Interrupted));
    return deliver(call(*unitSet), out);
}

// (out, x, UnitSet): the saturation and temperature-scale calls.
template <OneInputExport Export>
McadResult MCAD_CALL oneInput(COMPLEXSCALAR* out, const COMPLEXSCALAR* x, const COMPLEXSCALAR* unitSet) noexcept {
    return evaluate(out, {x, unitSet}, [x](std::int32_t set) { return Export(x->real, set); });
}

// (out, a, b, UnitSet): the property calls of a state pair.
template <TwoInputExport Export>
McadResult MCAD_CALL twoInputs(COMPLEXSCALAR* out, const COMPLEXSCALAR* a, const COMPLEXSCALAR* b,
                               const COMPLEXSCALAR* unitSet) noexcept {
    return evaluate(out, {a, b, unitSet}, [a, b](std::int32_t set) { return Export(a->real, b->real, set); });
}

// (out, dummy): the library version; the argument is not looked at.
McadResult MCAD_CALL version(COMPLEXSCALAR* out, const COMPLEXSCALAR*) noexcept {
    if (isUserInterrupted()) return mcadError(messageIndex(Message::Interrupted));
    out->real = StmVer();
    return 0;
}

// A record whose argument count and types follow from the function's own parameters.
template <typename... Args>
FUNCTIONINFO record(const char* name, const char* parameters, const char* description,
                    McadResult(MCAD_CALL* function)(COMPLEXSCALAR*, Args...)) noexcept {
    static_assert(sizeof...(Args) >= 1 && sizeof...(Args) <= MAX_ARGS);
    FUNCTIONINFO r{name,
                   parameters,
                   description,
                   // The host calls it back with exactly these parameters.
                   reinterpret_cast<LPCFUNCTION>(function),
                   COMPLEX_SCALAR,
                   sizeof...(Args),
                   {}};
    for (unsigned int i = 0; i < r.nArgs; ++i) r.argType[i] = COMPLEX_SCALAR;
    return r;
}

}  // namespace

FUNCTIONINFO* functionRecords() noexcept {
    // Registration order; texts as the host shows them.
    static FUNCTIONINFO records[] = {
        record("StmTP",
               "T, UnitSet",
               "returns the saturated steam pressure given temperature consistent with UnitSet",
               oneInput<StmTP>),
        record("StmPT",
               "P, UnitSet",
               "returns the saturated steam temperature given pressure consistent with UnitSet",
               oneInput<StmPT>),
        record("StmTQH",
               "T, Q, UnitSet",
               "returns the enthalpy given temperature and quality consistent with UnitSet",
               twoInputs<StmTQH>),
        record("StmTQS",
               "T, Q, UnitSet",
               "returns the steam/water entropy given temperature and quality consistent with UnitSet",
               twoInputs<StmTQS>),
        record("StmTQV",
               "T, Q, UnitSet",
               "returns the steam/water specific volume given temperature and quality consistent with "
               "UnitSet",
               twoInputs<StmTQV>),
        record("StmTQC",
               "T, Q, UnitSet",
               "returns the steam/water specific heat given temperature and quality consistent with "
               "UnitSet",
               twoInputs<StmTQC>),
        record("StmTQW",
               "T, Q, UnitSet",
               "returns the speed of sound given temperature and quality consistent with UnitSet",
               twoInputs<StmTQW>),
        record("StmTQG",
               "T, Q, UnitSet",
               "returns the isentropic expansion coefficient given temperature and quality consistent "
               "with UnitSet",
               twoInputs<StmTQG>),
        record("StmTQK",
               "T, Q, UnitSet",
               "returns the steam/water thermal conductivity given temperature and quality consistent "
               "with UnitSet",
               twoInputs<StmTQK>),
        record("StmTQM",
               "T, Q, UnitSet",
               "returns the steam/water dynamic viscosity given temperature and quality consistent with "
               "Unitset",
               twoInputs<StmTQM>),
        record("StmPQH",
               "P, Q, UnitSet",
               "returns the steam/water enthalpy given pressure and quality consistent with UnitSet",
               twoInputs<StmPQH>),
        record("StmPQS",
               "P, Q, UnitSet",
               "returns the steam/water entropy given pressure and quality consistent with UnitSet",
               twoInputs<StmPQS>),
        record("StmPQV",
               "P, Q, UnitSet",
               "returns the steam/water specific volume given pressure and quality consistent with "
               "UnitSet",
               twoInputs<StmPQV>),
        record("StmPQC",
               "P, Q, UnitSet",
               "returns the steam/water specific heat given pressure and quality consistent with "
               "UnitSet",
               twoInputs<StmPQC>),
        record("StmPQW",
               "P, Q, UnitSet",
               "returns the speed of sound given pressure and quality consistent with UnitSet",
               twoInputs<StmPQW>),
        record("StmPQG",
               "P, Q, UnitSet",
               "returns the isentropic expansion coefficient given pressure and quality consistent with "
               "UnitSet",
               twoInputs<StmPQG>),
        record("StmPQK",
               "P, Q, UnitSet",
               "returns the steam/water thernal conductivity given pressure and quality consistent with "
               "UnitSet",
               twoInputs<StmPQK>),
        record("StmPQM",
               "P, Q, UnitSet",
               "returns the steam/water dynamic viscosity given pressure and quality consistent with "
               "UnitSet",
               twoInputs<StmPQM>),
        record("StmPTH",
               "P, T, UnitSet",
               "returns the steam/water enthalpy given pressure and temperature consistent with UnitSet",
               twoInputs<StmPTH>),
        record("StmPTS",
               "P, T, UnitSet",
               "returns the steam/water entropy given pressure and temperature consistent with UnitSet",
               twoInputs<StmPTS>),
        record("StmPTV",
               "P, T, UnitSet",
               "returns the steam/water specific volume given pressure and temperature consistent with "
               "UnitSet",
               twoInputs<StmPTV>),
        record("StmPTC",
               "P, T, UnitSet",
               "returns the steam/water specific heat given pressure and temperature consistent with "
               "UnitSet",
               twoInputs<StmPTC>),
        record("StmPTW",
               "P, T, UnitSet",
               "returns the speed of sound given pressure and temperature consistent with UnitSet",
               twoInputs<StmPTW>),
        record("StmPTG",
               "P, T, UnitSet",
               "returns the isentropic expansion coefficient given pressure and temperature consistent "
               "with UnitSet",
               twoInputs<StmPTG>),
        record("StmPTK",
               "P, T, UnitSet",
               "returns the steam/water thermal conductivity given pressure and temperature consistent "
               "with UnitSet",
               twoInputs<StmPTK>),
        record("StmPTM",
               "P, T, UnitSet",
               "returns the steam/water dynamic viscosity given pressure and temperature consistent with "
               "UnitSet",
               twoInputs<StmPTM>),
        record("StmPHT",
               "P, H, UnitSet",
               "returns the steam/water temperature given pressure and enthalpy consistent with UnitSet",
               twoInputs<StmPHT>),
        record("StmPHS",
               "P, H, UnitSet",
               "returns the steam/water entropy given pressure and enthalpy consistent with UnitSet",
               twoInputs<StmPHS>),
        record("StmPHV",
               "P, H, UnitSet",
               "returns the steam/water specific volume given pressure and enthalpy consistent with "
               "UnitSet",
               twoInputs<StmPHV>),
        record("StmPHQ",
               "P, H, UnitSet",
               "returns the steam quality given pressure and enthalpy consistent with UnitSet",
               twoInputs<StmPHQ>),
        record("StmPHW",
               "P, H, UnitSet",
               "returns the speed of sound given pressure and enthalpy consistent with UnitSet",
               twoInputs<StmPHW>),
        record("StmPHG",
               "P, H, UnitSet",
               "returns the isentropic expansion coefficient given pressure and enthalpy consistent with "
               "UnitSet",
               twoInputs<StmPHG>),
        record("StmPST",
               "P, S, UnitSet",
               "returns the steam/water temperature given pressure and entropy consistent with UnitSet",
               twoInputs<StmPST>),
        record("StmPSH",
               "P, S, UnitSet",
               "returns the steam/water enthalpy given pressure and entropy consistent with UnitSet",
               twoInputs<StmPSH>),
        record("StmPSV",
               "P, S, UnitSet",
               "returns the steam/water specific volume given pressure and entropy consistent with "
               "UnitSet",
               twoInputs<StmPSV>),
        record("StmPSQ",
               "P, S, UnitSet",
               "returns the steam quality given pressure and entropy consistent with UnitSet",
               twoInputs<StmPSQ>),
        record("StmPSW",
               "P, S, UnitSet",
               "returns the speed of sound given pressure and entropy consistent with UnitSet",
               twoInputs<StmPSW>),
        record("StmPSG",
               "P, S, UnitSet",
               "returns the isentropic expansion coefficient given pressure and entropy consistent with "
               "UnitSet",
               twoInputs<StmPSG>),
        record("StmVer", "dummy", "returns the version of the steam property library", version),
        record("StmTempTI",
               "T, UnitSet",
               "returns the T68 temperature given T90 temperature consistent with UnitSet",
               oneInput<StmTempTI>),
        record("StmTempIT",
               "T, UnitSet",
               "returns the T90 temperature given T68 temperature consistent with UnitSet",
               oneInput<StmTempIT>),
    };
    static_assert(sizeof(records) / sizeof(records[0]) == functionCount);
    return records;
}

void registerAddin(McadModule module) noexcept {
    if (!CreateUserErrorMessageTable(module, static_cast<unsigned int>(messageCount), messageTable.data())) {
        return;
    }
    FUNCTIONINFO* const records = functionRecords();
    for (std::size_t i = 0; i < functionCount; ++i) CreateUserFunction(module, &records[i]);
}

}  // namespace vapmcad
