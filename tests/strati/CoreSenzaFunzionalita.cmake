# cmake -DSORGENTI=<src folder> -P CoreSenzaFunzionalita.cmake
# Fails, naming each line, when a file under src/core includes a feature (archive, analyses,
# index) or a program (app, cli): those register with core, never the other way round.
file(GLOB_RECURSE file_core "${SORGENTI}/core/*.h" "${SORGENTI}/core/*.cpp")
if(NOT file_core)
  message(FATAL_ERROR "nessun file in ${SORGENTI}/core")
endif()
set(inclusioni_vietate "")
foreach(file IN LISTS file_core)
  file(STRINGS "${file}" righe REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<](archive|analyses|index|app|cli)/")
  foreach(riga IN LISTS righe)
    string(APPEND inclusioni_vietate "${file}: ${riga}\n")
  endforeach()
endforeach()
if(inclusioni_vietate)
  message(FATAL_ERROR "src/core include parti che lo usano:\n${inclusioni_vietate}")
endif()
