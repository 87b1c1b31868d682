/* A stand-in for the add-ins' hosts: loads the installed modules as a host does (dlopen, entry points
 * by name) and reports what they offer, so a module whose libraries do not resolve from its install
 * folder, or whose load-time registration fails, shows here.
 *   load_addins <vapxl32.so> <vapmcad.so>
 * Built with -rdynamic: the spreadsheet add-in takes Excel4/Excel4v from the loading process. */
#include <dlfcn.h>
#include <stdio.h>

/* Excel's callbacks; every call fails (xlretFailed), as without a running Excel. */
int Excel4(int xlfn, void* result, int count, ...) {
    (void)xlfn;
    (void)result;
    (void)count;
    return 32;
}
int Excel4v(int xlfn, void* result, int count, void* opers[]) {
    (void)xlfn;
    (void)result;
    (void)count;
    (void)opers;
    return 32;
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: load_addins <vapxl32.so> <vapmcad.so>\n");
        return 2;
    }
    void* xl = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    if (!xl) {
        printf("vapxl32 not loaded: %s\n", dlerror());
        return 1;
    }
    printf("vapxl32 loaded, xlAutoOpen %s, xlAutoClose %s\n",
           dlsym(xl, "xlAutoOpen") ? "found" : "missing",
           dlsym(xl, "xlAutoClose") ? "found" : "missing");

    /* The Mathcad add-in registers its message table and functions with mcaduser while it loads;
       the stand-in host library beside it counts them. */
    void* mcad = dlopen(argv[2], RTLD_NOW | RTLD_LOCAL);
    if (!mcad) {
        printf("vapmcad not loaded: %s\n", dlerror());
        return 1;
    }
    void* host = dlopen("libmcaduser.so", RTLD_NOW | RTLD_NOLOAD);
    if (!host) {
        printf("vapmcad loaded without libmcaduser.so\n");
        return 1;
    }
    unsigned int (*functions)(void) = (unsigned int (*)(void))dlsym(host, "fakeMcadFunctionCount");
    unsigned int (*tables)(void) = (unsigned int (*)(void))dlsym(host, "fakeMcadTableCalls");
    if (!functions || !tables) {
        printf("libmcaduser.so without its counters\n");
        return 1;
    }
    printf("vapmcad loaded, message tables %u, functions %u\n", tables(), functions());
    return 0;
}
