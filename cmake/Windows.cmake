# The Windows build against the kit: static libarchive with zlib, the GUI without a console, and
# in each program a version resource and the icon, drawn from the same SVG as on Linux.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)
set_property(TARGET LibArchive::LibArchive APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS LIBARCHIVE_STATIC)
set_property(TARGET LibArchive::LibArchive APPEND PROPERTY INTERFACE_LINK_LIBRARIES ZLIB::ZLIB)

set_target_properties(quorvane PROPERTIES WIN32_EXECUTABLE TRUE)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(ICOTOOL icotool REQUIRED)
set(icona "${PROJECT_BINARY_DIR}/windows/quorvane.ico")
set(icona_png)
foreach(lato 16 24 32 48 64 128 256)
  set(png "${PROJECT_BINARY_DIR}/windows/quorvane-${lato}.png")
  add_custom_command(OUTPUT "${png}"
    COMMAND ${RSVG_CONVERT} -w ${lato} -h ${lato} -o "${png}" "${PROJECT_SOURCE_DIR}/resources/installazione/quorvane.svg"
    DEPENDS "${PROJECT_SOURCE_DIR}/resources/installazione/quorvane.svg" VERBATIM)
  list(APPEND icona_png "${png}")
endforeach()
# The 256 size is stored as PNG, as Windows expects it.
list(POP_BACK icona_png grande)
add_custom_command(OUTPUT "${icona}"
  COMMAND ${ICOTOOL} -c -o "${icona}" ${icona_png} -r "${grande}"
  DEPENDS ${icona_png} "${grande}" VERBATIM)

# quorvane_risorse_windows(TARGET DESCRIPTION): the target's version resource with the icon.
function(quorvane_risorse_windows programma descrizione)
  set(QUORVANE_PROGRAMMA ${programma})
  set(QUORVANE_DESCRIZIONE "${descrizione}")
  set(QUORVANE_ICONA "${icona}")
  configure_file("${PROJECT_SOURCE_DIR}/resources/windows/quorvane.rc.in"
                 "${PROJECT_BINARY_DIR}/windows/${programma}.rc" @ONLY)
  target_sources(${programma} PRIVATE "${PROJECT_BINARY_DIR}/windows/${programma}.rc")
  set_source_files_properties("${PROJECT_BINARY_DIR}/windows/${programma}.rc" PROPERTIES OBJECT_DEPENDS "${icona}")
endfunction()

quorvane_risorse_windows(quorvane "Quorvane - studio delle estrazioni del Lotto")
quorvane_risorse_windows(quorvane-cli "Quorvane - riga di comando")
