// The Mathcad add-in vapmcad.dll under wine, loaded next to the test host's mcaduser.dll: its
// process-attach entry registers the message table and the 41 functions; every function is called
// through its record as the host calls it and compared with vaprop32 bit for bit, and the argument
// checks and code-to-message map answer as documented.
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "export_table.h"
#include "mcaduser_fake.h"
#include "module_names.h"
#include "test_report.h"

namespace {

using namespace w32test;

Report report;
HMODULE library = nullptr;

constexpr const char* kMessages[19] = {"interrupted",
                                       "insufficient memory",
                                       "must be real",
                                       "invalid unit set number",
                                       "temperature too high",
                                       "temperature too low",
                                       "pressure too high",
                                       "pressure too low",
                                       "enthalpy too low",
                                       "enthalpy too high",
                                       "entropy too low",
                                       "entropy too high",
                                       "convergence error",
                                       "input value out of range",
                                       "internal error",
                                       "quality out of range",
                                       "pressure outside of saturation range",
                                       "temperature outside of saturation range",
                                       "transport properties not available"};

// Registration order, parameter text and description (nullptr: the add-in's own wording).
struct Function {
    const char* name;
    const char* parameters;
    const char* description;
};
constexpr Function kFunctions[41] = {
    {"StmTP", "T, UnitSet", nullptr},
    {"StmPT", "P, UnitSet", "returns the saturated steam temperature given pressure consistent with UnitSet"},
    {"StmTQH", "T, Q, UnitSet", "returns the enthalpy given temperature and quality consistent with UnitSet"},
    {"StmTQS",
     "T, Q, UnitSet",
     "returns the steam/water entropy given temperature and quality consistent with UnitSet"},
    {"StmTQV",
     "T, Q, UnitSet",
     "returns the steam/water specific volume given temperature and quality consistent with UnitSet"},
    {"StmTQC",
     "T, Q, UnitSet",
     "returns the steam/water specific heat given temperature and quality consistent with UnitSet"},
    {"StmTQW", "T, Q, UnitSet", "returns the speed of sound given temperature and quality consistent with UnitSet"},
    {"StmTQG",
     "T, Q, UnitSet",
     "returns the isentropic expansion coefficient given temperature and quality consistent with UnitSet"},
    {"StmTQK",
     "T, Q, UnitSet",
     "returns the steam/water thermal conductivity given temperature and quality consistent with UnitSet"},
    {"StmTQM",
     "T, Q, UnitSet",
     "returns the steam/water dynamic viscosity given temperature and quality consistent with Unitset"},
    {"StmPQH", "P, Q, UnitSet", "returns the steam/water enthalpy given pressure and quality consistent with UnitSet"},
    {"StmPQS", "P, Q, UnitSet", "returns the steam/water entropy given pressure and quality consistent with UnitSet"},
    {"StmPQV",
     "P, Q, UnitSet",
     "returns the steam/water specific volume given pressure and quality consistent with UnitSet"},
    {"StmPQC",
     "P, Q, UnitSet",
     "returns the steam/water specific heat given pressure and quality consistent with UnitSet"},
    {"StmPQW", "P, Q, UnitSet", "returns the speed of sound given pressure and quality consistent with UnitSet"},
    {"StmPQG",
     "P, Q, UnitSet",
     "returns the isentropic expansion coefficient given pressure and quality consistent with UnitSet"},
    {"StmPQK",
     "P, Q, UnitSet",
     "returns the steam/water thernal conductivity given pressure and quality consistent with UnitSet"},
    {"StmPQM",
     "P, Q, UnitSet",
     "returns the steam/water dynamic viscosity given pressure and quality consistent with UnitSet"},
    {"StmPTH",
     "P, T, UnitSet",
     "returns the steam/water enthalpy given pressure and temperature consistent with UnitSet"},
    {"StmPTS",
     "P, T, UnitSet",
     "returns the steam/water entropy given pressure and temperature consistent with UnitSet"},
    {"StmPTV",
     "P, T, UnitSet",
     "returns the steam/water specific volume given pressure and temperature consistent with UnitSet"},
    {"StmPTC",
     "P, T, UnitSet",
     "returns the steam/water specific heat given pressure and temperature consistent with UnitSet"},
    {"StmPTW", "P, T, UnitSet", "returns the speed of sound given pressure and temperature consistent with UnitSet"},
    {"StmPTG",
     "P, T, UnitSet",
     "returns the isentropic expansion coefficient given pressure and temperature consistent with UnitSet"},
    {"StmPTK",
     "P, T, UnitSet",
     "returns the steam/water thermal conductivity given pressure and temperature consistent with UnitSet"},
    {"StmPTM",
     "P, T, UnitSet",
     "returns the steam/water dynamic viscosity given pressure and temperature consistent with UnitSet"},
    {"StmPHT",
     "P, H, UnitSet",
     "returns the steam/water temperature given pressure and enthalpy consistent with UnitSet"},
    {"StmPHS", "P, H, UnitSet", "returns the steam/water entropy given pressure and enthalpy consistent with UnitSet"},
    {"StmPHV",
     "P, H, UnitSet",
     "returns the steam/water specific volume given pressure and enthalpy consistent with UnitSet"},
    {"StmPHQ", "P, H, UnitSet", "returns the steam quality given pressure and enthalpy consistent with UnitSet"},
    {"StmPHW", "P, H, UnitSet", "returns the speed of sound given pressure and enthalpy consistent with UnitSet"},
    {"StmPHG",
     "P, H, UnitSet",
     "returns the isentropic expansion coefficient given pressure and enthalpy consistent with UnitSet"},
    {"StmPST",
     "P, S, UnitSet",
     "returns the steam/water temperature given pressure and entropy consistent with UnitSet"},
    {"StmPSH", "P, S, UnitSet", "returns the steam/water enthalpy given pressure and entropy consistent with UnitSet"},
    {"StmPSV",
     "P, S, UnitSet",
     "returns the steam/water specific volume given pressure and entropy consistent with UnitSet"},
    {"StmPSQ", "P, S, UnitSet", "returns the steam quality given pressure and entropy consistent with UnitSet"},
    {"StmPSW", "P, S, UnitSet", "returns the speed of sound given pressure and entropy consistent with UnitSet"},
    {"StmPSG",
     "P, S, UnitSet",
     "returns the isentropic expansion coefficient given pressure and entropy consistent with UnitSet"},
    {"StmVer", "dummy", nullptr},
    {"StmTempTI", "T, UnitSet", "returns the T68 temperature given T90 temperature consistent with UnitSet"},
    {"StmTempIT", "T, UnitSet", "returns the T90 temperature given T68 temperature consistent with UnitSet"},
};

// An entry found by GetProcAddress as the function type it has (through the generic function type,
// which the compiler accepts as a cast between function types).
template <typename F>
F as(FARPROC entry) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(entry));
}

std::uint64_t bitsOf(double x) {
    std::uint64_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

double direct(const ExportRow& row, double a, double b, std::int32_t unitSet) {
    FARPROC entry = GetProcAddress(library, MAKEINTRESOURCEA(row.ordinal));
    if (row.inputs[0] == '\0') return as<Export0>(entry)();
    if (row.inputs[1] == '\0') return as<Export1>(entry)(a, unitSet);
    return as<Export2>(entry)(a, b, unitSet);
}

// Calls the registered function `name` with real arguments (a, b, u) or (a, u); the imaginary part
// of argument `complexArg` (1-based, 0 for none) is set to 1.
McadResult call(const char* name, double a, double b, double u, COMPLEXSCALAR& out, int complexArg = 0) {
    const FUNCTIONINFO* record = fakeMcadFind(name);
    if (record == nullptr) return -2;
    COMPLEXSCALAR args[3] = {{a, 0}, {b, 0}, {u, 0}};
    if (record->nArgs == 2) args[1] = {u, 0};
    if (complexArg > 0) args[complexArg - 1].imag = 1;
    out = {-7, -7};
    return fakeMcadCall(record, &out, args);
}

// The message index the add-in must give for vaprop32's result r (0: the value itself). Results
// above -1000 are values, negative ones included (a gauge pressure or a Celsius temperature below
// -1): the add-in hands them over instead of reporting them as "internal error".
unsigned int messageOf(double r) {
    if (r > -1000) return 0;
    switch (static_cast<int>(r)) {
        case -1000: return 5;
        case -1100: return 6;
        case -1200: return 7;
        case -1300: return 8;
        case -1500: return 14;
        case -1600: return 15;
        case -1700: return 16;
        case -1800: return 17;
        case -1900: return 18;
        case -2100: return 9;
        case -2200: return 10;
        case -2300: return 11;
        case -2400: return 12;
        case -2500: return 13;
        case -5100: return 19;
        default: return 15;
    }
}

void checkRegistration() {
    report.check(fakeMcadTableCalls() == 1, "one message table registered");
    report.check(fakeMcadTableModule() == GetModuleHandleA(kMathcadDll), "the table names the add-in's module");
    if (report.check(fakeMcadMessageCount() == 19, "19 messages")) {
        for (unsigned int i = 0; i < 19; ++i) {
            char what[96];
            std::snprintf(what, sizeof what, "message %u is \"%s\"", i + 1, kMessages[i]);
            const char* got = fakeMcadMessage(i + 1);
            report.check(got != nullptr && std::strcmp(got, kMessages[i]) == 0, what);
        }
    }
    if (!report.check(fakeMcadFunctionCount() == 41, "41 functions registered")) return;
    for (unsigned int i = 0; i < 41; ++i) {
        const FUNCTIONINFO* f = fakeMcadFunction(i);
        const Function& want = kFunctions[i];
        char what[160];
        std::snprintf(what, sizeof what, "function %u is %s(%s)", i + 1, want.name, want.parameters);
        report.check(std::strcmp(f->lpstrName, want.name) == 0 && std::strcmp(f->lpstrParameters, want.parameters) == 0,
                     what);
        std::snprintf(what, sizeof what, "description of %s", want.name);
        report.check(want.description == nullptr ? std::strlen(f->lpstrDescription) > 10
                                                 : std::strcmp(f->lpstrDescription, want.description) == 0,
                     what);
        const ExportRow* row = exportNamed(want.name);
        const unsigned int args = row == nullptr ? 0 : (row->inputs[0] == '\0' ? 1 : std::strlen(row->inputs) + 1);
        bool types = f->returnType == COMPLEX_SCALAR;
        for (unsigned int j = 0; j < f->nArgs && j < MAX_ARGS; ++j) types = types && f->argType[j] == COMPLEX_SCALAR;
        std::snprintf(what, sizeof what, "%s takes %u complex scalars", want.name, args);
        report.check(f->nArgs == args && types && f->lpfnMyCFunction != nullptr, what);
        report.check(fakeMcadFunctionModule(i) == GetModuleHandleA(kMathcadDll), "the record names the module");
    }
}

void checkCalls() {
    int compared = 0;
    for (const Function& f : kFunctions) {
        const ExportRow* row = exportNamed(f.name);
        char what[160];
        if (row->inputs[0] == '\0') {
            COMPLEXSCALAR out;
            report.check(call(f.name, 0, 0, 0, out) == 0 && out.real == 3.2, "StmVer(0) gives 3.2");
            report.check(call(f.name, 12345, 0, 0, out) == 0 && out.real == 3.2, "StmVer ignores its argument");
            continue;
        }
        // Each function on a few states of its input pair, in several unit sets.
        const std::string in = row->inputs;
        const double cases[][2] = {{100, 500}, {1000, 1}, {300, 0}, {1, 1200}, {10, 1.7}, {3000, 1500}, {0.5, 0.3}};
        const double unitSets[] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 11, 16, 19, 24, 30, 7};
        for (const auto& c : cases) {
            for (double u : unitSets) {
                COMPLEXSCALAR out;
                const double r = direct(*row, c[0], c[1], static_cast<std::int32_t>(u));
                const McadResult e = call(f.name, c[0], c[1], u, out);
                std::snprintf(what,
                              sizeof what,
                              "%s(%g, %g, %g): vaprop32 %.17g, add-in %ld, %.17g",
                              f.name,
                              c[0],
                              c[1],
                              u,
                              r,
                              static_cast<long>(e),
                              out.real);
                const unsigned int message = messageOf(r);
                if (message == 0)
                    report.check(e == 0 && bitsOf(out.real) == bitsOf(r) && out.imag == -7, what);
                else
                    report.check(e == static_cast<McadResult>(message), what);
                ++compared;
            }
        }
        // Argument checks: a complex argument is marked, before the unit set is looked at.
        COMPLEXSCALAR out;
        const unsigned int count = static_cast<unsigned int>(in.size()) + 1;
        for (unsigned int k = 1; k <= count; ++k) {
            std::snprintf(what, sizeof what, "%s: a complex argument %u gives message 3 marked on it", f.name, k);
            report.check(
                call(f.name, 100, 500, 1.5, out, static_cast<int>(k)) == static_cast<McadResult>(3 | (k << 16)), what);
        }
        for (double u : {1.5, 31.0, -1.0, 1e10, std::nan("")}) {
            std::snprintf(what, sizeof what, "%s: unit set %g gives message 4", f.name, u);
            report.check(call(f.name, 100, 500, u, out) == 4, what);
        }
        fakeMcadSetInterrupted(1);
        std::snprintf(what, sizeof what, "%s: an interruption gives message 1", f.name);
        report.check(call(f.name, 100, 500, 0, out) == 1, what);
        fakeMcadSetInterrupted(0);
    }
    COMPLEXSCALAR out;
    report.check(call("StmPTH", 100, 500, 7, out) == 15, "StmPTH(100, 500, 7): vaprop32's -1099 as message 15");
    report.check(call("StmPQK", 100, 0.5, 0, out) == 15, "StmPQK(100, 0.5, 0) gives message 15");
    report.check(call("StmPQK", 100, 1.5, 0, out) == 16, "StmPQK(100, 1.5, 0) gives message 16");
    report.check(call("StmTP", 1000, 0, 0, out) == 18, "StmTP(1000, 0) gives message 18");
    report.check(call("StmPTH", 100, 2000, 0, out) == 0, "StmPTH(100, 2000, 0) is computed");
    report.check(
        fakeMcadFind("StmPHC") == nullptr && fakeMcadFind("StmPSC") == nullptr && fakeMcadFind("StmPTR") == nullptr,
        "StmPHC, StmPSC and StmPTR are not registered");
    std::printf("%d calls through the records compared with vaprop32\n", compared);
}

}  // namespace

int main() {
    fakeMcadReset();
    library = LoadLibraryA(kVapropDll);
    HMODULE addin = LoadLibraryA(kMathcadDll);
    if (!report.check(library != nullptr && addin != nullptr, "the property library and the Mathcad add-in load"))
        return report.finish("mcad_test");
    checkRegistration();
    checkCalls();
    FreeLibrary(addin);
    return report.finish("mcad_test");
}
