# Helpers shared by every module's CMakeLists.

# zentrok_test(NAME SOURCES... LIBS ...): a GoogleTest executable registered
# with CTest. Tests run from the build's program folder so that they find the
# engines and data files beside them.
function(zentrok_test name)
  if(NOT ZENTROK_TESTS OR ZENTROK_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ZT "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ZT_SOURCES})
  target_link_libraries(${name} PRIVATE ${ZT_LIBS} GTest::gtest GTest::gtest_main)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} WORKING_DIRECTORY ${ZENTROK_BIN_DIR}
                       PROPERTIES ENVIRONMENT "ZENTROK_BIN=${ZENTROK_BIN_DIR}"
                       DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST)
endfunction()

# zentrok_fuzz(NAME SOURCES... LIBS ...): a libFuzzer target, built only in a
# fuzzing build (ZENTROK_FUZZ=ON with clang).
function(zentrok_fuzz name)
  if(NOT ZENTROK_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ZF "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ZF_SOURCES})
  target_link_libraries(${name} PRIVATE ${ZF_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
endfunction()

# zentrok_bench(NAME SOURCES... LIBS ...): a Google Benchmark executable in
# build/bench/.
function(zentrok_bench name)
  cmake_parse_arguments(ZB "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ZB_SOURCES})
  target_link_libraries(${name} PRIVATE ${ZB_LIBS} benchmark::benchmark)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
