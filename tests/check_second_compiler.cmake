cmake_minimum_required(VERSION 3.20)
# Compiles every source of the programs with clang for 32-bit Windows (syntax
# and warnings only): a second compiler that accepts no GCC-only code, as the
# native Windows builds need.
# Use: cmake -DCLANG=<clang++> -DSOURCE_DIR=<project> -DGCC_INCLUDE=<mingw gcc c++ headers>
#           -DSYSROOT_INCLUDE=<mingw headers> -P check_second_compiler.cmake
file(GLOB sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/text/*.cpp" "${SOURCE_DIR}/search/*.cpp"
     "${SOURCE_DIR}/front/*.cpp" "${SOURCE_DIR}/wait/*.cpp")
foreach(source IN LISTS sources)
    execute_process(
        COMMAND "${CLANG}" --target=i686-w64-windows-gnu -fsyntax-only -std=c++20 -Wall -Wextra -Wpedantic
                -Wshadow -Wconversion -Werror -DWIN32_LEAN_AND_MEAN -DNOMINMAX -I "${SOURCE_DIR}"
                -isystem "${GCC_INCLUDE}" -isystem "${GCC_INCLUDE}/i686-w64-mingw32" -isystem "${SYSROOT_INCLUDE}"
                "${source}"
        WORKING_DIRECTORY "${SOURCE_DIR}" RESULT_VARIABLE failed ERROR_VARIABLE errors)
    if(failed)
        message(FATAL_ERROR "clang rejects ${source}:\n${errors}")
    endif()
endforeach()
list(LENGTH sources count)
message(STATUS "clang accepts all ${count} sources")
