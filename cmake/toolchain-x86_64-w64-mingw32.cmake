# Cross build of the 64-bit Windows modules with Debian's mingw-w64 (g++-mingw-w64-x86-64):
#   cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake \
#         -DVAPROP_BUILD_TESTS=OFF -DVAPROP_BUILD_BENCH=OFF -DVAPROP_BUILD_APP=OFF
# The modules take 64-bit names (vaprop64.dll, vaprop67x64.dll, vapxl64.xll, vapmcad64.dll; see
# cmake/Win32Modules.cmake), so that both sets can lie in one folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VAPROP_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VAPROP_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${VAPROP_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${VAPROP_MINGW_PREFIX}-windres)
set(CMAKE_DLLTOOL ${VAPROP_MINGW_PREFIX}-dlltool)
set(CMAKE_OBJDUMP ${VAPROP_MINGW_PREFIX}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${VAPROP_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# SSE2 is the x86-64 arithmetic already; no fused multiply-add, so every object computes the same
# bits as the Linux and the 32-bit Windows builds.
set(CMAKE_C_FLAGS_INIT "-ffp-contract=off")
set(CMAKE_CXX_FLAGS_INIT "-ffp-contract=off")

# No compiler runtime DLLs next to the modules, and no link time in the PE header (same input, same
# bytes).
set(VAPROP_WIN32_LINK_FLAGS "-static-libgcc -static-libstdc++ -Wl,--no-insert-timestamp")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${VAPROP_WIN32_LINK_FLAGS}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${VAPROP_WIN32_LINK_FLAGS}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${VAPROP_WIN32_LINK_FLAGS}")

# The module helpers (vaprop_win32_module) and the wine test programs join the project right after
# its project() call.
set(CMAKE_PROJECT_INCLUDE ${CMAKE_CURRENT_LIST_DIR}/Win32Modules.cmake)
