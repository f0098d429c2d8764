# The Debian package: `cpack -G DEB` in the build folder packs what
# cmake/Install.cmake installs, under /usr, with the stripped programs.
#
# The dependencies on shared libraries come from the libraries the programs
# actually link (dpkg-shlibdeps, from dpkg-dev). Three packages are named by
# hand because nothing links them: Qt's translations, of which the program
# loads the Japanese one for Qt's own dialogs; and the IPA Gothic fonts, which
# stand in for the page's Japanese font and show the Japanese menus.
#
# Debian also wants its changelog (changelog.Debian.gz) beside the copyright
# file; it is made here from dist/debian/changelog.in.

set(PLOTVANE_DEB_RELEASE 1)
set(PLOTVANE_DEB_VERSION ${PROJECT_VERSION}-${PLOTVANE_DEB_RELEASE})
plotvane_gzipped_file(${PLOTVANE_DIST_DIR}/debian/changelog.in changelog.Debian)
install(FILES ${PLOTVANE_DIST_OUT}/changelog.Debian.gz DESTINATION ${PLOTVANE_DOC_DIR})

set(CPACK_PACKAGE_NAME plotvane)
set(CPACK_PACKAGE_VENDOR "The Plotvane developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${PLOTVANE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "contour maps from scattered X, Y, Z measurements")
# Lines of at most 80 characters, as Debian's tools show them.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Plotvane reads a text file of X, Y, Z measurements, joins the points into"
  "a Delaunay mesh, rates every triangle's distortion so that long, thin"
  "triangles can be left out, and draws one page with filled bands, contour"
  "lines, a colour scale and titles."
  ""
  "Around the map it gives the value at any coordinate, converts the data to"
  "a regular grid, saves the data with their drawing settings as a contour"
  "file, and saves the page as PNG, BMP, SVG, PDF or EMF, prints or copies it."
  "The desktop program's menus are in Japanese; plotvane-cli does the same"
  "work from the command line, without a display.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${PLOTVANE_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${PLOTVANE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PLOTVANE_HOMEPAGE_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The package is not uploaded to Debian's archive, so its first changelog
# entry has no request-for-packaging bug to close.
install(FILES ${PLOTVANE_DIST_DIR}/debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
  RENAME plotvane)

# A global offset table that is read-only once the program runs, as Debian
# links its programs (relro and bindnow).
foreach(program plotvane plotvane-cli)
  target_link_options(${program} PRIVATE LINKER:-z,relro LINKER:-z,now)
endforeach()

include(CPack)
