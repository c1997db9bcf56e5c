# Read by cpack once for each package it makes (CPACK_PROJECT_CONFIG_FILE, set
# in cmake/WindowsPackage.cmake): what the installer does differently from the
# portable zip.
if(CPACK_GENERATOR STREQUAL "NSIS")
    # Named apart from the zip, and its files at the top of the install folder
    # rather than in a folder named after the package.
    set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
endif()
