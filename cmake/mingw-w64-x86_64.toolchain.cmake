# Cross build for 64-bit Windows with Debian's MinGW-w64 (package g++-mingw-w64-x86-64-posix):
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64-x86_64.toolchain.cmake
# The -posix compilers use the POSIX thread model (winpthreads), which gives libstdc++ its
# std::thread and std::mutex. Executables built here run on Linux through Wine: Debian 12's `wine`
# command (package wine, with wine64 for the 64-bit loader) starts a 64-bit .exe.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MORVEN_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MORVEN_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVEN_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MORVEN_MINGW_TRIPLET}-windres)
set(CMAKE_AR ${MORVEN_MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${MORVEN_MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "Ranlib")

# Headers and libraries come from the MinGW-w64 tree only; programs (tools run while building)
# from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${MORVEN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# CTest and gtest_discover_tests run the test executables through Wine.
find_program(MORVEN_WINE wine)
if(MORVEN_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MORVEN_WINE})
else()
  set(CMAKE_CROSSCOMPILING_EMULATOR wine)
endif()
