# Shared by the two cross toolchains: HALVARD_MINGW_TRIPLE names the MinGW-w64 target,
# HALVARD_WINE_ARCH the Wine loader (x86 or x64) that runs its programs.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread-model compilers: GoogleTest needs std::mutex.
set(CMAKE_C_COMPILER ${HALVARD_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HALVARD_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${HALVARD_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${HALVARD_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Windows programs run under that Wine loader, in the build's own prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run --arch ${HALVARD_WINE_ARCH})
