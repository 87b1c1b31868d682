// A spreadsheet host of our own for the add-in's tests: it answers Excel4/Excel4v for every
// function the add-in calls, records what it is asked, holds workbook names for xlfEvaluate, the
// Help menu of bar 10, the version, the window handle and the add-in's file name, and keeps count
// of every value it hands out until the add-in frees it.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "xlcall.h"

namespace fakexl {

// A value held by the host (workbook names, the version answer).
struct HostValue {
    XLWORD type = xltypeNil;
    double num = 0;
    std::string str;
    XLWORD err = 0;
    bool boolean = false;

    static HostValue number(double x) { return {xltypeNum, x, {}, 0, false}; }
    static HostValue text(std::string s) { return {xltypeStr, 0, std::move(s), 0, false}; }
    static HostValue error(XLWORD e) { return {xltypeErr, 0, {}, e, false}; }
    static HostValue logical(bool b) { return {xltypeBool, 0, {}, 0, b}; }
};

// One call the add-in made.
struct Call {
    int function;
    std::vector<XLWORD> argumentTypes;
};

class FakeHost {
  public:
    static FakeHost& instance();

    // Back to a fresh host: version 16, a Help menu with two items, no workbook names, nothing
    // recorded, nothing handed out.
    void reset();

    // --- what the host answers ---
    std::optional<HostValue> version = HostValue::text("16.0");  // nullopt: xlfGetWorkspace fails
    bool helpMenuExists = true;
    std::vector<std::string> helpMenu;  // items of the Help menu of bar 10
    short windowLowBits = 0x2345;
    std::string fileName = "/opt/host/addins/vapxl32.xll";
    std::map<std::string, HostValue> workbookNames;  // names visible to xlfEvaluate
    std::string refuseProcedure;                     // xlfRegister of this procedure fails
    bool nameUnavailable = false;                    // xlGetName fails
    bool evaluateFails = false;                      // xlfEvaluate fails (no active workbook)

    // --- what the host has seen ---
    std::vector<Call> calls;
    std::vector<std::vector<std::string>> registerCalls;  // the 13 texts of each xlfRegister
    std::map<std::string, double> registered;             // procedure -> register id
    std::set<std::string> definedNames;                   // function texts defined by registration
    std::vector<std::vector<std::string>> addedCommands;  // rows of each xlfAddCommand table
    std::vector<double> deletedPositions;                 // xlfDeleteCommand positions
    std::vector<std::string> statusBar;                   // xlcMessage texts; "" for a clear
    std::vector<std::string> evaluated;                   // xlfEvaluate texts
    std::vector<std::string> faults;                      // protocol errors of the add-in

    // Values handed out and not yet freed.
    std::size_t outstanding() const { return live_.size(); }
    std::size_t callsOf(int function) const;

    int dispatch(int xlfn, LPXLOPER result, int count, LPXLOPER* args);

  private:
    FakeHost() { reset(); }
    void give(LPXLOPER result, const HostValue& v);
    void giveNumber(LPXLOPER result, double x);
    void giveBool(LPXLOPER result, bool b);
    void giveError(LPXLOPER result, XLWORD e);
    void release(XLOPER& op);
    std::string text(const XLOPER* op, const char* what);
    bool argumentsValid(int xlfn, int count, LPXLOPER* args);

    std::set<const void*> live_;
    double nextId_ = 1000;
};

// Decodes a counted string (length byte first).
std::string countedText(const char* counted);

}  // namespace fakexl
