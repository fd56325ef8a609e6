# Cross build for 64-bit Windows (x64), run under Wine's 64-bit loader.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(HALVARD_MINGW_TRIPLE x86_64-w64-mingw32)
set(HALVARD_WINE_ARCH x64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
