# SPDX-License-Identifier: LGPL-2.1-or-later
# What a program or control library built outside the tree finds of an installed suite:
# the CMake package DesktopSuite (the imported target DesktopSuite::runtime and the
# function that declares a control library) and the pkg-config file
# desktop-suite-runtime.pc. The runtime's headers are installed beside its target, all of
# them in the install component "development".
include(CMakePackageConfigHelpers)

set(SUITE_QT_VERSION 6.4)
set(package_folder ${CMAKE_INSTALL_LIBDIR}/cmake/DesktopSuite)

install(EXPORT DesktopSuiteTargets NAMESPACE DesktopSuite:: DESTINATION ${package_folder} COMPONENT development)
configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/DesktopSuiteConfig.cmake.in
    ${CMAKE_BINARY_DIR}/DesktopSuiteConfig.cmake
    INSTALL_DESTINATION ${package_folder}
    PATH_VARS CMAKE_INSTALL_BINDIR)
# The runtime's SONAME changes with the major version, and so does what its headers offer.
write_basic_package_version_file(${CMAKE_BINARY_DIR}/DesktopSuiteConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${CMAKE_BINARY_DIR}/DesktopSuiteConfig.cmake
    ${CMAKE_BINARY_DIR}/DesktopSuiteConfigVersion.cmake
    ${PROJECT_SOURCE_DIR}/cmake/ControlLibrary.cmake
    ${PROJECT_SOURCE_DIR}/cmake/controllibrary.map
    DESTINATION ${package_folder} COMPONENT development)

set(pkgconfig_folder ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH SUITE_PC_PREFIX_FROM_PCFILEDIR /prefix/${pkgconfig_folder} /prefix)
string(REGEX REPLACE "/$" "" SUITE_PC_PREFIX_FROM_PCFILEDIR "${SUITE_PC_PREFIX_FROM_PCFILEDIR}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/desktop-suite-runtime.pc.in
    ${CMAKE_BINARY_DIR}/desktop-suite-runtime.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/desktop-suite-runtime.pc DESTINATION ${pkgconfig_folder} COMPONENT development)

