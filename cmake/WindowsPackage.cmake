# The Windows packages, made by CPack from the install rules
# (scripts/windows-build.sh does both into dist/):
#   cpack -G ZIP    the portable zip, Romweaver-<version>-windows-x64.zip
#   cpack -G NSIS   the installer, Romweaver-<version>-windows-x64-setup.exe
#                   (packaging/windows/NSIS.template.in)
# The two programs lie at the top of the folder, beside the DLLs they load
# (found from their import tables by CMake), the Qt platform plugin and
# style, Qt's translations and the README.txt.
set(ROMWEAVER_WINDOWS_PACKAGE_NAME Romweaver-${PROJECT_VERSION}-windows-x64)

get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION_RELEASE)
if(NOT qt_core_dll)
    get_target_property(qt_core_dll Qt6::Core IMPORTED_LOCATION)
endif()
get_filename_component(qt_bin_dir "${qt_core_dll}" DIRECTORY)
get_filename_component(qt_plugin_dir "${qt_bin_dir}/../plugins" ABSOLUTE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
    OUTPUT_VARIABLE gcc_runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(gcc_runtime_dir "${gcc_runtime_dll}" DIRECTORY)
# Where the DLLs may come from: every prefix the build was given (their bin/),
# Qt's, the compiler's runtime, MinGW's own.
set(dll_dirs ${qt_bin_dir} ${gcc_runtime_dir} /usr/${MINGW_TRIPLET}/lib /usr/${MINGW_TRIPLET}/bin)
foreach(prefix ${ROMWEAVER_WINDOWS_PREFIXES})
    list(PREPEND dll_dirs ${prefix}/bin)
endforeach()

install(FILES ${qt_plugin_dir}/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt_plugin_dir}/styles/qwindowsvistastyle.dll DESTINATION styles)
# Qt's own translations for the programs' languages (the message boxes' buttons),
# in a translations folder beside the programs, where translations::Translators
# looks first: Qt's own place (QLibraryInfo) is a Qt install's, not the
# program's folder. scripts/windows-build.sh puts them into the Qt prefix.
get_filename_component(qt_translations_dir "${qt_bin_dir}/../translations" ABSOLUTE)
set(qt_translations ${ROMWEAVER_LANGUAGES})
list(TRANSFORM qt_translations REPLACE "(.+)" "${qt_translations_dir}/qtbase_\\1.qm")
foreach(file ${qt_translations})
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "${file} is missing (scripts/windows-build.sh puts Qt's translations there)")
    endif()
endforeach()
install(FILES ${qt_translations} DESTINATION translations)
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt
    ${CMAKE_CURRENT_BINARY_DIR}/README.txt NEWLINE_STYLE CRLF @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)

find_program(ROMWEAVER_OBJDUMP NAMES ${MINGW_TRIPLET}-objdump objdump REQUIRED)
set(installed_binaries Romweaver.exe romweaver-build.exe romweaver-archive-reader.exe
    platforms/qwindows.dll
    styles/qwindowsvistastyle.dll)
install(CODE "
    set(ROMWEAVER_OBJDUMP \"${ROMWEAVER_OBJDUMP}\")
    set(ROMWEAVER_STRIP \"${CMAKE_STRIP}\")
    set(ROMWEAVER_DLL_DIRS \"${dll_dirs}\")
    set(ROMWEAVER_INSTALLED_BINARIES \"${installed_binaries}\")
")
install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/InstallWindowsDlls.cmake)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Romweaver)
set(CPACK_PACKAGE_VENDOR "The Romweaver developers")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/romweaver/romweaver")
set(CPACK_PACKAGE_FILE_NAME ${ROMWEAVER_WINDOWS_PACKAGE_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
# The installer: the project's own script (it replaces CPack's), its icon, and
# what differs from the zip (cmake/WindowsPackageGenerators.cmake).
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging/windows)
set(CPACK_ROMWEAVER_ICON ${PROJECT_SOURCE_DIR}/resources/romweaver.ico)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/WindowsPackageGenerators.cmake)
include(CPack)
