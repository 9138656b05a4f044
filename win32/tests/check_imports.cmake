# SPDX-License-Identifier: MIT
# Fails when PROGRAM imports a DLL that is not part of Windows itself.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
set(system_dlls advapi32 comctl32 comdlg32 gdi32 kernel32 msvcrt ole32 oleacc oleaut32 shell32
    user32 uxtheme)
if(NOT imports)
    message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(import IN LISTS imports)
    string(REGEX REPLACE "DLL Name: ([^ .]+)\\.dll.*" "\\1" dll "${import}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-")
        message(FATAL_ERROR "${PROGRAM} imports ${dll}.dll, which Windows does not bring")
    endif()
    message(STATUS "imports ${dll}.dll")
endforeach()
