// Excel12v of the 64-bit add-in. The host's callback library exports only the version-4 callbacks;
// the current API's callback is an entry point of the host program itself (MdCallBack12), looked
// up once in the process's main module. Without it (a host before version 12, or a program that
// loaded the add-in for another purpose) every call answers xlretFailed and nothing is called.
#include "xlcall.h"

#if defined(_WIN64)
#include <windows.h>

#include <atomic>

namespace {

Excel12EntryPoint hostEntry() noexcept {
    static std::atomic<Excel12EntryPoint> entry{nullptr};
    static std::atomic<bool> looked{false};
    if (!looked.load(std::memory_order_acquire)) {
        // The same answer on every thread, so a race only repeats the lookup.
        HMODULE host = GetModuleHandleW(nullptr);
        FARPROC found = host != nullptr ? GetProcAddress(host, kExcel12EntryName) : nullptr;
        entry.store(reinterpret_cast<Excel12EntryPoint>(reinterpret_cast<void (*)()>(found)),
                    std::memory_order_relaxed);
        looked.store(true, std::memory_order_release);
    }
    return entry.load(std::memory_order_relaxed);
}

}  // namespace

extern "C" int XLL_CALL Excel12v(int xlfn, LPXLOPER12 operRes, int count, LPXLOPER12 opers[]) {
    const Excel12EntryPoint entry = hostEntry();
    if (entry == nullptr) return xlretFailed;
    if (count < 0 || count > xlMaxArguments12 || (count > 0 && opers == nullptr)) return xlretInvCount;
    return entry(xlfn, count, opers, operRes);
}
#endif
