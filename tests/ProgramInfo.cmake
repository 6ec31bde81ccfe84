# Both programs answer --help with their usage and --version with their version, exit 0, and need
# no display for it: the variables that name one are removed.
# Run as: cmake -DPROGRAMS=<program;...> -DVERSION=<x.y.z> -P ProgramInfo.cmake
foreach(program IN LISTS PROGRAMS)
    get_filename_component(name ${program} NAME)
    foreach(ask --help --version)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                                --unset=QT_QPA_PLATFORM ${program} ${ask}
                        RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE problem
                        TIMEOUT 60)
        if(ask STREQUAL "--help")
            set(expected "^usage: ${name} ")
        else()
            set(expected "^${name} ${VERSION}\n$")
        endif()
        if(NOT result EQUAL 0 OR NOT said MATCHES "${expected}")
            message(FATAL_ERROR "${name} ${ask} answered ${result}:\n${said}${problem}")
        endif()
    endforeach()
endforeach()
