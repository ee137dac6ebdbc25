# SPDX-License-Identifier: LGPL-2.1-or-later
# Install step: writes the suite's fragment of the system catalogue, listing the control
# libraries just installed, with the installed tool itself, so that it is in the very
# format hosts read and every user's programs find the controls with no registration of
# their own. A fragment of its own (controls.d/desktop-suite.json) leaves the catalogues
# of other packages' controls as they are. Under
# DESTDIR the files are staged for a package: the catalogue records the paths they will
# have once installed. Expects SUITE_BINDIR, SUITE_LIBDIR and SUITE_DATADIR, relative to
# the prefix.
set(stage "$ENV{DESTDIR}")
set(installed "${stage}${CMAKE_INSTALL_PREFIX}")
set(tool "${installed}/${SUITE_BINDIR}/controls")
set(libraries "${installed}/${SUITE_LIBDIR}/desktop-suite")
set(catalogue "${installed}/${SUITE_DATADIR}/desktop-suite/controls.d/desktop-suite.json")

execute_process(COMMAND id -u OUTPUT_VARIABLE user OUTPUT_STRIP_TRAILING_WHITESPACE)
if(stage STREQUAL "" AND NOT user STREQUAL "0")
    message(STATUS "Skipping: ${catalogue} (only root writes a catalogue for every user; "
        "register the controls for yourself with ${tool} register ${libraries})")
    return()
endif()

message(STATUS "Installing: ${catalogue}")
# It lists what this installation holds, and nothing an earlier one left.
file(REMOVE "${catalogue}")
set(staging_options)
if(NOT stage STREQUAL "")
    set(staging_options --staged "${stage}")
endif()
execute_process(
    COMMAND "${tool}" register --system --fragment desktop-suite ${staging_options} "${libraries}"
    RESULT_VARIABLE status
    OUTPUT_QUIET
    ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "The system catalogue ${catalogue} could not be written:\n${errors}")
endif()
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${catalogue}")
