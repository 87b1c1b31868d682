# Helpers of the 32-bit Windows build (included after project() by the mingw toolchain file).
#
# vaprop_win32_module(<target> [DEF <file.def>] [SUFFIX <.ext>])
#   Makes <target> a Windows module named like the product's file: no "lib" prefix, the given file
#   extension, the export table of the .def file (names at fixed ordinals, nothing else exported).
#   For a DLL others link against, the import library the linker writes is replaced after every link
#   by one made from the same .def: every export bound by ordinal only (NONAME), the start-up entry
#   left out (an importer would otherwise bind DllMain as its own entry point). Importers keep linking
#   the target by name; what they get is the ordinal binding, and an ordinal cannot drift from the
#   module's own table.
include_guard(GLOBAL)

if(NOT CMAKE_DLLTOOL)
  find_program(CMAKE_DLLTOOL NAMES ${CMAKE_CXX_COMPILER_TARGET}-dlltool i686-w64-mingw32-dlltool dlltool REQUIRED)
endif()

# Writes the ordinal-only import .def of `def_file` to `out_file`. Lines of the export table read
#   Name = Symbol@N @ordinal     or     Symbol @ordinal
# and become "Symbol @ordinal NONAME"; DllMain and DllEntryPoint are skipped.
function(vaprop_win32_ordinal_def def_file dll_name out_file)
  file(STRINGS ${def_file} lines)
  set(body "")
  set(count 0)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE ";.*" "" line "${line}")
    if(line MATCHES "^[ \t]*([A-Za-z_][A-Za-z0-9_]*)[ \t]*=[ \t]*([A-Za-z_][A-Za-z0-9_@]*)[ \t]+@([0-9]+)")
      set(name ${CMAKE_MATCH_1})
      set(symbol ${CMAKE_MATCH_2})
      set(ordinal ${CMAKE_MATCH_3})
    elseif(line MATCHES "^[ \t]*([A-Za-z_][A-Za-z0-9_@]*)[ \t]+@([0-9]+)")
      set(symbol ${CMAKE_MATCH_1})
      set(ordinal ${CMAKE_MATCH_2})
      string(REGEX REPLACE "@[0-9]+$" "" name ${symbol})
    else()
      continue()
    endif()
    if(name STREQUAL "DllMain" OR name STREQUAL "DllEntryPoint")
      continue()
    endif()
    string(APPEND body "    ${symbol} @${ordinal} NONAME\n")
    math(EXPR count "${count} + 1")
  endforeach()
  if(count EQUAL 0)
    message(FATAL_ERROR "${def_file}: no export with an ordinal")
  endif()
  file(CONFIGURE OUTPUT ${out_file} CONTENT
       "; Made from ${def_file}: bind by ordinal only, start-up entry left out.\nLIBRARY ${dll_name}\nEXPORTS\n${body}")
endfunction()

function(vaprop_win32_module target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "DEF;SUFFIX" "")
  set_target_properties(${target} PROPERTIES PREFIX "")
  if(arg_SUFFIX)
    set_target_properties(${target} PROPERTIES SUFFIX ${arg_SUFFIX})
  endif()
  if(NOT arg_DEF)
    return()
  endif()
  get_filename_component(def ${arg_DEF} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  get_target_property(sources ${target} SOURCES)
  set(listed OFF)
  foreach(source IN LISTS sources)
    get_filename_component(source ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(source STREQUAL def)
      set(listed ON)
    endif()
  endforeach()
  if(NOT listed)
    target_sources(${target} PRIVATE ${def})
  endif()

  get_target_property(type ${target} TYPE)
  if(type STREQUAL "SHARED_LIBRARY")
    get_target_property(output_name ${target} OUTPUT_NAME)
    if(NOT output_name)
      set(output_name ${target})
    endif()
    get_target_property(suffix ${target} SUFFIX)
    if(NOT suffix)
      set(suffix ${CMAKE_SHARED_LIBRARY_SUFFIX})
    endif()
    set(import_def ${CMAKE_CURRENT_BINARY_DIR}/${target}_by_ordinal.def)
    vaprop_win32_ordinal_def(${def} ${output_name}${suffix} ${import_def})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
    # Run where the library goes: dlltool names a symbol of every import after the path it is given,
    # and a bare file name keeps the build folder out of the importers.
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_DLLTOOL} -d ${import_def} -D $<TARGET_FILE_NAME:${target}>
              -l $<TARGET_LINKER_FILE_NAME:${target}>
      WORKING_DIRECTORY $<TARGET_LINKER_FILE_DIR:${target}>
      COMMENT "Import library of ${target} by ordinal"
      VERBATIM)
  endif()
endfunction()

# The programs, fake host libraries and expected tables of the wine tests (tests/win32), added once
# every component folder has defined its targets.
option(VAPROP_WIN32_TESTS "Build the wine test programs and fake host libraries" OFF)
# (A deferred call cannot add a directory, so the test targets are included into the top directory.)
macro(vaprop_win32_add_tests)
  if(VAPROP_WIN32_TESTS AND EXISTS ${PROJECT_SOURCE_DIR}/tests/win32/targets.cmake)
    include(${PROJECT_SOURCE_DIR}/tests/win32/targets.cmake)
  endif()
endmacro()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL vaprop_win32_add_tests)
