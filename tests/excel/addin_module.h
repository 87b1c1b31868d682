// The built add-in loaded the way the host loads it (dlopen, entry points by name), and a fake
// platform (clock, window list, help viewer) plugged into its hook table.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "vapxl_hooks.h"
#include "xlcall.h"

namespace fakexl {

using EntryFn = int (*)();
using InfoFn = LPXLOPER (*)(LPXLOPER);
using HelpFn = short (*)();
using VersionFn = LPXLOPER (*)();
using OneValueFn = LPXLOPER (*)(LPXLOPER, LPXLOPER);
using TwoValueFn = LPXLOPER (*)(LPXLOPER, LPXLOPER, LPXLOPER);

class AddinModule {
  public:
    static AddinModule& instance();

    void* symbol(const std::string& name) const;
    template <class F>
    F entry(const std::string& name) const {
        return reinterpret_cast<F>(symbol(name));
    }

    EntryFn autoOpen = nullptr;
    EntryFn autoClose = nullptr;
    EntryFn autoAdd = nullptr;
    EntryFn autoRemove = nullptr;
    InfoFn managerInfo = nullptr;
    HelpFn steamHelp = nullptr;
    VersionFn stmVer = nullptr;
    VapxlSetHooksFn setHooks = nullptr;

  private:
    AddinModule();
    void* handle_ = nullptr;
};

// The platform the add-in sees in the tests: a millisecond clock that moves only when the add-in
// sleeps (or stands still), a list of top-level windows, and a recorder of help requests.
struct HelpRequest {
    std::uintptr_t owner;
    std::string file;
    unsigned command;
};

struct FakePlatform {
    long long milliseconds = 100000;
    bool clockStuck = false;
    int clockReads = 0;
    int sleeps = 0;
    std::vector<std::pair<std::uintptr_t, std::string>> windows;
    std::vector<HelpRequest> help;

    void reset();
    VapxlHooks hooks();
};

FakePlatform& fakePlatform();

// A symbol of the property library, looked up by name in the running process.
void* propertySymbol(const std::string& name);

}  // namespace fakexl
