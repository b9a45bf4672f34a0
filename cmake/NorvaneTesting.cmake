# norvane_add_test(NAME SOURCES a.cpp b.cpp LIBS lib...)
# One GoogleTest executable per feature; every test case is registered with CTest.
find_package(GTest REQUIRED)
include(GoogleTest)

function(norvane_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} norvane_test_support GTest::gtest GTest::gtest_main
                                        norvane_flags)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "NORVANE_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()
