# Installation: both programs, the desktop entry, the icon, AppStream metadata, the
# help pages and the man page, laid out as a Linux desktop expects under the prefix;
# and `cpack -G DEB` for a Debian package.
include(GNUInstallDirs)

set(HOPSCOPE_APP_ID io.github.hopscope.Hopscope)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)

if(TARGET hopscope)
  install(TARGETS hopscope RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${packaging}/${HOPSCOPE_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${packaging}/${HOPSCOPE_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${packaging}/hopscope.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${packaging}/icons/hopscope-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME hopscope.png)
  endforeach()
  # The help is built into the program; the pages are installed too, to read in a browser.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/app/help/ DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/hopscope/help)
endif()
install(TARGETS hopscope-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS hopscope-cli-full RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${packaging}/hopscope-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME hopscope)
set(CPACK_PACKAGE_VENDOR "The Hopscope developers")
set(CPACK_PACKAGE_CONTACT "The Hopscope developers <hopscope@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HF sky-wave propagation prediction for radio amateurs")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/hopscope/hopscope")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
