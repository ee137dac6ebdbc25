# suite_add_control_library(<name> CONTROL <target> METADATA <version block json>)
# lib<name>.so from library.cpp beside it and the control's own <target>. Hidden visibility
# and a version script leave its four entry points and the toolkit's two metadata
# functions as its only exports, the linker's own symbols included.
function(suite_add_control_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "CONTROL;METADATA" "")
    set(exports ${PROJECT_SOURCE_DIR}/runtime/components/controllibrary.map)
    add_library(${name} MODULE library.cpp ${arg_METADATA} ${exports})
    target_link_libraries(${name} PRIVATE ${arg_CONTROL})
    set_target_properties(${name} PROPERTIES PREFIX "lib" LINK_DEPENDS ${exports})
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
endfunction()
