# Installing and packaging. The programs go to games/ (Debian's place for games, on every
# player's path), their data files (the program folder's contents: unit table, scenarios,
# pictures, help pages, icons) to share/marovane/, where the programs look when their own folder
# holds no unit table; the desktop entry, AppStream metainfo, MIME types, icons, manual pages and
# the package's documents to the standard places of a freedesktop system.
include(GNUInstallDirs)
# Folders as Debian wants them in a package, whatever the builder's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(MAROVANE_INSTALL_BINDIR games)
install(TARGETS marovane-cli RUNTIME DESTINATION ${MAROVANE_INSTALL_BINDIR})
if(TARGET marovane)
    install(TARGETS marovane RUNTIME DESTINATION ${MAROVANE_INSTALL_BINDIR})
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
    PATTERN "*.png"
    PATTERN "*.svg")

set(DESKTOP_SOURCE_DIR ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${DESKTOP_SOURCE_DIR}/marovane.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${DESKTOP_SOURCE_DIR}/io.github.marovane.Marovane.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DESKTOP_SOURCE_DIR}/marovane.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
if(MAROVANE_GUI)
    install(DIRECTORY ${MAROVANE_PROGRAM_DIR}/icons/hicolor
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
endif()

# The manual pages and the changelog, compressed as Debian keeps them. The tool's page is made
# from its own --help text.
set(MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(CLI_MAN_PAGE ${MAN_DIR}/marovane-cli.6.gz)
set(GAME_MAN_PAGE ${MAN_DIR}/marovane.6.gz)
set(CHANGELOG ${MAN_DIR}/changelog.gz)
configure_file(${PROJECT_SOURCE_DIR}/data/man/marovane.6 ${MAN_DIR}/marovane.6 @ONLY)
add_custom_command(
    OUTPUT ${CLI_MAN_PAGE}
    COMMAND ${CMAKE_COMMAND} -E env
        LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0
        ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:marovane-cli> -DVERSION=${PROJECT_VERSION}
        -DOUT=${CLI_MAN_PAGE} -P ${PROJECT_SOURCE_DIR}/cmake/CliManPage.cmake
    DEPENDS marovane-cli ${PROJECT_SOURCE_DIR}/cmake/CliManPage.cmake
    COMMENT "Writing the manual page of marovane-cli from its --help"
    VERBATIM)
add_custom_command(
    OUTPUT ${GAME_MAN_PAGE} ${CHANGELOG}
    COMMAND gzip -9nkf ${MAN_DIR}/marovane.6
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/package/changelog
        ${MAN_DIR}/changelog
    COMMAND gzip -9nf ${MAN_DIR}/changelog
    DEPENDS ${MAN_DIR}/marovane.6 ${PROJECT_SOURCE_DIR}/data/package/changelog
    COMMENT "Compressing the game's manual page and the changelog"
    VERBATIM)
add_custom_target(marovane_man ALL DEPENDS ${CLI_MAN_PAGE} ${GAME_MAN_PAGE} ${CHANGELOG})
install(FILES ${CLI_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
if(TARGET marovane)
    install(FILES ${GAME_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endif()
set(DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/marovane)
install(FILES ${CHANGELOG} ${PROJECT_SOURCE_DIR}/data/package/copyright DESTINATION ${DOC_DIR})

# The Debian package: stripped programs, the extended description, a maintainer who can be
# written to, and the section that matches games/.
set(MAROVANE_MAINTAINER "Marovane developers <maintainers@users.noreply.c-seed-2291369a.example>"
    CACHE STRING "The package's maintainer, as name and mail address")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME marovane)
set(CPACK_PACKAGE_VENDOR "Marovane")
set(CPACK_PACKAGE_CONTACT "${MAROVANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based strategy board game for one to four players")
file(READ ${PROJECT_SOURCE_DIR}/data/package/description CPACK_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link (Qt, the C++ runtime) become the package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own buttons and dialogs speak the player's language with Qt's catalogues.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
