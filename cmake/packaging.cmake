# Installs the game like any desktop program, and makes a Debian package of
# it with `cpack` in the build folder.
include(GNUInstallDirs)

install(TARGETS quorvil RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/quorvil.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/quorvil.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvil)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "3D eight-ball pool for two players at one keyboard")
set(CPACK_PACKAGE_CONTACT "Quorvil developers <quorvil@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries come from what the program links; the rest it needs at run
# time: the GL library SDL opens for the window, a software GL driver where
# there is no other, and a font for the score line and the help panel.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libgl1-mesa-dri, fonts-dejavu-core | fonts-liberation")
include(CPack)
