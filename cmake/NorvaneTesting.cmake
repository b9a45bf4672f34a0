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

# norvane_add_qt_test(NAME PREFIX prefix SOURCES a.cpp... LIBS lib... [XVFB]): one Qt Test
# executable, registered with CTest as PREFIX.NAME and run offscreen. With XVFB it runs again as
# PREFIX.NAME.xvfb on the xcb platform under Xvfb, for the 3D view's OpenGL (not in the sanitizer
# build, whose checks are for our code and not Mesa's).
function(norvane_add_qt_test name)
  cmake_parse_arguments(ARG "XVFB" "PREFIX" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} norvane_flags)
  add_test(NAME ${ARG_PREFIX}.${name} COMMAND ${name})
  set_tests_properties(${ARG_PREFIX}.${name} PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen
                                                        TIMEOUT 120)
  if(ARG_XVFB AND NOT NORVANE_SANITIZE)
    find_program(XVFB_RUN xvfb-run REQUIRED)
    add_test(NAME ${ARG_PREFIX}.${name}.xvfb
             COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${name}>)
    set_tests_properties(${ARG_PREFIX}.${name}.xvfb PROPERTIES TIMEOUT 300
                                                              ENVIRONMENT QT_QPA_PLATFORM=xcb)
  endif()
endfunction()

# norvane_add_qt_test_folder(PREFIX prefix SUPPORT name SUPPORT_LIBS lib... LIBS lib...
# [XVFB test...]): the Qt tests of the calling folder: a static library `name` of support/*.cpp
# linking SUPPORT_LIBS and Qt Test, and one norvane_add_qt_test per *Test.cpp linking it and LIBS;
# the tests named after XVFB run under Xvfb too.
function(norvane_add_qt_test_folder)
  cmake_parse_arguments(ARG "" "PREFIX;SUPPORT" "SUPPORT_LIBS;LIBS;XVFB" ${ARGN})
  find_package(Qt6 REQUIRED COMPONENTS Test)
  set(CMAKE_AUTOMOC ON)
  file(GLOB support_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/support/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/support/*.h)
  add_library(${ARG_SUPPORT} STATIC ${support_sources})
  target_include_directories(${ARG_SUPPORT} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/support)
  target_link_libraries(${ARG_SUPPORT} PUBLIC ${ARG_SUPPORT_LIBS} Qt6::Test PRIVATE norvane_flags)
  file(GLOB test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*Test.cpp)
  foreach(source ${test_sources})
    get_filename_component(name ${source} NAME_WE)
    set(xvfb)
    if(name IN_LIST ARG_XVFB)
      set(xvfb XVFB)
    endif()
    norvane_add_qt_test(${name} PREFIX ${ARG_PREFIX} SOURCES ${source}
                        LIBS ${ARG_SUPPORT} ${ARG_LIBS} ${xvfb})
  endforeach()
endfunction()
