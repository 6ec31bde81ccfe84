# Installs the build into a temporary prefix and checks that the installed tree stands on its
# own: the tool finds its data files there and lists the scenarios; the desktop entry and the
# AppStream metainfo pass their validators, and both programs have their manual pages.
# Run as: cmake -DBUILD_DIR=<build> -DPREFIX=<empty folder> -DGUI=ON|OFF -P InstallTree.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
    games/marovane-cli
    share/man/man6/marovane-cli.6.gz
    share/doc/marovane/changelog.gz
    share/doc/marovane/copyright
    share/metainfo/io.github.marovane.Marovane.metainfo.xml
    share/marovane/specs.txt
    share/marovane/Tutorial.def
    share/marovane/help/index.html
    share/marovane/help/units.html
    share/applications/marovane.desktop
    share/mime/packages/marovane.xml)
if(GUI)
    list(APPEND expected
        games/marovane
        share/man/man6/marovane.6.gz
        share/icons/hicolor/16x16/apps/marovane.png
        share/icons/hicolor/scalable/apps/marovane.svg
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

# The validators the desktop's software centres and menus use.
foreach(check
        "desktop-file-validate;${PREFIX}/share/applications/marovane.desktop"
        "appstreamcli;validate;--no-net;${PREFIX}/share/metainfo/io.github.marovane.Marovane.metainfo.xml")
    execute_process(COMMAND ${check} RESULT_VARIABLE result OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${check} failed (${result}):\n${said}")
    endif()
endforeach()

execute_process(COMMAND ${PREFIX}/games/marovane-cli scenarios
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
