// The loader's binding of the modules: `loader_test <module> refused` expects LoadLibrary of the
// module to fail because a library it imports is missing (ERROR_MOD_NOT_FOUND); `loads` expects it
// to load. (An imported library that lacks an ordinal cannot be tested under wine: its loader binds
// a stub to a missing import and loads the module, where Windows refuses it.)
//
// 64-bit only: `loader_test <add-in> no-host` loads the spreadsheet add-in into this program, which
// exports no MdCallBack12 (no host of the current API): opening still answers 1, a worksheet function
// with its unit set computes, and one without it cannot read StmBaseUnits and gives #NUM! instead of
// assuming Eng.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "module_names.h"
#include "test_report.h"
#include "xl_oper.h"

namespace {

template <typename F>
F as(FARPROC entry) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(entry));
}

#if defined(_WIN64)
void checkWithoutHost(w32test::Report& report, HMODULE addin) {
    using xlfake::Oper;
    using Entry = int(__stdcall*)();
    using Procedure3 = Oper*(__stdcall*)(Oper*, Oper*, Oper*);
    using AutoFree = void(__stdcall*)(Oper*);
    using Export2 = double(__stdcall*)(double, double, int);
    Entry open = as<Entry>(GetProcAddress(addin, "xlAutoOpen"));
    Procedure3 pth = as<Procedure3>(GetProcAddress(addin, "xlStmPTH"));
    AutoFree autoFree = as<AutoFree>(GetProcAddress(addin, "xlAutoFree12"));
    Export2 direct = as<Export2>(GetProcAddress(GetModuleHandleA(w32test::kVapropDll), "StmPTH"));
    if (!report.check(open && pth && autoFree && direct, "entry points found")) return;
    report.check(open() == 1, "xlAutoOpen answers 1 without a host to register with");
    Oper p{}, t{}, units{};
    p.xltype = t.xltype = units.xltype = xlfake::kNum;
    p.val.num = 100, t.val.num = 500, units.val.num = 1;
    Oper* r = pth(&p, &t, &units);
    report.check((r->xltype & xlfake::kTypeMask) == xlfake::kNum && r->val.num == direct(100, 500, 1),
                 "=StmPTH(100, 500, 1) computes without a host");
    if (r->xltype & xlfake::kDLLFree) autoFree(r);
    units.xltype = xlfake::kMissing;
    r = pth(&p, &t, &units);
    report.check((r->xltype & xlfake::kTypeMask) == xlfake::kErr && r->val.err == xlfake::kErrNum,
                 "=StmPTH(100, 500) gives #NUM! when StmBaseUnits cannot be read");
    if (r->xltype & xlfake::kDLLFree) autoFree(r);
}
#endif

}  // namespace

int main(int argc, char** argv) {
    w32test::Report report;
    if (argc != 3) return 1;
    const bool refused = std::strcmp(argv[2], "refused") == 0;
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryA(argv[1]);
    const DWORD error = GetLastError();
    char what[256];
    if (refused) {
        std::snprintf(what,
                      sizeof what,
                      "%s refused by the loader (module %p, error %lu)",
                      argv[1],
                      static_cast<void*>(module),
                      error);
        report.check(module == nullptr && error == ERROR_MOD_NOT_FOUND, what);
    } else {
        std::snprintf(what, sizeof what, "%s loaded (error %lu)", argv[1], error);
        report.check(module != nullptr, what);
    }
#if defined(_WIN64)
    if (module != nullptr && std::strcmp(argv[2], "no-host") == 0) checkWithoutHost(report, module);
#endif
    if (module != nullptr) FreeLibrary(module);
    return report.finish(argv[1]);
}
