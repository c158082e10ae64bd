# The -posix thread model: the -win32 one has no std::mutex and GoogleTest needs it.
set(CMAKE_C_COMPILER ${VARNELTA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNELTA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNELTA_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${VARNELTA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# ctest runs every Windows executable through Wine in the test run's private prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
