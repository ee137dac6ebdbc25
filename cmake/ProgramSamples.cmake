# SPDX-License-Identifier: LGPL-2.1-or-later
# suite_add_samples(<program>)
# The sample data files in the folder's samples/, so that the program's first run has
# something to show. The build puts each beside the programs unless a file of that name
# is there already, so a user's own edits survive a rebuild; the installation puts them
# in share/desktop-suite/samples/<program>/, from where the installed program copies them
# into the user's own folder for it on first use.
function(suite_add_samples program)
    set(samples ${CMAKE_CURRENT_SOURCE_DIR}/samples)
    add_custom_target(${program}_samples ALL
        COMMAND ${CMAKE_COMMAND} -DSAMPLES=${samples} -DFOLDER=${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
            -P ${PROJECT_SOURCE_DIR}/cmake/CopyMissingFiles.cmake
        COMMENT "Putting the samples of ${program} beside the programs"
        VERBATIM)
    install(DIRECTORY ${samples}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/desktop-suite/samples/${program}
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endfunction()
