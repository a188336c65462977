cmake_minimum_required(VERSION 3.25)
# Reads the program's layers and the companions and fails where one reaches above its ground:
#  - a file of a layer of src/ that includes a layer above its own;
#  - a layer whose library links the library of a layer above it;
#  - a companion whose CMake names the program's source folder (or the source root, through which
#    that folder is reached), or links a program library other than the ground it may share;
#  - a companion file that includes a program layer it does not reach through that ground.
# Includes count in both forms, "..." and <...>, and by any path (relative ones resolved from the
# including file). The build alone does not catch these: every layer's headers sit under one
# include folder, so a header of a higher layer compiles wherever it is included.
#   cmake -DROOT=<source folder> -P check_layers.cmake

get_filename_component(ROOT "${ROOT}" ABSOLUTE)

# What each layer of src/ may include, besides itself (the libraries it links, directly or not).
set(_below_core "")
set(_below_slideshow core)
set(_below_profiles core)
set(_below_dvd core profiles slideshow)
set(_below_builders core profiles slideshow dvd)
set(_below_convert core profiles slideshow dvd builders)
set(_below_player core profiles slideshow dvd builders convert)
set(_below_ui core profiles slideshow dvd builders convert player)
set(_below_app core profiles slideshow dvd builders convert player ui)
set(_layers core slideshow profiles dvd builders convert player ui app)

# The program's layers whose libraries the companions may link: the GUI-free core, and the
# slideshow's records and transitions that the image-to-video engine draws with. Everything else
# a companion shares with the program is a library under companions/.
set(_ground core slideshow)

set(_faults "")
list(JOIN _ground " and " _ground_text)

# The library of each layer, read from src/CMakeLists.txt: talvane_layer(NAME DIR LINKS...) or
# add_library(NAME ...) for app/, and what each links there (target_link_libraries included).
# Sets _library_<layer>, _layer_of_<library>, _links_of_<library> and _libraries.
file(READ ${ROOT}/src/CMakeLists.txt _src_cmake)
string(REGEX REPLACE "#[^\n]*" "" _src_cmake "${_src_cmake}")
set(_libraries "")
string(REGEX MATCHALL "talvane_layer\\([^)]*\\)" _layer_calls "${_src_cmake}")
foreach(_call IN LISTS _layer_calls)
  string(REGEX REPLACE "^talvane_layer\\(|\\)$" "" _words "${_call}")
  string(REGEX REPLACE "[ \t\r\n]+" ";" _words "${_words}")
  list(FILTER _words EXCLUDE REGEX "^$")
  list(POP_FRONT _words _library _dir)
  get_filename_component(_layer "${_dir}" NAME)
  set(_library_${_layer} ${_library})
  set(_layer_of_${_library} ${_layer})
  set(_links_of_${_library} "${_words}")
  list(APPEND _libraries ${_library})
endforeach()
string(REGEX MATCHALL "add_library\\([ \t\r\n]*[A-Za-z0-9_]+" _added "${_src_cmake}")
foreach(_call IN LISTS _added)
  string(REGEX REPLACE "^add_library\\([ \t\r\n]*" "" _library "${_call}")
  string(REGEX REPLACE "^talvane_" "" _layer "${_library}")
  if(_layer IN_LIST _layers)
    set(_library_${_layer} ${_library})
    set(_layer_of_${_library} ${_layer})
    list(APPEND _libraries ${_library})
  endif()
endforeach()
string(REGEX MATCHALL "target_link_libraries\\([^)]*\\)" _link_calls "${_src_cmake}")
foreach(_call IN LISTS _link_calls)
  string(REGEX REPLACE "^target_link_libraries\\(|\\)$" "" _words "${_call}")
  string(REGEX REPLACE "[ \t\r\n]+" ";" _words "${_words}")
  list(FILTER _words EXCLUDE REGEX "^$")
  list(POP_FRONT _words _library)
  list(APPEND _links_of_${_library} ${_words})
endforeach()
foreach(_layer IN LISTS _layers)
  if(NOT DEFINED _library_${_layer} AND EXISTS ${ROOT}/src/${_layer})
    list(APPEND _faults "src/CMakeLists.txt: no library found for the layer ${_layer}")
  endif()
endforeach()

# The layer a path lies in (under src/), or "" when it lies in none.
function(_layer_of_path path out)
  set(_found "")
  file(RELATIVE_PATH _rel ${ROOT} "${path}")
  if(_rel MATCHES "^src/([^/]+)/" AND CMAKE_MATCH_1 IN_LIST _layers)
    set(_found ${CMAKE_MATCH_1})
  endif()
  set(${out} "${_found}" PARENT_SCOPE)
endfunction()

# The program layer each include of file reaches ("" for one that reaches none), in both forms.
# A quoted path is first looked for beside the including file, as the compiler does; a path that
# starts with ./ or ../ is taken from there whether or not it exists; any other is read from the
# include folders, where its first folder names the layer (src/ before it included).
function(_included_layers file out)
  file(STRINGS ${file} _lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
  get_filename_component(_here "${file}" DIRECTORY)
  set(_found "")
  foreach(_line IN LISTS _lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]+)[\">].*$" "\\1" _path "${_line}")
    set(_layer "")
    if(_path MATCHES "^\\.\\.?/" OR (_line MATCHES "include[ \t]*\"" AND EXISTS "${_here}/${_path}"))
      get_filename_component(_abs "${_here}/${_path}" ABSOLUTE)
      _layer_of_path("${_abs}" _layer)
    else()
      set(_inner "${_path}")
      if(_inner MATCHES "^src/")
        string(SUBSTRING "${_inner}" 4 -1 _inner)
      endif()
      string(REGEX MATCH "^[^/]+" _top "${_inner}")
      if(_inner MATCHES "/" AND _top IN_LIST _layers)
        set(_layer ${_top})
      endif()
    endif()
    list(APPEND _found "${_path}|${_layer}")
  endforeach()
  set(${out} "${_found}" PARENT_SCOPE)
endfunction()

# Adds a fault for each include of file that reaches a layer not in may, told as
# "<file> <what> <path>, of the layer <layer>, <why>".
function(_check_includes file may what why)
  _included_layers(${file} _includes)
  foreach(_include IN LISTS _includes)
    string(REGEX MATCH "^[^|]*" _path "${_include}")
    string(REGEX REPLACE "^[^|]*\\|" "" _top "${_include}")
    if(_top AND NOT _top IN_LIST may)
      file(RELATIVE_PATH _rel ${ROOT} ${file})
      list(APPEND _faults "${_rel} ${what} ${_path}, of the layer ${_top}, ${why}")
    endif()
  endforeach()
  set(_faults "${_faults}" PARENT_SCOPE)
endfunction()

# Layers of src/: includes and links.
foreach(_layer IN LISTS _layers)
  set(_may ${_layer} ${_below_${_layer}})
  file(GLOB_RECURSE _files ${ROOT}/src/${_layer}/*.h ${ROOT}/src/${_layer}/*.hpp ${ROOT}/src/${_layer}/*.cpp
       ${ROOT}/src/${_layer}/*.c)
  foreach(_file IN LISTS _files)
    _check_includes(${_file} "${_may}" "(layer ${_layer}) includes" "above it")
  endforeach()
  if(DEFINED _library_${_layer})
    foreach(_link IN LISTS _links_of_${_library_${_layer}})
      if(DEFINED _layer_of_${_link} AND NOT _layer_of_${_link} IN_LIST _may)
        list(APPEND _faults "src/CMakeLists.txt: ${_library_${_layer}} (layer ${_layer}) links ${_link}, of the layer ${_layer_of_${_link}} above it")
      endif()
    endforeach()
  endif()
endforeach()

# Companions: their CMake (every CMakeLists.txt and .cmake file under companions/) and their files.
# A path in a companion's CMake is resolved with the source root for the variables that name it and
# the file's own folder for those that name that and for relative paths.
function(_cmake_reaches_source cmake_file out)
  file(READ ${cmake_file} _text)
  string(REGEX REPLACE "#[^\n]*" "" _text "${_text}")
  get_filename_component(_here "${cmake_file}" DIRECTORY)
  file(RELATIVE_PATH _here_in_root ${ROOT} ${_here})
  string(REGEX REPLACE "[ \t\r\n\"()]+" ";" _words "${_text}")
  set(_found "")
  foreach(_word IN LISTS _words)
    if(NOT _word MATCHES "/|^\\.\\.?$|_DIR}")
      continue()
    endif()
    # The root stands as <root> while the path is read, so that a folder called src above the
    # checkout (~/src/talvane) is never taken for the program's.
    set(_path "${_word}")
    string(REGEX REPLACE "\\\${(CMAKE_CURRENT_SOURCE_DIR|CMAKE_CURRENT_LIST_DIR)}" "<root>/${_here_in_root}" _path "${_path}")
    string(REGEX REPLACE "\\\${[A-Za-z0-9_]*SOURCE_DIR}" "<root>" _path "${_path}")
    # A folder called src anywhere in the path, whatever variable or climb leads there.
    if(_path MATCHES "(^|/)src(/|$)")
      list(APPEND _found "${_word}")
      continue()
    endif()
    if(_path MATCHES "\\\${")
      continue()
    endif()
    if(_path MATCHES "^<root>")
      string(REPLACE "<root>" "${ROOT}" _path "${_path}")
    elseif(NOT IS_ABSOLUTE "${_path}")
      set(_path "${_here}/${_path}")
    endif()
    get_filename_component(_path "${_path}" ABSOLUTE)
    # The source root itself, or src/ reached by climbing: an include folder there reaches the
    # program's layers.
    file(RELATIVE_PATH _in_root ${ROOT} "${_path}")
    if(_path STREQUAL ROOT OR _in_root MATCHES "^src(/|$)")
      list(APPEND _found "${_word}")
    endif()
  endforeach()
  set(${out} "${_found}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE _companion_cmake ${ROOT}/companions/CMakeLists.txt ${ROOT}/companions/*.cmake)
set(_companion_dirs "")
foreach(_cmake IN LISTS _companion_cmake)
  file(RELATIVE_PATH _rel ${ROOT} ${_cmake})
  _cmake_reaches_source(${_cmake} _reached)
  foreach(_path IN LISTS _reached)
    list(APPEND _faults "${_rel} names ${_path}, a way into the program's source folder")
  endforeach()
  # The program libraries it links, in any command: every word that names one.
  file(READ ${_cmake} _text)
  string(REGEX REPLACE "#[^\n]*" "" _text "${_text}")
  string(REGEX MATCHALL "[A-Za-z0-9_]+" _words "${_text}")
  list(REMOVE_DUPLICATES _words)
  set(_reach "")
  foreach(_word IN LISTS _words)
    if(_word IN_LIST _libraries)
      set(_linked ${_layer_of_${_word}})
      if(_linked IN_LIST _ground)
        list(APPEND _reach ${_linked} ${_below_${_linked}})
      else()
        list(APPEND _faults "${_rel} links ${_word}, of the program's layer ${_linked}: a companion builds on companions/ and on ${_ground_text} only")
      endif()
    endif()
  endforeach()
  get_filename_component(_dir ${_cmake} DIRECTORY)
  list(APPEND _reach_of_${_dir} ${_reach})
  list(APPEND _companion_dirs ${_dir})
endforeach()

# Each file under companions/ may include what the CMake of its own folder and of the folders
# above it (up to companions/) links; shared source folders with no CMake (common/) link nothing.
file(GLOB_RECURSE _files ${ROOT}/companions/*.h ${ROOT}/companions/*.hpp ${ROOT}/companions/*.cpp
     ${ROOT}/companions/*.c)
foreach(_file IN LISTS _files)
  set(_may "")
  get_filename_component(_dir ${_file} DIRECTORY)
  while(NOT _dir STREQUAL ROOT AND NOT _dir STREQUAL "/")
    list(APPEND _may ${_reach_of_${_dir}})
    if(_dir STREQUAL "${ROOT}/companions")
      break()
    endif()
    get_filename_component(_dir ${_dir} DIRECTORY)
  endwhile()
  _check_includes(${_file} "${_may}" "(a companion) includes" "which it does not link")
endforeach()

if(_faults)
  list(JOIN _faults "\n  " _text)
  message(FATAL_ERROR "Against the layers:\n  ${_text}")
endif()
message(STATUS "Every include and link keeps to the layers")
