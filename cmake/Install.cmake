# Install.cmake -- what `cmake --install` puts where, and the two Debian packages CPack makes of it
#
#   games/cryptsliders                 the launcher: a per-user directory, then the game
#   libexec/cryptsliders/cryptsliders  the game itself, off the PATH
#   share/games/cryptsliders/          the data tree as the build assembled it, the font a link
#   share/locale/LL/LC_MESSAGES/       the game's words in each language (cryptsliders.mo)
#   share/applications, share/metainfo, share/icons/hicolor, share/man/man6,
#   share/doc/cryptsliders, share/doc/cryptsliders-data
#
# Two components, one package each: "game" (cryptsliders: the launcher, the
# game, the desktop files and the manual page) and "data" (cryptsliders-data,
# for every architecture: the data tree).
include(GNUInstallDirs)

# GNUInstallDirs names no directories for games; these are the FHS's, which
# Debian's policy asks of a game. A distribution that keeps games among the
# other programs sets them to bin and share. Both are relative to the prefix.
set(GAMES_INSTALL_BINDIR games CACHE STRING "Where the launcher goes, relative to the prefix")
set(GAMES_INSTALL_DATADIR ${CMAKE_INSTALL_DATAROOTDIR}/games CACHE STRING
    "Where the data tree goes (in cryptsliders/), relative to the prefix")
set(GAME_INSTALL_DIR ${CMAKE_INSTALL_LIBEXECDIR}/cryptsliders)
set(DATA_INSTALL_DIR ${GAMES_INSTALL_DATADIR}/cryptsliders)
set(DIST_OUT ${CMAKE_BINARY_DIR}/dist)

# The launcher finds the game and the data relative to its own place, so an
# installed tree runs wherever it lies: under a DESTDIR, unpacked from the
# packages into a scratch root, or at its prefix.
file(RELATIVE_PATH LAUNCHER_TO_GAME ${CMAKE_INSTALL_PREFIX}/${GAMES_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${GAME_INSTALL_DIR}/cryptsliders)
file(RELATIVE_PATH LAUNCHER_TO_DATA ${CMAKE_INSTALL_PREFIX}/${GAMES_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${DATA_INSTALL_DIR})
file(RELATIVE_PATH LAUNCHER_TO_LOCALE ${CMAKE_INSTALL_PREFIX}/${GAMES_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LOCALEDIR})
configure_file(${CMAKE_SOURCE_DIR}/dist/cryptsliders.in ${DIST_OUT}/cryptsliders @ONLY)

# Debian ships manual pages and changelogs compressed; -n keeps the files the
# same on every build.
set(DIST_GZ)
foreach(f cryptsliders.6 changelog)
  add_custom_command(
    OUTPUT ${DIST_OUT}/${f}.gz
    COMMAND sh -c "gzip -9nc \"$0\" > \"$1\"" ${CMAKE_SOURCE_DIR}/dist/${f} ${DIST_OUT}/${f}.gz
    DEPENDS ${CMAKE_SOURCE_DIR}/dist/${f}
    VERBATIM)
  list(APPEND DIST_GZ ${DIST_OUT}/${f}.gz)
endforeach()
add_custom_target(dist_files ALL DEPENDS ${DIST_GZ})

install(TARGETS cryptsliders RUNTIME DESTINATION ${GAME_INSTALL_DIR} COMPONENT game)
# A stripped install (the package's) strips as Debian's dh_strip does: the
# compiler's version notes go with the symbols.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note --strip-unneeded
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${GAME_INSTALL_DIR}/cryptsliders\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()" COMPONENT game)
install(PROGRAMS ${DIST_OUT}/cryptsliders DESTINATION ${GAMES_INSTALL_BINDIR} COMPONENT game)
install(DIRECTORY ${CMAKE_BINARY_DIR}/icons/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons COMPONENT game)
# The desktop entry and the metainfo with their translations, as cmake/Translations.cmake merged them.
install(FILES ${DIST_OUT}/${APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT game)
install(FILES ${DIST_OUT}/${APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT game)
install(FILES ${DIST_OUT}/cryptsliders.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 COMPONENT game)

install(DIRECTORY ${CMAKE_BINARY_DIR}/data/ DESTINATION ${DATA_INSTALL_DIR} COMPONENT data
        PATTERN ${GAME_FONT_NAME} EXCLUDE PATTERN qps EXCLUDE)
# The catalogs, but the pseudo-language's, which is for testing the layouts.
install(DIRECTORY ${CMAKE_BINARY_DIR}/locale/ DESTINATION ${CMAKE_INSTALL_LOCALEDIR} COMPONENT data
        PATTERN qps EXCLUDE)
# The font is fonts-linuxlibertine's file, linked: relatively where it lies
# under the same prefix (the package's /usr, as Debian wants links within
# /usr), else by its absolute path.
install(CODE "
  set(link \"\${CMAKE_INSTALL_PREFIX}/${DATA_INSTALL_DIR}/${GAME_FONT_NAME}\")
  set(font \"${GAME_FONT_SOURCE}\")
  cmake_path(IS_PREFIX CMAKE_INSTALL_PREFIX \"\${font}\" NORMALIZE under_prefix)
  if(under_prefix)
    cmake_path(GET link PARENT_PATH dir)
    file(RELATIVE_PATH font \"\${dir}\" \"\${font}\")
  endif()
  message(STATUS \"Linking: \$ENV{DESTDIR}\${link} -> \${font}\")
  file(CREATE_LINK \"\${font}\" \"\$ENV{DESTDIR}\${link}\" SYMBOLIC)
" COMPONENT data)

# Each package carries the copyright file and the changelog.
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright ${DIST_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cryptsliders COMPONENT game)
install(FILES ${CMAKE_SOURCE_DIR}/dist/copyright ${DIST_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/cryptsliders-data COMPONENT data)

# The Debian packages: `cpack --config build/CPackConfig.cmake` writes
# build/package/cryptsliders_<version>_<arch>.deb and
# build/package/cryptsliders-data_<version>_all.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL game data)
set(CPACK_PACKAGE_NAME cryptsliders)
set(CPACK_PACKAGE_VENDOR "CryptSLIDERS developers")
set(CPACK_PACKAGE_CONTACT "CryptSLIDERS developers <dev@cryptsliders.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_GAME_PACKAGE_NAME cryptsliders)
set(CPACK_DEBIAN_GAME_DESCRIPTION "picture puzzle of sliding and turning tiles in a crypt
The tiles of up to ten pictures lie shuffled, and maybe turned, on a board
of nine by nine cells. Drag tiles to swap them and turn them with the right
mouse button until the pictures the level asks for stand whole, before the
candle burns down. Twenty levels, with forbidden pictures, goals to complete
in order and goals asked turned.")
# dpkg-shlibdeps names the package of every library the game links, with the
# versions its symbols need. SDL opens libGL by name at run time, out of
# dpkg-shlibdeps' sight, so that one is named here, with the data of this very
# version.
set(CPACK_DEBIAN_GAME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_GAME_PACKAGE_DEPENDS "cryptsliders-data (= ${PROJECT_VERSION}), libgl1")

set(CPACK_DEBIAN_DATA_PACKAGE_NAME cryptsliders-data)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_DATA_DESCRIPTION "levels, images, music and sounds of CryptSLIDERS
The twenty levels of the picture puzzle CryptSLIDERS with their pictures,
story and clue images, the screens of the crypt, its music and its sound
effects.")
set(CPACK_DEBIAN_DATA_PACKAGE_DEPENDS "fonts-linuxlibertine")
include(CPack)
