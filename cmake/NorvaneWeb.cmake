# X_ITE, the X3D browser that exported web pages carry, comes from npm at the exact version that
# web/package-lock.json pins; `npm ci` installs it (and the page test's browser driver) into the
# build tree. norvane_place_web_files() puts what a page needs beside a program.
# With NORVANE_WEB off nothing asks npm or the network: the programs are built without X_ITE
# beside them, so exporting a web page fails with the name of the missing file, and the tests
# that need X_ITE skip.

# The X_ITE files a page of any world fetches, relative to X_ITE's dist/ folder (the web page
# export picks those of its world from them); the page test fails on any other file it asks for.
set(NORVANE_XITE_FILES
    LICENSE.md x_ite.min.js x_ite.css
    assets/components/ScriptingComponent.min.js assets/components/TextComponent.min.js
    assets/fonts/Droid/DroidSerif-Regular.woff2 assets/fonts/PT_Sans/PTSans-Regular.woff2
    assets/fonts/PT_Sans/PTSans-Bold.woff2 assets/fonts/PT_Sans/PTSans-Italic.woff2
    assets/images/logo.svg assets/images/no_sound.svg assets/images/schedule.svg
    assets/lib/mikktspace_bg.wasm assets/lib/woff2_decoder.js
    assets/components/EventUtilitiesComponent.min.js assets/components/Geometry2DComponent.min.js
    assets/components/KeyDeviceSensorComponent.min.js
    assets/components/Texturing3DComponent.min.js assets/linetype/linetypes.png)
# The icons of the menu a right click or a long press opens.
foreach(icon animation block border_all check_circle directions_run eye_tracking fullscreen
             fullscreen_exit globe hexagon info language play_circle point_scan
             radio_button_checked radio_button_unchecked stadia_controller stop_circle
             stroke_partial texture travel visibility xr)
  list(APPEND NORVANE_XITE_FILES assets/images/${icon}.svg)
endforeach()
set(NORVANE_TEXTURES source1.jpg source2.jpg source3.jpg source4.jpg source5.jpg)

set(NORVANE_NPM_DIR ${CMAKE_BINARY_DIR}/npm)
set(NORVANE_XITE_DIR ${NORVANE_NPM_DIR}/node_modules/x_ite/dist)
set(npm_stamp ${NORVANE_NPM_DIR}/npm-ci.stamp)

if(NORVANE_WEB)
  set(npm_inputs ${PROJECT_SOURCE_DIR}/web/package.json ${PROJECT_SOURCE_DIR}/web/package-lock.json)

  find_program(NORVANE_NPM npm)
  if(NOT NORVANE_NPM)
    message(FATAL_ERROR "npm is missing: install Debian's npm (make deps does) to fetch X_ITE")
  endif()

  # Until the packages are in the build tree, the registry must answer: say so once, plainly.
  if(NOT EXISTS ${npm_stamp}
     OR ${PROJECT_SOURCE_DIR}/web/package-lock.json IS_NEWER_THAN ${npm_stamp})
    execute_process(COMMAND ${NORVANE_NPM} ping RESULT_VARIABLE ping_failed OUTPUT_QUIET
                    ERROR_QUIET TIMEOUT 60)
    if(ping_failed)
      message(FATAL_ERROR "Cannot reach the npm registry to fetch X_ITE (web/package-lock.json)")
    endif()
  endif()

  set(npm_omit)
  if(NOT NORVANE_BUILD_TESTS)
    set(npm_omit --omit=dev)
  endif()
  file(MAKE_DIRECTORY ${NORVANE_NPM_DIR})
  add_custom_command(OUTPUT ${npm_stamp}
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different ${npm_inputs} ${NORVANE_NPM_DIR}
                     COMMAND ${NORVANE_NPM} ci --no-audit --no-fund --loglevel=error ${npm_omit}
                     COMMAND ${CMAKE_COMMAND} -E touch ${npm_stamp}
                     DEPENDS ${npm_inputs} WORKING_DIRECTORY ${NORVANE_NPM_DIR}
                     COMMENT "Installing X_ITE from npm (npm ci)")
  add_custom_target(norvane_npm DEPENDS ${npm_stamp})
else()
  message(STATUS "NORVANE_WEB is off: no X_ITE from npm, no web page test in Chromium")
  add_custom_target(norvane_npm)
endif()

# norvane_place_web_files(TARGET [WITH_TEXTURES]): X_ITE's files (unless NORVANE_WEB is off) and
# the five textures beside TARGET's executable, where the web page export reads them.
function(norvane_place_web_files target)
  cmake_parse_arguments(ARG "WITH_TEXTURES" "" "" ${ARGN})
  set(xite_files)
  if(NORVANE_WEB)
    set(xite_files ${NORVANE_XITE_FILES})
  endif()
  get_target_property(dir ${target} RUNTIME_OUTPUT_DIRECTORY)
  if(NOT dir)
    set(dir ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  set(outputs)
  set(commands)
  foreach(name ${xite_files})
    get_filename_component(sub ${name} DIRECTORY)
    list(APPEND outputs ${dir}/x_ite/${name})
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}/x_ite/${sub}
         COMMAND ${CMAKE_COMMAND} -E copy_if_different ${NORVANE_XITE_DIR}/${name} ${dir}/x_ite/${name})
  endforeach()
  set(textures)
  if(ARG_WITH_TEXTURES)
    set(textures ${NORVANE_TEXTURES})
  endif()
  foreach(name ${textures})
    list(APPEND outputs ${dir}/${name})
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E copy_if_different
         ${PROJECT_SOURCE_DIR}/resources/${name} ${dir}/${name})
  endforeach()
  if(NOT outputs)
    return()
  endif()
  set(depends)
  if(NORVANE_WEB)
    set(depends ${npm_stamp})
  endif()
  add_custom_command(OUTPUT ${outputs} ${commands} DEPENDS ${depends}
                     COMMENT "Placing X_ITE and the textures beside ${target}")
  add_custom_target(${target}_web_files ALL DEPENDS ${outputs})
  add_dependencies(${target}_web_files norvane_npm)
  add_dependencies(${target} ${target}_web_files)
endfunction()

# Installed, X_ITE lies with the textures in share/norvane.
function(norvane_install_web_files)
  if(NOT NORVANE_WEB)
    return()
  endif()
  foreach(name ${NORVANE_XITE_FILES})
    get_filename_component(sub ${name} DIRECTORY)
    install(FILES ${NORVANE_XITE_DIR}/${name} DESTINATION ${CMAKE_INSTALL_DATADIR}/norvane/x_ite/${sub})
  endforeach()
endfunction()
