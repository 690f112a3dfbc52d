# The posix-thread variants of the mingw-w64 compilers; the binaries are
# linked statically so that only system DLLs are needed at run time.
set(CMAKE_C_COMPILER ${LF_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LF_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LF_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LF_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
