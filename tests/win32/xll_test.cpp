// The spreadsheet add-in under wine: vapxl32.xll loaded through the test host's XLCALL32.DLL, or
// (64-bit) vapxl64.xll calling back through the MdCallBack12 this program exports, with XLOPER12
// values, wide strings, the current API's type texts and results given back through xlAutoFree12:
//   xll_test plain [all]      xlAutoOpen registers the 44 rows with their texts (and in the current
//                             API StmProp and StmTable, checked against the exports; every function
//                             called from 8 threads at once); every worksheet
//                             procedure called with OPER arguments gives vaprop32's bits or the
//                             documented error value; the default unit set comes from the workbook
//                             name StmBaseUnits; xlAddInManagerInfo; xlAutoClose unregisters;
//                             xlAutoAdd; the Help menu item of a host before version 12 added and
//                             deleted again; xlAutoRemove.
//   xll_test units-required   run after DefaultUnits = 1 was written to the add-in's registry key:
//                             a missing unit-set argument gives #NUM!, a given one still works.
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>
#include <atomic>

#include "export_table.h"
#include "fake_xlcall32.h"
#include "module_names.h"
#include "test_report.h"
#include "xl_oper.h"

namespace {

using namespace w32test;
using xlfake::Oper;

// The 44 registration rows (procedure, type, function, arguments, macro type, category, shortcut,
// help topic, function help, argument helps 1 to 3), as the add-in's registration table defines
// them. nullptr: a text of the add-in's own wording, checked only to be present.
constexpr const char* kC = "consistent with unit set";
constexpr const char* kU =
    "Enter unit set in quotes (Eng, SI, EngG, SIF, SIK, MET, METF). Add 'o' to use 1967 equations. ";
constexpr const char* kUS =
    "Enter unit set in quotes (Eng, SI, EngG, SIF, SIK, MET, METF). Add 'o' to use 1967 equations.  Add 'S' "
    "to use faster (less accurate) function. ";
constexpr const char* kB = " ";
constexpr const char* kPT = "Pressure, Temperature, Units";
constexpr const char* kPH = "Pressure, Enthalpy, Units";
constexpr const char* kPS = "Pressure, Entropy, Units";
constexpr const char* kPQ = "Pressure, Quality, Units";
constexpr const char* kTQ = "Temperature, Quality, Units";

struct Row {
    const char* procedure;
    const char* type;
    const char* function;
    const char* arguments;
    const char* help;
    const char* argHelp[3];
};

constexpr Row kRows[44] = {
    {"xlStmVer", "P", "StmVer", kB, nullptr, {kB, kB, kB}},
    {"xlStmTP", "PPP", "StmTP", "Temperature, Units", "Returns saturation Pressure given Temperature", {kC, kU, kB}},
    {"xlStmPT", "PPP", "StmPT", "Pressure, Units", "Returns saturation Temperature given Pressure", {kC, kU, kB}},
    {"xlStmPTV", "PPPP", "StmPTV", kPT, "Returns Specific Volume given Pressure and Temperature", {kC, kC, kU}},
    {"xlStmPTH", "PPPP", "StmPTH", kPT, "Returns Enthalpy given Pressure and Temperature", {kC, kC, kU}},
    {"xlStmPTS", "PPPP", "StmPTS", kPT, "Returns Entropy given Pressure and Temperature", {kC, kC, kU}},
    {"xlStmPTC", "PPPP", "StmPTC", kPT, "Returns Specific Heat given Pressure and Temperature", {kC, kC, kU}},
    {"xlStmPTK", "PPPP", "StmPTK", kPT, "Returns Thermal Conductivity given Pressure and Temperature", {kC, kC, kU}},
    {"xlStmPTM", "PPPP", "StmPTM", kPT, "Returns Viscosity given Pressure and Temperature", {kC, kC, kU}},
    {"xlStmPTW", "PPPP", "StmPTW", kPT, "Returns Sonic Velocity given Pressure and Temperature", {kC, kC, kU}},
    {"xlStmPTG",
     "PPPP",
     "StmPTG",
     kPT,
     "Returns Isentropic Expansion Coefficient given Pressure and Temperature",
     {kC, kC, kU}},
    {"xlStmPHT", "PPPP", "StmPHT", kPH, "Returns Temperature given Pressure and Enthalpy", {kC, kC, kUS}},
    {"xlStmPHQ", "PPPP", "StmPHQ", kPH, "Returns Quality given Pressure and Enthalpy", {kC, kC, kUS}},
    {"xlStmPHV", "PPPP", "StmPHV", kPH, "Returns Specific Volume given Pressure and Enthalpy", {kC, kC, kUS}},
    {"xlStmPHS", "PPPP", "StmPHS", kPH, "Returns Entropy given Pressure and Enthalpy", {kC, kC, kUS}},
    {"xlStmPHC", "PPPP", "StmPHC", kPH, "Returns Specific Heat given Pressure and Enthalpy", {kC, kC, kUS}},
    {"xlStmPHW", "PPPP", "StmPHW", kPH, "Returns Sonic Velocity given Pressure and Enthalpy", {kC, kC, kUS}},
    {"xlStmPHG",
     "PPPP",
     "StmPHG",
     kPH,
     "Returns Isentropic Expansion Coefficient given Pressure and Enthalpy",
     {kC, kC, kUS}},
    {"xlStmPST", "PPPP", "StmPST", kPS, "Returns Temperature given Pressure and Entropy", {kC, kC, kUS}},
    {"xlStmPSQ", "PPPP", "StmPSQ", kPS, "Returns Quality given Pressure and Entropy", {kC, kC, kUS}},
    {"xlStmPSV", "PPPP", "StmPSV", kPS, "Returns Specific Volume given Pressure and Entropy", {kC, kC, kUS}},
    {"xlStmPSH", "PPPP", "StmPSH", kPS, "Returns Enthalpy given Pressure and Entropy", {kC, kC, kUS}},
    {"xlStmPSC", "PPPP", "StmPSC", kPS, "Returns Specific Heat given Pressure and Entropy", {kC, kC, kUS}},
    {"xlStmPSW", "PPPP", "StmPSW", kPS, "Returns Sonic Velocity given Pressure and Entropy", {kC, kC, kUS}},
    {"xlStmPSG",
     "PPPP",
     "StmPSG",
     kPS,
     "Returns Isentropic Expansion Coefficient given Pressure and Entropy",
     {kC, kC, kUS}},
    {"xlStmPQV", "PPPP", "StmPQV", kPQ, "Returns Specific Volume given Pressure and Quality", {kC, kC, kU}},
    {"xlStmPQH", "PPPP", "StmPQH", kPQ, "Returns Enthalpy given Pressure and Quality", {kC, kC, kU}},
    {"xlStmPQS", "PPPP", "StmPQS", kPQ, "Returns Entropy given Pressure and Quality", {kC, kC, kU}},
    {"xlStmPQC", "PPPP", "StmPQC", kPQ, "Returns Specific Heat given Pressure and Quality", {kC, kC, kU}},
    {"xlStmPQK", "PPPP", "StmPQK", kPQ, "Returns Thermal Conductivity given Pressure and Quality", {kC, kC, kU}},
    {"xlStmPQM", "PPPP", "StmPQM", kPQ, "Returns Viscosity given Pressure and Quality", {kC, kC, kU}},
    {"xlStmPQW", "PPPP", "StmPQW", kPQ, "Returns Sonic Velocity given Pressure and Quality", {kC, kC, kU}},
    {"xlStmPQG",
     "PPPP",
     "StmPQG",
     kPQ,
     "Returns Isentropic Expansion Coefficient given Pressure and Quality",
     {kC, kC, kU}},
    {"xlStmTQV", "PPPP", "StmTQV", kTQ, "Returns Specific Volume given Temperature and Quality", {kC, kC, kU}},
    {"xlStmTQH", "PPPP", "StmTQH", kTQ, "Returns Enthalpy given Temperature and Quality", {kC, kC, kU}},
    {"xlStmTQS", "PPPP", "StmTQS", kTQ, "Returns Entropy given Temperature and Quality", {kC, kC, kU}},
    {"xlStmTQC", "PPPP", "StmTQC", kTQ, "Returns Specific Heat given Temperature and Quality", {kC, kC, kU}},
    {"xlStmTQK", "PPPP", "StmTQK", kTQ, "Returns Thermal Conductivity given Temperature and Quality", {kC, kC, kU}},
    {"xlStmTQM", "PPPP", "StmTQM", kTQ, "Returns Viscosity given Temperature and Quality", {kC, kC, kU}},
    {"xlStmTQW", "PPPP", "StmTQW", kTQ, "Returns Sonic Velocity given Temperature and Quality", {kC, kC, kU}},
    {"xlStmTQG",
     "PPPP",
     "StmTQG",
     kTQ,
     "Returns Isentropic Expansion Coefficient given Temperature and Quality",
     {kC, kC, kU}},
    {"xlStmTempTI",
     "PPP",
     "StmTempTI",
     "Temperature, Units",
     "Returns Temperature on 1968 Practical scale given Temperature on 1990 Thermodynamic scale",
     {"on the 1990 Thermodynamic scale", kU, kB}},
    {"xlStmTempIT",
     "PPP",
     "StmTempIT",
     "Temperature, Units",
     "Returns Temperature on 1990 Thermodynamic scale given Temperature on 1968 Practical scale",
     {"on the 1968 Practical scale", kU, kB}},
    {"GetSteamHelp", "A", "GetSteamHelp", kB, kB, {kB, kB, kB}},
};

// The type text registered for a row of the table above: the version-4 text as it is, or in the
// current API Q for every P and, on worksheet functions, the thread-safe marker.
constexpr bool kThreadSafe = true;
// The rows registered: the 44, and in the current API the by-name functions StmProp and StmTable.
constexpr bool kByName = true;
#if defined(_WIN64)
constexpr int kRegisteredRows = kByName ? 46 : 44;
#else
constexpr int kRegisteredRows = 44;
#endif
std::string registeredType(const char* type4, bool worksheetFunction) {
#if defined(_WIN64)
    std::string t = type4;
    for (char& c : t) c = c == 'P' ? 'Q' : c;
    if (kThreadSafe && worksheetFunction) t += '$';
    return t;
#else
    (void)worksheetFunction;
    return type4;
#endif
}

#if defined(_WIN64)
constexpr const char* kManagerInfo = "xlAddInManagerInfo12";
#else
constexpr const char* kManagerInfo = "xlAddInManagerInfo";
#endif

using Procedure0 = Oper*(__stdcall*)();
using Procedure2 = Oper*(__stdcall*)(Oper*, Oper*);
using Procedure3 = Oper*(__stdcall*)(Oper*, Oper*, Oper*);
using Entry = int(__stdcall*)();
using ManagerInfo = Oper*(__stdcall*)(Oper*);
using AutoFree = void(__stdcall*)(Oper*);

Report report;
HMODULE addin = nullptr;
HMODULE library = nullptr;

Oper num(double x) {
    Oper o{};
    o.val.num = x;
    o.xltype = xlfake::kNum;
    return o;
}
Oper missing() {
    Oper o{};
    o.xltype = xlfake::kMissing;
    return o;
}
Oper boolean(bool b) {
    Oper o{};
    o.val.xbool = b;
    o.xltype = xlfake::kBool;
    return o;
}
Oper nil() {
    Oper o{};
    o.xltype = xlfake::kNil;
    return o;
}
Oper error(std::uint16_t e) {
    Oper o{};
    o.val.err = e;
    o.xltype = xlfake::kErr;
    return o;
}
Oper integer(int w) {
    Oper o{};
    o.val.w = static_cast<xlfake::Int>(w);
    o.xltype = xlfake::kInt;
    return o;
}
// A 1x2 array of numbers (a range the host has turned into its values).
Oper array2(double a, double b) {
    static Oper items[2];
    items[0] = num(a);
    items[1] = num(b);
    Oper o{};
    o.val.array.items = items;
    o.val.array.rows = 1;
    o.val.array.columns = 2;
    o.xltype = xlfake::kMulti;
    return o;
}

// A counted string OPER; the buffers live as long as the program.
Oper text(const char* s) {
    static xlfake::Char pool[64][64];
    static int next = 0;
    xlfake::Char* buffer = pool[next++ % 64];
    const std::size_t n = std::strlen(s);
    buffer[0] = static_cast<xlfake::Char>(n);
    for (std::size_t i = 0; i < n; ++i) buffer[i + 1] = static_cast<xlfake::Char>(s[i]);
    Oper o{};
    o.val.str = buffer;
    o.xltype = xlfake::kStr;
    return o;
}

// The characters of a counted string the add-in handed over.
std::string textOf(const xlfake::Char* s) {
    std::string t;
    for (std::size_t i = 1; i <= xlfake::countedLength(s); ++i) t += static_cast<char>(s[i]);
    return t;
}

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

// vaprop32's answer for the same call, by ordinal.
double direct(const ExportRow& row, double a, double b, std::int32_t unitSet) {
    FARPROC entry = GetProcAddress(library, MAKEINTRESOURCEA(row.ordinal));
    if (row.inputs[1] == '\0') return as<Export1>(entry)(a, unitSet);
    return as<Export2>(entry)(a, b, unitSet);
}

// What the host does with a worksheet function's answer: copies it and, when it carries
// xlbitDLLFree, gives it back through xlAutoFree12. Results given back are counted.
std::atomic<long> takenResults{0};
std::atomic<long> givenBack{0};
std::atomic<long> ownedResults{0};
Oper take(Oper* answer) {
    static AutoFree autoFree = as<AutoFree>(GetProcAddress(addin, "xlAutoFree12"));
    if (answer == nullptr) return Oper{};
    ++takenResults;
    const Oper copy = *answer;
    if ((answer->xltype & xlfake::kDLLFree) != 0) {
        ++ownedResults;
        if (autoFree != nullptr) {
            autoFree(answer);
            ++givenBack;
        }
    }
    return copy;
}

// Calls the worksheet procedure of `row` with OPER arguments (b ignored for one-input calls).
Oper callOn(const ExportRow& row, Oper a, Oper b, Oper units) {
    const std::string name = std::string("xl") + row.name;
    FARPROC entry = GetProcAddress(addin, name.c_str());
    if (entry == nullptr) return Oper{};
    if (row.inputs[1] == '\0') return take(as<Procedure2>(entry)(&a, &units));
    return take(as<Procedure3>(entry)(&a, &b, &units));
}

// The same; the answer stays valid until the next call.
const Oper* callProcedure(const ExportRow& row, Oper a, Oper b, Oper units) {
    static Oper last{};
    last = callOn(row, a, b, units);
    return &last;
}

bool isNumber(const Oper* r, double expected) {
    return (r->xltype & xlfake::kTypeMask) == xlfake::kNum && bitsOf(r->val.num) == bitsOf(expected);
}
bool isError(const Oper* r, std::uint16_t code) {
    return (r->xltype & xlfake::kTypeMask) == xlfake::kErr && r->val.err == code;
}

// What the procedure must answer for vaprop32's result r: the number, or #NUM! for a code.
bool answers(const Oper* r, double expected) {
    return expected > -1000 ? isNumber(r, expected) : isError(r, xlfake::kErrNum);
}

// One valid state per input pair, in Eng and (same numbers) SI units.
void inputsOf(const ExportRow& row, double& a, double& b) {
    const std::string in = row.inputs;
    if (in == "T")
        a = 300, b = 0;
    else if (in == "P")
        a = 100, b = 0;
    else if (in == "PT")
        a = 100, b = 500;
    else if (in == "PQ")
        a = 100, b = 1;
    else if (in == "TQ")
        a = 300, b = 0;
    else if (in == "PH")
        a = 100, b = 1200;
    else
        a = 100, b = 1.7;
}

int countCalls(int function) {
    int n = 0;
    for (int i = 0; i < fakeXlCallCount(); ++i) n += fakeXlCallFunction(i) == function;
    return n;
}

void checkOpen() {
    Entry open = as<Entry>(GetProcAddress(addin, "xlAutoOpen"));
    if (!report.check(open != nullptr, "xlAutoOpen exported")) return;
    report.check(open() == 1, "xlAutoOpen returns 1");
    const std::string file = std::string("s:") + fakeXlFileName();
    int row = 0;
    for (int i = 0; i < fakeXlCallCount(); ++i) {
        if (fakeXlCallFunction(i) != xlfake::kRegister) continue;
        char what[160];
        std::snprintf(what, sizeof what, "xlfRegister call %d has 13 arguments", row + 1);
        if (row >= 44) {  // the by-name rows (checkByNameRegistration)
            ++row;
            continue;
        }
        if (!report.check(fakeXlCallArgCount(i) == 13, what)) {
            ++row;
            continue;
        }
        const Row& r = kRows[row];
        const std::string type = registeredType(r.type, row != 43);
        const char* want[13] = {nullptr,
                                r.procedure,
                                type.c_str(),
                                r.function,
                                r.arguments,
                                row == 43 ? "2" : "1",
                                "Engineering",
                                kB,
                                kB,
                                r.help,
                                r.argHelp[0],
                                r.argHelp[1],
                                r.argHelp[2]};
        report.check(fakeXlCallArg(i, 0) == file, "xlfRegister names the add-in's file");
        for (int j = 1; j < 13; ++j) {
            const std::string got = fakeXlCallArg(i, j);
            std::snprintf(
                what, sizeof what, "row %d (%s) column %d: got \"%s\"", row + 1, r.procedure, j, got.c_str() + 2);
            if (want[j] == nullptr)
                report.check(got.size() > 3 && got.rfind("s:", 0) == 0, what);
            else
                report.check(got == std::string("s:") + want[j], what);
        }
        ++row;
    }
    char what[96];
    std::snprintf(what, sizeof what, "%d functions registered (got %d)", kRegisteredRows, row);
    report.check(row == kRegisteredRows, what);
    report.check(countCalls(xlfake::kMessage) == 2, "a status-bar banner shown and cleared");
    for (int i = 0; i < fakeXlCallCount(); ++i) {
        if (fakeXlCallFunction(i) == xlfake::kMessage && fakeXlCallArgCount(i) == 2) {
            report.check(std::strstr(fakeXlCallArg(i, 1), "3.2") != nullptr, "the banner names version 3.2");
        }
    }
    report.check(countCalls(xlfake::kAddCommand) == 0, "no menu command with host version 16");
    report.check(fakeXlOutstanding() == 0, "every value from the host freed after xlAutoOpen");
}

void checkProcedures(bool unitsRequired) {
    int compared = 0;
    for (const ExportRow& row : kExports) {
        if (row.ordinal == 45) continue;  // StmPTR has no worksheet function
        char what[200];
        if (row.ordinal == 44) {
            Procedure0 ver = as<Procedure0>(GetProcAddress(addin, "xlStmVer"));
            if (report.check(ver != nullptr, "xlStmVer exported")) {
                const Oper v = take(ver());
                report.check(isNumber(&v, 3.2), "=StmVer() gives 3.2");
            }
            continue;
        }
        double a, b;
        inputsOf(row, a, b);
        struct Units {
            Oper oper;
            std::int32_t unitSet;  // -1: #NUM! expected
        };
        const Units given[] = {
            {text("Eng"), 0},
            {text("eng"), 0},
            {num(0), 0},
            {text(" si o"), 9},
            {text("SI"), 1},
            {text("EngS"), 16},
            {text("METFS"), 22},
            {text("SIKOS"), 28},
            {num(3.9), 3},
            {text("EngGo"), 10},
            {num(40), 40},
            {text("S"), -1},
            {text("xyz"), -1},
            {boolean(true), -1},
            {num(-1), -1},
        };
        for (const Units& u : given) {
            const Oper* r = callProcedure(row, num(a), num(b), u.oper);
            std::snprintf(what, sizeof what, "=%s(%g, %g, <units %d>)", row.name, a, b, u.unitSet);
            if (u.unitSet < 0)
                report.check(isError(r, xlfake::kErrNum), what);
            else
                report.check(answers(r, direct(row, a, b, u.unitSet)), what);
            ++compared;
        }
        // Value arguments must be numbers.
        std::snprintf(what, sizeof what, "=%s(\"100\", ...) gives #VALUE!", row.name);
        report.check(isError(callProcedure(row, text("100"), num(b), text("Eng")), xlfake::kErrValue), what);
        std::snprintf(what, sizeof what, "=%s(TRUE, ...) gives #VALUE!", row.name);
        report.check(isError(callProcedure(row, boolean(true), num(b), text("Eng")), xlfake::kErrValue), what);
        std::snprintf(what, sizeof what, "=%s(<empty>, ...) gives #VALUE!", row.name);
        report.check(isError(callProcedure(row, nil(), num(b), text("Eng")), xlfake::kErrValue), what);
        std::snprintf(what, sizeof what, "=%s(#N/A, ...) gives #VALUE!", row.name);
        report.check(isError(callProcedure(row, error(xlfake::kErrNA), num(b), text("Eng")), xlfake::kErrValue), what);
        std::snprintf(what, sizeof what, "=%s({a, b}, ...) gives #VALUE!", row.name);
        report.check(isError(callProcedure(row, array2(a, b), num(b), text("Eng")), xlfake::kErrValue), what);
        std::snprintf(what, sizeof what, "=%s(<integer>, ...) gives #VALUE!", row.name);
        report.check(isError(callProcedure(row, integer(100), num(b), text("Eng")), xlfake::kErrValue), what);
        std::snprintf(what, sizeof what, "=%s(<missing>, ...) gives #VALUE!", row.name);
        report.check(isError(callProcedure(row, missing(), num(b), text("Eng")), xlfake::kErrValue), what);
        // A unit set of any other type than number or text.
        for (const Oper& u : {error(xlfake::kErrNum), array2(1, 2), nil(), integer(1), text("")}) {
            std::snprintf(what,
                          sizeof what,
                          "=%s(a, b, <units of type %u>) gives #NUM!",
                          row.name,
                          static_cast<unsigned>(u.xltype));
            report.check(isError(callProcedure(row, num(a), num(b), u), xlfake::kErrNum), what);
        }
        if (row.inputs[1] != '\0') {
            std::snprintf(what, sizeof what, "=%s(a, \"x\", ...) gives #VALUE!", row.name);
            report.check(isError(callProcedure(row, num(a), text("x"), text("Eng")), xlfake::kErrValue), what);
        }
        // A missing unit set.
        fakeXlSetBaseUnits(0, 0, nullptr);
        const Oper* r = callProcedure(row, num(a), num(b), missing());
        std::snprintf(what, sizeof what, "=%s(%g, %g) without units", row.name, a, b);
        if (unitsRequired) {
            report.check(isError(r, xlfake::kErrNum), what);
        } else {
            report.check(answers(r, direct(row, a, b, 0)), what);
            fakeXlSetBaseUnits(1, 1, nullptr);
            std::snprintf(what, sizeof what, "=%s(%g, %g) with StmBaseUnits = 1", row.name, a, b);
            report.check(answers(callProcedure(row, num(a), num(b), missing()), direct(row, a, b, 1)), what);
            fakeXlSetBaseUnits(2, 0, "SI");
            std::snprintf(what, sizeof what, "=%s(%g, %g) with StmBaseUnits = \"SI\" (text: Eng)", row.name, a, b);
            report.check(answers(callProcedure(row, num(a), num(b), missing()), direct(row, a, b, 0)), what);
            fakeXlSetBaseUnits(0, 0, nullptr);
        }
    }
    const ExportRow* pqk = exportNamed("StmPQK");
    report.check(isError(callProcedure(*pqk, num(100), num(0.5), text("Eng")), xlfake::kErrNum),
                 "=StmPQK(100, 0.5, \"Eng\") gives #NUM!");
    // Saturation pressure at 100 F in psig: about -13.7, a value, not a code.
    const ExportRow* tp = exportNamed("StmTP");
    const Oper* gauge = callProcedure(*tp, num(100), num(0), text("EngG"));
    report.check(isNumber(gauge, direct(*tp, 100, 0, 2)) && gauge->val.num < 0,
                 "=StmTP(100, \"EngG\"): a negative gauge pressure stays a number");
    std::printf("%d worksheet calls compared with vaprop32\n", compared);
    report.check(fakeXlOutstanding() == 0, "every value from the host freed after the worksheet calls");
}

// A host before version 12: the menu table goes into the Help menu of bar 10 on opening, and closing
// deletes the separator and the item (position 7 - 1, twice).
void checkOldHostMenu() {
    fakeXlReset();
    fakeXlSetVersion("11.0");
    Entry open = as<Entry>(GetProcAddress(addin, "xlAutoOpen"));
    Entry close = as<Entry>(GetProcAddress(addin, "xlAutoClose"));
    if (open == nullptr || close == nullptr) return;
    report.check(open() == 1, "xlAutoOpen (host version 11) returns 1");
    int added = 0;
    for (int i = 0; i < fakeXlCallCount(); ++i) {
        if (fakeXlCallFunction(i) != xlfake::kAddCommand) continue;
        ++added;
        const std::string table = fakeXlCallArgCount(i) == 3 ? fakeXlCallArg(i, 2) : "";
        report.check(fakeXlCallArgCount(i) == 3 && std::string(fakeXlCallArg(i, 0)) == "n:10" &&
                         std::string(fakeXlCallArg(i, 1)) == "s:Help",
                     "xlfAddCommand(10, \"Help\", table)");
        report.check(table.rfind("a:2x5|s:-|s: |s: |s: |s: |s:Ventora|s:GetSteamHelp|s: |s:", 0) == 0 &&
                         table.size() > 60 && table.substr(table.size() - 4) == "|s: ",
                     ("the menu table: separator row, then Ventora / GetSteamHelp (" + table + ")").c_str());
    }
    report.check(added == 1, "one menu command added with host version 11");
    report.check(fakeXlOutstanding() == 0, "every value from the host freed (version 11)");
    report.check(close() == 1, "xlAutoClose (host version 11) returns 1");
    int deleted = 0;
    for (int i = 0; i < fakeXlCallCount(); ++i) {
        if (fakeXlCallFunction(i) != xlfake::kDeleteCommand) continue;
        ++deleted;
        report.check(fakeXlCallArgCount(i) == 3 && std::string(fakeXlCallArg(i, 0)) == "n:10" &&
                         std::string(fakeXlCallArg(i, 1)) == "s:Help" && std::string(fakeXlCallArg(i, 2)) == "n:6",
                     "xlfDeleteCommand(10, \"Help\", 6)");
    }
    report.check(deleted == 2, "the separator and the item deleted");
    report.check(fakeXlOutstanding() == 0 && fakeXlBadFrees() == 0,
                 "every value from the host freed, once (version 11)");
}

// xlAutoAdd does nothing but answer 1; xlAutoRemove shows its line for three seconds.
void checkAddRemove() {
    fakeXlReset();
    Entry add = as<Entry>(GetProcAddress(addin, "xlAutoAdd"));
    Entry remove = as<Entry>(GetProcAddress(addin, "xlAutoRemove"));
    if (!report.check(add != nullptr && remove != nullptr, "xlAutoAdd and xlAutoRemove exported")) return;
    report.check(add() == 1 && fakeXlCallCount() == 0, "xlAutoAdd returns 1 and calls nothing");
    fakeXlReset();
    const DWORD start = GetTickCount();
    report.check(remove() == 1, "xlAutoRemove returns 1");
    const DWORD waited = GetTickCount() - start;
    int messages[2] = {-1, -1};
    for (int i = 0, n = 0; i < fakeXlCallCount() && n < 2; ++i)
        if (fakeXlCallFunction(i) == xlfake::kMessage) messages[n++] = i;
    report.check(countCalls(xlfake::kMessage) == 2 && messages[1] >= 0 && fakeXlCallArgCount(messages[0]) == 2 &&
                     std::string(fakeXlCallArg(messages[0], 0)) == "b:1" &&
                     std::string(fakeXlCallArg(messages[0], 1)) == "s:Ventora has been removed from Excel" &&
                     fakeXlCallArgCount(messages[1]) == 1 && std::string(fakeXlCallArg(messages[1], 0)) == "b:0",
                 "xlAutoRemove shows \"Ventora has been removed from Excel\", then clears the status bar");
    report.check(waited >= 2000 && waited < 6000, "the removal line stays about 3 seconds");
}

void checkManagerAndClose() {
    ManagerInfo info = as<ManagerInfo>(GetProcAddress(addin, kManagerInfo));
    if (report.check(info != nullptr, (std::string(kManagerInfo) + " exported").c_str())) {
        Oper one = num(1), two = num(2);
        const Oper* name = info(&one);
        report.check((name->xltype & xlfake::kTypeMask) == xlfake::kStr && textOf(name->val.str) == "Ventora For Excel",
                     "the add-in manager's query (1) gives \"Ventora For Excel\"");
        report.check(isError(info(&two), xlfake::kErrValue), "the add-in manager's query (2) gives #VALUE!");
    }
    fakeXlReset();
    Entry close = as<Entry>(GetProcAddress(addin, "xlAutoClose"));
    if (!report.check(close != nullptr, "xlAutoClose exported")) return;
    report.check(close() == 1, "xlAutoClose returns 1");
    report.check(
        countCalls(xlfake::kRegisterId) == kRegisteredRows && countCalls(xlfake::kUnregister) == kRegisteredRows,
        "xlAutoClose unregisters every function");
    report.check(countCalls(xlfake::kSetName) == kRegisteredRows, "xlAutoClose deletes every name");
    report.check(countCalls(xlfake::kDeleteCommand) == 0, "no menu item to delete");
    report.check(fakeXlOutstanding() == 0 && fakeXlBadFrees() == 0, "every value from the host freed, once");
}

#if defined(_WIN64)
// The by-name functions of the current-API add-in: their registration rows (five argument helps),
// StmProp against the exports bit for bit, StmTable against the exports cell by cell with the error
// value only in the rows or cells it belongs to, and every function called from several threads at
// once (they are registered thread-safe) with the bits of the same calls made one after another.
constexpr const char* kPairHelp =
    "Enter the input pair in quotes: the letters of the two inputs in their order (for example PT, PH, PS, TQ)";
constexpr const char* kUnitsHelp = kUS;
struct ByNameRow {
    const char* procedure;
    const char* arguments;
    const char* helps[5];
};
constexpr ByNameRow kByNameRows[2] = {
    {"xlStmProp",
     "Pair, Input1, Input2, Property, Units",
     {kPairHelp,
      "first input of the pair, consistent with unit set",
      "second input of the pair, consistent with unit set",
      "Enter the property letter in quotes (P, T, Q, H, S, V, C, W, G, K, M, R; PR for the Prandtl number)",
      kUnitsHelp}},
    {"xlStmTable",
     "Pair, Inputs1, Inputs2, Properties, Units",
     {kPairHelp,
      "first inputs of the pair, one row each (a column or a row of cells, or one number for every row), consistent "
      "with unit set",
      "second inputs of the pair, one row each (a column or a row of cells, or one number for every row), consistent "
      "with unit set",
      "Enter the property letters in quotes, separated by commas (P, T, Q, H, S, V, C, W, G, K, M, R, PR), one "
      "column each",
      kUnitsHelp}},
};

void checkByNameRegistration() {
    fakeXlReset();
    Entry open = as<Entry>(GetProcAddress(addin, "xlAutoOpen"));
    if (open == nullptr) return;
    open();
    int row = 0;
    for (int i = 0; i < fakeXlCallCount(); ++i) {
        if (fakeXlCallFunction(i) != xlfake::kRegister) continue;
        if (row++ < 44) continue;
        if (!report.check(row <= 46 && fakeXlCallArgCount(i) == 15, "a by-name row registered with 15 arguments"))
            continue;
        const ByNameRow& r = kByNameRows[row - 45];
        const std::string function = r.procedure + 2;
        const char* want[15] = {nullptr,
                                r.procedure,
                                kThreadSafe ? "QQQQQQ$" : "QQQQQQ",
                                function.c_str(),
                                r.arguments,
                                "1",
                                "Engineering",
                                kB,
                                kB,
                                nullptr,
                                r.helps[0],
                                r.helps[1],
                                r.helps[2],
                                r.helps[3],
                                r.helps[4]};
        for (int j = 1; j < 15; ++j) {
            const std::string got = fakeXlCallArg(i, j);
            char what[200];
            std::snprintf(what, sizeof what, "%s column %d: got \"%s\"", r.procedure, j, got.c_str() + 2);
            if (want[j] == nullptr)
                report.check(got.size() > 20 && got.rfind("s:", 0) == 0, what);
            else
                report.check(got == std::string("s:") + want[j], what);
        }
    }
    report.check(row == 46, "46 functions registered: the 44 rows, StmProp and StmTable");
    Entry close = as<Entry>(GetProcAddress(addin, "xlAutoClose"));
    fakeXlReset();
    close();
    report.check(countCalls(xlfake::kUnregister) == 46 && countCalls(xlfake::kSetName) == 46,
                 "closing unregisters the 46 functions and deletes their names");
    report.check(fakeXlOutstanding() == 0 && fakeXlBadFrees() == 0, "every value from the host freed (46 rows)");
}

using Procedure5 = Oper*(__stdcall*)(Oper*, Oper*, Oper*, Oper*, Oper*);

bool givesError(const Oper& r, std::uint16_t code) { return isError(&r, code); }

// A counted string of its own (for calls from several threads).
struct OwnText {
    xlfake::Char chars[64];
    explicit OwnText(const char* s) {
        const std::size_t n = std::strlen(s);
        chars[0] = static_cast<xlfake::Char>(n);
        for (std::size_t i = 0; i < n; ++i) chars[i + 1] = static_cast<xlfake::Char>(s[i]);
    }
    Oper oper() {
        Oper o{};
        o.val.str = chars;
        o.xltype = xlfake::kStr;
        return o;
    }
};

Oper prop(const char* pair, Oper a, Oper b, const char* name, Oper units) {
    static Procedure5 f = as<Procedure5>(GetProcAddress(addin, "xlStmProp"));
    OwnText pairText(pair), nameText(name);
    Oper p = pairText.oper(), n = nameText.oper();
    return take(f(&p, &a, &b, &n, &units));
}
Oper propWith(Oper pair, Oper a, Oper b, Oper name, Oper units) {
    static Procedure5 f = as<Procedure5>(GetProcAddress(addin, "xlStmProp"));
    return take(f(&pair, &a, &b, &name, &units));
}

void checkStmProp() {
    if (!report.check(GetProcAddress(addin, "xlStmProp") != nullptr, "xlStmProp exported")) return;
    int compared = 0;
    for (const ExportRow& row : kExports) {
        if (std::strlen(row.inputs) != 2) continue;
        const char letter[2] = {row.name[5], '\0'};  // StmPTH: H
        double a, b;
        inputsOf(row, a, b);
        for (const double scale : {1.0, 3.0, 0.01}) {
            for (const std::int32_t set : {0, 1, 3, 8, 16, 19}) {
                const Oper r = prop(row.inputs, num(a * scale), num(b), letter, num(set));
                const double d = direct(row, a * scale, b, set);
                char what[160];
                std::snprintf(what,
                              sizeof what,
                              "=StmProp(\"%s\", %g, %g, \"%s\", %d) is %s's %.17g",
                              row.inputs,
                              a * scale,
                              b,
                              letter,
                              set,
                              row.name,
                              d);
                report.check(answers(&r, d), what);
                // The pair the other way round takes its inputs the other way round.
                const char swapped[3] = {row.inputs[1], row.inputs[0], '\0'};
                const Oper s = prop(swapped, num(b), num(a * scale), letter, num(set));
                std::snprintf(what, sizeof what, "=StmProp(\"%s\", ...) is the same", swapped);
                report.check(answers(&s, d), what);
                compared += 2;
            }
        }
    }
    std::printf("%d StmProp calls compared with the exports\n", compared);
    const ExportRow& pth = *exportNamed("StmPTH");
    const Oper pthLower = prop("pt", num(100), num(500), "h", text("Eng"));
    report.check(answers(&pthLower, direct(pth, 100, 500, 0)), "pair and letter in lower case");
    report.check(givesError(propWith(num(1), num(100), num(500), text("H"), text("Eng")), xlfake::kErrValue),
                 "a pair that is no text gives #VALUE!");
    report.check(givesError(propWith(text("PT"), num(100), num(500), num(1), text("Eng")), xlfake::kErrValue),
                 "a property that is no text gives #VALUE!");
    report.check(givesError(propWith(text("PT"), text("100"), num(500), text("H"), text("Eng")), xlfake::kErrValue),
                 "a text input gives #VALUE!");
    report.check(
        givesError(propWith(text("PT"), num(100), error(xlfake::kErrNA), text("H"), text("Eng")), xlfake::kErrValue),
        "an error input gives #VALUE!");
    report.check(givesError(prop("XY", num(100), num(500), "H", text("Eng")), xlfake::kErrNum),
                 "an unknown pair gives #NUM!");
    report.check(givesError(prop("PT", num(100), num(500), "Z", text("Eng")), xlfake::kErrNum),
                 "an unknown property gives #NUM!");
    report.check(givesError(prop("PT", num(100), num(500), "H", text("xyz")), xlfake::kErrNum),
                 "an unreadable unit set gives #NUM!");
    report.check(givesError(prop("PT", num(2e5), num(500), "H", text("Eng")), xlfake::kErrNum),
                 "a code of the library gives #NUM!");
    // A pair with a wide character outside ASCII is no pair.
    Oper wide = text("PT");
    wide.val.str[2] = static_cast<xlfake::Char>(0x0165);
    report.check(givesError(propWith(wide, num(100), num(500), text("H"), text("Eng")), xlfake::kErrNum),
                 "a pair with a character outside ASCII gives #NUM!");
    fakeXlSetBaseUnits(1, 1, nullptr);
    const Oper byDefault = prop("PT", num(10), num(300), "H", missing());
    report.check(answers(&byDefault, direct(pth, 10, 300, 1)),
                 "=StmProp(\"PT\", 10, 300, \"H\") with StmBaseUnits = 1");
    fakeXlSetBaseUnits(0, 0, nullptr);
}

// One StmTable call: the answer's shape and cells, inspected before it is given back.
struct Table {
    Oper whole{};  // the answer as such (an error value, or the array with its cells gone)
    int rows = 0;
    int columns = 0;
    std::vector<Oper> cells;
};
Table table(Oper pair, Oper in1, Oper in2, Oper names, Oper units) {
    static Procedure5 f = as<Procedure5>(GetProcAddress(addin, "xlStmTable"));
    Table t;
    Oper* r = f(&pair, &in1, &in2, &names, &units);
    if ((r->xltype & xlfake::kTypeMask) == xlfake::kMulti) {
        t.rows = r->val.array.rows;
        t.columns = r->val.array.columns;
        t.cells.assign(r->val.array.items, r->val.array.items + static_cast<std::ptrdiff_t>(t.rows) * t.columns);
    }
    t.whole = take(r);
    return t;
}
Oper column(std::vector<Oper>& cells) {
    Oper o{};
    o.val.array.items = cells.data();
    o.val.array.rows = static_cast<xlfake::Count>(cells.size());
    o.val.array.columns = 1;
    o.xltype = xlfake::kMulti;
    return o;
}

void checkStmTable() {
    if (!report.check(GetProcAddress(addin, "xlStmTable") != nullptr, "xlStmTable exported")) return;
    const ExportRow& pth = *exportNamed("StmPTH");
    const ExportRow& pts = *exportNamed("StmPTS");
    const ExportRow& ptv = *exportNamed("StmPTV");
    // 5000 states in SI (bar, C), with a code (2e5 bar) every 97 rows: the library's threads path.
    for (const int n : {40, 5000}) {
        std::vector<Oper> p, t;
        for (int i = 0; i < n; ++i) {
            p.push_back(num(i % 97 == 50 ? 2e5 : 0.01 + i * 0.05));
            t.push_back(num(20 + (i * 7) % 700));
        }
        // Row 3: text; row 5: an error; row 7: empty.
        p[3] = text("1.0");
        t[5] = error(xlfake::kErrDiv0);
        p[7] = nil();
        const Table r = table(text("PT"), column(p), column(t), text("H, s,V"), text("SI"));
        char what[160];
        std::snprintf(
            what, sizeof what, "=StmTable over %d states: %d rows of 3 columns (got %dx%d)", n, n, r.rows, r.columns);
        if (!report.check(r.rows == n && r.columns == 3, what)) continue;
        int wrong = 0;
        for (int i = 0; i < n; ++i) {
            for (int c = 0; c < 3; ++c) {
                const Oper& cell = r.cells[static_cast<std::size_t>(i) * 3 + c];
                if (i == 3 || i == 5 || i == 7) {
                    wrong += !isError(&cell, xlfake::kErrValue);
                    continue;
                }
                const ExportRow& e = c == 0 ? pth : c == 1 ? pts : ptv;
                wrong += !answers(
                    &cell,
                    direct(e, p[static_cast<std::size_t>(i)].val.num, t[static_cast<std::size_t>(i)].val.num, 1));
            }
        }
        std::snprintf(what,
                      sizeof what,
                      "=StmTable(\"PT\", %d pressures, %d temperatures, \"H, s,V\", \"SI\"): every "
                      "cell the export's bits, #NUM! for codes, #VALUE! in rows 4, 6, 8 only (%d wrong)",
                      n,
                      n,
                      wrong);
        report.check(wrong == 0, what);
    }
    // A shorter second input: its missing rows get #VALUE!; one number serves every row.
    std::vector<Oper> p = {num(1), num(10), num(100)}, t = {num(300), num(400)};
    Table r = table(text("PT"), column(p), column(t), text("H"), text("Eng"));
    report.check(r.rows == 3 && r.columns == 1 && answers(&r.cells[1], direct(pth, 10, 400, 0)) &&
                     isError(&r.cells[2], xlfake::kErrValue),
                 "a shorter second input: #VALUE! in the rows it lacks");
    r = table(text("PT"), column(p), num(500), text("H,T"), text("Eng"));
    report.check(
        r.rows == 3 && r.columns == 2 && answers(&r.cells[4], direct(pth, 100, 500, 0)) && isNumber(&r.cells[5], 500),
        "one temperature for every row; T of (P, T) is the input");
    // A block of several rows and columns has the wrong shape: every row #VALUE!.
    std::vector<Oper> block(4, num(100));
    Oper b = column(block);
    b.val.array.rows = 2;
    b.val.array.columns = 2;
    r = table(text("PT"), b, num(500), text("H"), text("Eng"));
    report.check(r.rows == 2 && isError(&r.cells[0], xlfake::kErrValue) && isError(&r.cells[1], xlfake::kErrValue),
                 "a 2x2 block as input: #VALUE! in its two rows");
    // Refusals of the whole call.
    report.check(givesError(table(num(1), column(p), num(500), text("H"), text("Eng")).whole, xlfake::kErrValue),
                 "a pair that is no text gives #VALUE!");
    report.check(givesError(table(text("PT"), column(p), num(500), num(8), text("Eng")).whole, xlfake::kErrValue),
                 "names that are no text give #VALUE!");
    report.check(givesError(table(text("PZ"), column(p), num(500), text("H"), text("Eng")).whole, xlfake::kErrNum),
                 "an unknown pair gives #NUM!");
    report.check(givesError(table(text("PT"), column(p), num(500), text("H,,S"), text("Eng")).whole, xlfake::kErrNum),
                 "an empty name gives #NUM!");
    report.check(givesError(table(text("PT"), column(p), num(500), text("H"), num(40)).whole, xlfake::kErrNum),
                 "unit set 40 gives #NUM!");
    report.check(givesError(table(text("PT"), column(p), num(500), text("H"), boolean(true)).whole, xlfake::kErrNum),
                 "a Boolean unit set gives #NUM!");
    // Every row of a sheet by 9 properties is more than the 2^23 cells a table may have.
    std::vector<Oper> sheet(1u << 20, num(10));
    report.check(givesError(table(text("PT"), column(sheet), num(500), text("H,S,V,C,W,G,K,M,T"), text("SI")).whole,
                            xlfake::kErrNum),
                 "a table of 2^20 rows by 9 properties gives #NUM!");
}

// Every worksheet function from several threads at once: the same bits as one after another.
struct ThreadWork {
    int thread;
    long calls = 0;
    long wrong = 0;
};
DWORD WINAPI hammer(void* param) {
    auto* work = static_cast<ThreadWork*>(param);
    const double pressures[] = {1, 14.7, 100, 1000, 3000, 2e5};
    for (int round = 0; round < 20; ++round) {
        for (const ExportRow& row : kExports) {
            if (row.ordinal == 44 || row.ordinal == 45) continue;
            for (const double p : pressures) {
                double a, b;
                inputsOf(row, a, b);
                if (row.inputs[0] == 'P') a = p;
                const std::int32_t set = (work->thread + round) % 3 == 0 ? 0 : (work->thread + round) % 3 == 1 ? 1 : 19;
                const Oper r = callOn(row, num(a), num(b), num(set));
                work->wrong += !answers(&r, direct(row, a, b, set));
                ++work->calls;
            }
        }
        // StmProp of the (P, T) exports on the same state.
        for (const char* name : {"StmPTH", "StmPTS", "StmPTV", "StmPTC", "StmPTW", "StmPTG", "StmPTK", "StmPTM"}) {
            const ExportRow& row = *exportNamed(name);
            const char letter[2] = {name[5], '\0'};
            const double p = 100 + work->thread + round;
            OwnText units("Eng");
            const Oper r = prop("PT", num(p), num(500), letter, units.oper());
            work->wrong += !answers(&r, direct(row, p, 500, 0));
            ++work->calls;
        }
    }
    return 0;
}

void checkThreads() {
    constexpr int kThreads = 8;
    ThreadWork work[kThreads];
    HANDLE threads[kThreads];
    for (int i = 0; i < kThreads; ++i) {
        work[i].thread = i;
        threads[i] = CreateThread(nullptr, 0, hammer, &work[i], 0, nullptr);
    }
    WaitForMultipleObjects(kThreads, threads, TRUE, INFINITE);
    long calls = 0, wrong = 0;
    for (int i = 0; i < kThreads; ++i) {
        CloseHandle(threads[i]);
        calls += work[i].calls;
        wrong += work[i].wrong;
    }
    std::printf("%ld worksheet calls on %d threads at once, %ld with other bits than one after another\n",
                calls,
                kThreads,
                wrong);
    report.check(calls > 0 && wrong == 0, "every function on 8 threads at once gives the bits of the calls one by one");
}
#endif

}  // namespace

int main(int argc, char** argv) {
    const bool unitsRequired = argc > 1 && std::strcmp(argv[1], "units-required") == 0;
    fakeXlReset();
    library = LoadLibraryA(kVapropDll);
    addin = LoadLibraryA(kAddinXll);
    if (!report.check(library != nullptr && addin != nullptr, "the property library and the add-in load"))
        return report.finish("xll_test");
    checkOpen();
    checkProcedures(unitsRequired);
    if (!unitsRequired) checkManagerAndClose();
    if (std::strcmp(argc > 2 ? argv[2] : "", "all") == 0) {
#if defined(_WIN64)
        if (kByName) {
            checkByNameRegistration();
            checkStmProp();
            checkStmTable();
        }
        if (kThreadSafe) checkThreads();
#endif
        checkOldHostMenu();
        checkAddRemove();
    }
#if defined(_WIN64)
    std::printf("%ld results, %ld owned by the add-in, %ld given back through xlAutoFree12\n",
                takenResults.load(),
                ownedResults.load(),
                givenBack.load());
    report.check(takenResults > 0 && ownedResults == takenResults && givenBack == ownedResults,
                 "every result carries xlbitDLLFree and is given back through xlAutoFree12");
#else
    report.check(ownedResults == 0, "the 32-bit add-in's results stay its own (no xlbitDLLFree)");
#endif
    FreeLibrary(addin);
    return report.finish(unitsRequired ? "xll_test units-required" : "xll_test");
}
