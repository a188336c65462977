cmake_minimum_required(VERSION 3.25)
# The layering check, run on a small tree of its own (the real one keeps to the layers, so it would
# not show a check that lets a fault pass): the tree as made passes, and each way of reaching above
# the ground, added to it alone, fails with the file that does it named.
#   cmake -DROOT=<source folder> -DWORK=<scratch folder> -P check_layers_catches.cmake

set(_check ${CMAKE_CURRENT_LIST_DIR}/check_layers.cmake)
# The tree lies in a folder called src, under a name with a space and a letter beyond ASCII, as a
# checkout cloned to ~/src may: only the src/ of the tree itself is the program's.
set(_tree "${WORK}/src/a trée")

# The program's own src/CMakeLists.txt and companions/CMakeLists.txt, so that the layers' libraries
# are those the build makes; a header or two in some layers; three companions: one that links the
# slideshow (the image engine's ground), a library of the companions, and one that links that.
function(_make_tree)
  file(REMOVE_RECURSE ${_tree})
  configure_file(${ROOT}/src/CMakeLists.txt ${_tree}/src/CMakeLists.txt COPYONLY)
  configure_file(${ROOT}/companions/CMakeLists.txt ${_tree}/companions/CMakeLists.txt COPYONLY)
  file(WRITE ${_tree}/src/core/util/helper.h "#pragma once\n")
  file(WRITE ${_tree}/src/core/util/helper.cpp "#include \"core/util/helper.h\"\n#include \"helper.h\"\n")
  file(WRITE ${_tree}/src/slideshow/curve.h "#include \"core/util/helper.h\"\n")
  file(WRITE ${_tree}/src/dvd/title.h "#include <slideshow/curve.h>\n#include \"../core/util/helper.h\"\n")
  file(WRITE ${_tree}/src/ui/progress/sheet.h "#include \"dvd/title.h\"\n")
  file(WRITE ${_tree}/companions/engine/CMakeLists.txt
       "talvane_companion_exe(engine SOURCES main.cpp LINKS talvane_slideshow)\n")
  file(WRITE ${_tree}/companions/engine/main.cpp "#include \"slideshow/curve.h\"\n#include <core/util/helper.h>\n")
  file(WRITE ${_tree}/companions/kit/CMakeLists.txt
       "add_library(talvane_kit STATIC kit.cpp)\ntarget_include_directories(talvane_kit PUBLIC \${PROJECT_SOURCE_DIR}/companions)\n")
  file(WRITE ${_tree}/companions/kit/kit.h "#pragma once\n")
  file(WRITE ${_tree}/companions/kit/kit.cpp "#include \"kit/kit.h\"\n")
  file(WRITE ${_tree}/companions/relay/CMakeLists.txt
       "talvane_companion_exe(relay SOURCES main.cpp \${PROJECT_SOURCE_DIR}/companions/kit/kit.cpp LINKS talvane_kit)\n")
  file(WRITE ${_tree}/companions/relay/main.cpp "#include \"kit/kit.h\"\n#include <vector>\n")
endfunction()

function(_run out_result out_text)
  execute_process(COMMAND ${CMAKE_COMMAND} "-DROOT=${_tree}" -P ${_check} RESULT_VARIABLE _result
                  OUTPUT_VARIABLE _text ERROR_VARIABLE _text)
  set(${out_result} ${_result} PARENT_SCOPE)
  set(${out_text} "${_text}" PARENT_SCOPE)
endfunction()

set(_missed "")
_make_tree()
_run(_result _text)
if(NOT _result EQUAL 0)
  list(APPEND _missed "the tree as made fails:\n${_text}")
endif()

# file, then the line added to it.
function(_expect_caught file line)
  _make_tree()
  file(APPEND ${_tree}/${file} "${line}\n")
  _run(_result _text)
  if(_result EQUAL 0 OR NOT _text MATCHES "${file}")
    set(_missed ${_missed} "${file} with: ${line}" PARENT_SCOPE)
  endif()
endfunction()

# A companion's CMake naming the program's source folder, however spelt, or the root above it.
_expect_caught(companions/relay/CMakeLists.txt [=[target_include_directories(relay PRIVATE ${CMAKE_SOURCE_DIR}/src)]=])
_expect_caught(companions/relay/CMakeLists.txt [=[target_include_directories(relay PRIVATE "${PROJECT_SOURCE_DIR}/src/core")]=])
_expect_caught(companions/relay/CMakeLists.txt [=[include_directories(../../src)]=])
_expect_caught(companions/relay/CMakeLists.txt [=[target_include_directories(relay PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/../..)]=])
# A companion linking a program library above the ground.
_expect_caught(companions/relay/CMakeLists.txt [=[target_link_libraries(relay PRIVATE talvane_ui)]=])
_expect_caught(companions/engine/CMakeLists.txt [=[target_link_libraries(engine PRIVATE talvane_dvd)]=])
# A companion including a program layer it does not link, in either form or by a relative path.
_expect_caught(companions/relay/main.cpp [=[#include <ui/progress/sheet.h>]=])
_expect_caught(companions/relay/main.cpp [=[#include "../../src/ui/progress/sheet.h"]=])
_expect_caught(companions/relay/main.cpp [=[#include "core/util/helper.h"]=])
_expect_caught(companions/engine/main.cpp [=[#include "dvd/title.h"]=])
# A layer including or linking one above it.
_expect_caught(src/core/util/helper.cpp [=[#include <ui/progress/sheet.h>]=])
_expect_caught(src/core/util/helper.cpp [=[#include "../../ui/progress/sheet.h"]=])
_expect_caught(src/slideshow/curve.h [=[#include "src/dvd/title.h"]=])
_expect_caught(src/CMakeLists.txt [=[target_link_libraries(talvane_core PUBLIC talvane_ui)]=])

file(REMOVE_RECURSE ${_tree})
if(_missed)
  list(JOIN _missed "\n  " _text)
  message(FATAL_ERROR "The layering check lets these pass:\n  ${_text}")
endif()
message(STATUS "The layering check catches each way above the ground")
