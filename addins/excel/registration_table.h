// What the add-in registers with the host: 44 rows of 12 texts in registration order, the menu
// table appended to the host's Help menu (hosts below version 12), and the add-in's other texts.
// All of them are handed to the host as counted strings out of the pools declared at the end.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "counted_text.h"

namespace vapxl {

// Columns of a registration row, in the order xlfRegister takes them after the module's file name.
enum RegistrationColumn : std::size_t {
    kProcedure,     // exported symbol
    kTypeText,      // result and argument types
    kFunctionText,  // name shown in the worksheet
    kArgumentText,  // argument names
    kMacroType,     // 1 worksheet function, 2 command
    kCategory,
    kShortcut,
    kHelpTopic,
    kFunctionHelp,
    kArgumentHelp1,
    kArgumentHelp2,
    kArgumentHelp3,
    kRegistrationColumns
};

inline constexpr std::size_t kRegistrationRows = 44;
using RegistrationRow = std::array<std::string_view, kRegistrationColumns>;

namespace text {
inline constexpr std::string_view kBlank = " ";
inline constexpr std::string_view kCategory = "Engineering";
// Argument help texts.
inline constexpr std::string_view kConsistent = "consistent with unit set";
inline constexpr std::string_view kUnits =
    "Enter unit set in quotes (Eng, SI, EngG, SIF, SIK, MET, METF). Add 'o' to use 1967 equations. ";
inline constexpr std::string_view kUnitsFast =
    "Enter unit set in quotes (Eng, SI, EngG, SIF, SIK, MET, METF). Add 'o' to use 1967 equations.  "
    "Add 'S' to use faster (less accurate) function. ";
inline constexpr std::string_view kScale90 = "on the 1990 Thermodynamic scale";
inline constexpr std::string_view kScale68 = "on the 1968 Practical scale";
// Argument texts.
inline constexpr std::string_view kArgsT = "Temperature, Units";
inline constexpr std::string_view kArgsP = "Pressure, Units";
inline constexpr std::string_view kArgsPT = "Pressure, Temperature, Units";
inline constexpr std::string_view kArgsPH = "Pressure, Enthalpy, Units";
inline constexpr std::string_view kArgsPS = "Pressure, Entropy, Units";
inline constexpr std::string_view kArgsPQ = "Pressure, Quality, Units";
inline constexpr std::string_view kArgsTQ = "Temperature, Quality, Units";
}  // namespace text

// A worksheet function row: macro type 1, category Engineering, blank shortcut and help topic.
constexpr RegistrationRow worksheetRow(std::string_view procedure, std::string_view type, std::string_view function,
                                       std::string_view arguments, std::string_view help, std::string_view arg1,
                                       std::string_view arg2, std::string_view arg3) {
    return {
        procedure, type, function, arguments, "1", text::kCategory, text::kBlank, text::kBlank, help, arg1, arg2, arg3};
}

// Three-argument property row (two values and the unit set).
constexpr RegistrationRow propertyRow(std::string_view procedure, std::string_view function, std::string_view arguments,
                                      std::string_view help, std::string_view unitHelp) {
    return worksheetRow(procedure, "PPPP", function, arguments, help, text::kConsistent, text::kConsistent, unitHelp);
}

inline constexpr std::array<RegistrationRow, kRegistrationRows> kRegistrationTable = {{
    worksheetRow("xlStmVer", "P", "StmVer", text::kBlank, "Returns the version number of the steam property library",
                 text::kBlank, text::kBlank, text::kBlank),
    worksheetRow("xlStmTP", "PPP", "StmTP", text::kArgsT, "Returns saturation Pressure given Temperature",
                 text::kConsistent, text::kUnits, text::kBlank),
    worksheetRow("xlStmPT", "PPP", "StmPT", text::kArgsP, "Returns saturation Temperature given Pressure",
                 text::kConsistent, text::kUnits, text::kBlank),
    propertyRow("xlStmPTV", "StmPTV", text::kArgsPT, "Returns Specific Volume given Pressure and Temperature",
                text::kUnits),
    propertyRow("xlStmPTH", "StmPTH", text::kArgsPT, "Returns Enthalpy given Pressure and Temperature", text::kUnits),
    propertyRow("xlStmPTS", "StmPTS", text::kArgsPT, "Returns Entropy given Pressure and Temperature", text::kUnits),
    propertyRow("xlStmPTC", "StmPTC", text::kArgsPT, "Returns Specific Heat given Pressure and Temperature",
                text::kUnits),
    propertyRow("xlStmPTK", "StmPTK", text::kArgsPT, "Returns Thermal Conductivity given Pressure and Temperature",
                text::kUnits),
    propertyRow("xlStmPTM", "StmPTM", text::kArgsPT, "Returns Viscosity given Pressure and Temperature", text::kUnits),
    propertyRow("xlStmPTW", "StmPTW", text::kArgsPT, "Returns Sonic Velocity given Pressure and Temperature",
                text::kUnits),
    propertyRow("xlStmPTG", "StmPTG", text::kArgsPT,
                "Returns Isentropic Expansion Coefficient given Pressure and Temperature", text::kUnits),
    propertyRow("xlStmPHT", "StmPHT", text::kArgsPH, "Returns Temperature given Pressure and Enthalpy",
                text::kUnitsFast),
    propertyRow("xlStmPHQ", "StmPHQ", text::kArgsPH, "Returns Quality given Pressure and Enthalpy", text::kUnitsFast),
    propertyRow("xlStmPHV", "StmPHV", text::kArgsPH, "Returns Specific Volume given Pressure and Enthalpy",
                text::kUnitsFast),
    propertyRow("xlStmPHS", "StmPHS", text::kArgsPH, "Returns Entropy given Pressure and Enthalpy", text::kUnitsFast),
    propertyRow("xlStmPHC", "StmPHC", text::kArgsPH, "Returns Specific Heat given Pressure and Enthalpy",
                text::kUnitsFast),
    propertyRow("xlStmPHW", "StmPHW", text::kArgsPH, "Returns Sonic Velocity given Pressure and Enthalpy",
                text::kUnitsFast),
    propertyRow("xlStmPHG", "StmPHG", text::kArgsPH,
                "Returns Isentropic Expansion Coefficient given Pressure and Enthalpy", text::kUnitsFast),
    propertyRow("xlStmPST", "StmPST", text::kArgsPS, "Returns Temperature given Pressure and Entropy",
                text::kUnitsFast),
    propertyRow("xlStmPSQ", "StmPSQ", text::kArgsPS, "Returns Quality given Pressure and Entropy", text::kUnitsFast),
    propertyRow("xlStmPSV", "StmPSV", text::kArgsPS, "Returns Specific Volume given Pressure and Entropy",
                text::kUnitsFast),
    propertyRow("xlStmPSH", "StmPSH", text::kArgsPS, "Returns Enthalpy given Pressure and Entropy", text::kUnitsFast),
    propertyRow("xlStmPSC", "StmPSC", text::kArgsPS, "Returns Specific Heat given Pressure and Entropy",
                text::kUnitsFast),
    propertyRow("xlStmPSW", "StmPSW", text::kArgsPS, "Returns Sonic Velocity given Pressure and Entropy",
                text::kUnitsFast),
    propertyRow("xlStmPSG", "StmPSG", text::kArgsPS,
                "Returns Isentropic Expansion Coefficient given Pressure and Entropy", text::kUnitsFast),
    propertyRow("xlStmPQV", "StmPQV", text::kArgsPQ, "Returns Specific Volume given Pressure and Quality",
                text::kUnits),
    propertyRow("xlStmPQH", "StmPQH", text::kArgsPQ, "Returns Enthalpy given Pressure and Quality", text::kUnits),
    propertyRow("xlStmPQS", "StmPQS", text::kArgsPQ, "Returns Entropy given Pressure and Quality", text::kUnits),
    propertyRow("xlStmPQC", "StmPQC", text::kArgsPQ, "Returns Specific Heat given Pressure and Quality", text::kUnits),
    propertyRow("xlStmPQK", "StmPQK", text::kArgsPQ, "Returns Thermal Conductivity given Pressure and Quality",
                text::kUnits),
    propertyRow("xlStmPQM", "StmPQM", text::kArgsPQ, "Returns Viscosity given Pressure and Quality", text::kUnits),
    propertyRow("xlStmPQW", "StmPQW", text::kArgsPQ, "Returns Sonic Velocity given Pressure and Quality", text::kUnits),
    propertyRow("xlStmPQG", "StmPQG", text::kArgsPQ,
                "Returns Isentropic Expansion Coefficient given Pressure and Quality", text::kUnits),
    propertyRow("xlStmTQV", "StmTQV", text::kArgsTQ, "Returns Specific Volume given Temperature and Quality",
                text::kUnits),
    propertyRow("xlStmTQH", "StmTQH", text::kArgsTQ, "Returns Enthalpy given Temperature and Quality", text::kUnits),
    propertyRow("xlStmTQS", "StmTQS", text::kArgsTQ, "Returns Entropy given Temperature and Quality", text::kUnits),
    propertyRow("xlStmTQC", "StmTQC", text::kArgsTQ, "Returns Specific Heat given Temperature and Quality",
                text::kUnits),
    propertyRow("xlStmTQK", "StmTQK", text::kArgsTQ, "Returns Thermal Conductivity given Temperature and Quality",
                text::kUnits),
    propertyRow("xlStmTQM", "StmTQM", text::kArgsTQ, "Returns Viscosity given Temperature and Quality", text::kUnits),
    propertyRow("xlStmTQW", "StmTQW", text::kArgsTQ, "Returns Sonic Velocity given Temperature and Quality",
                text::kUnits),
    propertyRow("xlStmTQG", "StmTQG", text::kArgsTQ,
                "Returns Isentropic Expansion Coefficient given Temperature and Quality", text::kUnits),
    worksheetRow("xlStmTempTI", "PPP", "StmTempTI", text::kArgsT,
                 "Returns Temperature on 1968 Practical scale given Temperature on 1990 Thermodynamic scale",
                 text::kScale90, text::kUnits, text::kBlank),
    worksheetRow("xlStmTempIT", "PPP", "StmTempIT", text::kArgsT,
                 "Returns Temperature on 1990 Thermodynamic scale given Temperature on 1968 Practical scale",
                 text::kScale68, text::kUnits, text::kBlank),
    RegistrationRow{"GetSteamHelp",
                    "A",
                    "GetSteamHelp",
                    text::kBlank,
                    "2",
                    text::kCategory,
                    text::kBlank,
                    text::kBlank,
                    text::kBlank,
                    text::kBlank,
                    text::kBlank,
                    text::kBlank},
}};

// The functions over the property library's by-name calls, registered by the add-in of the host's
// current API (the 64-bit add-in) after the rows above: StmProp, one property of one state named by
// its input pair and its property letters, and StmTable, a table of properties (one column each) for
// many states (one row each) through StmBatch. Each takes five arguments, so its row carries two
// argument helps more than a row above; columns 0 to 11 mean what they mean there, and the type
// texts are written in the version-4 form as above (the current API's form: registration_table12.h).
enum ByNameColumn : std::size_t { kArgumentHelp4 = kRegistrationColumns, kArgumentHelp5, kByNameColumns };
using ByNameRow = std::array<std::string_view, kByNameColumns>;
inline constexpr std::size_t kByNameRows = 2;

namespace text {
inline constexpr std::string_view kPairHelp =
    "Enter the input pair in quotes: the letters of the two inputs in their order (for example PT, PH, PS, TQ)";
inline constexpr std::string_view kPropertyHelp =
    "Enter the property letter in quotes (P, T, Q, H, S, V, C, W, G, K, M, R; PR for the Prandtl number)";
inline constexpr std::string_view kPropertiesHelp =
    "Enter the property letters in quotes, separated by commas (P, T, Q, H, S, V, C, W, G, K, M, R, PR), one "
    "column each";
inline constexpr std::string_view kFirstInputHelp = "first input of the pair, consistent with unit set";
inline constexpr std::string_view kSecondInputHelp = "second input of the pair, consistent with unit set";
inline constexpr std::string_view kFirstInputsHelp =
    "first inputs of the pair, one row each (a column or a row of cells, or one number for every row), "
    "consistent with unit set";
inline constexpr std::string_view kSecondInputsHelp =
    "second inputs of the pair, one row each (a column or a row of cells, or one number for every row), "
    "consistent with unit set";
}  // namespace text

inline constexpr std::array<ByNameRow, kByNameRows> kByNameTable = {{
    {"xlStmProp",
     "PPPPPP",
     "StmProp",
     "Pair, Input1, Input2, Property, Units",
     "1",
     text::kCategory,
     text::kBlank,
     text::kBlank,
     "Returns the Property named by its letter for the state given by the input Pair and its two inputs",
     text::kPairHelp,
     text::kFirstInputHelp,
     text::kSecondInputHelp,
     text::kPropertyHelp,
     text::kUnitsFast},
    {"xlStmTable",
     "PPPPPP",
     "StmTable",
     "Pair, Inputs1, Inputs2, Properties, Units",
     "1",
     text::kCategory,
     text::kBlank,
     text::kBlank,
     "Returns a table of Properties, one row per state given by the input Pair and its inputs, one column per "
     "property",
     text::kPairHelp,
     text::kFirstInputsHelp,
     text::kSecondInputsHelp,
     text::kPropertiesHelp,
     text::kUnitsFast},
}};

// The menu table in the layout of xlfAddCommand: command name, macro, shortcut, status text, help
// reference. Row 1 is a separator, row 2 the help command.
inline constexpr std::size_t kMenuRows = 2;
inline constexpr std::size_t kMenuColumns = 5;
inline constexpr std::array<std::string_view, kMenuRows* kMenuColumns> kMenuTable = {
    "-",
    text::kBlank,
    text::kBlank,
    text::kBlank,
    text::kBlank,
    "Ventora",
    "GetSteamHelp",
    text::kBlank,
    "Help on the Ventora steam property worksheet functions",
    text::kBlank,
};

// The add-in's other texts, each made counted when it is wrapped for a call.
enum MiscText : std::size_t {
    kAddInName,       // shown by the add-in manager
    kHelpMenu,        // menu on bar 10 that takes the menu table
    kMenuItem,        // the help command's item in that menu
    kBanner,          // status-bar line while the add-in opens
    kRemovedMessage,  // status-bar line when the add-in is removed
    kBaseUnitsName,   // workbook name holding the default unit set
    kMiscTexts
};

inline constexpr std::array<std::string_view, kMiscTexts> kMiscTable = {
    "Ventora For Excel",
    "Help",
    "Ventora",
    "Ventora for Excel 3.2 - water and steam properties",
    "Ventora has been removed from Excel",
    "StmBaseUnits",
};

// The menu bar that holds the Help menu, and the first host version without menus.
inline constexpr double kMenuBar = 10;
inline constexpr double kFirstVersionWithoutMenus = 12;

// Help file opened by GetSteamHelp.
inline constexpr const char* kHelpFile = "vapsheet.hlp";

namespace detail {
constexpr std::array<std::string_view, kRegistrationRows * kRegistrationColumns> flatRegistrationTexts() {
    std::array<std::string_view, kRegistrationRows * kRegistrationColumns> flat{};
    for (std::size_t r = 0; r < kRegistrationRows; ++r)
        for (std::size_t c = 0; c < kRegistrationColumns; ++c)
            flat[r * kRegistrationColumns + c] = kRegistrationTable[r][c];
    return flat;
}
inline constexpr auto kFlatRegistration = flatRegistrationTexts();
}  // namespace detail

using RegistrationPool =
    CountedPool<kRegistrationRows * kRegistrationColumns, countedPoolBytes(detail::kFlatRegistration)>;
using MenuPool = CountedPool<kMenuRows * kMenuColumns, countedPoolBytes(kMenuTable)>;
using MiscPool = CountedPool<kMiscTexts, countedPoolBytes(kMiscTable)>;

// The add-in's stored texts (one instance of each pool for the module's lifetime).
RegistrationPool& registrationPool() noexcept;
MenuPool& menuPool() noexcept;
MiscPool& miscPool() noexcept;

// Counted string of one cell of the registration table, length byte written.
inline char* registrationText(std::size_t row, RegistrationColumn column) noexcept {
    return registrationPool().stamp(row * kRegistrationColumns + column);
}

inline char* miscText(MiscText which) noexcept { return miscPool().stamp(which); }

}  // namespace vapxl
