// A host library for tests: the three mcaduser functions of the Mathcad user-function interface,
// recording what an add-in registers, and a control interface for the tests.
//
// On Linux it is libmcaduser.so, the library vapmcad links against; built for Windows it is a
// mcaduser.dll exporting the three host functions by name next to the control functions. Tests load
// the add-in after setting the host up (its registration runs at load), then read the records and
// call the registered functions through them, as the host would.
#pragma once

#if defined(_WIN32)
#define MCAD_HOST_API __declspec(dllexport)
#else
#define MCAD_HOST_API __attribute__((visibility("default")))
#endif

#include "mcaduser.h"

extern "C" {

// Forgets every record; tables are accepted again and no interruption is reported.
MCAD_HOST_API void MCAD_CALL fakeMcadReset(void);
// Whether CreateUserErrorMessageTable accepts tables (non-zero, the default) or refuses them.
MCAD_HOST_API void MCAD_CALL fakeMcadAcceptTables(int accept);
// The answer of isUserInterrupted from now on.
MCAD_HOST_API void MCAD_CALL fakeMcadSetInterrupted(int interrupted);
// How often isUserInterrupted has been asked since the last reset.
MCAD_HOST_API unsigned int MCAD_CALL fakeMcadInterruptQueries(void);

// How often CreateUserErrorMessageTable was called, accepted or not.
MCAD_HOST_API unsigned int MCAD_CALL fakeMcadTableCalls(void);
// The accepted table: its module, its length and message n (1-based; null outside the table).
MCAD_HOST_API McadModule MCAD_CALL fakeMcadTableModule(void);
MCAD_HOST_API unsigned int MCAD_CALL fakeMcadMessageCount(void);
MCAD_HOST_API const char* MCAD_CALL fakeMcadMessage(unsigned int index);

// The registered functions in registration order (0-based): a copy of the record as it was at
// registration, its texts held by the host, and the module that registered it.
MCAD_HOST_API unsigned int MCAD_CALL fakeMcadFunctionCount(void);
MCAD_HOST_API const FUNCTIONINFO* MCAD_CALL fakeMcadFunction(unsigned int i);
MCAD_HOST_API McadModule MCAD_CALL fakeMcadFunctionModule(unsigned int i);
// The record registered under this name, null when there is none.
MCAD_HOST_API const FUNCTIONINFO* MCAD_CALL fakeMcadFind(const char* name);

// Calls a registered function as the host does: the output scalar and the record's nArgs argument
// scalars (args[0] .. args[nArgs - 1]). Records with more than 4 arguments are not called: -1.
MCAD_HOST_API McadResult MCAD_CALL fakeMcadCall(const FUNCTIONINFO* record, COMPLEXSCALAR* out,
                                                const COMPLEXSCALAR* args);
}
