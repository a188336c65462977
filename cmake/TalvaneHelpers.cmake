# talvane_layer(NAME DIR LINKS...): one static library of every source below DIR.
# New files are picked up without touching a CMakeLists (CONFIGURE_DEPENDS).
function(talvane_layer name dir)
  file(GLOB_RECURSE _srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.c ${dir}/*.h)
  if(NOT _srcs)
    set(_stub ${CMAKE_CURRENT_BINARY_DIR}/${name}_empty.cpp)
    file(WRITE ${_stub} "// layer ${name} has no sources yet\n")
    set(_srcs ${_stub})
  endif()
  add_library(${name} STATIC ${_srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# talvane_companion_lib(NAME SOURCES... LINKS ...): a companion shared library in lib/talvane/fws,
# loaded with dlopen, so its file name carries no "lib" prefix unless NAME has it.
function(talvane_companion_lib name)
  cmake_parse_arguments(C "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} SHARED ${C_SOURCES})
  set_target_properties(${name} PROPERTIES PREFIX "" LIBRARY_OUTPUT_DIRECTORY ${TALVANE_FWS_DIR})
  target_link_libraries(${name} PRIVATE ${C_LINKS})
  install(TARGETS ${name} LIBRARY DESTINATION lib/talvane/fws)
endfunction()

# talvane_companion_exe(NAME SOURCES... LINKS ...): a companion executable in lib/talvane/fws.
function(talvane_companion_exe name)
  cmake_parse_arguments(C "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${C_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${TALVANE_FWS_DIR})
  target_link_libraries(${name} PRIVATE ${C_LINKS})
  install(TARGETS ${name} RUNTIME DESTINATION lib/talvane/fws)
endfunction()
