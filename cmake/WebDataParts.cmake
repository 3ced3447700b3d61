# WebDataParts.cmake -- cmake -DDATA=TREE -DLOCALE=DIR -DSTART=DIR -DLATER=DIR -P WebDataParts.cmake
# The data tree split in two for the page: what the logo and the start screen
# need (the passwords, the help's configuration, the sounds, the 1x art of the
# game's screens and the 2x art of those the start screen shows) is fetched
# before the game starts; the rest (the levels, the story's and the help's
# images, the 2x art of the game's other screens) follows in the background.
# The words of an image (words/LL/, one overlay per language) go with it;
# the catalogs (LOCALE's LL/LC_MESSAGES/, into START's locale/ beside its data/)
# come first. The pseudo-language, a developers' tool, is left out.
file(REMOVE_RECURSE ${START} ${LATER})
file(GLOB_RECURSE catalogs RELATIVE ${LOCALE} ${LOCALE}/*.mo)
foreach(f ${catalogs})
  if(NOT f MATCHES "^qps/")
    get_filename_component(dir ${START}/locale/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${LOCALE}/${f} ${START}/locale/${f})
  endif()
endforeach()
file(GLOB_RECURSE files RELATIVE ${DATA} ${DATA}/*)
foreach(f ${files})
  if(f MATCHES "^words/qps/")
    continue()
  endif()
  if(f MATCHES "^(levels\\.dat|help/help\\.dat|sounds/.*|(words/[^/]+/)?base/[^@]*|(words/[^/]+/)?base/(BrassOwl|StartScreen|OptionsScreen|OptionSlider|PicturesScreen)@2x\\.(png|webp))$")
    set(to ${START}/data)
  else()
    set(to ${LATER}/data)
  endif()
  get_filename_component(dir ${to}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${DATA}/${f} ${to}/${f})
endforeach()
