# SPDX-License-Identifier: LGPL-2.1-or-later
# cmake -DSAMPLES=<folder> -DFOLDER=<folder> -P CopyMissingFiles.cmake
# Copies each file of SAMPLES into FOLDER that FOLDER does not hold yet; a file already
# there, the user's or an earlier copy, is never replaced.
file(MAKE_DIRECTORY "${FOLDER}")
file(GLOB samples LIST_DIRECTORIES false "${SAMPLES}/*")
foreach(sample IN LISTS samples)
    get_filename_component(name "${sample}" NAME)
    if(NOT EXISTS "${FOLDER}/${name}")
        file(COPY_FILE "${sample}" "${FOLDER}/${name}")
    endif()
endforeach()
