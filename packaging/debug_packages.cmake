# SPDX-License-Identifier: MIT
# Run by CPack once it has made the packages (CPACK_POST_BUILD_SCRIPTS):
# mends the -dbgsym packages CPackDeb makes. Their md5sums name the debug
# files by their path in CPack's staging folder, which no installed system
# has, so the sums cannot be checked; and they have no documentation folder.
# Each is packed again with sums of its own files and, as the debug packages
# Debian builds itself, its documentation folder as a link to that of the
# package it belongs to (which it depends on), for the copyright and the
# changelog.
find_program(VANTREL_DPKG_DEB dpkg-deb)

# Sums of every file below `root` but the control files, as dpkg lists them.
function(vantrel_write_md5sums root)
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${root}" "${root}/*")
    list(FILTER files EXCLUDE REGEX "^DEBIAN/")
    list(SORT files)
    set(sums "")
    foreach(f IN LISTS files)
        if(NOT IS_SYMLINK "${root}/${f}")
            file(MD5 "${root}/${f}" md5)
            string(APPEND sums "${md5}  ${f}\n")
        endif()
    endforeach()
    file(WRITE "${root}/DEBIAN/md5sums" "${sums}")
endfunction()

function(vantrel_mend_debug_package ddeb)
    if(NOT VANTREL_DPKG_DEB)
        message(FATAL_ERROR "dpkg-deb is needed to finish ${ddeb}")
    endif()
    get_filename_component(name "${ddeb}" NAME)
    get_filename_component(folder "${ddeb}" DIRECTORY)
    set(root "${folder}/${name}.tree")
    file(REMOVE_RECURSE "${root}")
    execute_process(COMMAND "${VANTREL_DPKG_DEB}" --raw-extract "${ddeb}" "${root}"
                    RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "dpkg-deb cannot unpack ${ddeb}")
    endif()
    file(STRINGS "${root}/DEBIAN/control" package REGEX "^Package: .*-dbgsym$")
    string(REGEX REPLACE "^Package: (.*)-dbgsym$" "\\1" program "${package}")
    if(NOT program)
        message(FATAL_ERROR "${ddeb} names no package it holds the symbols of")
    endif()

    vantrel_write_md5sums("${root}")
    set(docs "${root}/usr/share/doc")
    file(MAKE_DIRECTORY "${docs}")
    file(CHMOD "${root}" "${root}/usr/share" "${docs}" PERMISSIONS OWNER_READ OWNER_WRITE
         OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    file(CREATE_LINK "${program}" "${docs}/${program}-dbgsym" SYMBOLIC)

    # Packed as CPack packs: gzip, files owned by root.
    execute_process(COMMAND "${VANTREL_DPKG_DEB}" --root-owner-group -Zgzip --build "${root}"
                            "${ddeb}" OUTPUT_QUIET RESULT_VARIABLE failed)
    file(REMOVE_RECURSE "${root}")
    if(failed)
        message(FATAL_ERROR "dpkg-deb cannot pack ${ddeb} again")
    endif()
endfunction()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.ddeb$")
        vantrel_mend_debug_package("${package}")
    endif()
endforeach()
