# Assembles the run-time data tree in ${CMAKE_BINARY_DIR}/data: generated images
# and sounds from assetgen, the authored text data from data/, and a link to the font.
set(DATA_OUT ${CMAKE_BINARY_DIR}/data)

# The game's face: Linux Biolinum Bold, an inscriptional sans from Debian's
# fonts-linuxlibertine (OFL-1.1). The data tree links it under the file name
# the game opens, as the installed tree does (Install.cmake): no copy ships.
set(GAME_FONT_SOURCE /usr/share/fonts/opentype/linux-libertine/LinBiolinum_RB.otf)
set(GAME_FONT_NAME base/LithosPro-Regular.otf)
if(NOT EXISTS ${GAME_FONT_SOURCE})
  message(FATAL_ERROR "The game font ${GAME_FONT_SOURCE} is missing: install fonts-linuxlibertine")
endif()

# Music and effects are played through FluidR3 GM, Debian's fluid-soundfont-gm
# (MIT licence): real instrument samples, where the small default soundfont
# sounds thin.
set(GAME_SOUNDFONT /usr/share/sounds/sf2/FluidR3_GM.sf2)
if(NOT EXISTS ${GAME_SOUNDFONT})
  message(FATAL_ERROR "The soundfont ${GAME_SOUNDFONT} is missing: install fluid-soundfont-gm")
endif()

# The authored drawings: assetgen runs again when one of them changes.
file(GLOB ASSET_ART CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/assetgen/art/*.svg)

# The words painted into the images: every image is drawn without them, and
# for English and each language of po/LINGUAS, and the pseudo-language qps,
# its words go on an overlay of its size, data/words/LL/NAME.webp, lossless (a language
# whose words are all English's leaves the image to English's overlay), read
# from the catalogs the build makes (Translations.cmake). Every string drawn
# is recorded in build/words/LL[@2x].tsv: its room, its ink, its size.
file(STRINGS ${CMAKE_SOURCE_DIR}/po/LINGUAS WORDS_LANGUAGES REGEX "^[^#]")
string(REGEX MATCHALL "[a-zA-Z_@]+" WORDS_LANGUAGES "${WORDS_LANGUAGES}")
list(APPEND WORDS_LANGUAGES qps)
set(WORDS_MO)
foreach(lang ${WORDS_LANGUAGES})
  list(APPEND WORDS_MO ${CMAKE_BINARY_DIR}/locale/${lang}/LC_MESSAGES/cryptsliders.mo)
endforeach()
string(REPLACE ";" "," WORDS_LIST "${WORDS_LANGUAGES}")
set(WORDS_RECORDS ${CMAKE_BINARY_DIR}/words/runs)
set(WORDS_ARGS --locale ${CMAKE_BINARY_DIR}/locale --languages ${WORDS_LIST} --records ${WORDS_RECORDS})

# Besides the data tree, assetgen writes build/contact-sheet.png, in
# build/asset-debug/ each button-bearing image with its buttons outlined and
# its labels alone, and the desktop icons in build/icons/hicolor/.
set(ICON_OUT ${CMAKE_BINARY_DIR}/icons/hicolor)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/assetgen.stamp
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:assetgen> --font ${GAME_FONT_SOURCE} --soundfont ${GAME_SOUNDFONT}
          --art ${CMAKE_SOURCE_DIR}/tools/assetgen/art
          --debug ${CMAKE_BINARY_DIR}/asset-debug --sheet ${CMAKE_BINARY_DIR}/contact-sheet.png
          --icons ${ICON_OUT} --icon-name ${APP_ID} ${WORDS_ARGS}
          ${DATA_OUT}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/assetgen.stamp
  DEPENDS assetgen ${ASSET_ART} ${GAME_FONT_SOURCE} ${GAME_SOUNDFONT} ${WORDS_MO}
  COMMENT "Generating images and sounds"
  VERBATIM)

# The same images drawn at twice the size, beside the first set as NAME@2x.png,
# for frames shown at 1.5x and more; a run of its own, so both cores draw.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/assetgen2x.stamp
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:assetgen> --scale 2 --font ${GAME_FONT_SOURCE} --soundfont ${GAME_SOUNDFONT}
          --art ${CMAKE_SOURCE_DIR}/tools/assetgen/art ${WORDS_ARGS} ${DATA_OUT}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/assetgen2x.stamp
  DEPENDS assetgen ${ASSET_ART} ${GAME_FONT_SOURCE} ${WORDS_MO}
  COMMENT "Generating the images at twice the size"
  VERBATIM)

# The level art: each level's pictures, screen, clue and win images, and the
# opening and closing images, drawn by levelart from the level files read with
# the game's own parser; it runs again when a level file, its code or the owl
# drawing changes. Two runs share the levels so both cores draw, for each of the
# two sets (the second at twice the size, its clue images, mostly words,
# recompressed by optipng: 9 % smaller for some 10 s of the build, where the
# stone of the other images gains 3 % for as much again). Contact sheets for judging the art
# by eye go to build/contact-sheets/ (the clue images with the game's frame
# over them, hence the wait for assetgen).
file(GLOB LEVEL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/level*/level.dat)
set(LEVELART_PARTS 2)
set(LEVELART_STAMPS)
foreach(part RANGE 1 ${LEVELART_PARTS})
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/levelart${part}.stamp
    # Under SANITIZE the tool is instrumented like the game code it links; the
    # drawing libraries' caches that live to the end are no leak of ours.
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:levelart> --font ${GAME_FONT_SOURCE} --art ${CMAKE_SOURCE_DIR}/tools/assetgen/art
            --sheets ${CMAKE_BINARY_DIR}/contact-sheets --frame ${DATA_OUT}/base/Frame.png
            --part ${part}/${LEVELART_PARTS} ${WORDS_ARGS} ${CMAKE_SOURCE_DIR}/data ${DATA_OUT}
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/levelart${part}.stamp
    DEPENDS levelart ${LEVEL_SOURCES} ${ASSET_ART} ${GAME_FONT_SOURCE} ${CMAKE_BINARY_DIR}/assetgen.stamp ${WORDS_MO}
    COMMENT "Drawing the level art (part ${part} of ${LEVELART_PARTS})"
    VERBATIM)
  list(APPEND LEVELART_STAMPS ${CMAKE_BINARY_DIR}/levelart${part}.stamp)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/levelart2x-${part}.stamp
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:levelart> --scale 2 --optimise --font ${GAME_FONT_SOURCE} --art ${CMAKE_SOURCE_DIR}/tools/assetgen/art
            --part ${part}/${LEVELART_PARTS} ${WORDS_ARGS} ${CMAKE_SOURCE_DIR}/data ${DATA_OUT}
    COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/levelart2x-${part}.stamp
    DEPENDS levelart ${LEVEL_SOURCES} ${ASSET_ART} ${GAME_FONT_SOURCE} ${WORDS_MO}
    COMMENT "Drawing the level art at twice the size (part ${part} of ${LEVELART_PARTS})"
    VERBATIM)
  list(APPEND LEVELART_STAMPS ${CMAKE_BINARY_DIR}/levelart2x-${part}.stamp)
endforeach()

file(GLOB LEVEL_FILES RELATIVE ${CMAKE_SOURCE_DIR}/data CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/level*/level.dat)
set(DATA_TEXT_FILES levels.dat help/help.dat ${LEVEL_FILES})
set(DATA_COPIES)
foreach(f IN LISTS DATA_TEXT_FILES)
  add_custom_command(
    OUTPUT ${DATA_OUT}/${f}
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/${f} ${DATA_OUT}/${f}
    DEPENDS ${CMAKE_SOURCE_DIR}/data/${f}
    VERBATIM)
  list(APPEND DATA_COPIES ${DATA_OUT}/${f})
endforeach()

# The font link, made once assetgen has made base/. The licence texts of the
# font and the soundfont belong in the packages' copyright file
# (dist/copyright), not in the tree; earlier build trees hold copies of them,
# of the font, and the music as WAV, which go.
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/font-link.stamp
  COMMAND ${CMAKE_COMMAND} -E rm -f ${DATA_OUT}/${GAME_FONT_NAME}
          ${DATA_OUT}/base/FONT-LICENSE.txt ${DATA_OUT}/sounds/SOUNDFONT-LICENSE.txt
          ${DATA_OUT}/sounds/Music1.wav ${DATA_OUT}/sounds/Music2.wav
  COMMAND ${CMAKE_COMMAND} -E create_symlink ${GAME_FONT_SOURCE} ${DATA_OUT}/${GAME_FONT_NAME}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/font-link.stamp
  DEPENDS ${CMAKE_BINARY_DIR}/assetgen.stamp
  VERBATIM)

# Each run's records of the strings it drew, joined per language and set.
set(WORDS_JOINED)
foreach(lang ${WORDS_LANGUAGES} en)
  foreach(set "" "@2x")
    set(runs ${WORDS_RECORDS}/${lang}${set}-assetgen.tsv)
    foreach(part RANGE 1 ${LEVELART_PARTS})
      list(APPEND runs ${WORDS_RECORDS}/${lang}${set}-levelart${part}.tsv)
    endforeach()
    add_custom_command(
      OUTPUT ${CMAKE_BINARY_DIR}/words/${lang}${set}.tsv
      COMMAND ${CMAKE_COMMAND} -E cat ${runs} > ${CMAKE_BINARY_DIR}/words/${lang}${set}.tsv
      DEPENDS ${CMAKE_BINARY_DIR}/assetgen.stamp ${CMAKE_BINARY_DIR}/assetgen2x.stamp ${LEVELART_STAMPS})
    list(APPEND WORDS_JOINED ${CMAKE_BINARY_DIR}/words/${lang}${set}.tsv)
  endforeach()
endforeach()

add_custom_target(data_tree ALL
  DEPENDS ${CMAKE_BINARY_DIR}/assetgen.stamp ${CMAKE_BINARY_DIR}/assetgen2x.stamp ${LEVELART_STAMPS} ${DATA_COPIES}
          ${CMAKE_BINARY_DIR}/font-link.stamp ${WORDS_JOINED})
# The catalogs are made before any image is drawn (their rules lie in Translations.cmake).
add_dependencies(data_tree translations)
