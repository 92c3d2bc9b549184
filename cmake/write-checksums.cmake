# CPack post-build script: writes SHA256SUMS beside the package, one line
# per file of the package in the format that `sha256sum -c` reads
# ("<sha-256>  <name>"), from the files as they are in the package. The
# package is still in CPack's staging folder here; it lands in
# CPACK_PACKAGE_DIRECTORY, where the sums go.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    set(folder "${CPACK_PACKAGE_DIRECTORY}")
    set(unpacked "${CPACK_TOPLEVEL_DIRECTORY}/checksums")
    file(REMOVE_RECURSE "${unpacked}")
    file(ARCHIVE_EXTRACT INPUT "${package}" DESTINATION "${unpacked}")
    file(GLOB_RECURSE files RELATIVE "${unpacked}" "${unpacked}/*")
    list(SORT files)
    set(sums "")
    foreach(name IN LISTS files)
        file(SHA256 "${unpacked}/${name}" sum)
        string(APPEND sums "${sum}  ${name}\n")
    endforeach()
    file(WRITE "${folder}/SHA256SUMS" "${sums}")
    file(REMOVE_RECURSE "${unpacked}")
    get_filename_component(name "${package}" NAME)
    message(STATUS "Checksums of the files in ${name}: ${folder}/SHA256SUMS")
endforeach()
