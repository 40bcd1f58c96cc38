# Where an install puts the game (`cmake --install <build> --prefix <dir>`)
# and how CPack packs the same files into a Debian package
# (`cpack -G DEB` in the build folder).
include(GNUInstallDirs)

set(VEXALON_APP_ID org.vexalon.Vexalon)
set(VEXALON_DATA ${PROJECT_SOURCE_DIR}/data)

install(TARGETS vexalon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS vexalon-sound LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/vexalon)
install(FILES ${VEXALON_DATA}/${VEXALON_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VEXALON_DATA}/${VEXALON_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${VEXALON_DATA}/icons/hicolor/scalable/apps/${VEXALON_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${VEXALON_DATA}/icons/hicolor/32x32/apps/${VEXALON_APP_ID}.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)

# Debian ships manual pages gzipped, without name or time stamp so that
# the package comes out the same on every build.
find_program(VEXALON_GZIP gzip)
if(VEXALON_GZIP)
  set(VEXALON_MAN ${CMAKE_CURRENT_BINARY_DIR}/vexalon.6.gz)
  add_custom_command(OUTPUT ${VEXALON_MAN}
    COMMAND ${VEXALON_GZIP} -9 -n -c ${VEXALON_DATA}/vexalon.6 > ${VEXALON_MAN}
    DEPENDS ${VEXALON_DATA}/vexalon.6)
  add_custom_target(vexalon_man ALL DEPENDS ${VEXALON_MAN})
else()
  set(VEXALON_MAN ${VEXALON_DATA}/vexalon.6)
endif()
install(FILES ${VEXALON_MAN} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

if(EXISTS ${PROJECT_SOURCE_DIR}/LICENSE)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
    DESTINATION ${CMAKE_INSTALL_DOCDIR} RENAME copyright)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexalon)
set(CPACK_PACKAGE_VENDOR Oskel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Oskel <oskel@vexalon.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour puzzle for mouse or keyboard on a 6 x 6 board")
set(CPACK_PACKAGE_DESCRIPTION
"Squares in five colours fill a 6 x 6 board. Three of one colour in a row
or a column react: they vanish, the others close the gap, new squares fall
in and chains follow. Click the squares that carry arrows to step their
colours up or down, earn erasers by filling whole rows or columns with
reactions, and keep going while arrow squares are left. Playable with the
keyboard alone and readable by a screen reader.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\\\.git/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The Qt libraries come from dpkg-shlibdeps; the xcb platform plugin is in
# libqt6gui6 on Debian 12. Neither the fonts nor the sound server are linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The Wayland platform plugin, so that the game runs natively on a Wayland
# desktop; without it Qt falls back to X11 through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, qt6-wayland, qt6-translations-l10n")

include(CPack)
