include(GNUInstallDirs)

install(TARGETS zareduz RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

configure_file(dist/zareduz-launcher.in ${CMAKE_CURRENT_BINARY_DIR}/zareduz-launcher @ONLY)
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/zareduz-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES dist/${ZAREDUZ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES dist/${ZAREDUZ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/icons/
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor
    FILES_MATCHING PATTERN "*.png")
install(FILES dist/zareduz.6 DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zareduz)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
set(CPACK_PACKAGE_VENDOR "The Zareduz developers")
set(CPACK_PACKAGE_CONTACT "The Zareduz developers <zareduz@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "guess the secret digits, scored in bulls and cows")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop game for one player: guess the computer's secret string of 4 to 10 digits, \
scored in bulls and cows, with a best-scores table for every number of digits.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Worked out from the binary's libraries by dpkg-shlibdeps, not listed by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core")
set(CPACK_STRIP_FILES ON)
include(CPack)
