# Installing and packaging. The programs go to bin/, their data files (the program folder's
# contents: unit table, scenarios, pictures, help pages, icons) to share/marovane/, where the
# programs look when their own folder holds no unit table; the desktop entry, MIME types and
# icons to the standard places of a freedesktop system.
include(GNUInstallDirs)

install(TARGETS marovane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET marovane)
    install(TARGETS marovane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

set(MAROVANE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/marovane)
install(DIRECTORY ${MAROVANE_PROGRAM_DIR}/ DESTINATION ${MAROVANE_INSTALL_DATADIR}
    FILES_MATCHING
    PATTERN "specs.txt"
    PATTERN "*.def"
    PATTERN "*.bmp"
    PATTERN "*.jpg"
    PATTERN "*.html"
    PATTERN "*.css"
    PATTERN "*.png")

install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/marovane.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/marovane.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
if(MAROVANE_GUI)
    install(DIRECTORY ${MAROVANE_PROGRAM_DIR}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marovane)
set(CPACK_PACKAGE_VENDOR "Marovane")
set(CPACK_PACKAGE_CONTACT "Marovane developers <marovane@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Turn-based strategy board game for one to four players")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link (Qt, the C++ runtime) become the package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
