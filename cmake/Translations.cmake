# The game's words in other languages, the GNU gettext way: xgettext gathers
# the English marked in the code (tr, tr_n, N_) and the level titles into a
# template, each po/LL.po translates it, msgfmt makes the .mo files the game
# reads into ${CMAKE_BINARY_DIR}/locale/LL/LC_MESSAGES/. The build also makes a
# pseudo-language "qps" from the template (accented, 40 % longer) for trying
# every screen with words longer than English's.
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

add_custom_command(
  OUTPUT ${POT_OUT}/${TEXT_DOMAIN}.pot
  COMMAND ${CMAKE_COMMAND} -E make_directory ${POT_OUT}
  COMMAND ${XGETTEXT} --language=C++ --from-code=UTF-8 ${XGETTEXT_KEYWORDS} --add-comments=TRANSLATORS:
          --package-name=CryptSLIDERS --sort-by-file --force-po --output=${POT_OUT}/code.pot ${MARKED_SOURCES}
  COMMAND ${CMAKE_COMMAND} -DDATA=${CMAKE_SOURCE_DIR}/data -DOUT=${POT_OUT}/titles.pot
          -P ${CMAKE_SOURCE_DIR}/cmake/LevelTitles.cmake
  COMMAND ${MSGCAT} --use-first --output-file=${POT_OUT}/${TEXT_DOMAIN}.pot ${POT_OUT}/code.pot ${POT_OUT}/titles.pot
  DEPENDS ${MARKED_SOURCES} ${LEVEL_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/LevelTitles.cmake
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

add_custom_target(translations ALL DEPENDS ${POT_OUT}/${TEXT_DOMAIN}.pot ${MO_FILES} ${PSEUDO_MO})

set(PO_UPDATES)
foreach(lang ${GAME_LANGUAGES})
  list(APPEND PO_UPDATES COMMAND ${MSGMERGE} --quiet --update --backup=none --no-fuzzy-matching
       ${CMAKE_SOURCE_DIR}/po/${lang}.po ${POT_OUT}/${TEXT_DOMAIN}.pot)
endforeach()
add_custom_target(po-update ${PO_UPDATES} DEPENDS ${POT_OUT}/${TEXT_DOMAIN}.pot VERBATIM)
