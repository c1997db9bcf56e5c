# The version (project(VERSION)) and the release date (ROMWEAVER_RELEASE_DATE,
# YYYY-MM-DD) in the forms the program's files show them, and the header that
# gives them to the code: #include "ProgramVersion.h" (target romweaver_version).
string(REGEX MATCH [[^([0-9][0-9][0-9][0-9])-([0-9][0-9])-[0-9][0-9]$]] date_valid
    "${ROMWEAVER_RELEASE_DATE}")
if(NOT date_valid)
    message(FATAL_ERROR "ROMWEAVER_RELEASE_DATE is not YYYY-MM-DD: ${ROMWEAVER_RELEASE_DATE}")
endif()
set(month_names January February March April May June July August September October
    November December)
math(EXPR month_index "${CMAKE_MATCH_2} - 1") # CMake reads "08" as decimal
list(GET month_names ${month_index} month_name)
# "December 2026": the manual pages' and the About window's release line.
set(ROMWEAVER_RELEASE_MONTH "${month_name} ${CMAKE_MATCH_1}")

configure_file(${CMAKE_CURRENT_LIST_DIR}/ProgramVersion.h.in
    ${PROJECT_BINARY_DIR}/generated/ProgramVersion.h @ONLY)
add_library(romweaver_version INTERFACE)
target_include_directories(romweaver_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
