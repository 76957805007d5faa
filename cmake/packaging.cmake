# `make deb`: a Debian package of the install tree (the game, tanukiban-usi,
# the sound library, the desktop entry and the icon). Its Depends is worked
# out from the binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tanukiban)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tanukiban developers")
set(CPACK_PACKAGE_CONTACT "Tanukiban developers <tanukiban@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "five-by-five shogi whose pieces turn over at every move")
set(CPACK_PACKAGE_DESCRIPTION "A desktop game of five-by-five shogi in which every piece but
the king turns over to its other face each time it moves, against a person or
the computer at six levels. Includes tanukiban-usi, the computer player as a
USI engine for other front ends.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # tanukiban_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
include(CPack)
