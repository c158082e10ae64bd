# GoogleTest executables: native ones are discovered test by test; Windows ones run as a whole
# under Wine, inside the private Xvfb display and Wine prefix of the current test run.

if(NOT VARNELTA_TESTS)
  return()
endif()
enable_testing()

if(CMAKE_CROSSCOMPILING AND WIN32)
  set(VARNELTA_WINE_STATE ${CMAKE_BINARY_DIR}/wine-session)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/cmake/wine-run.sh ${VARNELTA_WINE_STATE})
  set(GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  set(VARNELTA_GTEST_MAIN gtest_main)
  set(VARNELTA_GMOCK gmock)
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
  set(VARNELTA_GTEST_MAIN GTest::gtest_main)
  set(VARNELTA_GMOCK GTest::gmock)
endif()

# Every test source includes GoogleTest: one precompiled copy of it, shared by all test targets,
# saves parsing it again for each of them.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/varnelta_test_pch.cpp CONTENT "// precompiled header only\n")
add_library(varnelta_test_pch STATIC ${CMAKE_BINARY_DIR}/varnelta_test_pch.cpp)
target_link_libraries(varnelta_test_pch PRIVATE ${VARNELTA_GMOCK} ${VARNELTA_GTEST_MAIN}
  varnelta_options)
target_precompile_headers(varnelta_test_pch PRIVATE <gtest/gtest.h>)

# varnelta_add_test(NAME SOURCES src... [LIBS lib...] [GUI])
# GUI tests create windows; they take the desktop one at a time.
function(varnelta_add_test name)
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${VARNELTA_GMOCK} ${VARNELTA_GTEST_MAIN}
    varnelta_options)
  target_precompile_headers(${name} REUSE_FROM varnelta_test_pch)
  if(WIN32)
    # With the precompiled header the cross compiler reports its known false bound warnings on
    # the C library's inlined wide copies, which it keeps quiet about when the headers are read.
    target_compile_options(${name} PRIVATE -Wno-array-bounds -Wno-stringop-overflow
      -Wno-stringop-overread)
  endif()
  if(CMAKE_CROSSCOMPILING AND WIN32)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_session TIMEOUT 600)
    if(ARG_GUI)
      set_tests_properties(${name} PROPERTIES RESOURCE_LOCK desktop LABELS gui)
    endif()
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()

# Starts and stops the run's Xvfb and Wine prefix around every Windows test.
function(varnelta_add_wine_session)
  if(NOT (CMAKE_CROSSCOMPILING AND WIN32))
    return()
  endif()
  set(session ${CMAKE_SOURCE_DIR}/cmake/wine-session.sh)
  add_test(NAME wine_session_start COMMAND ${session} start ${VARNELTA_WINE_STATE})
  add_test(NAME wine_session_stop COMMAND ${session} stop ${VARNELTA_WINE_STATE})
  # The session runs programs of this build's width (32-bit ones need the kernel's 32-bit support).
  math(EXPR width "${CMAKE_SIZEOF_VOID_P} * 8")
  set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine_session TIMEOUT 300
    ENVIRONMENT VARNELTA_WINE_WIDTH=${width})
  set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine_session)
endfunction()

# varnelta_add_fuzzer(NAME SOURCES src... [LIBS lib...] CORPUS dir): a libFuzzer target (clang
# fuzz build only; elsewhere nothing). Every target of the fuzz build carries the coverage
# instrumentation (see VarneltaOptions.cmake), so linked libraries guide the fuzzer too. Each
# target also runs briefly over its seeds in tests/fuzz/corpus/dir as a test, so a crash on a
# known input fails the run; new inputs go to a folder in the build tree.
if(VARNELTA_FUZZ)
  add_custom_target(varnelta_fuzzers)  # every fuzz target, for a build of just those
endif()
function(varnelta_add_fuzzer name)
  if(NOT VARNELTA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  add_dependencies(varnelta_fuzzers ${name})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} varnelta_options)
  set(found ${CMAKE_CURRENT_BINARY_DIR}/${name}-found)
  file(MAKE_DIRECTORY ${found})
  add_test(NAME ${name}_smoke
    COMMAND ${name} -max_total_time=10 -print_final_stats=1 ${found}
      ${PROJECT_SOURCE_DIR}/tests/fuzz/corpus/${ARG_CORPUS})
endfunction()
