# Writes the site's service worker (sw.js) from its template: the list of
# files to cache, and a cache name made from their contents.
# cmake -DSAIDA=<site> -DMODELO=<sw.js.in> -DARQUIVOS=<a;b;...> -P ServiceWorker.cmake
set(_resumos "")
set(ARQUIVOS_JS "")
foreach(_arquivo IN LISTS ARQUIVOS)
    file(SHA256 "${SAIDA}/${_arquivo}" _resumo)
    string(APPEND _resumos "${_resumo}")
    string(APPEND ARQUIVOS_JS "  \"./${_arquivo}\",\n")
endforeach()
string(SHA256 _total "${_resumos}")
string(SUBSTRING "${_total}" 0 16 VERSAO_CACHE)
configure_file("${MODELO}" "${SAIDA}/sw.js" @ONLY)
