# Install-time part of the Windows zip: copies every DLL the installed programs
# and plugins load, and the DLLs those load in turn, from the folders in
# ROMWEAVER_DLL_DIRS to the top of the install folder. What none of those
# folders holds is Windows' own (KERNEL32.dll, USER32.dll, ...).
#
# CMake's runtime-dependency support reads the import tables (objdump), but
# writes the names it found in lower case and looks for them so on the
# case-sensitive file system of the build machine ("qt6core.dll" for
# Qt6Core.dll): each name it leaves unresolved is looked for here again,
# letter case ignored, and its own imports followed.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${ROMWEAVER_OBJDUMP}")

set(root "${CMAKE_INSTALL_PREFIX}")
if(DEFINED ENV{DESTDIR})
    set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
endif()

set(pending ${ROMWEAVER_INSTALLED_BINARIES})
list(TRANSFORM pending PREPEND "${root}/")
set(found)
set(looked_up)
while(pending)
    file(GET_RUNTIME_DEPENDENCIES
        LIBRARIES ${pending}
        DIRECTORIES ${ROMWEAVER_DLL_DIRS}
        PRE_EXCLUDE_REGEXES [[^api-ms-]] [[^ext-ms-]]
        RESOLVED_DEPENDENCIES_VAR resolved
        UNRESOLVED_DEPENDENCIES_VAR unresolved)
    set(pending)
    foreach(name ${unresolved})
        list(FIND looked_up "${name}" seen)
        if(seen GREATER -1)
            continue()
        endif()
        list(APPEND looked_up ${name})
        foreach(dir ${ROMWEAVER_DLL_DIRS})
            execute_process(COMMAND find "${dir}" -maxdepth 1 -iname "${name}" -print -quit
                OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(path)
                list(APPEND resolved "${path}")
                list(APPEND pending "${path}")
                break()
            endif()
        endforeach()
    endforeach()
    list(APPEND found ${resolved})
endwhile()
list(REMOVE_DUPLICATES found)

foreach(dll ${found})
    get_filename_component(dir "${dll}" DIRECTORY)
    if(dir STREQUAL root) # a DLL beside the programs already
        continue()
    endif()
    file(INSTALL "${dll}" DESTINATION "${root}" FOLLOW_SYMLINK_CHAIN)
    if(CMAKE_INSTALL_DO_STRIP)
        get_filename_component(name "${dll}" NAME)
        execute_process(COMMAND "${ROMWEAVER_STRIP}" --strip-unneeded "${root}/${name}")
    endif()
endforeach()
# The plugins came in as plain files; CPack strips only the programs.
if(CMAKE_INSTALL_DO_STRIP)
    foreach(binary ${ROMWEAVER_INSTALLED_BINARIES})
        if(binary MATCHES [[\.dll$]])
            execute_process(COMMAND "${ROMWEAVER_STRIP}" --strip-unneeded "${root}/${binary}")
        endif()
    endforeach()
endif()
