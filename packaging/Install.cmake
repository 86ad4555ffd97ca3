# Where `cmake --install` puts the program, its desktop entry, icons and AppStream metainfo, and
# the .deb that CPack builds from them.
include(GNUInstallDirs)

set(ORGOLA_APP_ID io.github.orgola.OrgolaSettings)
set(ORGOLA_ICONS ${PROJECT_SOURCE_DIR}/resources/icons)

install(TARGETS orgola_s RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${ORGOLA_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/${ORGOLA_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ORGOLA_ICONS}/orgola_s.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${ORGOLA_APP_ID}.svg)
foreach(size 16 24 32 48 64 128 256)
    install(FILES ${ORGOLA_ICONS}/orgola_s_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${ORGOLA_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orgola-s)
set(CPACK_PACKAGE_VENDOR "The orgola_s developers")
set(CPACK_PACKAGE_CONTACT "The orgola_s developers <orgola-s@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's texts are Japanese; any of these fonts draws them (the program names them all).
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-ipafont-gothic | fonts-vlgothic | fonts-noto-cjk | fonts-takao-gothic")
set(CPACK_STRIP_FILES ON)
include(CPack)
