# SPDX-License-Identifier: LGPL-2.1-or-later
# The suite as Debian packages, one for each install component: cpack -G DEB in the build
# folder (./suite package). They install under /usr, whatever prefix the build was
# configured with.
#   runtime      libdesktop-suite-runtime0       the runtime library
#   development  libdesktop-suite-runtime-dev    its headers, link name, CMake and pkg-config files
#   programs     desktop-suite                   the programs, control libraries and their catalogue
#   designer     desktop-suite-designer-plugin   the Qt Designer plugin
set(SUITE_MAINTAINER "Desktop suite maintainers <maintainers@users.noreply.c-seed-fdda3f79.example>")
set(suite_components runtime development programs designer)
set(suite_component_packages libdesktop-suite-runtime0 libdesktop-suite-runtime-dev desktop-suite
    desktop-suite-designer-plugin)

# Debian wants a copyright file and a compressed changelog in each package's documentation
# folder; gzip -n keeps the time stamp out, so that the same sources give the same package.
configure_file(packaging/changelog.in changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9nc changelog > changelog.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
    VERBATIM)
add_custom_target(compressed_changelog ALL DEPENDS changelog.gz)
set(CPACK_COMPONENTS_ALL ${suite_components})
foreach(component package IN ZIP_LISTS suite_components suite_component_packages)
    string(TOUPPER ${component} upper)
    set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${package})
    install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/${package} COMPONENT ${component})
    # What lintian says of a package that is no fault of it, each with its reason.
    if(EXISTS ${PROJECT_SOURCE_DIR}/packaging/lintian/${package})
        install(FILES packaging/lintian/${package}
            DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides COMPONENT ${component})
    endif()
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_NAME desktop-suite)
set(CPACK_PACKAGE_CONTACT ${SUITE_MAINTAINER})
# Each description's first line is its package's summary.
set(CPACK_DEBIAN_RUNTIME_DESCRIPTION "runtime library of the desktop suite
The one library of the desktop suite that knows Qt 6 Widgets: forms and
their controls, message boxes, text files and pattern search, and the
hosting of controls from control libraries that a catalogue names by class
identifier. The suite's programs and control libraries link it.")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "development files of the desktop suite's runtime
Headers, the link name, the CMake package DesktopSuite and the pkg-config
file desktop-suite-runtime.pc of the desktop suite's runtime, for building
programs and control libraries against it, with the headers that name the
members of the suite's phone entry and unique list controls.")
set(CPACK_DEBIAN_PROGRAMS_DESCRIPTION "six small desktop programs and two reusable controls
Six small windowed programs on Qt 6 Widgets: a name list (vornd), a grade
book (grades), a phone control test window (tesktest), a lunch order
calculator (brakka), a data file chooser (quenta) and a text file list
viewer (pellix). They share one runtime library of forms, controls,
message boxes and files. Two control libraries, a phone entry control and
a unique list control, are loaded at run time through the catalogue
installed with them, or a user's own; the controls tool registers them
and tries them out.")
set(CPACK_DEBIAN_DESIGNER_DESCRIPTION "Qt Designer plugin offering the desktop suite's controls
Offers in Qt Designer's widget box, in its group Desktop Suite, every
registered control of the desktop suite whose library a host would load,
and makes them by class identifier at design time and in forms loaded
with QUiLoader.")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_SECTION education)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(SUITE_HOMEPAGE)
    set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SUITE_HOMEPAGE})
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)

# Each package needs the runtime of its very version; dpkg-shlibdeps adds the libraries
# the binaries link. Qt loads its platform plugins and the designs' fonts by name, and a
# build against the runtime needs Qt's own development files, so those are named here.
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_COMPONENT_DEVELOPMENT_DEPENDS runtime)
set(CPACK_COMPONENT_PROGRAMS_DEPENDS runtime)
set(CPACK_COMPONENT_DESIGNER_DEPENDS runtime)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_DEBIAN_PROGRAMS_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-wine")
# The designer offers the controls that a catalogue lists, as this suite's package has.
set(CPACK_DEBIAN_DESIGNER_PACKAGE_RECOMMENDS "desktop-suite")
# The runtime lies in the system's library folder: a shlibs file, by which packages built
# against it depend on it from this version on, and the trigger that refreshes the loader's
# cache go with it.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack also calls ldconfig from maintainer scripts of its own for a library it finds in
# /usr/lib, where the trigger does that work: they are taken out of the finished package.
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DropLdconfigScripts.cmake)
set(CPACK_STRIP_FILES ON)
include(CPack)
