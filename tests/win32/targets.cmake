# Programs and fake host libraries of the wine tests (Windows builds of both bitnesses), included by
# cmake/Win32Modules.cmake once every component has defined its targets. The driver
# tests/win32/run-wine-tests.sh puts them next to the modules in a scratch folder and runs them.
set(w32 ${CMAKE_CURRENT_LIST_DIR})

# Every vaprop32 export on the case list; the native twin (same source) writes the expected lines.
add_executable(case_runner ${w32}/case_runner.cpp)

# LoadLibrary of one module, expected to load or to be refused by the loader.
add_executable(loader_test ${w32}/loader_test.cpp)

# The spreadsheet add-in test with the host's callbacks: in the 32-bit build the callback library
# XLCALL32.DLL (Excel4 and Excel4v by ordinal); in the 64-bit build the host part is compiled into the
# test program, which exports the current API's callback MdCallBack12 as the host program does.
if(VAPROP_WIN64)
  add_executable(xll_test ${w32}/xll_test.cpp ${w32}/fake_xlcall32.cpp)
  target_compile_definitions(xll_test PRIVATE FAKE_XLCALL32_BUILD)
  set(xl_host xll_test)
else()
  add_library(xlcall32_fake SHARED ${w32}/fake_xlcall32.cpp)
  target_compile_definitions(xlcall32_fake PRIVATE FAKE_XLCALL32_BUILD)
  set_target_properties(xlcall32_fake PROPERTIES OUTPUT_NAME XLCALL32 SUFFIX ".DLL")
  vaprop_win32_module(xlcall32_fake DEF ${w32}/fake_xlcall32.def)
  add_executable(xll_test ${w32}/xll_test.cpp)
  target_link_libraries(xll_test PRIVATE xlcall32_fake)
  set(xl_host xlcall32_fake)
endif()

# The Mathcad add-in test, linked against the test host mcaduser.dll of addins/mathcad.
if(TARGET mcaduser)
  add_executable(mcad_test ${w32}/mcad_test.cpp)
  target_link_libraries(mcad_test PRIVATE mcaduser)
endif()

add_custom_target(win32_tests ALL)
add_dependencies(win32_tests case_runner loader_test ${xl_host} xll_test)
if(TARGET mcad_test)
  add_dependencies(win32_tests mcad_test)
endif()
