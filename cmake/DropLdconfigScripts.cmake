# SPDX-License-Identifier: LGPL-2.1-or-later
# CPack step after the packages are made (CPACK_POST_BUILD_SCRIPTS): CPack gives a package
# with a shared library under /usr/lib a postinst and a postrm that call ldconfig, which
# Debian leaves to the ldconfig trigger the package activates instead. The suite has no
# maintainer scripts of its own, so those two are taken out and the package is built again
# from the same files.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    set(tree "${package}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    set(dropped FALSE)
    foreach(script postinst postrm)
        set(path "${tree}/DEBIAN/${script}")
        if(EXISTS "${path}")
            file(READ "${path}" contents)
            if(contents MATCHES "ldconfig")
                file(REMOVE "${path}")
                set(dropped TRUE)
            endif()
        endif()
    endforeach()
    if(dropped)
        execute_process(COMMAND dpkg-deb --root-owner-group --build "${tree}" "${package}"
            OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    endif()
    file(REMOVE_RECURSE "${tree}")
endforeach()
