# Tests run under Wine in the project's private prefix. One fixture starts the
# Wine server and services detached (and a display) before any test and stops
# them after the last, so no test waits on pipes the services inherited.

set(QUILLON_WINE_ARCH ${CMAKE_SYSTEM_PROCESSOR})
set(QUILLON_WINE_SESSION ${PROJECT_SOURCE_DIR}/tools/wine-session.sh)

function(quillon_wine_fixtures)
    add_test(NAME wine-session-start COMMAND ${QUILLON_WINE_SESSION} start ${QUILLON_WINE_ARCH})
    set_tests_properties(wine-session-start PROPERTIES FIXTURES_SETUP wine TIMEOUT 600)
    add_test(NAME wine-session-stop COMMAND ${QUILLON_WINE_SESSION} stop ${QUILLON_WINE_ARCH})
    set_tests_properties(wine-session-stop PROPERTIES FIXTURES_CLEANUP wine)
endfunction()

# quillon_add_test(<name> SOURCES ... LIBRARIES ... [DEPENDS targets] [REGISTRY] [DESKTOP])
# A GoogleTest executable run under Wine. REGISTRY: the test registers or
# unregisters classes, so it runs alone among those that do. DESKTOP: the test
# shows windows or message boxes and relies on focus, activation and the
# keyboard state, which every Wine process on the display shares: it runs
# with no other test at the same time.
function(quillon_add_test name)
    cmake_parse_arguments(A "REGISTRY;DESKTOP" "" "SOURCES;LIBRARIES;DEPENDS" ${ARGN})
    add_executable(${name} ${A_SOURCES})
    target_link_libraries(${name} PRIVATE quillon_test_support ${A_LIBRARIES} GTest::gtest_main)
    if(A_DEPENDS)
        add_dependencies(${name} ${A_DEPENDS})
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
    if(A_REGISTRY)
        set_property(TEST ${name} APPEND PROPERTY RESOURCE_LOCK class-registry)
    endif()
    if(A_DESKTOP)
        set_property(TEST ${name} PROPERTY RUN_SERIAL TRUE)
    endif()
endfunction()
