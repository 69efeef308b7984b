# Installation: both programs, the desktop entry, the icon, AppStream metadata, the
# help pages and the man pages, laid out as a Linux desktop expects under the prefix;
# and `cpack -G DEB` for two Debian packages: hopscope-cli (component cli: the command
# line, without Qt) and hopscope (component gui: the windowed program).
include(GNUInstallDirs)

# The AppStream id, also the name of the desktop entry (lower case, as AppStream asks).
set(HOPSCOPE_APP_ID io.github.hopscope.hopscope)
set(packaging ${PROJECT_SOURCE_DIR}/packaging)
set(generated ${PROJECT_BINARY_DIR}/packaging)
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/hopscope)
set(cli_docdir ${CMAKE_INSTALL_DATADIR}/doc/hopscope-cli)

# A program in the build tree keeps its data files beside itself, as a portable one
# does (core/DataDirectory.h); the marker is written beside both programs and is not
# installed, so an installed program uses the per-user data folder.
foreach(program hopscope hopscope-cli)
  if(TARGET ${program})
    file(GENERATE OUTPUT $<TARGET_FILE_DIR:${program}>/Hopscope.portable
         CONTENT "This folder keeps Hopscope's data files (settings, atlas, maps) itself.\n")
  endif()
endforeach()

# The version of project() goes into the AppStream release, the man pages and the
# changelog. Debian installs man pages and changelogs compressed (gzip -n: no name or
# time stamp, so the build is reproducible).
configure_file(${packaging}/io.github.hopscope.Hopscope.metainfo.xml
               ${generated}/${HOPSCOPE_APP_ID}.metainfo.xml @ONLY)
set(compressed)
foreach(page hopscope.1 hopscope-cli.1 hopscope-cli-full.1 changelog)
  configure_file(${packaging}/${page} ${generated}/${page} @ONLY)
  add_custom_command(OUTPUT ${generated}/${page}.gz
    COMMAND sh -c "gzip -9n < ${page} > ${page}.gz"
    WORKING_DIRECTORY ${generated}
    DEPENDS ${generated}/${page} VERBATIM)
  list(APPEND compressed ${generated}/${page}.gz)
endforeach()
add_custom_target(hopscope_compressed_docs ALL DEPENDS ${compressed})

set(mandir ${CMAKE_INSTALL_MANDIR}/man1)
if(TARGET hopscope)
  install(TARGETS hopscope RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT gui)
  install(FILES ${generated}/hopscope.1.gz DESTINATION ${mandir} COMPONENT gui)
  install(FILES ${packaging}/io.github.hopscope.Hopscope.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications RENAME ${HOPSCOPE_APP_ID}.desktop
          COMPONENT gui)
  install(FILES ${generated}/${HOPSCOPE_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT gui)
  install(FILES ${packaging}/hopscope.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT gui)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${packaging}/icons/hopscope-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME hopscope.png COMPONENT gui)
  endforeach()
  # The help is built into the program; the pages are installed too, to read in a browser.
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/app/help/ DESTINATION ${docdir}/help COMPONENT gui)
  install(FILES ${packaging}/hopscope.doc-base DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base
          RENAME hopscope COMPONENT gui)
  install(FILES ${packaging}/copyright ${generated}/changelog.gz DESTINATION ${docdir}
          COMPONENT gui)
endif()
install(TARGETS hopscope-cli hopscope-cli-full RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        COMPONENT cli)
install(FILES ${generated}/hopscope-cli.1.gz ${generated}/hopscope-cli-full.1.gz
        DESTINATION ${mandir} COMPONENT cli)
install(FILES ${packaging}/copyright ${generated}/changelog.gz DESTINATION ${cli_docdir}
        COMPONENT cli)
# The P.533 engine's coefficient files and tables, read-only (p533/CircuitPrediction.h).
install(DIRECTORY ${PROJECT_SOURCE_DIR}/p533/data/ DESTINATION ${CMAKE_INSTALL_DATADIR}/hopscope/p533
        COMPONENT cli)
# The country file that places callsigns (atlas/CountryFile.h); a newer one in the data
# folder is read instead. A portable folder keeps its copy beside the program.
install(FILES ${PROJECT_SOURCE_DIR}/atlas/data/cty.dat DESTINATION ${CMAKE_INSTALL_DATADIR}/hopscope
        COMPONENT cli)

set(CPACK_PACKAGE_NAME hopscope)
set(CPACK_PACKAGE_VENDOR "The Hopscope developers")
set(CPACK_PACKAGE_CONTACT "The Hopscope developers <hopscope@users.noreply.github.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE hopscope)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://github.com/hopscope/hopscope")
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)

set(CPACK_DEBIAN_CLI_PACKAGE_NAME hopscope-cli)
# The pictures are drawn in DejaVu fonts (graphs/CairoPicture.h).
set(CPACK_DEBIAN_CLI_PACKAGE_DEPENDS fonts-dejavu-core)
set(CPACK_DEBIAN_CLI_DESCRIPTION "HF sky-wave propagation prediction from the command line
hopscope-cli predicts HF sky-wave propagation between two places for radio
amateurs: for a station, the other end, a date and the solar activity it
computes, for the short and the long great-circle path and every half hour of
the UTC day, the maximum usable frequency, the propagation mode and, for each
frequency, the signal level, the signal-to-noise ratio and the probability
that the frequency is open.

It writes predictions as text reports, CSV or JSON, draws MUF and signal
graphs as PNG, SVG or PDF pictures and world maps as PNG, maps the frequencies
and the coverage of one station over the world, plans band openings to every
place of its atlas of call-sign prefixes, runs batch tables and fetches the
published solar figures. It needs no window system.")

set(CPACK_DEBIAN_GUI_PACKAGE_NAME hopscope)
set(CPACK_COMPONENT_GUI_DEPENDS cli) # the AppStream entry lists hopscope-cli too
set(CPACK_DEBIAN_GUI_DESCRIPTION "HF sky-wave propagation prediction for radio amateurs
Hopscope predicts HF sky-wave propagation between two places: for your
station, the other end, a date and the solar activity it computes, for the
short and the long great-circle path and every half hour of the UTC day, the
maximum usable frequency, the propagation mode and, for each of your
frequencies, the signal level, the signal-to-noise ratio and the probability
that the frequency is open.

This package holds the windowed program: the prediction table and its graphs,
world maps with the night side and the grey line, frequency and coverage maps,
a planner of band openings, batch predictions, an atlas of call-sign prefixes
and printed tables of great-circle bearings, with help in every window.")
if(NOT TARGET hopscope)
  # Without the windows there is one component, and CPack makes one package of it
  # under the package's own name: the command line's.
  set(CPACK_PACKAGE_NAME hopscope-cli)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS ${CPACK_DEBIAN_CLI_PACKAGE_DEPENDS})
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_CLI_DESCRIPTION}")
endif()
include(CPack)
