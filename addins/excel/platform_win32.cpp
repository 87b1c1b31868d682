// Windows bodies of the platform layer: the registry key of the configuration value, top-level
// windows through EnumWindows/GetClassNameA, WinHelpA, time() and Sleep().
#include <windows.h>

#include <ctime>

#include "platform.h"

namespace vapxl {

namespace {

constexpr const char* kConfigKey = "SOFTWARE\\Orlesk\\Ventora\\3.00.000\\Excel";

long long winSeconds(void*) { return static_cast<long long>(std::time(nullptr)); }

void winSleep(void*, unsigned milliseconds) { Sleep(milliseconds); }

struct EnumState {
    VapxlWindowVisitor visit;
    void* visitContext;
};

BOOL CALLBACK enumProc(HWND window, LPARAM param) {
    const auto* const state = reinterpret_cast<const EnumState*>(param);
    char className[64] = {};
    if (GetClassNameA(window, className, static_cast<int>(sizeof className)) == 0) className[0] = '\0';
    return state->visit(state->visitContext, reinterpret_cast<std::uintptr_t>(window), className) != 0 ? TRUE : FALSE;
}

void winWindows(void*, VapxlWindowVisitor visit, void* visitContext) {
    EnumState state{visit, visitContext};
    EnumWindows(enumProc, reinterpret_cast<LPARAM>(&state));
}

void winHelp(void*, std::uintptr_t owner, const char* helpFile, unsigned command) {
    WinHelpA(reinterpret_cast<HWND>(owner), helpFile, command, 0);
}

}  // namespace

PlatformHooks systemHooks() noexcept { return PlatformHooks{nullptr, winSeconds, winSleep, winWindows, winHelp}; }

ConfigValue readConfigValue(const char* name) noexcept {
    ConfigValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kConfigKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return value;
    DWORD type = 0;
    BYTE data[16] = {};
    DWORD size = sizeof data;
    const LONG status = RegQueryValueExA(key, name, nullptr, &type, data, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS && status != ERROR_MORE_DATA) return value;
    value.kind = type == REG_DWORD ? ConfigKind::dword : ConfigKind::other;
    value.size = size;
    if (status == ERROR_SUCCESS)
        for (DWORD i = 0; i < 4 && i < size; ++i) value.bytes[i] = data[i];
    return value;
}

}  // namespace vapxl
