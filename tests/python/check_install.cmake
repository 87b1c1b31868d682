# Installs the build under a scratch prefix and imports the package from there, with nothing of the
# build tree on any path: the package must find the installed library by its own location.
#   cmake -DBUILD=<build> -DPREFIX=<scratch> -DPYTHONDIR=<python folder below prefix> -DPYTHON=<python3> -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(rc)
  message(FATAL_ERROR "cmake --install failed (${rc})")
endif()

set(script [=[
import os, sys
import vaprop, vaprop.chart
prefix = os.path.realpath(sys.argv[1])
for path in (vaprop.__file__, vaprop._library.PATH):
    assert os.path.realpath(path).startswith(prefix + os.sep), path
assert "LD_LIBRARY_PATH" not in os.environ
h = vaprop.props("PT", 10, 500, "H")
assert h == vaprop._library.StmProp(b"PT", 10.0, 500.0, b"H", 1) and 3000 < h < 4000, h
assert vaprop._tables.ERROR_TEXTS[-1100] == "temperature too low"
print("installed vaprop:", os.path.relpath(vaprop.__file__, prefix), "->", os.path.relpath(vaprop._library.PATH, prefix))
]=])
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH PYTHONPATH=${PREFIX}/${PYTHONDIR} PYTHONDONTWRITEBYTECODE=1
          ${PYTHON} -c "${script}" ${PREFIX}
  WORKING_DIRECTORY ${PREFIX}
  RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "the installed package did not import or compute (${rc})")
endif()
file(REMOVE_RECURSE ${PREFIX})
