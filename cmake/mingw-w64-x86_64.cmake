# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (POSIX threads variant: std::thread
# and std::mutex need it).
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DROMWEAVER_WINDOWS_PREFIXES=<Qt for Windows>
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

# Windows libraries and packages come from the MinGW sysroot and the given prefixes (the Qt built
# for Windows); programs run at build time (moc, rcc, uic) come from the host.
set(ROMWEAVER_WINDOWS_PREFIXES "" CACHE STRING "Prefixes holding libraries built for Windows")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES ROMWEAVER_WINDOWS_PREFIXES)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET} ${ROMWEAVER_WINDOWS_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
