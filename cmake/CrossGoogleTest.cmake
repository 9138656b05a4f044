# SPDX-License-Identifier: MIT
# A cross build finds no GoogleTest for its target, so it builds one from
# Debian's googletest source package (/usr/src/googletest) and offers the same
# GTest:: targets that find_package(GTest) gives a native build.

# Registers a GoogleTest program: each case as a test of its own natively; one
# test per program in a cross build, since listing the cases would start every
# program under the emulator once more at build time.
function(project_add_gtest target)
    if(CMAKE_CROSSCOMPILING)
        add_test(NAME ${target} COMMAND ${target} --gtest_brief=1)
        wine_test(${target})
    else()
        include(GoogleTest)
        gtest_discover_tests(${target} DISCOVERY_TIMEOUT 30)
    endif()
endfunction()

if(NOT CMAKE_CROSSCOMPILING OR NOT BUILD_TESTING)
    return()
endif()

set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest's source tree, for cross builds")
if(NOT EXISTS ${GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest source at ${GOOGLETEST_SOURCE_DIR}: install Debian's googletest package")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# Not the project's code: its warnings are not ours to fix.
set_target_properties(gtest gtest_main PROPERTIES COMPILE_WARNING_AS_ERROR OFF)

