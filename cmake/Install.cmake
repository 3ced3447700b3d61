# Install.cmake -- what `cmake --install` puts where, and the Debian package CPack makes of it
#
#   bin/cryptsliders                   the launcher: a per-user directory, then the game
#   libexec/cryptsliders/cryptsliders  the game itself, off the PATH
#   share/cryptsliders/data/           the data tree as the build assembled it
#   share/applications, share/metainfo, share/icons/hicolor, share/man/man6
include(GNUInstallDirs)

set(GAME_INSTALL_DIR ${CMAKE_INSTALL_LIBEXECDIR}/cryptsliders)
set(DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/cryptsliders)
set(DIST_OUT ${CMAKE_BINARY_DIR}/dist)

# The launcher finds the game and the data relative to its own place, so an
# installed tree runs wherever it lies: under a DESTDIR, unpacked from the
# package into a scratch root, or at its prefix.
file(RELATIVE_PATH LAUNCHER_TO_GAME ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${GAME_INSTALL_DIR}/cryptsliders)
file(RELATIVE_PATH LAUNCHER_TO_DATA ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${DATA_INSTALL_DIR}/data)
configure_file(${CMAKE_SOURCE_DIR}/dist/cryptsliders.in ${DIST_OUT}/cryptsliders @ONLY)

# Debian ships manual pages compressed; -n keeps the file the same on every build.
add_custom_command(
  OUTPUT ${DIST_OUT}/cryptsliders.6.gz
  COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${CMAKE_SOURCE_DIR}/dist/cryptsliders.6 ${DIST_OUT}/cryptsliders.6.gz
  DEPENDS ${CMAKE_SOURCE_DIR}/dist/cryptsliders.6
  VERBATIM)
add_custom_target(dist_files ALL DEPENDS ${DIST_OUT}/cryptsliders.6.gz)

install(TARGETS cryptsliders RUNTIME DESTINATION ${GAME_INSTALL_DIR})
install(PROGRAMS ${DIST_OUT}/cryptsliders DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/data DESTINATION ${DATA_INSTALL_DIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/dist/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${DIST_OUT}/cryptsliders.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cryptsliders)

# The Debian package: `cpack --config build/CPackConfig.cmake` writes
# build/package/cryptsliders_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cryptsliders)
set(CPACK_PACKAGE_VENDOR "CryptSLIDERS developers")
set(CPACK_PACKAGE_CONTACT "CryptSLIDERS developers <dev@cryptsliders.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture puzzle of sliding and turning tiles in a crypt")
set(CPACK_PACKAGE_DESCRIPTION "The tiles of up to ten pictures lie shuffled, and maybe turned, on a board
of nine by nine cells. Drag tiles to swap them and turn them with the right
mouse button until the pictures the level asks for stand whole, before the
candle burns down. Twenty levels, with forbidden pictures, goals to complete
in order and goals asked turned.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)
# dpkg-shlibdeps names the package of every library the game links, with the
# versions its symbols need. SDL opens libGL by name at run time, out of
# dpkg-shlibdeps' sight, so that one is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1")
include(CPack)
