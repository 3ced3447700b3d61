# The level titles as a message template, for the catalogs (they are words the
# player reads, on the board and in the level art):
#   cmake -DDATA=<data/> -DOUT=<file.pot> -P LevelTitles.cmake
file(GLOB files RELATIVE ${DATA} ${DATA}/level*/level.dat)
list(SORT files COMPARE NATURAL)
set(pot "")
foreach(f ${files})
  file(STRINGS ${DATA}/${f} lines ENCODING UTF-8)
  set(n 0)
  foreach(line IN LISTS lines)
    math(EXPR n "${n} + 1")
    if(line MATCHES "^name=(.+)$")
      string(REPLACE "\\" "\\\\" title "${CMAKE_MATCH_1}")
      string(REPLACE "\"" "\\\"" title "${title}")
      string(APPEND pot "#. TRANSLATORS: a level's title, on the board and in the level's art\n"
                        "#: data/${f}:${n}\nmsgid \"${title}\"\nmsgstr \"\"\n\n")
      break()
    endif()
  endforeach()
endforeach()
file(WRITE ${OUT} "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\n${pot}")
