# The Windows build: cross-built with MinGW-w64 (cmake/mingw-w64-x86_64.toolchain.cmake) and, on
# Linux, tested under Wine. Included by the top-level CMakeLists.txt when the target is Windows,
# before the modules are added.

# Not on Windows: the Qt dialog (Debian packages no Qt for MinGW; the Windows dialog is tool/win32),
# the stand-in host (a Linux program, see the top-level file), the benchmarks and the fuzzers.
set(MORVEN_BUILD_TOOL OFF)
set(MORVEN_BUILD_BENCHMARKS OFF)
set(MORVEN_BUILD_FUZZERS OFF)
if(MORVEN_SANITIZE)
  message(FATAL_ERROR "MORVEN_SANITIZE is for the Linux build; MinGW-w64 has no sanitizer runtime")
endif()

# Every executable links the C and C++ runtimes in, so that it imports only Windows' own DLLs (no
# libstdc++-6.dll, libgcc_s_seh-1.dll or libwinpthread-1.dll beside it). Outside Debug builds the
# executables carry no symbols or debug information: what is built is what ships, and its size is
# the size checked.
add_link_options(-static $<$<NOT:$<CONFIG:Debug>>:-s>)

# Two builds of one commit give the same executables, from any folder: the PE header's link time is
# left 0, and the source and build folders are cut from __FILE__ and the debug information.
add_link_options(-Wl,--no-insert-timestamp)
add_compile_options("$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
                    "$<$<COMPILE_LANGUAGE:CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>")

# GoogleTest from Debian's source package (googletest, pulled in by libgtest-dev), built here by
# the cross compiler; it defines GTest::gtest and GTest::gtest_main as find_package would.
set(MORVEN_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
if(NOT EXISTS ${MORVEN_GTEST_SOURCE_DIR}/CMakeLists.txt)
  message(FATAL_ERROR "No GoogleTest sources in ${MORVEN_GTEST_SOURCE_DIR} (Debian: googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${MORVEN_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Tests run through Wine when cross-building: cmake/wine-run.sh runs each one in the build's own
# Wine prefix, quietly. Test lists are taken when CTest runs (PRE_TEST), so that building needs no
# Wine; where Wine is installed, the target wine_prefix makes the prefix (once, a few seconds)
# while building, so that the first test listing does not wait for it.
if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
  set(MORVEN_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix CACHE PATH "Wine prefix of the Windows tests")
  set(morven_wine ${CMAKE_CROSSCOMPILING_EMULATOR})
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/cmake/wine-run.sh ${MORVEN_WINE_PREFIX}
                                    ${morven_wine})
  list(GET morven_wine 0 morven_wine_program)
  if(IS_ABSOLUTE ${morven_wine_program} AND EXISTS ${morven_wine_program})
    add_custom_target(wine_prefix ALL COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} VERBATIM)
  endif()
endif()
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# morven_check_windows_imports(TARGET [MAX_BYTES N]): a test that the target's executable imports
# only Windows' own system DLLs, given MAX_BYTES is at most that large, and holds neither a link
# time nor the source or build folder.
find_program(MORVEN_OBJDUMP NAMES x86_64-w64-mingw32-objdump ${CMAKE_OBJDUMP} REQUIRED)
function(morven_check_windows_imports target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "MAX_BYTES" "")
  set(limit)
  if(DEFINED arg_MAX_BYTES)
    set(limit --max-bytes ${arg_MAX_BYTES})
  endif()
  add_test(NAME windows_imports.${target}
           COMMAND ${PROJECT_SOURCE_DIR}/cmake/check_windows_imports.sh --objdump ${MORVEN_OBJDUMP}
                   ${limit} --no-link-time --no-folder ${PROJECT_SOURCE_DIR}
                   --no-folder ${PROJECT_BINARY_DIR} $<TARGET_FILE:${target}>)
endfunction()

# The test executables here; the program adds itself where it is built (tool/win32), in one line:
#   morven_check_windows_imports(morven MAX_BYTES 2097152)
foreach(test_executable numeric_tests exchange_tests tool_dimension_test tool_dialog_model_test
                        tool_win32_dimension_window_test)
  morven_check_windows_imports(${test_executable})
endforeach()
