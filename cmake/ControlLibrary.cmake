# suite_add_control_library(<name> CONTROL <target> METADATA <version block json> [MEMBERS <header>])
# lib<name>.so from library.cpp beside it and the control's own <target>. Hidden visibility
# and a version script leave its four entry points and the toolkit's two metadata
# functions as its only exports, the linker's own symbols included. MEMBERS names the
# header of the member identifiers that hosts call the control by: it is installed with
# the headers, in a folder named as the library's own, in the install component
# "development" (the library itself in the default one).
#
# The suite declares its own control libraries with this file, and installs it with the
# version script beside it as part of its CMake package, so that a library built against
# an installed suite comes out the same as one built in the suite's tree.
include_guard(GLOBAL)
include(GNUInstallDirs)

set(SUITE_CONTROL_LIBRARY_EXPORTS ${CMAKE_CURRENT_LIST_DIR}/controllibrary.map)

function(suite_add_control_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "CONTROL;METADATA;MEMBERS" "")
    if(NOT arg_CONTROL OR NOT arg_METADATA)
        message(FATAL_ERROR "suite_add_control_library(${name}) needs CONTROL <target> and METADATA <json>")
    endif()
    set(exports ${SUITE_CONTROL_LIBRARY_EXPORTS})
    add_library(${name} MODULE library.cpp ${arg_METADATA} ${exports})
    target_link_libraries(${name} PRIVATE ${arg_CONTROL})
    # The control's code is linked into a shared object, and none of it is an export.
    set_target_properties(${arg_CONTROL} PROPERTIES POSITION_INDEPENDENT_CODE ON
        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
    # library.cpp carries the version block through the toolkit's metadata macro, which
    # moc turns into code: a project that has not switched moc on still gets it here.
    set_target_properties(${name} PROPERTIES PREFIX "lib" LINK_DEPENDS ${exports} AUTOMOC ON
        CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
    target_link_options(${name} PRIVATE -Wl,--version-script=${exports})
    # clang leaves the sanitizer runtime to the executable that loads an instrumented
    # library, so its symbols stay undefined in the library itself.
    if(NOT SUITE_FUZZ)
        target_link_options(${name} PRIVATE -Wl,--no-undefined)
    endif()
    # Installed in a folder of the suite's own, off the loader's search path: hosts load it
    # by the path the catalogue gives. It finds the runtime one folder up. (A host loads it
    # through /proc/self/fd with the runtime already loaded, so the search path serves
    # those that read the installed file, such as ldd and dpkg-shlibdeps.)
    set_target_properties(${name} PROPERTIES INSTALL_RPATH "$ORIGIN/..")
    install(TARGETS ${name} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/desktop-suite
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    if(arg_MEMBERS)
        get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
        install(FILES ${arg_MEMBERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/desktop-suite/${folder}
            COMPONENT development)
    endif()
endfunction()
