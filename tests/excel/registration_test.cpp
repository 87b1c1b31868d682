// Opening, closing, adding and removing the add-in against the fake host: what is registered, with
// which texts, the Help menu for old hosts, the add-in manager's name, the banner and its wait, the
// main-window search and the help viewer.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "host_fixture.h"
#include "opers.h"
#include "vaprop32.h"

namespace fakexl {
namespace {

// The registration texts as the add-in's documentation lists them (procedure, type, function,
// arguments, macro type, function help, argument helps 1 to 3). Category "Engineering", shortcut
// and help topic " " are checked for every row separately.
struct ExpectedRow {
    const char* procedure;
    const char* type;
    const char* function;
    const char* arguments;
    const char* macroType;
    const char* help;  // nullptr: wording of our own choice, checked only to be non-blank
    const char* arg1;
    const char* arg2;
    const char* arg3;
};

constexpr const char* B = " ";
constexpr const char* C = "consistent with unit set";
constexpr const char* U =
    "Enter unit set in quotes (Eng, SI, EngG, SIF, SIK, MET, METF). Add 'o' to use 1967 equations. ";
constexpr const char* US =
    "Enter unit set in quotes (Eng, SI, EngG, SIF, SIK, MET, METF). Add 'o' to use 1967 equations.  Add 'S' to use "
    "faster (less accurate) function. ";
constexpr const char* PT = "Pressure, Temperature, Units";
constexpr const char* PH = "Pressure, Enthalpy, Units";
constexpr const char* PS = "Pressure, Entropy, Units";
constexpr const char* PQ = "Pressure, Quality, Units";
constexpr const char* TQ = "Temperature, Quality, Units";

const std::array<ExpectedRow, 44> kExpected = {{
    {"xlStmVer", "P", "StmVer", B, "1", nullptr, B, B, B},
    {"xlStmTP", "PPP", "StmTP", "Temperature, Units", "1", "Returns saturation Pressure given Temperature", C, U, B},
    {"xlStmPT", "PPP", "StmPT", "Pressure, Units", "1", "Returns saturation Temperature given Pressure", C, U, B},
    {"xlStmPTV", "PPPP", "StmPTV", PT, "1", "Returns Specific Volume given Pressure and Temperature", C, C, U},
    {"xlStmPTH", "PPPP", "StmPTH", PT, "1", "Returns Enthalpy given Pressure and Temperature", C, C, U},
    {"xlStmPTS", "PPPP", "StmPTS", PT, "1", "Returns Entropy given Pressure and Temperature", C, C, U},
    {"xlStmPTC", "PPPP", "StmPTC", PT, "1", "Returns Specific Heat given Pressure and Temperature", C, C, U},
    {"xlStmPTK", "PPPP", "StmPTK", PT, "1", "Returns Thermal Conductivity given Pressure and Temperature", C, C, U},
    {"xlStmPTM", "PPPP", "StmPTM", PT, "1", "Returns Viscosity given Pressure and Temperature", C, C, U},
    {"xlStmPTW", "PPPP", "StmPTW", PT, "1", "Returns Sonic Velocity given Pressure and Temperature", C, C, U},
    {"xlStmPTG",
     "PPPP",
     "StmPTG",
     PT,
     "1",
     "Returns Isentropic Expansion Coefficient given Pressure and Temperature",
     C,
     C,
     U},
    {"xlStmPHT", "PPPP", "StmPHT", PH, "1", "Returns Temperature given Pressure and Enthalpy", C, C, US},
    {"xlStmPHQ", "PPPP", "StmPHQ", PH, "1", "Returns Quality given Pressure and Enthalpy", C, C, US},
    {"xlStmPHV", "PPPP", "StmPHV", PH, "1", "Returns Specific Volume given Pressure and Enthalpy", C, C, US},
    {"xlStmPHS", "PPPP", "StmPHS", PH, "1", "Returns Entropy given Pressure and Enthalpy", C, C, US},
    {"xlStmPHC", "PPPP", "StmPHC", PH, "1", "Returns Specific Heat given Pressure and Enthalpy", C, C, US},
    {"xlStmPHW", "PPPP", "StmPHW", PH, "1", "Returns Sonic Velocity given Pressure and Enthalpy", C, C, US},
    {"xlStmPHG",
     "PPPP",
     "StmPHG",
     PH,
     "1",
     "Returns Isentropic Expansion Coefficient given Pressure and Enthalpy",
     C,
     C,
     US},
    {"xlStmPST", "PPPP", "StmPST", PS, "1", "Returns Temperature given Pressure and Entropy", C, C, US},
    {"xlStmPSQ", "PPPP", "StmPSQ", PS, "1", "Returns Quality given Pressure and Entropy", C, C, US},
    {"xlStmPSV", "PPPP", "StmPSV", PS, "1", "Returns Specific Volume given Pressure and Entropy", C, C, US},
    {"xlStmPSH", "PPPP", "StmPSH", PS, "1", "Returns Enthalpy given Pressure and Entropy", C, C, US},
    {"xlStmPSC", "PPPP", "StmPSC", PS, "1", "Returns Specific Heat given Pressure and Entropy", C, C, US},
    {"xlStmPSW", "PPPP", "StmPSW", PS, "1", "Returns Sonic Velocity given Pressure and Entropy", C, C, US},
    {"xlStmPSG",
     "PPPP",
     "StmPSG",
     PS,
     "1",
     "Returns Isentropic Expansion Coefficient given Pressure and Entropy",
     C,
     C,
     US},
    {"xlStmPQV", "PPPP", "StmPQV", PQ, "1", "Returns Specific Volume given Pressure and Quality", C, C, U},
    {"xlStmPQH", "PPPP", "StmPQH", PQ, "1", "Returns Enthalpy given Pressure and Quality", C, C, U},
    {"xlStmPQS", "PPPP", "StmPQS", PQ, "1", "Returns Entropy given Pressure and Quality", C, C, U},
    {"xlStmPQC", "PPPP", "StmPQC", PQ, "1", "Returns Specific Heat given Pressure and Quality", C, C, U},
    {"xlStmPQK", "PPPP", "StmPQK", PQ, "1", "Returns Thermal Conductivity given Pressure and Quality", C, C, U},
    {"xlStmPQM", "PPPP", "StmPQM", PQ, "1", "Returns Viscosity given Pressure and Quality", C, C, U},
    {"xlStmPQW", "PPPP", "StmPQW", PQ, "1", "Returns Sonic Velocity given Pressure and Quality", C, C, U},
    {"xlStmPQG",
     "PPPP",
     "StmPQG",
     PQ,
     "1",
     "Returns Isentropic Expansion Coefficient given Pressure and Quality",
     C,
     C,
     U},
    {"xlStmTQV", "PPPP", "StmTQV", TQ, "1", "Returns Specific Volume given Temperature and Quality", C, C, U},
    {"xlStmTQH", "PPPP", "StmTQH", TQ, "1", "Returns Enthalpy given Temperature and Quality", C, C, U},
    {"xlStmTQS", "PPPP", "StmTQS", TQ, "1", "Returns Entropy given Temperature and Quality", C, C, U},
    {"xlStmTQC", "PPPP", "StmTQC", TQ, "1", "Returns Specific Heat given Temperature and Quality", C, C, U},
    {"xlStmTQK", "PPPP", "StmTQK", TQ, "1", "Returns Thermal Conductivity given Temperature and Quality", C, C, U},
    {"xlStmTQM", "PPPP", "StmTQM", TQ, "1", "Returns Viscosity given Temperature and Quality", C, C, U},
    {"xlStmTQW", "PPPP", "StmTQW", TQ, "1", "Returns Sonic Velocity given Temperature and Quality", C, C, U},
    {"xlStmTQG",
     "PPPP",
     "StmTQG",
     TQ,
     "1",
     "Returns Isentropic Expansion Coefficient given Temperature and Quality",
     C,
     C,
     U},
    {"xlStmTempTI",
     "PPP",
     "StmTempTI",
     "Temperature, Units",
     "1",
     "Returns Temperature on 1968 Practical scale given Temperature on 1990 Thermodynamic scale",
     "on the 1990 Thermodynamic scale",
     U,
     B},
    {"xlStmTempIT",
     "PPP",
     "StmTempIT",
     "Temperature, Units",
     "1",
     "Returns Temperature on 1990 Thermodynamic scale given Temperature on 1968 Practical scale",
     "on the 1968 Practical scale",
     U,
     B},
    {"GetSteamHelp", "A", "GetSteamHelp", B, "2", B, B, B, B},
}};

class RegistrationTest : public HostTest {};

void expectRowsAsDocumented(const std::vector<std::vector<std::string>>& calls, const std::string& fileName) {
    ASSERT_EQ(calls.size(), kExpected.size());
    for (std::size_t r = 0; r < kExpected.size(); ++r) {
        const ExpectedRow& e = kExpected[r];
        const std::vector<std::string>& got = calls[r];
        SCOPED_TRACE("row " + std::to_string(r + 1) + " " + e.procedure);
        ASSERT_EQ(got.size(), 13u);
        EXPECT_EQ(got[0], fileName);
        EXPECT_EQ(got[1], e.procedure);
        EXPECT_EQ(got[2], e.type);
        EXPECT_EQ(got[3], e.function);
        EXPECT_EQ(got[4], e.arguments);
        EXPECT_EQ(got[5], e.macroType);
        EXPECT_EQ(got[6], "Engineering");
        EXPECT_EQ(got[7], " ");
        EXPECT_EQ(got[8], " ");
        if (e.help != nullptr)
            EXPECT_EQ(got[9], e.help);
        else
            EXPECT_NE(got[9].find("version"), std::string::npos) << got[9];
        EXPECT_EQ(got[10], e.arg1);
        EXPECT_EQ(got[11], e.arg2);
        EXPECT_EQ(got[12], e.arg3);
    }
}

TEST_F(RegistrationTest, OpenRegistersEveryRowInOrderWithItsExactTexts) {
    EXPECT_EQ(module().autoOpen(), 1);
    expectRowsAsDocumented(host().registerCalls, host().fileName);
    EXPECT_EQ(host().registered.size(), 44u);
    EXPECT_EQ(host().callsOf(xlGetName), 1u);
    // The file name was freed again, with every other value the host handed out (checked on tear-down).
}

TEST_F(RegistrationTest, EveryRegisteredProcedureIsExportedByTheModule) {
    for (const ExpectedRow& e : kExpected) EXPECT_NE(module().symbol(e.procedure), nullptr) << e.procedure;
}

TEST_F(RegistrationTest, NoTypeTextCarriesThreadSafeOrVolatileMarkers) {
    for (const ExpectedRow& e : kExpected) {
        const std::string type = e.type;
        EXPECT_EQ(type.find_first_of("$!#"), std::string::npos) << e.procedure;
    }
}

TEST_F(RegistrationTest, SecondOpenSendsTheSameTexts) {
    module().autoOpen();
    const auto first = host().registerCalls;
    host().registerCalls.clear();
    module().autoOpen();
    EXPECT_EQ(host().registerCalls, first);
    expectRowsAsDocumented(host().registerCalls, host().fileName);
}

TEST_F(RegistrationTest, NoCallUsesMoreThanThirteenArguments) {
    host().version = HostValue::text("11.0");
    module().autoOpen();
    module().autoClose();
    std::size_t most = 0;
    for (const Call& c : host().calls) most = std::max(most, c.argumentTypes.size());
    EXPECT_EQ(most, 13u);
}

TEST_F(RegistrationTest, AFailedRegistrationLeavesTheOthersRegistered) {
    host().refuseProcedure = "xlStmPTK";
    EXPECT_EQ(module().autoOpen(), 1);
    EXPECT_EQ(host().registerCalls.size(), 44u);
    EXPECT_EQ(host().registered.size(), 43u);
    EXPECT_EQ(host().registered.count("xlStmPTK"), 0u);
    EXPECT_EQ(host().registered.count("xlStmPTM"), 1u);
    // Closing skips the function whose id the host does not know.
    EXPECT_EQ(module().autoClose(), 1);
    EXPECT_EQ(host().callsOf(xlfUnregister), 43u);
    EXPECT_TRUE(host().registered.empty());
}

TEST_F(RegistrationTest, WithoutItsFileNameTheAddinRegistersNothingButStillOpens) {
    host().nameUnavailable = true;
    EXPECT_EQ(module().autoOpen(), 1);
    EXPECT_TRUE(host().registerCalls.empty());
    EXPECT_EQ(host().statusBar.size(), 2u) << "the banner is still shown";
    EXPECT_EQ(module().autoClose(), 1);
    EXPECT_EQ(host().callsOf(xlfRegisterId), 0u);
    EXPECT_EQ(host().callsOf(xlfSetName), 44u);
}

TEST_F(RegistrationTest, CloseUnregistersEveryFunctionAndDeletesItsName) {
    module().autoOpen();
    ASSERT_EQ(host().definedNames.size(), 44u);
    EXPECT_EQ(module().autoClose(), 1);
    EXPECT_EQ(host().callsOf(xlfRegisterId), 44u);
    EXPECT_EQ(host().callsOf(xlfUnregister), 44u);
    EXPECT_EQ(host().callsOf(xlfSetName), 44u);
    EXPECT_TRUE(host().registered.empty());
    EXPECT_TRUE(host().definedNames.empty());
}

TEST_F(RegistrationTest, Version12OrLaterGetsNoMenuAndCloseDeletesNothing) {
    for (const HostValue& v : {HostValue::text("12.0"), HostValue::text("16.0"), HostValue::number(12)}) {
        host().reset();
        host().version = v;
        const std::vector<std::string> menuBefore = host().helpMenu;
        module().autoOpen();
        EXPECT_EQ(host().callsOf(xlfAddCommand), 0u);
        EXPECT_EQ(host().helpMenu, menuBefore);
        module().autoClose();
        EXPECT_EQ(host().callsOf(xlfDeleteCommand), 0u);
        EXPECT_EQ(host().helpMenu, menuBefore);
    }
}

TEST_F(RegistrationTest, Version11AddsTheMenuTableAndCloseRemovesIt) {
    host().version = HostValue::text("11.0");
    const std::vector<std::string> menuBefore = host().helpMenu;
    module().autoOpen();
    ASSERT_EQ(host().addedCommands.size(), 1u);
    const std::vector<std::string>& rows = host().addedCommands[0];
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], "-| | | | ");
    EXPECT_EQ(rows[1].rfind("Ventora|GetSteamHelp| |", 0), 0u) << rows[1];
    EXPECT_NE(rows[1].find("Ventora", 8), std::string::npos) << "status line offers help on the product";
    EXPECT_EQ(rows[1].substr(rows[1].size() - 2), "| ");
    std::vector<std::string> menuAfter = menuBefore;
    menuAfter.push_back("-");
    menuAfter.push_back("Ventora");
    EXPECT_EQ(host().helpMenu, menuAfter);

    module().autoClose();
    // "Ventora" stood at position 4: the separator above it (3) goes first, then the item at 3.
    EXPECT_EQ(host().deletedPositions, (std::vector<double>{3, 3}));
    EXPECT_EQ(host().helpMenu, menuBefore);
}

TEST_F(RegistrationTest, VersionGivenAsNumberBelow12AlsoGetsTheMenu) {
    host().version = HostValue::number(11);
    module().autoOpen();
    EXPECT_EQ(host().callsOf(xlfAddCommand), 1u);
    module().autoClose();
}

TEST_F(RegistrationTest, UnreadableOrMissingVersionSkipsTheMenu) {
    for (const std::optional<HostValue>& v : {std::optional<HostValue>(HostValue::text("eleven")),
                                              std::optional<HostValue>(HostValue::error(xlerrValue)),
                                              std::optional<HostValue>(HostValue::logical(true)),
                                              std::optional<HostValue>()}) {
        host().reset();
        host().version = v;
        module().autoOpen();
        EXPECT_EQ(host().callsOf(xlfAddCommand), 0u);
        EXPECT_EQ(host().registerCalls.size(), 44u) << "registration does not depend on the version";
    }
}

TEST_F(RegistrationTest, OldHostWithoutHelpMenuGetsNoMenu) {
    host().version = HostValue::text("11.0");
    host().helpMenuExists = false;
    module().autoOpen();
    EXPECT_EQ(host().callsOf(xlfGetBar), 1u);
    EXPECT_EQ(host().callsOf(xlfAddCommand), 0u);
    module().autoClose();
    EXPECT_EQ(host().callsOf(xlfDeleteCommand), 0u);
}

TEST_F(RegistrationTest, AddInManagerInfoGivesTheNameForActionOneOnly) {
    Oper one = Oper::number(1);
    LPXLOPER r = module().managerInfo(one.get());
    ASSERT_EQ(r->xltype, xltypeStr);
    EXPECT_EQ(countedText(r->val.str), "Ventora For Excel");

    Oper oneText = Oper::text("1");
    r = module().managerInfo(oneText.get());
    ASSERT_EQ(r->xltype, xltypeStr) << "the action is coerced to an integer";
    EXPECT_EQ(countedText(r->val.str), "Ventora For Excel");

    for (Oper other : {Oper::number(2),
                       Oper::number(0),
                       Oper::text("x"),
                       Oper::missing(),
                       Oper::nil(),
                       Oper::error(xlerrNA),
                       Oper::array(1, 1)}) {
        r = module().managerInfo(other.get());
        ASSERT_EQ(r->xltype, xltypeErr);
        EXPECT_EQ(r->val.err, xlerrValue);
    }
    EXPECT_EQ(module().managerInfo(nullptr)->val.err, xlerrValue);
}

TEST_F(RegistrationTest, StmVerShowsTheLibraryVersion) {
    LPXLOPER r = module().stmVer();
    ASSERT_EQ(r->xltype, xltypeNum);
    EXPECT_EQ(r->val.num, 3.2);  // the library's documented version
    EXPECT_EQ(r->val.num, StmVer());
    EXPECT_TRUE(host().calls.empty());
}

TEST_F(RegistrationTest, BannerShowsProductAndVersionForThreeSecondsThenClears) {
    module().autoOpen();
    ASSERT_EQ(host().statusBar.size(), 2u);
    const std::string& banner = host().statusBar[0];
    EXPECT_NE(banner.find("Ventora"), std::string::npos);
    EXPECT_NE(banner.find("for Excel"), std::string::npos);
    EXPECT_NE(banner.find("3.2"), std::string::npos);
    EXPECT_EQ(host().statusBar[1], "");
    // The clock starts at 100.000 s: the seconds counter reaches 103 after 30 sleeps of 100 ms.
    EXPECT_EQ(fakePlatform().milliseconds, 103000);
    EXPECT_EQ(fakePlatform().sleeps, 30);
    EXPECT_LE(fakePlatform().clockReads, fakePlatform().sleeps + 2) << "the wait sleeps between looks";
}

TEST_F(RegistrationTest, BannerWaitEndsEvenWhenTheClockStandsStill) {
    fakePlatform().clockStuck = true;
    module().autoOpen();
    EXPECT_EQ(host().statusBar.size(), 2u);
    EXPECT_EQ(fakePlatform().sleeps, 60) << "at most twice the wait";
}

TEST_F(RegistrationTest, AutoAddReturnsOneAndCallsNothing) {
    EXPECT_EQ(module().autoAdd(), 1);
    EXPECT_TRUE(host().calls.empty());
}

TEST_F(RegistrationTest, AutoRemoveShowsTheRemovalMessage) {
    EXPECT_EQ(module().autoRemove(), 1);
    EXPECT_EQ(host().statusBar, (std::vector<std::string>{"Ventora has been removed from Excel", ""}));
    EXPECT_EQ(fakePlatform().milliseconds, 103000);
}

TEST_F(RegistrationTest, MainWindowIsTheFirstXlmainWithMatchingLowBits) {
    host().windowLowBits = 0x2345;
    fakePlatform().windows = {{0x11112345, "Shell_TrayWnd"},  // right low bits, wrong class
                              {0x44440001, "XLMAIN"},         // right class, wrong low bits
                              {0x22222345, "xlMain"},         // the host (class compared without case)
                              {0x33332345, "XLMAIN"}};
    module().autoOpen();
    EXPECT_EQ(module().steamHelp(), 0);
    module().autoClose();
    ASSERT_EQ(fakePlatform().help.size(), 2u);
    EXPECT_EQ(fakePlatform().help[0].owner, 0x22222345u);
    EXPECT_EQ(fakePlatform().help[0].file, "vapsheet.hlp");
    EXPECT_EQ(fakePlatform().help[0].command, 3u);  // HELP_CONTENTS
    EXPECT_EQ(fakePlatform().help[1].owner, 0x22222345u);
    EXPECT_EQ(fakePlatform().help[1].command, 2u);  // HELP_QUIT
}

TEST_F(RegistrationTest, NoMatchingWindowLeavesTheOwnerNull) {
    fakePlatform().windows = {{0x11112345, "XLMAINX"}, {0x22220001, "XLMAIN"}};
    module().autoOpen();
    module().steamHelp();
    ASSERT_EQ(fakePlatform().help.size(), 1u);
    EXPECT_EQ(fakePlatform().help[0].owner, 0u);
}

}  // namespace
}  // namespace fakexl
