# Warning and sanitizer flags shared by every target of the project.
add_library(norvane_flags INTERFACE)
target_compile_options(norvane_flags INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                               -Wno-sign-conversion)
if(NORVANE_WERROR)
  target_compile_options(norvane_flags INTERFACE -Werror)
endif()
if(NORVANE_COVERAGE)
  # Atomic counters: the export, reading and map code run parts on two threads.
  target_compile_options(norvane_flags INTERFACE --coverage -fprofile-update=atomic -O0)
  target_link_options(norvane_flags INTERFACE --coverage)
endif()
if(NORVANE_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(norvane_flags INTERFACE ${_san})
  target_link_options(norvane_flags INTERFACE ${_san})
endif()

# norvane_core_library(NAME DEPS...): a library of every .cpp in the calling folder, with src/ on
# its include path. A folder without sources yet gives an interface library.
function(norvane_core_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
    target_link_libraries(${name} PUBLIC ${ARGN} PRIVATE norvane_flags)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_CURRENT_SOURCE_DIR}/..)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

if(NORVANE_FUZZ)
  # Instrument every library for coverage; the fuzzer executables link libFuzzer's main.
  set(_fuzz -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(norvane_flags INTERFACE ${_fuzz})
  target_link_options(norvane_flags INTERFACE -fsanitize=address,undefined)
endif()
