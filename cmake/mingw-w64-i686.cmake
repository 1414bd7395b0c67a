# 32-bit Windows (i686) with MinGW-w64.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(C3WS_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
