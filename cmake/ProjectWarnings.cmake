# SPDX-License-Identifier: MIT
# Warnings for the project's own targets, per compiler. Whether they are errors
# is the build's choice (CMAKE_COMPILE_WARNING_AS_ERROR, set by the presets and CI).
# MSVC also needs /utf-8: without it the Cyrillic literals are read in the
# system's code page.
add_library(project_warnings INTERFACE)
target_compile_options(project_warnings INTERFACE
    $<$<CXX_COMPILER_ID:MSVC>:/W4 /utf-8>
    $<$<NOT:$<CXX_COMPILER_ID:MSVC>>:-Wall -Wextra -Wpedantic>)
