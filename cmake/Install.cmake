# Installation: both programs, the desktop entry, the icon, AppStream metadata, the
# help pages and the man page, laid out as a Linux desktop expects under the prefix;
# and `cpack -G DEB` for a Debian package.
include(GNUInstallDirs)

# The AppStream id, also the name of the desktop entry (lower case, as AppStream asks).
set(HOPSCOPE_APP_ID io.github.hopscope.hopscope)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/hopscope)

# A program in the build tree keeps its data files beside itself, as a portable one
# does (core/DataDirectory.h); the marker is written beside both programs and is not
# installed, so an installed program uses the per-user data folder.
foreach(program hopscope hopscope-cli)
  if(TARGET ${program})
    file(GENERATE OUTPUT $<TARGET_FILE_DIR:${program}>/Hopscope.portable
         CONTENT "This folder keeps Hopscope's data files (settings, atlas, maps) itself.\n")
  endif()
endforeach()

# The version of project() goes into the AppStream release and the man page.
configure_file(${packaging}/io.github.hopscope.Hopscope.metainfo.xml
               ${generated}/${HOPSCOPE_APP_ID}.metainfo.xml @ONLY)
configure_file(${packaging}/hopscope-cli.1 ${generated}/hopscope-cli.1 @ONLY)
# Debian installs man pages compressed (gzip -n: no name or time stamp, so the build is
# reproducible).
add_custom_command(OUTPUT ${generated}/hopscope-cli.1.gz
  COMMAND sh -c "gzip -9n < hopscope-cli.1 > hopscope-cli.1.gz"
  WORKING_DIRECTORY ${generated}
  DEPENDS ${generated}/hopscope-cli.1 VERBATIM)
add_custom_target(hopscope_man_page ALL DEPENDS ${generated}/hopscope-cli.1.gz)

if(TARGET hopscope)
  install(TARGETS hopscope RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${packaging}/io.github.hopscope.Hopscope.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${HOPSCOPE_APP_ID}.desktop)
  install(FILES ${generated}/${HOPSCOPE_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${packaging}/hopscope.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${packaging}/icons/hopscope-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME hopscope.png)
  endforeach()
  # The help is built into the program; the pages are installed too, to read in a browser.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/app/help/ DESTINATION ${docdir}/help)
endif()
install(TARGETS hopscope-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS hopscope-cli-full RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${generated}/hopscope-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging}/copyright DESTINATION ${docdir})
# The P.533 engine's coefficient files and tables, read-only (p533/CircuitPrediction.h).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/p533/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/hopscope/p533)

set(CPACK_PACKAGE_NAME hopscope)
set(CPACK_PACKAGE_VENDOR "The Hopscope developers")
set(CPACK_PACKAGE_CONTACT "The Hopscope developers <hopscope@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HF sky-wave propagation prediction for radio amateurs")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/hopscope/hopscope")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
