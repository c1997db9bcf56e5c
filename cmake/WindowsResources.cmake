# The Windows programs carry the program icon and their version information
# (packaging/windows/program.rc.in).
enable_language(RC)

function(romweaver_add_windows_resource target description)
    set(ROMWEAVER_RC_NAME ${target})
    set(ROMWEAVER_RC_DESCRIPTION "${description}")
    set(ROMWEAVER_RC_ICON ${PROJECT_SOURCE_DIR}/resources/romweaver.ico)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in
        ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()
