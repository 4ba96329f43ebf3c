# The posix thread model of MinGW-w64: std::thread and std::mutex (which
# GoogleTest needs) exist there; -static links its winpthread in.
set(CMAKE_C_COMPILER   ${KADREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KADREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${KADREL_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KADREL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
