# Warning and sanitizer flags shared by every target of the project.
add_library(norvane_flags INTERFACE)
target_compile_options(norvane_flags INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                               -Wno-sign-conversion)
if(NORVANE_WERROR)
  target_compile_options(norvane_flags INTERFACE -Werror)
endif()
if(NORVANE_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(norvane_flags INTERFACE ${_san})
  target_link_options(norvane_flags INTERFACE ${_san})
endif()
