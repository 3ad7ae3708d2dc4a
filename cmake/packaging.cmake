# The Debian package: `cpack -G DEB` in the build folder writes
# velmo_<version>_<arch>.deb, which installs the programs under /usr.
set(CPACK_PACKAGE_NAME velmo)
set(CPACK_PACKAGE_VENDOR "The Velmo authors")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "JPEG photo browser and HTML thumbnail album maker")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmo browses folders of JPEG photographs, previews them, runs a slide
show and turns a folder into numbered HTML album pages with thumbnails,
plus a slide page. Quillet, its companion, writes comments into the album
pages: drag an image from an album page in the browser onto it and edit
the comment. velmo-album builds the same album from the command line.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Packaged programs carry no debugging information.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision of this version, as data/changelog.Debian lists it.
set(CPACK_DEBIAN_PACKAGE_RELEASE 2)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Velmo authors <velmo-bugs@velmo.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://velmo.example.org/)
# The linked libraries come from dpkg-shlibdeps; the rest are needed at run
# time without being linked: the SVG image plugin draws the window icons,
# the windows are drawn in IPA Gothic and Comic Neue, and the browser is
# started through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, fonts-ipafont-gothic, fonts-comic-neue, xdg-utils")
# The reduction library is private (lib/velmo, loaded by path), so the
# package needs no ldconfig run. CPack writes one into postinst and postrm
# for any shared object under lib unless the package names scripts of its
# own; it names these, which do not exist, so the package has none.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/no-maintainer-scripts/postinst
                                       ${CMAKE_BINARY_DIR}/no-maintainer-scripts/postrm)

# Debian's record of the licence, where every package keeps it.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmo)

include(CPack)
