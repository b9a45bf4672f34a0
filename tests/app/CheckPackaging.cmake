# Checks the desktop entry and the scene file MIME type the way the desktop reads them.
# cmake -DSOURCE=<project root> -DWORK=<scratch folder> -P CheckPackaging.cmake
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(UPDATE_MIME_DATABASE update-mime-database REQUIRED)

execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${SOURCE}/packaging/norvane.desktop
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "norvane.desktop: ${output}")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/packages)
configure_file(${SOURCE}/packaging/norvane-mime.xml ${WORK}/packages/norvane.xml COPYONLY)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${WORK} RESULT_VARIABLE result
                ERROR_VARIABLE errors)
file(READ ${WORK}/globs2 globs)
if(NOT result EQUAL 0 OR errors MATCHES "[Ee]rror|[Ww]arning"
   OR NOT globs MATCHES "application/x-norvane-scene:\\*\\.nsc")
  message(FATAL_ERROR "norvane-mime.xml: ${errors}\n${globs}")
endif()
