# The pictures the windows show, as janelas/Figuras.h names them: the one
# list of their files under assets/ that the Qt, Windows and browser builds
# carry. MORVANTIS_FIGURAS holds the file names (painting.bmp;banner.gif).
file(READ ${PROJECT_SOURCE_DIR}/janelas/Figuras.h _figuras_h)
string(REGEX MATCHALL "return \"[A-Za-z0-9_-]+\\.[a-z]+\"" _retornos "${_figuras_h}")
set(MORVANTIS_FIGURAS)
foreach(_r IN LISTS _retornos)
    string(REGEX REPLACE "return \"(.*)\"" "\\1" _arquivo "${_r}")
    list(APPEND MORVANTIS_FIGURAS ${_arquivo})
endforeach()
if(NOT MORVANTIS_FIGURAS)
    message(FATAL_ERROR "no picture files found in janelas/Figuras.h")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/janelas/Figuras.h)
