# Run by CPack once it has made the Windows packages: the zip's entries
# carry the builder's user and group ids (Info-ZIP's Unix extra field), so
# two people building one commit got two zips. strip-nondeterminism sets
# them to 0, and every time in the zip to SOURCE_DATE_EPOCH (the last
# commit's, from the Makefile or tools/release), or to 1980 without it. A
# zip's times are local (MS-DOS) times: written in UTC, they do not depend
# on the builder's time zone.
set(_quando)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(_quando --timestamp $ENV{SOURCE_DATE_EPOCH})
endif()
foreach(_pacote IN LISTS CPACK_PACKAGE_FILES)
    if(_pacote MATCHES "\\.zip$")
        execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC strip-nondeterminism --type zip ${_quando} ${_pacote}
            RESULT_VARIABLE _resultado)
        if(NOT _resultado EQUAL 0)
            message(FATAL_ERROR "strip-nondeterminism failed on ${_pacote} (tools/install-deps windows)")
        endif()
    endif()
endforeach()
