# SPDX-License-Identifier: LGPL-2.1-or-later
# suite_test_code(<target>)
# Code of the tests: built on the tests' main and compiled against their shared
# precompiled header. QtTest is linked here, not through that header's target, because it
# defines paths of each test folder's own, which one precompiled header cannot hold.
function(suite_test_code target)
    target_link_libraries(${target} PUBLIC runtime_test_main Qt6::Test)
    target_precompile_headers(${target} REUSE_FROM runtime_test_main)
endfunction()

# suite_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>] [UNPRIVILEGED] [FILTER <filter>])
# A GoogleTest program whose cases CTest runs off screen, one CTest test per case.
# UNPRIVILEGED runs it without root's capabilities even when the run is root's, so that
# file permissions (an unreadable file, a folder that cannot be written) really hold.
# FILTER, a GoogleTest filter, names the cases to run, when the sources hold others.
function(suite_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "UNPRIVILEGED" "FILTER" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    suite_test_code(${name})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES})
    if(arg_UNPRIVILEGED)
        set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${PROJECT_SOURCE_DIR}/tools/unprivileged")
    endif()
    if(arg_FILTER)
        set(filter TEST_FILTER ${arg_FILTER})
    endif()
    gtest_discover_tests(${name} ${filter}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${SUITE_TEST_ENVIRONMENT}")
endfunction()

# suite_add_e2e_test(<name> SCRIPT <script> [ARGS <arguments...>])
# A bash script that drives a built program on its own Xvfb display (tools/e2e.sh).
function(suite_add_e2e_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "SCRIPT" "ARGS")
    add_test(NAME ${name} COMMAND bash ${arg_SCRIPT} ${arg_ARGS})
    set_tests_properties(${name} PROPERTIES
        LABELS e2e
        TIMEOUT 120
        ENVIRONMENT "SUITE_SOURCE_DIR=${PROJECT_SOURCE_DIR};${SUITE_TEST_ENVIRONMENT}")
endfunction()

# suite_add_caption_fit_test(<name> SOURCES <files...> [LIBRARIES <targets...>])
# A GoogleTest program that checks that the texts of windows fit their controls, run off
# screen at scale 1 and at scale 2 (QT_SCALE_FACTOR): each case twice, suffixed .Scale1
# and .Scale2.
function(suite_add_caption_fit_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    suite_test_code(${name})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES})
    foreach(scale 1 2)
        gtest_discover_tests(${name}
            TEST_SUFFIX .Scale${scale}
            DISCOVERY_MODE PRE_TEST
            DISCOVERY_TIMEOUT 60
            PROPERTIES TIMEOUT 60 ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=${scale};${SUITE_TEST_ENVIRONMENT}")
    endforeach()
endfunction()
