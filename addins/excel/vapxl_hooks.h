/* Test seam of the POSIX build of the add-in: replaces the clock, the window list and the help
   viewer with the caller's. Exported only where the module is built with visible symbols; the
   Windows module's .def file does not list it. */
#ifndef VAPXL_HOOKS_H
#define VAPXL_HOOKS_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int (*VapxlWindowVisitor)(void* visitContext, uintptr_t handle, const char* className);

typedef struct VapxlHooks {
    void* context;
    long long (*clockSeconds)(void* context);
    void (*sleepMilliseconds)(void* context, unsigned milliseconds);
    void (*enumerateWindows)(void* context, VapxlWindowVisitor visit, void* visitContext);
    void (*showHelp)(void* context, uintptr_t owner, const char* helpFile, unsigned command);
} VapxlHooks;

/* Null restores the operating system's own. */
typedef void (*VapxlSetHooksFn)(const VapxlHooks* hooks);

#ifdef __cplusplus
}
#endif

#endif
