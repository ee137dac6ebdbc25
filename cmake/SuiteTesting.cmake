# suite_add_test(<name> SOURCES <files...> [LIBRARIES <targets...>])
# A GoogleTest program whose tests CTest runs off screen, one CTest test per case.
function(suite_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LIBRARIES")
    add_executable(${name} ${arg_SOURCES})
    target_link_libraries(${name} PRIVATE runtime_test_main ${arg_LIBRARIES})
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${SUITE_TEST_ENVIRONMENT}")
endfunction()
