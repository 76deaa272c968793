# zorbit_test(<name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable per module, registered with CTest under its own name,
# linked with the shared test support (testing/).
function(zorbit_test name)
  if(NOT ZORBIT_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} zorbit_testing GTest::gtest GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
endfunction()

# zorbit_bench(<name> SOURCES <files...> LIBS <targets...>)
function(zorbit_bench name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  find_package(benchmark REQUIRED)
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
endfunction()

include(${CMAKE_CURRENT_LIST_DIR}/ZorbitResources.cmake)
