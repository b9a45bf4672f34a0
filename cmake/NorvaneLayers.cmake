# The folders of src/ from the bottom up, each with the folders its files may include besides its
# own ("folder:allowed,..."). The core folders are plain C++ and stay free of Qt; the folders
# above them may include any core folder. src/CMakeLists.txt adds the core folders in this order,
# tests/CoreHasNoQt.cmake and tests/IncludeDirection.cmake check the sources against it.
set(NORVANE_CORE_LAYERS
    "scene:"
    "platform:scene"
    "vrml:scene,platform"
    "scenefile:scene,platform"
    "map:scene,platform"
    "view3d:scene,platform,vrml"
    "gltf:scene,platform,vrml,view3d"
    "formats:scene,platform,vrml,view3d,gltf"
    "webpage:scene,platform,vrml,formats")
set(NORVANE_UPPER_LAYERS
    "render:@core"
    "app:@core,render"
    "cli:@core,render")

# norvane_layer_folders(OUT LAYERS...): the folder names of the given layer rows.
function(norvane_layer_folders out)
  set(folders)
  foreach(row ${ARGN})
    string(REGEX REPLACE ":.*" "" folder "${row}")
    list(APPEND folders ${folder})
  endforeach()
  set(${out} ${folders} PARENT_SCOPE)
endfunction()

norvane_layer_folders(NORVANE_CORE_FOLDERS ${NORVANE_CORE_LAYERS})
norvane_layer_folders(NORVANE_UPPER_FOLDERS ${NORVANE_UPPER_LAYERS})

# norvane_layer_allows(OUT FOLDER): the folders FOLDER's files may include; OUT is NOTFOUND when
# FOLDER has no row.
function(norvane_layer_allows out folder)
  set(${out} NOTFOUND PARENT_SCOPE)
  foreach(row ${NORVANE_CORE_LAYERS} ${NORVANE_UPPER_LAYERS})
    if(row MATCHES "^${folder}:(.*)$")
      string(REPLACE "," ";" allowed "${CMAKE_MATCH_1}")
      list(TRANSFORM allowed REPLACE "^@core$" "${NORVANE_CORE_FOLDERS}")
      set(${out} ${allowed} PARENT_SCOPE)
    endif()
  endforeach()
endfunction()
