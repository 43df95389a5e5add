# Helpers shared by every module's CMakeLists.

# Leaves the calling function in a build without tests or in a fuzzing build.
macro(zentrok_return_unless_tests)
  if(NOT ZENTROK_TESTS OR ZENTROK_FUZZ)
    return()
  endif()
endmacro()

# zentrok_program(NAME FOLDER SOURCES... LIBS ...): an executable built into
# build/FOLDER/.
function(zentrok_program name folder)
  cmake_parse_arguments(ZE "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ZE_SOURCES})
  target_link_libraries(${name} PRIVATE ${ZE_LIBS})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/${folder})
endfunction()

# zentrok_test_program(NAME SOURCES... LIBS ...): a test or screenshot
# program with a main of its own, built into build/tests/ with the tests.
function(zentrok_test_program name)
  zentrok_return_unless_tests()
  zentrok_program(${name} tests ${ARGN})
endfunction()

# zentrok_test(NAME SOURCES... LIBS ... [TIMEOUT seconds]): a GoogleTest
# executable registered with CTest, one CTest test per test case, each with
# the time limit given. Tests run from the build's program folder so that
# they find the engines and data files beside them. A source file with its
# own main replaces GoogleTest's.
function(zentrok_test name)
  zentrok_return_unless_tests()
  cmake_parse_arguments(ZT "" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  set(limit)
  if(ZT_TIMEOUT)
    set(limit TIMEOUT ${ZT_TIMEOUT})
  endif()
  zentrok_program(${name} tests SOURCES ${ZT_SOURCES} LIBS ${ZT_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} WORKING_DIRECTORY ${ZENTROK_BIN_DIR}
                       PROPERTIES ENVIRONMENT "ZENTROK_BIN=${ZENTROK_BIN_DIR}" ${limit}
                       DISCOVERY_TIMEOUT 60 DISCOVERY_MODE PRE_TEST)
endfunction()

# zentrok_fuzz(NAME SOURCES... LIBS ...): a libFuzzer target, built only in a
# fuzzing build (ZENTROK_FUZZ=ON with clang).
function(zentrok_fuzz name)
  if(NOT ZENTROK_FUZZ)
    return()
  endif()
  cmake_parse_arguments(ZF "" "" "SOURCES;LIBS" ${ARGN})
  zentrok_program(${name} fuzz SOURCES ${ZF_SOURCES} LIBS ${ZF_LIBS})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()

# zentrok_bench(NAME SOURCES... LIBS ...): a Google Benchmark executable in
# build/bench/.
function(zentrok_bench name)
  cmake_parse_arguments(ZB "" "" "SOURCES;LIBS" ${ARGN})
  zentrok_program(${name} bench SOURCES ${ZB_SOURCES} LIBS ${ZB_LIBS} benchmark::benchmark)
endfunction()

# zentrok_xvfb_test(NAME COMMAND command [args...] [XCB] [TIMEOUT seconds]):
# a test on a virtual X display of its own (xvfb-run -a, 1280x800, 24 bits),
# run from the program folder with ZENTROK_BIN set; exit status 77 means
# skipped. XCB puts Qt on that display whatever platform the test run asks
# for. Without xvfb-run the command runs with no display on the offscreen
# platform, where whatever needs X skips itself.
function(zentrok_xvfb_test name)
  zentrok_return_unless_tests()
  cmake_parse_arguments(ZV "XCB" "TIMEOUT" "COMMAND" ${ARGN})
  find_program(XVFB_RUN xvfb-run)
  set(env "ZENTROK_BIN=${ZENTROK_BIN_DIR}")
  if(XVFB_RUN)
    add_test(NAME ${name} COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x800x24" ${ZV_COMMAND})
    if(ZV_XCB)
      list(APPEND env "QT_QPA_PLATFORM=xcb")
    endif()
  else()
    add_test(NAME ${name} COMMAND ${ZV_COMMAND})
    list(APPEND env "QT_QPA_PLATFORM=offscreen" "DISPLAY=")
  endif()
  set_tests_properties(${name} PROPERTIES WORKING_DIRECTORY ${ZENTROK_BIN_DIR} SKIP_RETURN_CODE 77
                       ENVIRONMENT "${env}")
  if(ZV_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${ZV_TIMEOUT})
  endif()
endfunction()

# zentrok_x_test(NAME SOURCES ... LIBS ...): a GoogleTest program with its
# own main that needs a real X server, run as one test under zentrok_xvfb_test
# on the xcb platform.
function(zentrok_x_test name)
  cmake_parse_arguments(ZX "" "" "SOURCES;LIBS" ${ARGN})
  zentrok_test_program(${name} SOURCES ${ZX_SOURCES} LIBS ${ZX_LIBS} GTest::gtest)
  zentrok_xvfb_test(${name} COMMAND $<TARGET_FILE:${name}> XCB TIMEOUT 180)
endfunction()
