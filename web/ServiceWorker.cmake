# Writes the site's service worker (sw.js) from its template: the files to
# cache with the SHA-256 of each, and a cache name made from them all.
# cmake -DSAIDA=<site> -DMODELO=<sw.js.in> -DARQUIVOS=<a;b;...> -P ServiceWorker.cmake
set(_resumos "")
set(ARQUIVOS_JS "")
foreach(_arquivo IN LISTS ARQUIVOS)
    file(SHA256 "${SAIDA}/${_arquivo}" _resumo)
    string(APPEND _resumos "${_resumo}")
    set(_caminho "./${_arquivo}")
    # The page is asked for by its folder's name.
    if(_arquivo STREQUAL "index.html")
        set(_caminho "./")
    endif()
    string(APPEND ARQUIVOS_JS "  \"${_caminho}\": \"${_resumo}\",\n")
endforeach()
string(SHA256 _total "${_resumos}")
string(SUBSTRING "${_total}" 0 16 VERSAO_CACHE)
configure_file("${MODELO}" "${SAIDA}/sw.js" @ONLY)
