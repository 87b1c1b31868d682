# Programs and fake host libraries of the wine tests (32-bit Windows build only), included by
# cmake/Win32Modules.cmake once every component has defined its targets. The driver
# tests/win32/run-wine-tests.sh puts them next to the modules in a scratch folder and runs them.
set(w32 ${CMAKE_CURRENT_LIST_DIR})

# Every vaprop32 export on the case list; the native twin (same source) writes the expected lines.
add_executable(case_runner ${w32}/case_runner.cpp)

# LoadLibrary of one module, expected to load or to be refused by the loader.
add_executable(loader_test ${w32}/loader_test.cpp)

# The spreadsheet host's callback library, and the add-in test that loads vapxl32.xll through it.
add_library(xlcall32_fake SHARED ${w32}/fake_xlcall32.cpp)
target_compile_definitions(xlcall32_fake PRIVATE FAKE_XLCALL32_BUILD)
set_target_properties(xlcall32_fake PROPERTIES OUTPUT_NAME XLCALL32 SUFFIX ".DLL")
vaprop_win32_module(xlcall32_fake DEF ${w32}/fake_xlcall32.def)
add_executable(xll_test ${w32}/xll_test.cpp)
target_link_libraries(xll_test PRIVATE xlcall32_fake)

# The Mathcad add-in test, linked against the test host mcaduser.dll of addins/mathcad.
if(TARGET mcaduser)
  add_executable(mcad_test ${w32}/mcad_test.cpp)
  target_link_libraries(mcad_test PRIVATE mcaduser)
endif()

add_custom_target(win32_tests ALL)
add_dependencies(win32_tests case_runner loader_test xlcall32_fake xll_test)
if(TARGET mcad_test)
  add_dependencies(win32_tests mcad_test)
endif()
