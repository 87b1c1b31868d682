// The few things the add-in needs from the operating system, each behind one small function with a
// Windows body (platform_win32.cpp) and a POSIX body (platform_posix.cpp):
//   - the configuration value DefaultUnits (registry on Windows, a settings file elsewhere),
//   - the list of top-level windows with their class names (to find the host's main window),
//   - the help viewer,
//   - a seconds counter and a sleep for the status-bar banner.
// The last three are reached through a PlatformHooks table so that tests can replace them.
#pragma once

#include <cstdint>

#include "vapxl_hooks.h"

namespace vapxl {

// Help viewer commands (the values of WinHelpA's HELP_QUIT and HELP_CONTENTS).
inline constexpr unsigned kHelpQuit = 2;
inline constexpr unsigned kHelpContents = 3;

// The hook table (also the test seam of the POSIX module, see vapxl_hooks.h): clock seconds, sleep,
// top-level window enumeration (the visitor returns 0 to stop) and the help viewer.
using PlatformHooks = VapxlHooks;

// The operating system's own hooks.
PlatformHooks systemHooks() noexcept;

// The hooks in use (the system's unless replaced).
const PlatformHooks& hooks() noexcept;
void replaceHooks(const PlatformHooks* replacement) noexcept;

// One configuration value as stored: its kind and its bytes.
enum class ConfigKind { absent, dword, other };
struct ConfigValue {
    ConfigKind kind = ConfigKind::absent;
    std::uint32_t size = 0;      // bytes stored
    std::uint8_t bytes[4] = {};  // the first four of them
};

// Reads value `name` of the add-in's configuration key
// HKEY_CURRENT_USER\SOFTWARE\Orlesk\Ventora\3.00.000\Excel (opened for reading, closed again).
// On POSIX the key is the file $XDG_CONFIG_HOME/Orlesk/Ventora/3.00.000/Excel.conf (default
// ~/.config), one "Name=value" per line in the registry's export notation: dword:0000000a (a
// DWORD), hex(4):0a,00,00,00 (a DWORD given by its bytes, any count), hex:.. (binary), "text".
ConfigValue readConfigValue(const char* name) noexcept;

// Decides the units-required flag: set when DefaultUnits is a 4-byte DWORD whose low 16 bits are
// not 0.
bool unitsRequiredFrom(const ConfigValue& value) noexcept;

// Finds the host's main window: the first top-level window whose class name is "XLMAIN" (any case)
// and whose handle has these low 16 bits; 0 when there is none.
std::uintptr_t findHostWindow(std::uint16_t handleLowBits) noexcept;

// Waits until the seconds counter has advanced by `seconds`, sleeping between looks. A clock that
// stands still or runs backwards cannot hold the host longer than about twice the wait.
void waitSeconds(int seconds) noexcept;

}  // namespace vapxl
