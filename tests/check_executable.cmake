cmake_minimum_required(VERSION 3.20)
# Reads an executable's PE headers with objdump and fails unless it is a
# console program that imports system DLLs only and, when MAX_BYTES is given,
# is no larger than that.
# Use: cmake -DOBJDUMP=<objdump> -DEXE=<file.exe> [-DMAX_BYTES=<n>] -P check_executable.cmake
set(system_dlls kernel32.dll user32.dll msvcrt.dll)

if(NOT EXISTS "${EXE}")
    message(FATAL_ERROR "${EXE} does not exist; build it first")
endif()
execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${OBJDUMP} could not read ${EXE}")
endif()

if(NOT headers MATCHES "Subsystem[ \t]+00000003")
    message(FATAL_ERROR "${EXE} is not a console (CUI) program")
endif()

string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "${EXE} has no import table")
endif()
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST system_dlls)
        message(FATAL_ERROR "${EXE} imports ${dll}, which is not a system DLL")
    endif()
    message(STATUS "${EXE} imports ${dll}")
endforeach()

file(SIZE "${EXE}" bytes)
message(STATUS "${EXE}: ${bytes} bytes")
if(MAX_BYTES AND bytes GREATER MAX_BYTES)
    message(FATAL_ERROR "${EXE} has ${bytes} bytes, more than its budget of ${MAX_BYTES}")
endif()
