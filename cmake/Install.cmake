# Where `cmake --install` puts the two programs and what makes them a desktop
# program: the desktop entry, the icon in the hicolor theme, the MIME types of
# the contour and view files, the AppStream metadata, the manual pages, the
# copyright file and the example survey. The paths are GNUInstallDirs' own, so
# a prefix of /usr gives the places a Linux desktop looks in.
#
# The manual pages are installed gzipped (made with gzip -9n, without a time
# stamp), as Debian wants them and man reads them anywhere.

include(GNUInstallDirs)

# Folders as Debian wants them, whatever the umask of the one who installs.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
  WORLD_READ WORLD_EXECUTE)

# The release these files describe; changed together with project(VERSION).
set(PLOTVANE_RELEASE_DATE "2026-12-07")
set(PLOTVANE_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 00:00:00 +0000")
# The project has no public address yet: the defaults are the reserved
# example domain, to be set when it has one.
set(PLOTVANE_HOMEPAGE_URL "https://plotvane.example.org" CACHE STRING
  "Web address of the project; the AppStream screenshot is window.png under it")
set(PLOTVANE_MAINTAINER "The Plotvane developers <developers@plotvane.example.org>" CACHE STRING
  "Maintainer of the Debian package and contact in its copyright file")

set(PLOTVANE_APP_ID org.plotvane.Plotvane)
set(PLOTVANE_DIST_DIR ${PROJECT_SOURCE_DIR}/dist)
set(PLOTVANE_DIST_OUT ${PROJECT_BINARY_DIR}/dist)
set(PLOTVANE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/plotvane)

install(TARGETS plotvane plotvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PLOTVANE_DIST_DIR}/${PLOTVANE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PLOTVANE_DIST_DIR}/plotvane-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME plotvane.xml)
configure_file(${PLOTVANE_DIST_DIR}/${PLOTVANE_APP_ID}.metainfo.xml.in
  ${PLOTVANE_DIST_OUT}/${PLOTVANE_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PLOTVANE_DIST_OUT}/${PLOTVANE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${PLOTVANE_DIST_DIR}/icons/plotvane.svg DESTINATION ${_icons}/scalable/apps)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${PLOTVANE_DIST_DIR}/icons/plotvane-${size}.png DESTINATION ${_icons}/${size}x${size}/apps
    RENAME plotvane.png)
endforeach()

# Text files filled in at configure time and gzipped at build time.
function(plotvane_gzipped_file template output)
  configure_file(${template} ${PLOTVANE_DIST_OUT}/${output} @ONLY)
  add_custom_command(OUTPUT ${PLOTVANE_DIST_OUT}/${output}.gz
    COMMAND gzip -9nf -k ${PLOTVANE_DIST_OUT}/${output}
    DEPENDS ${PLOTVANE_DIST_OUT}/${output}
    COMMENT "Compressing ${output}" VERBATIM)
  add_custom_target(plotvane_gz_${output} ALL DEPENDS ${PLOTVANE_DIST_OUT}/${output}.gz)
endfunction()

foreach(page plotvane plotvane-cli)
  plotvane_gzipped_file(${PLOTVANE_DIST_DIR}/man/${page}.1.in ${page}.1)
  install(FILES ${PLOTVANE_DIST_OUT}/${page}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

configure_file(${PLOTVANE_DIST_DIR}/debian/copyright.in ${PLOTVANE_DIST_OUT}/copyright @ONLY)
install(FILES ${PLOTVANE_DIST_OUT}/copyright DESTINATION ${PLOTVANE_DOC_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/examples/survey.txt DESTINATION ${PLOTVANE_DOC_DIR}/examples)
