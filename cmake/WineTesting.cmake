# SPDX-License-Identifier: MIT
# Tests of a Windows cross build run under Wine (the toolchain's emulator), in
# a private prefix inside the build directory. The fixture makes the prefix
# once and keeps one wineserver running for the whole test run; the tests need
# an X display (scripts/test.sh windows runs them under Xvfb).
if(NOT CMAKE_CROSSCOMPILING OR NOT WIN32 OR NOT BUILD_TESTING)
    return()
endif()

set(WINE_PREFIX_DIR ${CMAKE_BINARY_DIR}/wineprefix)
# Wine maps Unix file names through the locale's character set: UTF-8, so that
# folders with Cyrillic names work whatever locale the test run has.
set(wine_environment
    LC_ALL=C.UTF-8
    WINEPREFIX=${WINE_PREFIX_DIR}
    WINEDEBUG=-all
    "WINEDLLOVERRIDES=mscoree,mshtml="
    WINE=${CMAKE_CROSSCOMPILING_EMULATOR})

add_test(NAME wine_prefix_setup COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine_prefix.sh start)
add_test(NAME wine_prefix_cleanup COMMAND ${CMAKE_SOURCE_DIR}/cmake/wine_prefix.sh stop)
set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine_prefix)
set_tests_properties(wine_prefix_cleanup PROPERTIES FIXTURES_CLEANUP wine_prefix)
set_tests_properties(wine_prefix_setup wine_prefix_cleanup PROPERTIES
    LABELS windows ENVIRONMENT "${wine_environment}")

# Marks tests as Windows tests that run in the shared prefix.
function(wine_test)
    set_tests_properties(${ARGV} PROPERTIES
        LABELS windows
        FIXTURES_REQUIRED wine_prefix
        ENVIRONMENT "${wine_environment}")
endfunction()
