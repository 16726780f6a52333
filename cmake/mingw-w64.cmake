# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads, so
# that std::thread works). BRIMAL_WIN64_PREFIX names the folder that holds the
# cross-built Qt, SDL2, SDL2_mixer and GoogleTest.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_triple}-windres)

if(NOT BRIMAL_WIN64_PREFIX AND DEFINED ENV{BRIMAL_WIN64_PREFIX})
    set(BRIMAL_WIN64_PREFIX "$ENV{BRIMAL_WIN64_PREFIX}")
endif()
# Passed on to the try_compile projects that CMake makes while configuring.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BRIMAL_WIN64_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${_triple} ${BRIMAL_WIN64_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
