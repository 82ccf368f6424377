# The installed program and its Debian package (scripts/package.sh runs cpack):
# the two programs, the desktop entry with its icon, the file type of the
# dossiers, the manual pages, and the package's copyright and changelog. The
# version is the project's; the changelog must have an entry for it.

set(TAVELIN_PACKAGE_FILES ${CMAKE_BINARY_DIR}/package)

# The newest entry of the changelog gives the maintainer, and must be the
# project's version: a new version without its entry stops here.
file(STRINGS packaging/changelog _changelog_first LIMIT_COUNT 1 ENCODING UTF-8)
if(NOT _changelog_first MATCHES "^tavelin \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog: the newest entry must be version ${PROJECT_VERSION} (top CMakeLists.txt), "
                      "not: ${_changelog_first}")
endif()
file(STRINGS packaging/changelog _changelog_trailer REGEX "^ -- " LIMIT_COUNT 1 ENCODING UTF-8)
string(REGEX REPLACE "^ -- (.*>)  .*$" "\\1" TAVELIN_MAINTAINER "${_changelog_trailer}")

# Debian wants the manual pages and the changelog compressed at the highest
# level, without the time stamp that would make two builds differ.
set(_compressed "")
foreach(page tavelin.1 tavelin-cli.1)
  configure_file(packaging/${page}.in ${TAVELIN_PACKAGE_FILES}/${page} @ONLY)
  list(APPEND _compressed ${page})
endforeach()
configure_file(packaging/changelog ${TAVELIN_PACKAGE_FILES}/changelog COPYONLY)
list(APPEND _compressed changelog)
set(_compressed_outputs "")
foreach(name ${_compressed})
  add_custom_command(OUTPUT ${TAVELIN_PACKAGE_FILES}/${name}.gz
    COMMAND gzip -9 -n -c ${name} > ${name}.gz
    DEPENDS ${TAVELIN_PACKAGE_FILES}/${name}
    WORKING_DIRECTORY ${TAVELIN_PACKAGE_FILES}
    VERBATIM)
  list(APPEND _compressed_outputs ${TAVELIN_PACKAGE_FILES}/${name}.gz)
endforeach()
add_custom_target(tavelin_package_files ALL DEPENDS ${_compressed_outputs})

install(TARGETS tavelin tavelin-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES resources/tavelin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES resources/tavelin.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES resources/tavelin-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME tavelin.xml)
install(FILES ${TAVELIN_PACKAGE_FILES}/tavelin.1.gz ${TAVELIN_PACKAGE_FILES}/tavelin-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/copyright ${TAVELIN_PACKAGE_FILES}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tavelin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavelin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${TAVELIN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from the programs themselves (dpkg-shlibdeps); what they
# load by name is added: Qt's French texts, and the fonts the windows and the
# printed pages are laid out in (Liberation Sans where Arial is asked for).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation, fonts-dejavu-core")
# The first line is the summary; cpack indents the rest as Debian wants it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"comptabilité générale d'une petite entreprise
Tavelin tient la comptabilité générale d'un exercice dans un dossier, un
fichier .jnl : saisie des écritures mois par mois, factures, pointage des
relevés de banque, journal, grand livre, journal général, balance, compte de
résultat, bilan, impression, import et export, clôture de l'exercice.

Le paquet contient le programme tavelin, avec son aide et son entrée dans le
menu du bureau (un double clic sur un fichier .jnl l'ouvre), et tavelin-cli,
qui écrit les mêmes états en texte, sans fenêtre.")
include(CPack)
