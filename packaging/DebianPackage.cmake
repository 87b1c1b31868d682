# The Debian package: everything the install rules put under the prefix, as one package "vaprop",
# dependencies found by dpkg-shlibdeps from the binaries' needed libraries (libc6, libstdc++6,
# libgcc-s1 and, with the desktop program, the Qt 6 libraries). Built with
#   cmake --build <build> --target package     (configured with -DCMAKE_INSTALL_PREFIX=/usr)
# or in one step by tools/make-deb.sh. The shlibs file declares the two libraries; the ldconfig
# calls after installing and removing are CPack's.
if(WIN32 OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
  return()
endif()
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  message(STATUS "Debian package: configure with -DCMAKE_INSTALL_PREFIX=/usr for the Debian library "
                 "folders (now ${CMAKE_INSTALL_PREFIX}: libraries in /usr/${CMAKE_INSTALL_LIBDIR})")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vaprop)
set(CPACK_PACKAGE_VENDOR "vaprop developers")
set(CPACK_PACKAGE_CONTACT "vaprop developers <vaprop@example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "water and steam properties: IF97 and IFC-67 libraries, calculators, add-ins")
# The long description below the summary line; CPack indents it and marks the empty line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Properties of water and steam for engineering work from two independent
state variables (p,T), (p,x), (T,x), (p,h) or (p,s): temperature, quality,
enthalpy, entropy, specific volume, isobaric heat, speed of sound,
isentropic expansion coefficient, viscosity and thermal conductivity, by
IAPWS-IF97 or by the 1967 IFC formulation.

Contents: the libraries libvaprop32 and libvaprop67 with their C headers,
CMake package and pkg-config files; the command-line calculator vapcalc;
the desktop calculator calvex; the spreadsheet and Mathcad add-in modules.")
if(TARGET vapropcalc_oxt)
  string(APPEND CPACK_DEBIAN_PACKAGE_DESCRIPTION "
The LibreOffice Calc extension is /usr/share/vaprop/libreoffice/vaprop.oxt:
unopkg add installs it for one user, unopkg add --shared for all.")
endif()
if(TARGET vaprop_python)
  string(APPEND CPACK_DEBIAN_PACKAGE_DESCRIPTION "
The Python package vaprop (numpy arrays of states, steam charts) is in
/usr/lib/python3/dist-packages/vaprop.")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CHECKSUM SHA256)
include(CPack)
