# The Debian package, built from the install rules of every folder:
#   cpack -G DEB   (scripts/package.sh does it into dist/)
set(CPACK_PACKAGE_NAME romweaver)
set(CPACK_PACKAGE_VENDOR "The Romweaver developers")
set(CPACK_PACKAGE_CONTACT "The Romweaver developers <romweaver@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/romweaver/romweaver")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "pack NES roms and a menu into one Game Boy Advance rom")
# The lines as they stand in the control file: CPack does not wrap them.
set(CPACK_PACKAGE_DESCRIPTION [[
Romweaver packs NES cartridge images (iNES files) into one Game Boy
Advance cartridge image for the Tessel emulator: the base emulator rom
Tessel.GBA, then a menu script, then each selected rom. Each rom is
checked against the sizes its header declares: a rom longer than declared
is cut to size, a shorter one is backed up and its header repaired, and a
build log records what was done.
.
The package holds the four-page wizard Romweaver and the command
romweaver-build, which writes the same image without a window, for scripts.
.
The base emulator rom Tessel.GBA is not part of this package: the user
puts it into ~/.local/share/Romweaver/, where the program also keeps its
settings and build log.]])
set(CPACK_STRIP_FILES ON)
# CPack strips with a plain "strip", which leaves the compiler's .comment and
# .note sections in; Debian's dh_strip removes them, and so does this once the
# executables are installed (cpack, or cmake --install --strip).
if(UNIX AND NOT APPLE AND CMAKE_STRIP)
    set(installed_programs
        ${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:Romweaver>
        ${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:romweaver-build>)
    install(CODE "set(romweaver_strip \"${CMAKE_STRIP}\")
                  set(romweaver_programs \"${installed_programs}\")")
    install(CODE [[
        if(CMAKE_INSTALL_DO_STRIP)
            foreach(program IN LISTS romweaver_programs)
                execute_process(
                    COMMAND "${romweaver_strip}" --remove-section=.comment --remove-section=.note
                            "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${program}"
                    COMMAND_ERROR_IS_FATAL ANY)
            endforeach()
        endif()]])
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": that section is for games in /usr/games; this is a tool.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies (the Qt 6 runtime libraries and what they need) computed by
# dpkg-shlibdeps from the installed executables, not written by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own translations (the message boxes' buttons, the file dialogs) in the
# user's language; the programs' own are compiled into them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)

include(CPack)
