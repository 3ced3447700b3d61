# Assembles the run-time data tree in ${CMAKE_BINARY_DIR}/data: generated images
# and sounds from assetgen, the authored text data from data/, and the font.
set(DATA_OUT ${CMAKE_BINARY_DIR}/data)

# The game's face: Linux Biolinum Bold, an inscriptional sans from Debian's
# fonts-linuxlibertine (OFL-1.1), under the file name the game opens.
set(GAME_FONT_SOURCE /usr/share/fonts/opentype/linux-libertine/LinBiolinum_RB.otf)
set(GAME_FONT_LICENSE /usr/share/doc/fonts-linuxlibertine/copyright)
if(NOT EXISTS ${GAME_FONT_SOURCE})
  message(FATAL_ERROR "The game font ${GAME_FONT_SOURCE} is missing: install fonts-linuxlibertine")
endif()

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/assetgen.stamp
  COMMAND assetgen ${DATA_OUT}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/assetgen.stamp
  DEPENDS assetgen
  COMMENT "Generating images and sounds"
  VERBATIM)

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

add_custom_command(
  OUTPUT ${DATA_OUT}/base/LithosPro-Regular.otf ${DATA_OUT}/base/FONT-LICENSE.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${GAME_FONT_SOURCE} ${DATA_OUT}/base/LithosPro-Regular.otf
  COMMAND ${CMAKE_COMMAND} -E copy ${GAME_FONT_LICENSE} ${DATA_OUT}/base/FONT-LICENSE.txt
  DEPENDS ${GAME_FONT_SOURCE}
  VERBATIM)

add_custom_target(data_tree ALL
  DEPENDS ${CMAKE_BINARY_DIR}/assetgen.stamp ${DATA_COPIES}
          ${DATA_OUT}/base/LithosPro-Regular.otf ${DATA_OUT}/base/FONT-LICENSE.txt)
