# The translation catalogues hold every text of the sources and nothing else: the catalogue tool,
# run over the sources into a copy, finds nothing to add or drop.
# Run as: cmake -DLUPDATE=<lupdate> -DSOURCES=<src folder> -DOPTIONS=<options;...>
#               -DCATALOGUES=<ts;...> -DWORK=<scratch folder> -P CatalogueUpToDate.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
foreach(catalogue IN LISTS CATALOGUES)
    get_filename_component(name ${catalogue} NAME)
    file(COPY_FILE ${catalogue} ${WORK}/${name})
    execute_process(COMMAND ${LUPDATE} ${OPTIONS} -I ${SOURCES} ${SOURCES} -ts ${WORK}/${name}
                    RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE problem)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${LUPDATE} failed on ${name}:\n${said}${problem}")
    endif()
    file(READ ${catalogue} kept)
    file(READ ${WORK}/${name} updated)
    if(NOT kept STREQUAL updated)
        message(FATAL_ERROR "${name} is not up to date with the sources: build the target "
                            "update_translations and translate what it adds.\n${said}")
    endif()
endforeach()
