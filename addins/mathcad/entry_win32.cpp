// Entry point of vapmcad.dll: the process-attach notification registers the message table and the
// functions; the other notifications do nothing. Loading succeeds either way.
#include <windows.h>

#include "functions.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) vapmcad::registerAddin(module);
    return TRUE;
}
