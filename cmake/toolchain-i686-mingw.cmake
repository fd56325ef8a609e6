# Cross build for 32-bit Windows (x86), run under Wine's 32-bit loader.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(HALVARD_MINGW_TRIPLE i686-w64-mingw32)
set(HALVARD_WINE_ARCH x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
