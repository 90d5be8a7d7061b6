# Warnings and sanitizer flags shared by every target of the project.
add_library(kelvo_options INTERFACE)
target_compile_options(kelvo_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough -Wformat=2)
target_include_directories(kelvo_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

if(KELVO_SANITIZE OR KELVO_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(KELVO_FUZZ)
  # Everything is instrumented for coverage; only the fuzz targets link the fuzzer driver.
  # The sanitizer build carries the fuzz targets too, so one build serves both.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# kelvo_add_test(NAME SOURCES...) — one GoogleTest executable per module.
function(kelvo_add_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE kelvoplatform kelvo_options GTest::gtest GTest::gtest_main)
  # Shared test scaffolding is included as "support/...".
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  # Where a test writes what it leaves for inspection (a golden mismatch's picture).
  target_compile_definitions(${name} PRIVATE KELVO_TEST_OUTPUT="${CMAKE_CURRENT_BINARY_DIR}/test_output")
  set(data "KELVO_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
  if(KELVO_SANITIZE)
    # One process per executable: starting a sanitized process per test case
    # cost twenty times the cases' own run time.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${data}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${data}")
  endif()
endfunction()

# kelvo_add_script_test(NAME FILE [PROGRAM target] [REGISTER library-target ...]
#                       [SETUP script.cmake] [CHECK script.cmake]) —
# runs a console script with `PROGRAM --script FILE` (formrun unless another
# program built on the forms is named) in a fresh working directory holding a copy
# of the script's folder (so relative paths reach the files beside it), with
# KELVO_ROOT set to a fresh directory under the build tree. Each REGISTER
# library is first registered there with REGSVR32.EXE. A SETUP script runs
# before the program and a CHECK script after it, both with FILES set to the
# working directory (to make the files a script needs and inspect what it left).
function(kelvo_add_script_test name file)
  cmake_parse_arguments(PARSE_ARGV 2 arg "" "PROGRAM;SETUP;CHECK" "REGISTER")
  if(NOT arg_PROGRAM)
    set(arg_PROGRAM formrun)
  endif()
  get_filename_component(script ${file} ABSOLUTE)
  set(servers "")
  foreach(library ${arg_REGISTER})
    list(APPEND servers "$<TARGET_FILE:${library}>")
  endforeach()
  set(regsvr "")
  if(servers)
    set(regsvr "$<TARGET_FILE:regsvr32>")
  endif()
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND}
      -DPROGRAM=$<TARGET_FILE:${arg_PROGRAM}>
      -DSCRIPT=${script}
      -DWORK=${CMAKE_CURRENT_BINARY_DIR}/script_runs/${name}
      "-DREGSVR=${regsvr}"
      "-DSERVERS=${servers}"
      "-DSETUP=${arg_SETUP}"
      "-DCHECK=${arg_CHECK}"
      -P ${PROJECT_SOURCE_DIR}/cmake/RunScriptTest.cmake)
endfunction()
