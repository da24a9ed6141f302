# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix thread model, which Qt needs).
# TESSALY_QT_PREFIX names the prefix of the static Qt built by scripts/build-qt-windows.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TESSALY_QT_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${_triple} ${TESSALY_QT_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
