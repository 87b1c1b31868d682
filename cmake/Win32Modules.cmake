# Helpers of the Windows builds, 32-bit and 64-bit (included after project() by the mingw toolchain
# files).
#
# vaprop_win32_module(<target> [DEF <file.def>] [DEF64 <file.def>] [SUFFIX <.ext>])
#   Makes <target> a Windows module named like the product's file: no "lib" prefix, the given file
#   extension, the export table of the .def file (names at fixed ordinals, nothing else exported).
#   For a DLL others link against, the import library the linker writes is replaced after every link
#   by one made from the same .def: every export bound by ordinal only (NONAME), the start-up entry
#   left out (an importer would otherwise bind DllMain as its own entry point). Importers keep linking
#   the target by name; what they get is the ordinal binding, and an ordinal cannot drift from the
#   module's own table.
#   In the 64-bit build the module takes its 64-bit name (VAPROP_WIN64_NAMES) and an export table made
#   from the same .def (or DEF64 where the 64-bit module exports other entry points): the library
#   name is the 64-bit file name, the names and ordinals stay, the stdcall decorations go (x86-64 has
#   one calling convention and undecorated names).
include_guard(GLOBAL)

# The bitness of the modules this build makes.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(VAPROP_WIN64 ON)
else()
  set(VAPROP_WIN64 OFF)
endif()

# 64-bit module names, chosen so that both sets can lie in one folder: target=file name.
set(VAPROP_WIN64_NAMES vaprop32=vaprop64 vaprop67=vaprop67x64 vapxl32=vapxl64 vapmcad=vapmcad64)

# The file name (without suffix) of `target` in this build.
function(vaprop_win_module_name target out)
  set(name ${target})
  if(VAPROP_WIN64)
    foreach(pair IN LISTS VAPROP_WIN64_NAMES)
      if(pair MATCHES "^${target}=(.+)$")
        set(name ${CMAKE_MATCH_1})
      endif()
    endforeach()
  endif()
  set(${out} ${name} PARENT_SCOPE)
endfunction()

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
    if(VAPROP_WIN64)
      # x86-64 symbols carry no stdcall decoration.
      string(REGEX REPLACE "@[0-9]+$" "" symbol ${symbol})
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

# Writes the 64-bit export table of `def_file` to `out_file`: LIBRARY names `dll_name`; every export
# line keeps its exported name and ordinal and loses the "= Symbol@N" part (or the "@N" of a bare
# decorated symbol).
function(vaprop_win64_def def_file dll_name out_file)
  file(STRINGS ${def_file} lines)
  set(body "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*;" OR line MATCHES "^[ \t]*$")
      continue()
    elseif(line MATCHES "^[ \t]*LIBRARY")
      continue()
    elseif(line MATCHES "^[ \t]*EXPORTS")
      continue()
    endif()
    string(REGEX REPLACE ";.*" "" line "${line}")
    string(REGEX REPLACE "^[ \t]*([A-Za-z_][A-Za-z0-9_]*)[ \t]*=[ \t]*[A-Za-z_][A-Za-z0-9_@]*" "\\1" line "${line}")
    string(REGEX REPLACE "^[ \t]*([A-Za-z_][A-Za-z0-9_]*)@[0-9]+" "\\1" line "${line}")
    string(STRIP "${line}" line)
    string(APPEND body "    ${line}\n")
  endforeach()
  file(CONFIGURE OUTPUT ${out_file} CONTENT
       "; Made from ${def_file} for the 64-bit module: same names and ordinals, no decorations.\nLIBRARY ${dll_name}\nEXPORTS\n${body}")
endfunction()

function(vaprop_win32_module target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "DEF;DEF64;SUFFIX" "")
  set_target_properties(${target} PROPERTIES PREFIX "")
  if(arg_SUFFIX)
    set_target_properties(${target} PROPERTIES SUFFIX ${arg_SUFFIX})
  endif()
  vaprop_win_module_name(${target} file_name)
  if(VAPROP_WIN64)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${file_name})
  endif()
  if(NOT arg_DEF)
    return()
  endif()
  get_filename_component(def ${arg_DEF} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
  set(link_def ${def})
  if(VAPROP_WIN64)
    if(arg_DEF64)
      get_filename_component(link_def ${arg_DEF64} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    else()
      set(file_suffix ${arg_SUFFIX})
      if(NOT file_suffix)
        set(file_suffix ${CMAKE_SHARED_LIBRARY_SUFFIX})
      endif()
      set(link_def ${CMAKE_CURRENT_BINARY_DIR}/${target}_x64.def)
      vaprop_win64_def(${def} ${file_name}${file_suffix} ${link_def})
    endif()
  endif()
  # The module links exactly one export table: the 32-bit .def a component listed among its sources
  # gives way to the 64-bit one.
  get_target_property(sources ${target} SOURCES)
  set(kept "")
  foreach(source IN LISTS sources)
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    if(NOT path STREQUAL def AND NOT path STREQUAL link_def)
      list(APPEND kept ${source})
    endif()
  endforeach()
  set_property(TARGET ${target} PROPERTY SOURCES ${kept} ${link_def})

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
    vaprop_win32_ordinal_def(${link_def} ${output_name}${suffix} ${import_def})
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

# The programs, fake host libraries and expected tables of the wine tests (tests/win32, both
# bitnesses), added once every component folder has defined its targets.
option(VAPROP_WIN32_TESTS "Build the wine test programs and fake host libraries" OFF)
# (A deferred call cannot add a directory, so the test targets are included into the top directory.)
macro(vaprop_win32_add_tests)
  if(VAPROP_WIN32_TESTS AND EXISTS ${PROJECT_SOURCE_DIR}/tests/win32/targets.cmake)
    include(${PROJECT_SOURCE_DIR}/tests/win32/targets.cmake)
  endif()
endmacro()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL vaprop_win32_add_tests)
