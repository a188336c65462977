# The profile catalogue is generated from the tables in profiles/generator/ by
# talvane-profilegen (tools/profilegen): the profile property lists and category lists go to
# share/talvane/profiles/{DVD,Video}, and the digests of the DVD category lists to a header
# that talvane_profiles compiles in for the start-up check. The generator links only
# talvane_core, so it is built before talvane_profiles.
set(_pg_dir ${PROJECT_SOURCE_DIR}/tools/profilegen)
file(GLOB _pg_srcs CONFIGURE_DEPENDS ${_pg_dir}/*.cpp ${_pg_dir}/*.h)
add_executable(talvane-profilegen ${_pg_srcs})
target_link_libraries(talvane-profilegen PRIVATE talvane_core)
set_target_properties(talvane-profilegen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools-bin)

set(_pg_tables ${CMAKE_CURRENT_SOURCE_DIR}/profiles/generator)
set(_pg_out ${TALVANE_SHARE_DIR}/profiles)
set(_pg_header_dir ${CMAKE_BINARY_DIR}/generated)
set(_pg_header ${_pg_header_dir}/profiles/DNProfileCatalogueDigest.h)
set(_pg_stamp ${CMAKE_BINARY_DIR}/generated/profiles/catalogue.stamp)
file(GLOB _pg_translations CONFIGURE_DEPENDS ${_pg_tables}/translations/*.tsv)
add_custom_command(
  OUTPUT ${_pg_stamp} ${_pg_header}
  COMMAND talvane-profilegen ${_pg_tables} ${_pg_out} ${_pg_header}
  COMMAND ${CMAKE_COMMAND} -E touch ${_pg_stamp}
  DEPENDS talvane-profilegen ${_pg_tables}/dvd.tsv ${_pg_tables}/video.tsv ${_pg_tables}/categories.tsv
          ${_pg_translations}
  COMMENT "Generating the profile catalogue"
  VERBATIM)
add_custom_target(talvane_profile_catalogue ALL DEPENDS ${_pg_stamp} ${_pg_header})
add_dependencies(talvane_profiles talvane_profile_catalogue)
add_dependencies(talvane_resources talvane_profile_catalogue)
target_include_directories(talvane_profiles PRIVATE ${_pg_header_dir})
install(DIRECTORY ${_pg_out} DESTINATION share/talvane)
