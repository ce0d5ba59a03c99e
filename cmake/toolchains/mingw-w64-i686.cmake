# Cross build for 32-bit Windows. Built but never run: this kind of machine cannot execute
# 32-bit code, so no emulator is set and no tests are registered.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(_varnel_triple i686-w64-mingw32)
set(CMAKE_C_COMPILER ${_varnel_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_varnel_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${_varnel_triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${_varnel_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
