# Interface translations. The .ts files in translations/ (one per interface language, English
# text as key) are built by lrelease into share/talvane/translations/talvane_<code>.qm, which the
# program loads at start. `cmake --build build --target talvane_lupdate` brings the .ts files up
# to date with the sources (translations/README.md says how to translate what it adds).
set(TALVANE_INTERFACE_LANGUAGES ja de it fr es ko pt-PT zh-Hant zh-Hans)
set(_tr_dir ${CMAKE_CURRENT_SOURCE_DIR}/translations)
set(_tr_files)
foreach(_lang ${TALVANE_INTERFACE_LANGUAGES})
  list(APPEND _tr_files ${_tr_dir}/talvane_${_lang}.ts)
endforeach()
set_source_files_properties(${_tr_files} PROPERTIES OUTPUT_LOCATION ${TALVANE_SHARE_DIR}/translations)
qt_add_lrelease(talvane_resources TS_FILES ${_tr_files} OPTIONS -silent QM_FILES_OUTPUT_VARIABLE _tr_qm)
install(FILES ${_tr_qm} DESTINATION share/talvane/translations)

# No line numbers in the .ts files: they would change with every edit of the sources and make
# the translations conflict between branches.
add_custom_target(talvane_lupdate
  COMMAND Qt6::lupdate -locations none -no-obsolete -silent ${PROJECT_SOURCE_DIR}/src -ts ${_tr_files}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Updating the interface translations from the sources"
  VERBATIM)
