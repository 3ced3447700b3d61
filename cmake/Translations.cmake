# The game's words in other languages, the GNU gettext way: xgettext gathers
# the English marked in the code (tr, tr_n, N_) and the level titles into a
# template, each po/LL.po translates it, msgfmt makes the .mo files the game
# reads into ${CMAKE_BINARY_DIR}/locale/LL/LC_MESSAGES/. The build also makes a
# pseudo-language "qps" from the template (accented, 40 % longer) for trying
# every screen with words longer than English's. The desktop entry and the
# AppStream metainfo go through the same catalogs: their templates in dist/
# (*.in) give their words to the template, and msgfmt merges every language's
# back into build/dist/, the files that are installed.
#   cmake --build build --target po-update    merges a changed template into po/*.po
find_program(XGETTEXT xgettext REQUIRED)
find_program(MSGFMT msgfmt REQUIRED)
find_program(MSGCAT msgcat REQUIRED)
find_program(MSGMERGE msgmerge REQUIRED)
find_program(MSGEN msgen REQUIRED)
find_program(MSGFILTER msgfilter REQUIRED)

set(TEXT_DOMAIN cryptsliders)
set(LOCALE_OUT ${CMAKE_BINARY_DIR}/locale)
set(POT_OUT ${CMAKE_BINARY_DIR}/po)
file(STRINGS ${CMAKE_SOURCE_DIR}/po/LINGUAS GAME_LANGUAGES REGEX "^[^#]")
string(REGEX MATCHALL "[a-zA-Z_@]+" GAME_LANGUAGES "${GAME_LANGUAGES}")

file(GLOB_RECURSE MARKED_SOURCES CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}
     ${CMAKE_SOURCE_DIR}/src/*.cpp ${CMAKE_SOURCE_DIR}/src/*.h
     ${CMAKE_SOURCE_DIR}/tools/assetgen/*.cpp ${CMAKE_SOURCE_DIR}/tools/levelart/*.cpp)
list(SORT MARKED_SOURCES)
set(XGETTEXT_KEYWORDS --keyword=tr --keyword=tr_n:1,2 --keyword=N_)
# The desktop entry's translated keys; its Name stays CryptSLIDERS everywhere.
set(DESKTOP_KEYWORDS --keyword= --keyword=GenericName --keyword=Comment --keyword=Keywords)
set(DESKTOP_IN dist/${APP_ID}.desktop.in)
set(METAINFO_IN dist/${APP_ID}.metainfo.xml.in)

add_custom_command(
  OUTPUT ${POT_OUT}/${TEXT_DOMAIN}.pot
  COMMAND ${CMAKE_COMMAND} -E make_directory ${POT_OUT}
  COMMAND ${XGETTEXT} --language=C++ --from-code=UTF-8 ${XGETTEXT_KEYWORDS} --add-comments=TRANSLATORS:
          --package-name=CryptSLIDERS --sort-by-file --force-po --output=${POT_OUT}/code.pot ${MARKED_SOURCES}
  COMMAND ${CMAKE_COMMAND} -DDATA=${CMAKE_SOURCE_DIR}/data -DOUT=${POT_OUT}/titles.pot
          -P ${CMAKE_SOURCE_DIR}/cmake/LevelTitles.cmake
  # xgettext knows both formats: the desktop entry's keys, and AppStream's
  # translatable elements by the ITS rules gettext ships for *.metainfo.xml.
  COMMAND ${XGETTEXT} --language=Desktop ${DESKTOP_KEYWORDS} --add-comments=TRANSLATORS: --force-po
          --package-name=CryptSLIDERS --output=${POT_OUT}/desktop.pot ${DESKTOP_IN}
  COMMAND ${XGETTEXT} --add-comments=TRANSLATORS: --force-po --package-name=CryptSLIDERS
          --output=${POT_OUT}/metainfo.pot ${METAINFO_IN}
  COMMAND ${MSGCAT} --use-first --output-file=${POT_OUT}/${TEXT_DOMAIN}.pot ${POT_OUT}/code.pot ${POT_OUT}/titles.pot
          ${POT_OUT}/desktop.pot ${POT_OUT}/metainfo.pot
  DEPENDS ${MARKED_SOURCES} ${LEVEL_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/LevelTitles.cmake
          ${CMAKE_SOURCE_DIR}/${DESKTOP_IN} ${CMAKE_SOURCE_DIR}/${METAINFO_IN}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Gathering the game's words into ${TEXT_DOMAIN}.pot"
  VERBATIM)

set(MO_FILES)
foreach(lang ${GAME_LANGUAGES})
  set(mo ${LOCALE_OUT}/${lang}/LC_MESSAGES/${TEXT_DOMAIN}.mo)
  add_custom_command(
    OUTPUT ${mo}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LOCALE_OUT}/${lang}/LC_MESSAGES
    COMMAND ${MSGFMT} --check --output-file=${mo} ${CMAKE_SOURCE_DIR}/po/${lang}.po
    DEPENDS ${CMAKE_SOURCE_DIR}/po/${lang}.po
    COMMENT "Making the ${lang} catalog"
    VERBATIM)
  list(APPEND MO_FILES ${mo})
endforeach()

set(PSEUDO_MO ${LOCALE_OUT}/qps/LC_MESSAGES/${TEXT_DOMAIN}.mo)
add_custom_command(
  OUTPUT ${PSEUDO_MO}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${LOCALE_OUT}/qps/LC_MESSAGES
  COMMAND ${MSGEN} --output-file=${POT_OUT}/qps-en.po ${POT_OUT}/${TEXT_DOMAIN}.pot
  COMMAND ${MSGFILTER} --keep-header --input=${POT_OUT}/qps-en.po --output-file=${POT_OUT}/qps.po $<TARGET_FILE:pseudolang>
  COMMAND ${MSGFMT} --check-format --output-file=${PSEUDO_MO} ${POT_OUT}/qps.po
  DEPENDS ${POT_OUT}/${TEXT_DOMAIN}.pot pseudolang
  COMMENT "Making the pseudo-language's catalog"
  VERBATIM)

# The installed desktop files: each template with every language of po/LINGUAS merged in.
set(TRANSLATED_DIST ${CMAKE_BINARY_DIR}/dist)
set(PO_FILES)
foreach(lang ${GAME_LANGUAGES})
  list(APPEND PO_FILES ${CMAKE_SOURCE_DIR}/po/${lang}.po)
endforeach()
add_custom_command(
  OUTPUT ${TRANSLATED_DIST}/${APP_ID}.desktop ${TRANSLATED_DIST}/${APP_ID}.metainfo.xml
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TRANSLATED_DIST}
  COMMAND ${MSGFMT} --desktop ${DESKTOP_KEYWORDS} --template=${DESKTOP_IN} -d po
          --output-file=${TRANSLATED_DIST}/${APP_ID}.desktop
  COMMAND ${MSGFMT} --xml --template=${METAINFO_IN} -d po --output-file=${TRANSLATED_DIST}/${APP_ID}.metainfo.xml
  DEPENDS ${CMAKE_SOURCE_DIR}/${DESKTOP_IN} ${CMAKE_SOURCE_DIR}/${METAINFO_IN} ${PO_FILES} ${CMAKE_SOURCE_DIR}/po/LINGUAS
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Translating the desktop entry and the metainfo"
  VERBATIM)

add_custom_target(translations ALL DEPENDS ${POT_OUT}/${TEXT_DOMAIN}.pot ${MO_FILES} ${PSEUDO_MO}
  ${TRANSLATED_DIST}/${APP_ID}.desktop ${TRANSLATED_DIST}/${APP_ID}.metainfo.xml)

set(PO_UPDATES)
foreach(lang ${GAME_LANGUAGES})
  list(APPEND PO_UPDATES COMMAND ${MSGMERGE} --quiet --update --backup=none --no-fuzzy-matching
       ${CMAKE_SOURCE_DIR}/po/${lang}.po ${POT_OUT}/${TEXT_DOMAIN}.pot)
endforeach()
add_custom_target(po-update ${PO_UPDATES} DEPENDS ${POT_OUT}/${TEXT_DOMAIN}.pot VERBATIM)
