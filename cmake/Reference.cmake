# SPDX-License-Identifier: LGPL-2.1-or-later
# The runtime's API reference, made by Doxygen from the public headers (runtime_public_headers)
# when Doxygen is installed: the `docs` target, built with the rest and again whenever a
# header changes, and installed as HTML with the development files, under
# share/doc/libdesktop-suite-runtime-dev/reference/. A public
# name without a doc comment fails it, and so does the test runtime_reference, which a
# build of some targets alone would otherwise leave unchecked.
find_package(Doxygen)
if(DOXYGEN_FOUND)
    set(reference_folder ${PROJECT_BINARY_DIR}/reference)
    # One header a line, so that a path with spaces stays whole.
    set(reference_inputs)
    set(reference_headers)
    foreach(header IN LISTS runtime_public_headers)
        string(APPEND reference_inputs "INPUT += \"${CMAKE_CURRENT_SOURCE_DIR}/${header}\"\n")
        list(APPEND reference_headers ${CMAKE_CURRENT_SOURCE_DIR}/${header})
    endforeach()
    configure_file(${PROJECT_SOURCE_DIR}/docs/Doxyfile.in ${reference_folder}/Doxyfile @ONLY)
    add_custom_command(OUTPUT ${reference_folder}/html/index.html
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${reference_folder}/html
        COMMAND Doxygen::doxygen ${reference_folder}/Doxyfile
        DEPENDS ${reference_headers} ${reference_folder}/Doxyfile ${PROJECT_SOURCE_DIR}/docs/reference.md
        COMMENT "Making the runtime's API reference"
        VERBATIM)
    add_custom_target(docs ALL DEPENDS ${reference_folder}/html/index.html)
    install(DIRECTORY ${reference_folder}/html/
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/libdesktop-suite-runtime-dev/reference
        FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ COMPONENT development)
    if(SUITE_TESTS AND NOT SUITE_SANITIZE)
        add_test(NAME runtime_reference
            COMMAND ${PROJECT_SOURCE_DIR}/tools/check-reference ${DOXYGEN_EXECUTABLE} ${reference_folder}/Doxyfile)
    endif()
endif()
