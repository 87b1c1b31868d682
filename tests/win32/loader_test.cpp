// The loader's binding of the modules: `loader_test <module> refused` expects LoadLibrary of the
// module to fail because a library it imports is missing (ERROR_MOD_NOT_FOUND); `loads` expects it
// to load. (An imported library that lacks an ordinal cannot be tested under wine: its loader binds
// a stub to a missing import and loads the module, where Windows refuses it.)
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "test_report.h"

int main(int argc, char** argv) {
    w32test::Report report;
    if (argc != 3) return 1;
    const bool refused = std::strcmp(argv[2], "refused") == 0;
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryA(argv[1]);
    const DWORD error = GetLastError();
    char what[256];
    if (refused) {
        std::snprintf(what, sizeof what, "%s refused by the loader (module %p, error %lu)", argv[1],
                      static_cast<void*>(module), error);
        report.check(module == nullptr && error == ERROR_MOD_NOT_FOUND, what);
    } else {
        std::snprintf(what, sizeof what, "%s loaded (error %lu)", argv[1], error);
        report.check(module != nullptr, what);
    }
    if (module != nullptr) FreeLibrary(module);
    return report.finish(argv[1]);
}
