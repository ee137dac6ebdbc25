# SPDX-License-Identifier: LGPL-2.1-or-later
# suite_add_program(<program> <library> SOURCES <files...>)
# A program of the suite, from the folder that calls it: its rules and windows as the
# static library <library>, which its tests link too; the program itself from main.cpp
# and that library, installed; the files of samples/ beside it, where it has them; and
# its tests/ and benchmarks/, where it has them and the build wants them.
function(suite_add_program program library)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "SOURCES")
    add_library(${library} STATIC ${arg_SOURCES})
    target_link_libraries(${library} PUBLIC runtime)
    target_include_directories(${library} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})

    qt_add_executable(${program} main.cpp)
    target_link_libraries(${program} PRIVATE ${library})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/samples)
        suite_add_samples(${program})
    endif()

    if(SUITE_TESTS AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/tests)
        add_subdirectory(tests)
    endif()
    if(SUITE_BENCHMARKS AND EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/benchmarks)
        add_subdirectory(benchmarks)
    endif()
endfunction()
