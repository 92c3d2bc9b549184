# CPack's External generator script: zips the staged files so that the same
# sources give the same zip, whatever the folder, the clock, the time zone,
# the umask or the user, and writes SHA256SUMS beside it.
# - Info-ZIP's zip -X stores no owner and no extra time fields; -D no folders.
# - Every entry has one time: SOURCE_DATE_EPOCH when it is set, else the time
#   of the sources' last commit, else 1980-01-01 (the earliest a zip holds),
#   written in UTC.
# - Entries come in byte order of their names; modes are those install() set.
if(NOT CPACK_PANEFIT_ZIP)
    message(FATAL_ERROR "The release zip needs Info-ZIP's zip (Debian package zip); none was found")
endif()

set(epoch "$ENV{SOURCE_DATE_EPOCH}")
set(dated "SOURCE_DATE_EPOCH")
if(NOT epoch MATCHES "^[0-9]+$")
    # Only reads, so a checkout that another user owns is read too.
    execute_process(COMMAND git -c "safe.directory=*" -C "${CPACK_PANEFIT_SOURCE_DIR}" log -1 --format=%ct
                    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE failed)
    set(dated "the last commit")
    if(failed OR NOT epoch MATCHES "^[0-9]+$")
        set(epoch 315532800)
        set(dated "no commit found: the earliest zip time")
    endif()
endif()

set(staged "${CPACK_TEMPORARY_DIRECTORY}")
file(GLOB_RECURSE files RELATIVE "${staged}" "${staged}/*")
list(SORT files)
execute_process(COMMAND touch -h -d "@${epoch}" ${files} WORKING_DIRECTORY "${staged}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "Could not date the staged files")
endif()

set(zip "${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.zip")
file(REMOVE "${zip}") # zip would add to an old one
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC LC_ALL=C "${CPACK_PANEFIT_ZIP}" -X -D -q -9 "${zip}" ${files}
                WORKING_DIRECTORY "${staged}" RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "zip could not make ${zip}")
endif()
set(CPACK_EXTERNAL_BUILT_PACKAGES "${zip}")

# One line per file of the zip, as sha256sum -c reads them.
set(sums "")
foreach(name IN LISTS files)
    file(SHA256 "${staged}/${name}" sum)
    string(APPEND sums "${sum}  ${name}\n")
endforeach()
file(WRITE "${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS" "${sums}")
set(ENV{SOURCE_DATE_EPOCH} "${epoch}") # string(TIMESTAMP) then formats this time
string(TIMESTAMP date "%Y-%m-%d %H:%M:%S UTC" UTC)
message(STATUS "Zip entries dated ${date} (${dated}); checksums in ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS")
