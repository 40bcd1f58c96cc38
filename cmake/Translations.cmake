# The game's catalogs: translations/vexalon_<language>.ts, made into .qm by
# Qt's lrelease (Debian's qt6-l10n-tools) and built into the program under
# :/i18n, where the game looks for the desktop's language.
set(VEXALON_LANGUAGES de fr es it pt_BR pl ru)
find_program(VEXALON_LRELEASE lrelease HINTS /usr/lib/qt6/bin REQUIRED)
find_program(VEXALON_LUPDATE lupdate HINTS /usr/lib/qt6/bin)

set(VEXALON_QM_FILES)
foreach(language IN LISTS VEXALON_LANGUAGES)
  set(ts ${PROJECT_SOURCE_DIR}/translations/vexalon_${language}.ts)
  set(qm ${CMAKE_BINARY_DIR}/i18n/vexalon_${language}.qm)
  add_custom_command(OUTPUT ${qm} COMMAND ${VEXALON_LRELEASE} -silent ${ts} -qm ${qm} DEPENDS ${ts} VERBATIM)
  list(APPEND VEXALON_QM_FILES ${qm})
endforeach()
qt_add_resources(vexalon_window catalogs PREFIX /i18n BASE ${CMAKE_BINARY_DIR}/i18n FILES ${VEXALON_QM_FILES})

# After a text changes: `cmake --build --preset release --target translations`
# takes every text of the sources into each catalog, the new ones
# unfinished, the gone ones kept as obsolete.
if(VEXALON_LUPDATE)
  list(TRANSFORM VEXALON_LANGUAGES REPLACE "(.+)" "${PROJECT_SOURCE_DIR}/translations/vexalon_\\1.ts"
       OUTPUT_VARIABLE ts_files)
  add_custom_target(translations
    COMMAND ${VEXALON_LUPDATE} -silent -locations none -no-ui-lines ${PROJECT_SOURCE_DIR}/src -ts ${ts_files}
    VERBATIM)
endif()
