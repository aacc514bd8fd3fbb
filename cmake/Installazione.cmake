# Install rules and the Debian package: the two programs, the desktop entry, the copyright file,
# the icon in the hicolor theme, the AppStream metadata and the manual page of quorvane-cli.
include(GNUInstallDirs)

# The icon's PNG sizes, the manual page and the package need rsvg-convert and help2man, which a
# build for working on the program does without: ./pacchetto and ./test turn them on.
option(QUORVANE_PACCHETTO "Build the icon sizes and the manual page, and the Debian package" OFF)

set(QUORVANE_INSTALLAZIONE "${PROJECT_SOURCE_DIR}/resources/installazione")

install(TARGETS quorvane quorvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES "${QUORVANE_INSTALLAZIONE}/quorvane.desktop" DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES "${QUORVANE_INSTALLAZIONE}/copyright" DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane)
install(FILES "${QUORVANE_INSTALLAZIONE}/quorvane.svg"
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

configure_file("${QUORVANE_INSTALLAZIONE}/it.quorvane.Quorvane.metainfo.xml"
               "${PROJECT_BINARY_DIR}/it.quorvane.Quorvane.metainfo.xml" @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/it.quorvane.Quorvane.metainfo.xml" DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The example methods, for players who work from the command line.
install(DIRECTORY "${PROJECT_SOURCE_DIR}/resources/metodi/" DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvane/metodi)

if(NOT QUORVANE_PACCHETTO)
  return()
endif()

# The PNG sizes of the icon are drawn from the SVG at build time, so the two never differ.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icone_png)
foreach(lato 16 24 32 48 64 128 256)
  set(png "${PROJECT_BINARY_DIR}/icone/${lato}x${lato}/quorvane.png")
  add_custom_command(OUTPUT "${png}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${PROJECT_BINARY_DIR}/icone/${lato}x${lato}"
    COMMAND ${RSVG_CONVERT} -w ${lato} -h ${lato} -o "${png}" "${QUORVANE_INSTALLAZIONE}/quorvane.svg"
    DEPENDS "${QUORVANE_INSTALLAZIONE}/quorvane.svg" VERBATIM)
  list(APPEND icone_png "${png}")
  install(FILES "${png}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps)
endforeach()

# The manual page is made from the command line's own --help and --version, so it always
# says what the program says, and from the README's list of the JSON tables and keys.
find_program(HELP2MAN help2man REQUIRED)
find_program(AWK awk REQUIRED)
set(manuale "${PROJECT_BINARY_DIR}/quorvane-cli.1")
set(manuale_json "${PROJECT_BINARY_DIR}/quorvane-cli-json.h2m")
add_custom_command(OUTPUT "${manuale_json}"
  COMMAND ${AWK} -f "${PROJECT_SOURCE_DIR}/cmake/ManualeJson.awk" "${PROJECT_SOURCE_DIR}/README.md" > "${manuale_json}"
  DEPENDS "${PROJECT_SOURCE_DIR}/cmake/ManualeJson.awk" "${PROJECT_SOURCE_DIR}/README.md" VERBATIM)
add_custom_command(OUTPUT "${manuale}"
  COMMAND ${HELP2MAN} --no-info --section=1 --locale=C.UTF-8
          "--name=analisi delle estrazioni del Lotto senza finestre"
          "--include=${manuale_json}" --output=${manuale} $<TARGET_FILE:quorvane-cli>
  DEPENDS quorvane-cli "${manuale_json}" VERBATIM)
add_custom_target(installazione_file ALL DEPENDS ${icone_png} "${manuale}")
install(FILES "${manuale}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VENDOR Quorvane)
set(CPACK_PACKAGE_CONTACT "Quorvane <sviluppo@quorvane.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Studio delle estrazioni del Lotto con il metodo degli indici")
set(CPACK_PACKAGE_DESCRIPTION "Quorvane tiene in memoria l'intero archivio delle estrazioni del Lotto
italiano e costruisce previsioni con il metodo degli indici. Comprende il programma con le
finestre e quorvane-cli per la riga di comando.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.quorvane.it")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# Libraries found from the binaries by dpkg-shlibdeps; the SQLite driver and the Italian texts of
# Qt are loaded at run time, so no binary names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
