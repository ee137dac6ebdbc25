# The suite as one Debian package: cpack -G DEB in the build folder (./suite package).
# The package installs under /usr, whatever prefix the build was configured with.
set(SUITE_MAINTAINER "Desktop suite maintainers <maintainers@users.noreply.c-seed-fdda3f79.example>")

# Debian wants a copyright file and a compressed changelog in the package's documentation
# folder; gzip -n keeps the time stamp out, so that the same sources give the same package.
configure_file(packaging/changelog.in changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
    COMMAND gzip -9nc changelog > changelog.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
    VERBATIM)
add_custom_target(compressed_changelog ALL DEPENDS changelog.gz)
install(FILES packaging/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME desktop-suite)
set(CPACK_PACKAGE_CONTACT ${SUITE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "six small desktop programs and two reusable controls")
# CPack puts the summary on the first line of this description itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Six small windowed programs on Qt 6 Widgets: a name list (vornd), a grade
book (grades), a phone control test window (tesktest), a lunch order
calculator (brakka), a data file chooser (quenta) and a text file list
viewer (pellix). They share one runtime library of forms, controls,
message boxes and files. Two control libraries, a phone entry control and
a unique list control, are loaded at run time through the catalogue
installed with them, or a user's own; the controls tool registers them
and tries them out.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SUITE_HOMEPAGE})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps adds the libraries the binaries link; Qt loads its platform plugins and the
# designs' fonts by name, so those are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2, fonts-wine")
# The runtime lies in the system's library folder: a shlibs file and the trigger that
# refreshes the loader's cache go with it.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
