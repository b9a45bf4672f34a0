# Runs the check SCRIPT on the tree ROOT and passes when it fails with exactly the lines of the
# file EXPECTED before its error.
cmake_minimum_required(VERSION 3.20)
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${ROOT} -P ${SCRIPT} RESULT_VARIABLE failed
                ERROR_VARIABLE output)
string(REGEX REPLACE "CMake Error.*" "" said "${output}")
file(READ ${EXPECTED} expected)
if(NOT failed)
  message(FATAL_ERROR "${SCRIPT} passed on ${ROOT}")
endif()
if(NOT said STREQUAL expected)
  message(FATAL_ERROR "${SCRIPT} on ${ROOT} said:\n${said}\nexpected:\n${expected}")
endif()
message(STATUS "${SCRIPT} refused ${ROOT} as expected:\n${said}")
