# Checks the desktop entry, the AppStream metadata, the scene file MIME type, the icons and the
# thumbnailer the way the desktop reads them, in an install of the build tree.
# cmake -DSOURCE=<project root> -DBUILD=<build tree> -DWORK=<scratch folder> -P CheckPackaging.cmake
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(UPDATE_MIME_DATABASE update-mime-database REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)

# desktop-file-validate prints nothing for a clean entry. appstreamcli prints its verdict; only
# its pedantic notes ("P:", such as the upper-case letters of the reverse-DNS id) may come with it.
set(app_id org.norvane.Norvane)
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${SOURCE}/packaging/${app_id}.desktop
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "${app_id}.desktop: ${output}")
endif()
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net --no-color
                        ${SOURCE}/packaging/${app_id}.metainfo.xml
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR output MATCHES "(^|\n)[EWI]: " OR NOT output MATCHES "successful")
  message(FATAL_ERROR "${app_id}.metainfo.xml: ${output}")
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/packages)
configure_file(${SOURCE}/packaging/norvane-mime.xml ${WORK}/packages/norvane.xml COPYONLY)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${WORK} RESULT_VARIABLE result
                ERROR_VARIABLE errors)
file(READ ${WORK}/globs2 globs)
file(READ ${WORK}/icons icons)
file(READ ${WORK}/generic-icons generic_icons)
if(NOT result EQUAL 0 OR errors MATCHES "[Ee]rror|[Ww]arning"
   OR NOT globs MATCHES "application/x-norvane-scene:\\*\\.nsc"
   OR NOT icons STREQUAL "application/x-norvane-scene:application-x-norvane-scene\n"
   OR NOT generic_icons STREQUAL "application/x-norvane-scene:text-x-generic\n")
  message(FATAL_ERROR "norvane-mime.xml: ${errors}\n${globs}\n${icons}${generic_icons}")
endif()

# Installed into a scratch prefix, the thumbnailer names the scene MIME type and its Exec line,
# run as the desktop runs it, writes a PNG of the asked size with the installed norvane-cli.
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK}/prefix
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
set(share ${WORK}/prefix/share)
file(GLOB templates ${share}/norvane/templates/*.NSC)
list(LENGTH templates template_count)
if(NOT result EQUAL 0 OR NOT template_count EQUAL 3 OR NOT EXISTS ${share}/mime/packages/norvane.xml)
  message(FATAL_ERROR "install: ${errors} (templates: ${templates})")
endif()

# The desktop finds the entry and the metadata under the application id, and every icon in each
# size: a PNG as wide and high as its folder says (the header's IHDR), and the SVG.
foreach(file applications/${app_id}.desktop metainfo/${app_id}.metainfo.xml
             icons/hicolor/scalable/apps/${app_id}.svg
             icons/hicolor/scalable/mimetypes/application-x-norvane-scene.svg)
  if(NOT EXISTS ${share}/${file})
    message(FATAL_ERROR "not installed: share/${file}")
  endif()
endforeach()
foreach(size 16 32 48 64 128 256)
  math(EXPR side "${size}" OUTPUT_FORMAT HEXADECIMAL)
  string(REGEX REPLACE "^0x" "00000000" side "${side}")
  string(REGEX REPLACE "^.*(........)$" "\\1" side "${side}")
  foreach(icon apps/${app_id} mimetypes/application-x-norvane-scene)
    set(png ${share}/icons/hicolor/${size}x${size}/${icon}.png)
    file(READ ${png} header LIMIT 24 HEX)
    if(NOT header STREQUAL "89504e470d0a1a0a0000000d49484452${side}${side}")
      message(FATAL_ERROR "${png}: PNG header ${header}")
    endif()
  endforeach()
endforeach()

set(thumbnailer ${share}/thumbnailers/norvane.thumbnailer)
file(STRINGS ${thumbnailer} group LIMIT_COUNT 1)
file(STRINGS ${thumbnailer} exec REGEX "^Exec=")
file(STRINGS ${thumbnailer} mime REGEX "^MimeType=")
string(REPLACE "\\;" ";" mime "${mime}") # file(STRINGS) escapes the list separator
if(NOT group STREQUAL "[Thumbnailer Entry]" OR NOT exec MATCHES "^Exec=norvane-cli render "
   OR NOT "${mime}" STREQUAL "MimeType=application/x-norvane-scene;")
  message(FATAL_ERROR "norvane.thumbnailer: ${group} ${exec} ${mime}")
endif()
string(REGEX REPLACE "^Exec=norvane-cli" "${WORK}/prefix/bin/norvane-cli" command "${exec}")
string(REPLACE "%i" "${SOURCE}/resources/templates/street.NSC" command "${command}")
string(REPLACE "%o" "${WORK}/thumbnail.png" command "${command}")
string(REPLACE "%s" "128" command "${command}")
separate_arguments(command UNIX_COMMAND "${command}")
execute_process(COMMAND ${command} RESULT_VARIABLE result ERROR_VARIABLE errors)
file(READ ${WORK}/thumbnail.png header LIMIT 24 HEX)
if(NOT result EQUAL 0 OR NOT header STREQUAL
   "89504e470d0a1a0a0000000d494844520000008000000080")
  message(FATAL_ERROR "thumbnailer Exec ${command}: ${errors}\nPNG header ${header}")
endif()

# Started by an ordinary user from a prefix that user cannot write to, the editor keeps its files
# in ~/.local/share/norvane: the textures are copied there and a file that an earlier version
# left in ~/.local/share/Norvane/norvane moves in. As root the editor runs as nobody, from an
# install in the system's temporary folder, which nobody can reach wherever the build tree is.
string(RANDOM LENGTH 8 tag)
set(user_work /tmp/norvane-packaging-${tag})
file(MAKE_DIRECTORY ${user_work})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${user_work}/prefix
                RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "install for an ordinary user: ${errors}")
endif()
set(home ${user_work}/home)
set(earlier ${home}/.local/share/Norvane/norvane)
file(MAKE_DIRECTORY ${earlier})
file(WRITE ${earlier}/song.wav "music")
file(CHMOD ${user_work} ${user_work}/prefix ${user_work}/prefix/bin DIRECTORY_PERMISSIONS
     OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
execute_process(COMMAND id -u OUTPUT_VARIABLE uid OUTPUT_STRIP_TRAILING_WHITESPACE)
set(as_user)
if(uid STREQUAL "0")
  execute_process(COMMAND chown -R 65534:65534 ${home})
  set(as_user setpriv --reuid=65534 --regid=65534 --clear-groups)
endif()
execute_process(COMMAND ${as_user} env -u XDG_DATA_HOME HOME=${home}
                        XDG_CONFIG_HOME=${home}/.config
                        QT_QPA_PLATFORM=offscreen NORVANE_EXIT_AFTER_START=1
                        ${user_work}/prefix/bin/norvane
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
file(CHMOD ${user_work} ${user_work}/prefix/bin DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE
     OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(folder ${home}/.local/share/norvane)
if(NOT result EQUAL 0 OR NOT EXISTS ${folder}/source5.jpg OR NOT EXISTS ${folder}/song.wav
   OR EXISTS ${home}/.local/share/Norvane OR EXISTS ${user_work}/prefix/bin/source1.jpg)
  file(GLOB_RECURSE made RELATIVE ${home} ${home}/*)
  file(REMOVE_RECURSE ${user_work})
  message(FATAL_ERROR "installed editor as an ordinary user: ${result} ${output}${errors}\n"
                      "files in its home: ${made}")
endif()
file(REMOVE_RECURSE ${user_work})
