// Platform-independent parts of the platform layer: the hook table in use, the units-required
// decision, the main-window search and the banner wait.
#include "platform.h"

namespace vapxl {

namespace {

PlatformHooks& currentHooks() noexcept {
    static PlatformHooks current = systemHooks();
    return current;
}

constexpr char lower(char c) noexcept { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool isHostClassName(const char* className) noexcept {
    static constexpr char kHostClass[] = "xlmain";
    if (className == nullptr) return false;
    std::size_t i = 0;
    for (; kHostClass[i] != '\0'; ++i)
        if (lower(className[i]) != kHostClass[i]) return false;
    return className[i] == '\0';
}

struct WindowSearch {
    std::uint16_t lowBits;
    std::uintptr_t found;
};

int visitWindow(void* visitContext, std::uintptr_t handle, const char* className) {
    auto* const search = static_cast<WindowSearch*>(visitContext);
    if (static_cast<std::uint16_t>(handle & 0xFFFFu) == search->lowBits && isHostClassName(className)) {
        search->found = handle;
        return 0;
    }
    return 1;
}

// Length of one sleep between looks at the seconds counter.
constexpr unsigned kWaitSliceMs = 100;

}  // namespace

const PlatformHooks& hooks() noexcept { return currentHooks(); }

void replaceHooks(const PlatformHooks* replacement) noexcept {
    currentHooks() = replacement != nullptr ? *replacement : systemHooks();
}

bool unitsRequiredFrom(const ConfigValue& value) noexcept {
    if (value.kind != ConfigKind::dword || value.size != 4) return false;
    const unsigned low16 = static_cast<unsigned>(value.bytes[0]) | (static_cast<unsigned>(value.bytes[1]) << 8);
    return low16 != 0;
}

std::uintptr_t findHostWindow(std::uint16_t handleLowBits) noexcept {
    const PlatformHooks& h = hooks();
    WindowSearch search{handleLowBits, 0};
    if (h.enumerateWindows != nullptr) h.enumerateWindows(h.context, visitWindow, &search);
    return search.found;
}

void waitSeconds(int seconds) noexcept {
    const PlatformHooks& h = hooks();
    if (h.clockSeconds == nullptr || h.sleepMilliseconds == nullptr || seconds <= 0) return;
    const long long start = h.clockSeconds(h.context);
    // Enough slices for twice the wait: a clock that does not advance ends the wait there.
    const long long maxSlices = 2LL * seconds * (1000 / kWaitSliceMs);
    for (long long slice = 0; slice < maxSlices; ++slice) {
        const long long now = h.clockSeconds(h.context);
        if (now - start >= seconds) return;
        h.sleepMilliseconds(h.context, kWaitSliceMs);
    }
}

}  // namespace vapxl
