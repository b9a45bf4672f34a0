# Checks the shared libraries a program needs (its ELF NEEDED entries): fails when one matches
# REFUSED, or when none matches REQUIRED (given so that the check cannot pass on nothing).
# cmake -DPROGRAM=<file> -DREFUSED=<regex> [-DREQUIRED=<regex>] -P NeededLibraries.cmake
find_program(READELF readelf REQUIRED)
execute_process(COMMAND ${READELF} --dynamic ${PROGRAM} RESULT_VARIABLE result
                OUTPUT_VARIABLE dynamic ERROR_VARIABLE errors)
string(REGEX MATCHALL "\\(NEEDED\\)[^\n]*" needed "${dynamic}")
if(NOT result EQUAL 0 OR NOT needed)
  message(FATAL_ERROR "${PROGRAM}: no NEEDED entries read: ${errors}")
endif()
foreach(entry ${needed})
  if(entry MATCHES "${REFUSED}")
    message(FATAL_ERROR "${PROGRAM} needs ${entry}")
  endif()
endforeach()
if(DEFINED REQUIRED AND NOT needed MATCHES "${REQUIRED}")
  message(FATAL_ERROR "${PROGRAM} does not need ${REQUIRED}: ${needed}")
endif()
