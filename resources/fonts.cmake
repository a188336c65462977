# The subtitle burner asks for "Arial.ttf" and "SimSun.ttf" in share/talvane/fonts. We cannot ship
# those fonts, so the build copies free fonts with compatible coverage under those names:
# DejaVu Sans (fonts-dejavu-core, free licence) for Latin, Greek and Cyrillic, and
# Droid Sans Fallback (fonts-droid-fallback, Apache-2.0) for Chinese. Both stay out of the source tree.
set(_talvane_font_pairs
  "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf|Arial.ttf"
  "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf|SimSun.ttf")
set(_talvane_font_outs)
foreach(_pair ${_talvane_font_pairs})
  string(REPLACE "|" ";" _pair "${_pair}")
  list(GET _pair 0 _src)
  list(GET _pair 1 _name)
  if(NOT EXISTS "${_src}")
    message(FATAL_ERROR "Subtitle font ${_src} is missing: run scripts/install-deps.sh")
  endif()
  set(_out ${TALVANE_SHARE_DIR}/fonts/${_name})
  add_custom_command(OUTPUT ${_out}
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${_src} ${_out}
    DEPENDS ${_src} VERBATIM)
  list(APPEND _talvane_font_outs ${_out})
  install(FILES ${_src} DESTINATION share/talvane/fonts RENAME ${_name})
endforeach()
add_custom_target(talvane_fonts ALL DEPENDS ${_talvane_font_outs})
add_dependencies(talvane_resources talvane_fonts)
