# Debian's MinGW-w64 cross compilers; the -posix flavour gives std::thread for the tests.
set(CMAKE_C_COMPILER ${PTR_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PTR_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${PTR_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PTR_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# No MinGW runtime DLL may be needed beside the binaries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
