# Cross-compiling for Windows with Debian's MinGW-w64 (the posix thread model, so
# std::thread and std::mutex work). The executables take the C and C++ runtimes
# and winpthread in statically: they run with nothing beside them but the DLLs of
# Windows itself. Included by the toolchain file of each processor, which sets
# CMAKE_SYSTEM_PROCESSOR and C3WS_MINGW_PREFIX first.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${C3WS_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${C3WS_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${C3WS_MINGW_PREFIX}-windres)
set(CMAKE_AR ${C3WS_MINGW_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${C3WS_MINGW_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${C3WS_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
