# Writes the page (index.html) from its template, with the style sheet and
# the program's code (the loader, the .wasm inside it) in it.
# cmake -DMODELO=<index.html.in> -DESTILO=<estilo.css> -DCODIGO=<morvantis.js>
#       -DSAIDA=<index.html> -DPROJECT_NAME=<name> -DFIGURAS=<a.png,b.png> -P Pagina.cmake
# The pictures are asked for as the page arrives, before its code runs.
string(REPLACE "," ";" _figuras "${FIGURAS}")
set(MORVANTIS_PRECARGAS "")
foreach(_figura IN LISTS _figuras)
    string(APPEND MORVANTIS_PRECARGAS "<link rel=\"preload\" href=\"${_figura}\" as=\"image\">\n")
endforeach()
file(READ "${ESTILO}" MORVANTIS_ESTILO)
file(READ "${CODIGO}" MORVANTIS_CODIGO)
if(MORVANTIS_CODIGO MATCHES "</script")
    message(FATAL_ERROR "${CODIGO} would end the page's script early")
endif()
configure_file("${MODELO}" "${SAIDA}" @ONLY)
