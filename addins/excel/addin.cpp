// The entry points the host calls: opening, closing, adding and removing the add-in, the add-in
// manager's name query and the help command. All of them run on the host's main thread.
#include <cmath>

#include "addin_state.h"
#include "host_calls.h"
#include "platform.h"
#include "registration_table.h"
#include "unit_set.h"
#include "xlapi.h"

namespace vapxl {

AddinState& addinState() noexcept {
    static AddinState state;
    return state;
}

namespace {

constexpr int kStatusBarSeconds = 3;
constexpr double kWorkspaceVersion = 2;  // xlfGetWorkspace: the host's version

bool succeeded(int rc) noexcept { return rc == xlretSuccess; }

// The host's main window: its handle's low 16 bits come from xlGetHwnd, the window itself from the
// list of top-level windows.
std::uintptr_t locateMainWindow() noexcept {
    Oper handle;
    if (!succeeded(hostCall0(xlGetHwnd, &handle))) return 0;
    std::uintptr_t found = 0;
    if (baseType(handle) == xltypeInt) {
        found = findHostWindow(static_cast<std::uint16_t>(handle.val.w));
    } else if (baseType(handle) == xltypeNum && handle.val.num >= 0 && handle.val.num < 4294967296.0) {
        found = findHostWindow(static_cast<std::uint16_t>(static_cast<std::uint32_t>(handle.val.num) & 0xFFFFu));
    }
    freeHostValue(handle);
    return found;
}

// Shows a status-bar line for three seconds, then clears the status bar.
void showStatusLine(MiscText line) noexcept {
    Oper ignored;
    if (succeeded(callHost(xlcMessage, &ignored, {tempBool(true), tempString(miscHostText(line))})))
        freeHostValue(ignored);
    waitSeconds(kStatusBarSeconds);
    if (succeeded(callHost(xlcMessage, &ignored, {tempBool(false)}))) freeHostValue(ignored);
}

void registerFunctions(Oper& fileName) noexcept {
    for (std::size_t r = 0; r < kHostRegistrationRows; ++r) {
        const auto cell = [r](std::size_t column) { return tempString(registrationHostText(r, column)); };
        Oper id;
        int rc;
        if (argumentHelps(r) == 3) {
            rc = callHost(xlfRegister,
                          &id,
                          {&fileName,
                           cell(kProcedure),
                           cell(kTypeText),
                           cell(kFunctionText),
                           cell(kArgumentText),
                           cell(kMacroType),
                           cell(kCategory),
                           cell(kShortcut),
                           cell(kHelpTopic),
                           cell(kFunctionHelp),
                           cell(kArgumentHelp1),
                           cell(kArgumentHelp2),
                           cell(kArgumentHelp3)});
        } else {
            rc = callHost(xlfRegister,
                          &id,
                          {&fileName,
                           cell(kProcedure),
                           cell(kTypeText),
                           cell(kFunctionText),
                           cell(kArgumentText),
                           cell(kMacroType),
                           cell(kCategory),
                           cell(kShortcut),
                           cell(kHelpTopic),
                           cell(kFunctionHelp),
                           cell(kArgumentHelp1),
                           cell(kArgumentHelp2),
                           cell(kArgumentHelp3),
                           cell(kArgumentHelp4),
                           cell(kArgumentHelp5)});
        }
        if (succeeded(rc)) freeHostValue(id);
    }
}

// The host's version as a number, when it tells it as a number or as a text that reads as one.
bool hostVersion(double& version) noexcept {
    Oper answer;
    if (!succeeded(callHost(xlfGetWorkspace, &answer, {tempNumber(kWorkspaceVersion)}))) return false;
    bool known = false;
    if (baseType(answer) == xltypeNum) {
        version = answer.val.num;
        known = true;
    } else if (baseType(answer) == xltypeStr) {
        Oper number;
        if (succeeded(callHost(xlCoerce, &number, {&answer, tempInt(static_cast<OperInt>(xltypeNum))}))) {
            if (baseType(number) == xltypeNum) {
                version = number.val.num;
                known = true;
            }
            freeHostValue(number);
        }
    }
    freeHostValue(answer);
    return known && !std::isnan(version);
}

// Appends the menu table to the Help menu of bar 10, when that menu exists.
void addHelpMenu() noexcept {
    Oper bar;
    if (!succeeded(
            callHost(xlfGetBar, &bar, {tempNumber(kMenuBar), tempString(miscHostText(kHelpMenu)), tempNumber(0)})))
        return;
    const bool menuExists = baseType(bar) != xltypeErr;
    freeHostValue(bar);
    if (!menuExists) return;

    Oper* const bar10 = tempNumber(kMenuBar);
    Oper* const helpMenu = tempString(miscHostText(kHelpMenu));
    Oper* const table = tempMissing();
    Oper* cells[kMenuRows * kMenuColumns] = {};
    bool complete = table != nullptr;
    for (std::size_t i = 0; i < kMenuRows * kMenuColumns; ++i) {
        cells[i] = tempString(menuHostText(i));
        // The table's cells must lie next to each other in the scratch area.
        complete = complete && cells[i] != nullptr && cells[i] == cells[0] + i;
    }
    if (complete) {
        table->xltype = xltypeMulti;
        table->val.array.lparray = cells[0];
        table->val.array.rows = static_cast<OperRows>(kMenuRows);
        table->val.array.columns = static_cast<OperColumns>(kMenuColumns);
    }
    Oper added;
    if (succeeded(callHost(xlfAddCommand, &added, {bar10, helpMenu, complete ? table : nullptr}))) freeHostValue(added);
}

// Removes the separator and the help command from the Help menu of bar 10, if they are there.
void removeHelpMenu() noexcept {
    Oper position;
    if (!succeeded(
            callHost(xlfGetBar,
                     &position,
                     {tempNumber(kMenuBar), tempString(miscHostText(kHelpMenu)), tempString(miscHostText(kMenuItem))})))
        return;
    if (baseType(position) == xltypeNum) {
        const double above = position.val.num - 1;
        for (int i = 0; i < 2; ++i) {
            Oper deleted;
            if (succeeded(callHost(xlfDeleteCommand,
                                   &deleted,
                                   {tempNumber(kMenuBar), tempString(miscHostText(kHelpMenu)), tempNumber(above)})))
                freeHostValue(deleted);
        }
    }
    freeHostValue(position);
}

void unregisterFunctions(Oper& fileName) noexcept {
    for (std::size_t r = 0; r < kHostRegistrationRows; ++r) {
        Oper id;
        if (!succeeded(callHost(xlfRegisterId, &id, {&fileName, tempString(registrationHostText(r, kProcedure))})))
            continue;
        if (baseType(id) == xltypeNum) {
            Oper done;
            if (succeeded(callHost(xlfUnregister, &done, {&id}))) freeHostValue(done);
        }
        freeHostValue(id);
    }
}

void deleteFunctionNames() noexcept {
    for (std::size_t r = 0; r < kHostRegistrationRows; ++r) {
        Oper done;
        if (succeeded(callHost(xlfSetName, &done, {tempString(registrationHostText(r, kFunctionText))})))
            freeHostValue(done);
    }
}

}  // namespace

}  // namespace vapxl

using namespace vapxl;

extern "C" {

XLL_EXPORT int XLL_CALL xlAutoOpen() {
    registrationPool().stampAll();
    menuPool().stampAll();

    AddinState& state = addinState();
    state.unitsRequired = unitsRequiredFrom(readConfigValue("DefaultUnits"));
    state.mainWindow = locateMainWindow();

    Oper fileName;
    if (succeeded(hostCall0(xlGetName, &fileName))) {
        if (baseType(fileName) == xltypeStr) registerFunctions(fileName);
        freeHostValue(fileName);
    }

    double version = 0;
    if (hostVersion(version) && version < kFirstVersionWithoutMenus) addHelpMenu();

    showStatusLine(kBanner);
    return 1;
}

XLL_EXPORT int XLL_CALL xlAutoClose() {
    Oper fileName;
    if (succeeded(hostCall0(xlGetName, &fileName))) {
        if (baseType(fileName) == xltypeStr) unregisterFunctions(fileName);
        freeHostValue(fileName);
    }
    deleteFunctionNames();
    removeHelpMenu();
    const PlatformHooks& h = hooks();
    if (h.showHelp != nullptr) h.showHelp(h.context, addinState().mainWindow, kHelpFile, kHelpQuit);
    return 1;
}

XLL_EXPORT int XLL_CALL xlAutoAdd() { return 1; }

XLL_EXPORT int XLL_CALL xlAutoRemove() {
    showStatusLine(kRemovedMessage);
    return 1;
}

// The add-in manager's query: xlAddInManagerInfo12 in the current API (the host asks it first).
#if defined(_WIN64)
#define VAPXL_MANAGER_INFO xlAddInManagerInfo12
#else
#define VAPXL_MANAGER_INFO xlAddInManagerInfo
#endif

XLL_EXPORT LPOper XLL_CALL VAPXL_MANAGER_INFO(LPOper action) {
    static Oper info;
    bool nameAsked = false;
    if (action != nullptr) {
        Oper asInt;
        if (succeeded(callHost(xlCoerce, &asInt, {action, tempInt(static_cast<OperInt>(xltypeInt))}))) {
            nameAsked = baseType(asInt) == xltypeInt && asInt.val.w == 1;
            freeHostValue(asInt);
        }
    }
    if (nameAsked) {
        info.xltype = xltypeStr;
        info.val.str = miscHostText(kAddInName);
    } else {
        info.xltype = xltypeErr;
        info.val.err = xlerrValue;
    }
    return &info;
}

XLL_EXPORT short XLL_CALL GetSteamHelp() {
    const PlatformHooks& h = hooks();
    if (h.showHelp != nullptr) h.showHelp(h.context, addinState().mainWindow, kHelpFile, kHelpContents);
    return 0;
}

XLL_EXPORT void vapxlSetHooks(const VapxlHooks* replacement) { replaceHooks(replacement); }

}  // extern "C"
