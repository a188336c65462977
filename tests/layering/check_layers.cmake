cmake_minimum_required(VERSION 3.25)
# Reads every include of the program's layers and of the companions and fails on one that reaches
# a layer above the file's own, or on a companion that reads the program's folders. The build
# alone does not catch these: every layer's headers sit under one include folder, so a header of
# a higher layer compiles wherever it is included.
#   cmake -DROOT=<source folder> -P check_layers.cmake

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

# The program's layers a companion reaches through a library target it links; every other
# companion includes nothing of src/.
set(_companion_HarnvaleAVEngine core slideshow)

set(_faults "")

function(_includes_of file out)
  file(STRINGS ${file} _lines REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
  set(_found "")
  foreach(_line IN LISTS _lines)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]+\"([^\"]+)\".*$" "\\1" _path "${_line}")
    list(APPEND _found "${_path}")
  endforeach()
  set(${out} "${_found}" PARENT_SCOPE)
endfunction()

foreach(_layer IN LISTS _layers)
  file(GLOB_RECURSE _files ${ROOT}/src/${_layer}/*.h ${ROOT}/src/${_layer}/*.cpp ${ROOT}/src/${_layer}/*.c)
  foreach(_file IN LISTS _files)
    _includes_of(${_file} _paths)
    foreach(_path IN LISTS _paths)
      string(REGEX MATCH "^[^/]+" _top "${_path}")
      if(_top IN_LIST _layers AND NOT _top STREQUAL _layer AND NOT _top IN_LIST _below_${_layer})
        file(RELATIVE_PATH _rel ${ROOT} ${_file})
        list(APPEND _faults "${_rel} (layer ${_layer}) includes ${_path}, of the layer ${_top} above it")
      endif()
    endforeach()
  endforeach()
endforeach()

file(GLOB _companions LIST_DIRECTORIES true ${ROOT}/companions/*)
foreach(_dir IN LISTS _companions)
  if(NOT IS_DIRECTORY ${_dir})
    continue()
  endif()
  get_filename_component(_name ${_dir} NAME)
  if(EXISTS ${_dir}/CMakeLists.txt)
    file(READ ${_dir}/CMakeLists.txt _cmake)
    if(_cmake MATCHES "PROJECT_SOURCE_DIR}/src")
      list(APPEND _faults "companions/${_name}/CMakeLists.txt names the program's source folder")
    endif()
  endif()
  file(GLOB_RECURSE _files ${_dir}/*.h ${_dir}/*.cpp ${_dir}/*.c)
  foreach(_file IN LISTS _files)
    _includes_of(${_file} _paths)
    foreach(_path IN LISTS _paths)
      string(REGEX MATCH "^[^/]+" _top "${_path}")
      if(_top IN_LIST _layers AND NOT _top IN_LIST _companion_${_name})
        file(RELATIVE_PATH _rel ${ROOT} ${_file})
        list(APPEND _faults "${_rel} (a companion) includes ${_path} of the program's layer ${_top}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(_faults)
  list(JOIN _faults "\n  " _text)
  message(FATAL_ERROR "Includes against the layers:\n  ${_text}")
endif()
message(STATUS "Every include keeps to the layers")
