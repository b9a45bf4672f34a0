# Fails when a file of a core library includes a Qt header.
file(GLOB_RECURSE core_files ${ROOT}/scene/* ${ROOT}/vrml/* ${ROOT}/scenefile/* ${ROOT}/map/*
     ${ROOT}/platform/*)
foreach(file ${core_files})
  file(STRINGS ${file} hits REGEX "#[ \t]*include[ \t]*[<\"]Q")
  if(hits)
    message(FATAL_ERROR "${file} includes Qt: ${hits}")
  endif()
endforeach()
message(STATUS "core is Qt-free")
