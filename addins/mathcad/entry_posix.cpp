// Load notification of vapmcad on POSIX systems: the loader runs this constructor when the host
// loads the shared object, as it would deliver the process-attach notification on Windows.
#include <dlfcn.h>

#include "functions.h"

namespace {

// The module is named to the host by its load address, as a module handle names it on Windows.
McadModule thisModule() noexcept {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&thisModule), &info) == 0) return nullptr;
    return info.dli_fbase;
}

__attribute__((constructor)) void onLoad() noexcept { vapmcad::registerAddin(thisModule()); }

}  // namespace
