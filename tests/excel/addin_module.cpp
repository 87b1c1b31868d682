#include "addin_module.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>

namespace fakexl {

AddinModule& AddinModule::instance() {
    static AddinModule module;
    return module;
}

AddinModule::AddinModule() {
    handle_ = dlopen(VAPXL32_MODULE_PATH, RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        std::fprintf(stderr, "cannot load the add-in %s: %s\n", VAPXL32_MODULE_PATH, dlerror());
        std::abort();
    }
    autoOpen = entry<EntryFn>("xlAutoOpen");
    autoClose = entry<EntryFn>("xlAutoClose");
    autoAdd = entry<EntryFn>("xlAutoAdd");
    autoRemove = entry<EntryFn>("xlAutoRemove");
    managerInfo = entry<InfoFn>("xlAddInManagerInfo");
    steamHelp = entry<HelpFn>("GetSteamHelp");
    stmVer = entry<VersionFn>("xlStmVer");
    setHooks = entry<VapxlSetHooksFn>("vapxlSetHooks");
}

void* AddinModule::symbol(const std::string& name) const { return dlsym(handle_, name.c_str()); }

void* propertySymbol(const std::string& name) { return dlsym(RTLD_DEFAULT, name.c_str()); }

namespace {

long long fakeSeconds(void* context) {
    auto* const p = static_cast<FakePlatform*>(context);
    ++p->clockReads;
    return p->milliseconds / 1000;
}

void fakeSleep(void* context, unsigned ms) {
    auto* const p = static_cast<FakePlatform*>(context);
    ++p->sleeps;
    if (!p->clockStuck) p->milliseconds += ms;
}

void fakeWindows(void* context, VapxlWindowVisitor visit, void* visitContext) {
    auto* const p = static_cast<FakePlatform*>(context);
    for (const auto& [handle, className] : p->windows)
        if (visit(visitContext, handle, className.c_str()) == 0) return;
}

void fakeHelp(void* context, std::uintptr_t owner, const char* file, unsigned command) {
    auto* const p = static_cast<FakePlatform*>(context);
    p->help.push_back({owner, file != nullptr ? file : "", command});
}

}  // namespace

void FakePlatform::reset() { *this = FakePlatform{}; }

VapxlHooks FakePlatform::hooks() { return VapxlHooks{this, fakeSeconds, fakeSleep, fakeWindows, fakeHelp}; }

FakePlatform& fakePlatform() {
    static FakePlatform platform;
    return platform;
}

}  // namespace fakexl
