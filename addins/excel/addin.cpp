// The entry points the host calls: opening, closing, adding and removing the add-in, the add-in
// manager's name query and the help command.
#include <cmath>

#include "addin_state.h"
#include "host_calls.h"
#include "platform.h"
#include "registration_table.h"
#include "unit_set.h"
#include "xlcall.h"

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
  XLOPER handle;
  if (!succeeded(Excel4(xlGetHwnd, &handle, 0))) return 0;
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
  XLOPER ignored;
  if (succeeded(callHost(xlcMessage, &ignored, {tempBool(true), tempString(miscText(line))})))
    freeHostValue(ignored);
  waitSeconds(kStatusBarSeconds);
  if (succeeded(callHost(xlcMessage, &ignored, {tempBool(false)}))) freeHostValue(ignored);
}

void registerFunctions(XLOPER& fileName) noexcept {
  for (std::size_t r = 0; r < kRegistrationRows; ++r) {
    XLOPER id;
    const int rc = callHost(
        xlfRegister, &id,
        {&fileName, tempString(registrationText(r, kProcedure)), tempString(registrationText(r, kTypeText)),
         tempString(registrationText(r, kFunctionText)), tempString(registrationText(r, kArgumentText)),
         tempString(registrationText(r, kMacroType)), tempString(registrationText(r, kCategory)),
         tempString(registrationText(r, kShortcut)), tempString(registrationText(r, kHelpTopic)),
         tempString(registrationText(r, kFunctionHelp)), tempString(registrationText(r, kArgumentHelp1)),
         tempString(registrationText(r, kArgumentHelp2)), tempString(registrationText(r, kArgumentHelp3))});
    if (succeeded(rc)) freeHostValue(id);
  }
}

// The host's version as a number, when it tells it as a number or as a text that reads as one.
bool hostVersion(double& version) noexcept {
  XLOPER answer;
  if (!succeeded(callHost(xlfGetWorkspace, &answer, {tempNumber(kWorkspaceVersion)}))) return false;
  bool known = false;
  if (baseType(answer) == xltypeNum) {
    version = answer.val.num;
    known = true;
  } else if (baseType(answer) == xltypeStr) {
    XLOPER number;
    if (succeeded(callHost(xlCoerce, &number, {&answer, tempInt(static_cast<short>(xltypeNum))}))) {
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
  XLOPER bar;
  if (!succeeded(callHost(xlfGetBar, &bar, {tempNumber(kMenuBar), tempString(miscText(kHelpMenu)), tempNumber(0)})))
    return;
  const bool menuExists = baseType(bar) != xltypeErr;
  freeHostValue(bar);
  if (!menuExists) return;

  XLOPER* const bar10 = tempNumber(kMenuBar);
  XLOPER* const helpMenu = tempString(miscText(kHelpMenu));
  XLOPER* const table = tempMissing();
  XLOPER* cells[kMenuRows * kMenuColumns] = {};
  bool complete = table != nullptr;
  for (std::size_t i = 0; i < kMenuRows * kMenuColumns; ++i) {
    cells[i] = tempString(menuPool().stamp(i));
    // The table's cells must lie next to each other in the scratch area.
    complete = complete && cells[i] != nullptr && cells[i] == cells[0] + i;
  }
  if (complete) {
    table->xltype = xltypeMulti;
    table->val.array.lparray = cells[0];
    table->val.array.rows = static_cast<XLWORD>(kMenuRows);
    table->val.array.columns = static_cast<XLWORD>(kMenuColumns);
  }
  XLOPER added;
  if (succeeded(callHost(xlfAddCommand, &added, {bar10, helpMenu, complete ? table : nullptr}))) freeHostValue(added);
}

// Removes the separator and the help command from the Help menu of bar 10, if they are there.
void removeHelpMenu() noexcept {
  XLOPER position;
  if (!succeeded(callHost(xlfGetBar, &position,
                          {tempNumber(kMenuBar), tempString(miscText(kHelpMenu)), tempString(miscText(kMenuItem))})))
    return;
  if (baseType(position) == xltypeNum) {
    const double above = position.val.num - 1;
    for (int i = 0; i < 2; ++i) {
      XLOPER deleted;
      if (succeeded(callHost(xlfDeleteCommand, &deleted,
                             {tempNumber(kMenuBar), tempString(miscText(kHelpMenu)), tempNumber(above)})))
        freeHostValue(deleted);
    }
  }
  freeHostValue(position);
}

void unregisterFunctions(XLOPER& fileName) noexcept {
  for (std::size_t r = 0; r < kRegistrationRows; ++r) {
    XLOPER id;
    if (!succeeded(callHost(xlfRegisterId, &id, {&fileName, tempString(registrationText(r, kProcedure))}))) continue;
    if (baseType(id) == xltypeNum) {
      XLOPER done;
      if (succeeded(callHost(xlfUnregister, &done, {&id}))) freeHostValue(done);
    }
    freeHostValue(id);
  }
}

void deleteFunctionNames() noexcept {
  for (std::size_t r = 0; r < kRegistrationRows; ++r) {
    XLOPER done;
    if (succeeded(callHost(xlfSetName, &done, {tempString(registrationText(r, kFunctionText))})))
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

  XLOPER fileName;
  if (succeeded(Excel4(xlGetName, &fileName, 0))) {
    if (baseType(fileName) == xltypeStr) registerFunctions(fileName);
    freeHostValue(fileName);
  }

  double version = 0;
  if (hostVersion(version) && version < kFirstVersionWithoutMenus) addHelpMenu();

  showStatusLine(kBanner);
  return 1;
}

XLL_EXPORT int XLL_CALL xlAutoClose() {
  XLOPER fileName;
  if (succeeded(Excel4(xlGetName, &fileName, 0))) {
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

XLL_EXPORT LPXLOPER XLL_CALL xlAddInManagerInfo(LPXLOPER action) {
  static XLOPER info;
  bool nameAsked = false;
  if (action != nullptr) {
    XLOPER asInt;
    if (succeeded(callHost(xlCoerce, &asInt, {action, tempInt(static_cast<short>(xltypeInt))}))) {
      nameAsked = baseType(asInt) == xltypeInt && asInt.val.w == 1;
      freeHostValue(asInt);
    }
  }
  if (nameAsked) {
    info.xltype = xltypeStr;
    info.val.str = miscText(kAddInName);
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
