# Warnings and sanitizer flags shared by every target of the project.
add_library(kelvo_options INTERFACE)
target_compile_options(kelvo_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough -Wformat=2)
target_include_directories(kelvo_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

if(KELVO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(KELVO_FUZZ)
  # Everything is instrumented for coverage; only the fuzz targets link the fuzzer driver.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

# kelvo_add_test(NAME SOURCES...) — one GoogleTest executable per module.
function(kelvo_add_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE kelvoplatform kelvo_options GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "KELVO_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
