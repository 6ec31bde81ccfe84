# Installs the build into a temporary prefix and checks that the installed tree stands on its
# own: the tool finds its data files there and lists the scenarios.
# Run as: cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder> -DGUI=ON|OFF -P InstallTree.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    bin/marovane-cli
    share/marovane/specs.txt
    share/marovane/Tutorial.def
    share/marovane/help/index.html
    share/marovane/help/units.html
    share/applications/marovane.desktop
    share/mime/packages/marovane.xml)
if(GUI)
    list(APPEND expected
        bin/marovane
        share/marovane/units-Alphabet.bmp
        share/marovane/intro.jpg
        share/icons/hicolor/48x48/apps/marovane.png
        share/icons/hicolor/48x48/mimetypes/application-x-marovane-scenario.png)
endif()
foreach(file IN LISTS expected)
    if(NOT EXISTS ${PREFIX}/${file})
        message(FATAL_ERROR "The installed tree lacks ${file}")
    endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/marovane-cli scenarios
                RESULT_VARIABLE result OUTPUT_VARIABLE listed ERROR_VARIABLE problem)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "The installed marovane-cli failed: ${problem}")
endif()
foreach(name Tutorial Skirmish "Castle Siege")
    if(NOT listed MATCHES "\"${name}\"")
        message(FATAL_ERROR "The installed marovane-cli does not list ${name}:\n${listed}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "The installed tree lists: ${listed}")
