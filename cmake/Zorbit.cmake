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
  target_precompile_headers(${name} PRIVATE <gtest/gtest.h> <gmock/gmock.h>)
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

# zorbit_fuzz_targets(<library> <reader>...)
# A libFuzzer program <reader>Fuzz from <reader>Fuzz.cpp for each reader of
# the library, which is itself built for coverage feedback. Only in a clang
# configuration with ZORBIT_FUZZ on: libFuzzer is part of clang's runtime.
function(zorbit_fuzz_targets library)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZORBIT_FUZZ needs clang: libFuzzer is part of its runtime")
  endif()
  target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link)
  foreach(reader ${ARGN})
    add_executable(${reader}Fuzz ${reader}Fuzz.cpp)
    target_compile_options(${reader}Fuzz PRIVATE -fsanitize=fuzzer)
    target_link_options(${reader}Fuzz PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${reader}Fuzz PRIVATE ${library})
  endforeach()
endfunction()

# zorbit_program(<target>)
# An executable that is the program: built into app/ of the build folder
# beside Resources/ and pfqtheme.ini, with the program file's version
# resource (the About window shows it when the registry names no version).
function(zorbit_program target)
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/app)
  add_dependencies(${target} english_pack)
  zorbit_version_resource(${target}
    COMPANY_NAME "Ovra"
    FILE_DESCRIPTION "Ovra Zorbit Management"
    FILE_VERSION ${PROJECT_VERSION}.0
    INTERNAL_NAME zorbit
    ORIGINAL_FILENAME zorbit
    PRODUCT_NAME "Ovra Zorbit Management"
    PRODUCT_VERSION ${PROJECT_VERSION}.0)
endfunction()

# zorbit_link_options(<folder>)
# Links zorbit_options into every target that <folder> and the folders below
# it build, so that no target can miss the project's options.
function(zorbit_link_options folder)
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(kind ${target} TYPE)
    if(kind MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$")
      target_link_libraries(${target} PRIVATE zorbit_options)
    endif()
  endforeach()
  get_property(folders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS folders)
    zorbit_link_options(${sub})
  endforeach()
endfunction()
