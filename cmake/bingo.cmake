# Helpers that let each folder add its sources without touching the top-level file.

# bingo_core_module(name dir [deps...]): static library bingo_<name> from every .cpp in dir.
function(bingo_core_module name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(sources)
    add_library(bingo_${name} STATIC ${sources})
    target_include_directories(bingo_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(bingo_${name} PUBLIC ${ARGN})
  else()
    add_library(bingo_${name} INTERFACE)
    target_include_directories(bingo_${name} INTERFACE ${CMAKE_SOURCE_DIR}/src)
    target_link_libraries(bingo_${name} INTERFACE ${ARGN})
  endif()
endfunction()

# bingo_unit_tests(name dir libs...): one GoogleTest executable unit_<name> from every .cpp in dir.
function(bingo_unit_tests name dir)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(unit_${name} ${sources})
  target_link_libraries(unit_${name} PRIVATE ${ARGN} bingo_test_support GTest::gtest_main GTest::gmock)
  target_compile_definitions(unit_${name} PRIVATE BINGO_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
  gtest_discover_tests(unit_${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()
