# Web.cmake -- the game for the browser, built with emcc (emcmake) from the same
# sources: SDL 1.2 and OpenGL 1.x come from Emscripten itself (its SDL on the
# page's canvas, its legacy GL emulation on WebGL), the picture libraries from
# build-web/deps (tools/web-deps.sh), the data tree from a native build's
# build/data. The loop is handed to the browser (engine/loop_web.cpp).
set(WEB_DEPS ${CMAKE_BINARY_DIR}/deps CACHE PATH "The web libraries built by tools/web-deps.sh")
set(WEB_DATA ${CMAKE_SOURCE_DIR}/build/data CACHE PATH "The data tree a native build assembled")
if(NOT EXISTS ${WEB_DEPS}/lib/libpng.a)
  message(FATAL_ERROR "No web libraries in ${WEB_DEPS}: run tools/web-deps.sh")
endif()
if(NOT EXISTS ${WEB_DATA}/levels.dat)
  message(FATAL_ERROR "No data tree in ${WEB_DATA}: build the game natively first")
endif()

add_compile_options(-Wall -Wextra)
# The picture loading catches a decoder's failure and a lack of memory, and a
# thread that cannot start (there are none in the page) is caught as well.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# pkg-config finds only the web libraries, never the machine's own.
set(ENV{PKG_CONFIG_LIBDIR} "${WEB_DEPS}/lib/pkgconfig:${WEB_DEPS}/share/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
find_package(PkgConfig REQUIRED)
# The libraries pkg-config names are looked for there (the toolchain's search
# is rooted in Emscripten's own sysroot).
link_directories(${WEB_DEPS}/lib)

# Emscripten's own SDL 1.2 (with its image, mixer and TTF parts) and GL: the
# names src/ links stand for link flags only.
add_library(PkgConfig::SDL INTERFACE IMPORTED)
add_library(PkgConfig::GLU INTERFACE IMPORTED)
add_library(OpenGL::GL INTERFACE IMPORTED)
set_property(TARGET OpenGL::GL PROPERTY INTERFACE_LINK_OPTIONS -sLEGACY_GL_EMULATION=1 -sGL_UNSAFE_OPTS=0)

# The loop handed to the browser (one turn an animation frame), or, measured
# against it, the desktop's own loop kept whole by ASYNCIFY, its sleep a
# return to the browser: a larger and slower page (docs/WEB.md).
option(WEB_ASYNCIFY "Keep the desktop's loop and sleep with ASYNCIFY" OFF)
if(WEB_ASYNCIFY)
  set(ENGINE_PLATFORM engine/loop.cpp)
  add_link_options(-sASYNCIFY=1)
else()
  set(ENGINE_PLATFORM engine/loop_web.cpp)
endif()
# The saved files kept in the browser's storage (engine/storage_web.js), the
# canvas the page sizes and the browser's full screen, the pads it shows.
list(APPEND ENGINE_PLATFORM engine/storage_web.cpp engine/screen_web.cpp engine/pad_slots_web.cpp
  engine/data_parts_web.cpp engine/photo_picker_web.cpp)
# The player's photos are the browser's to decode: the rules carry no JPEG,
# TIFF, HEIF or EXIF reader, nor their libraries.
set(PHOTO_DECODERS rules/picture_codecs_none.cpp rules/picture_exif_none.cpp)
set(PHOTO_LIBS)
add_subdirectory(src)
# The static picture libraries' own needs, which their pkg-config files keep private.
target_link_libraries(cryptsliders_rules PUBLIC ${WEB_DEPS}/lib/libz.a)

# The page: our own index.html beside the game's .js, .wasm and .data. The
# data tree comes in two parts (cmake/WebDataParts.cmake), as plain bytes:
# the start screen's part (cryptsliders.data) before the game starts, the
# rest (cryptsliders-later.data, with the script that unpacks it) after, in
# the background. The art is decoded by the game, the music and effects (Ogg
# Vorbis, WAV) by the browser's Web Audio from those bytes when the mixer
# loads them. Memory grows as levels need it.
set(WEB_START ${CMAKE_BINARY_DIR}/data-start)
file(GLOB WEB_CATALOGS CONFIGURE_DEPENDS ${WEB_DATA}/../locale/*/LC_MESSAGES/cryptsliders.mo)
set(WEB_LATER ${CMAKE_BINARY_DIR}/data-later)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/data-parts.stamp
  COMMAND ${CMAKE_COMMAND} -DDATA=${WEB_DATA} -DLOCALE=${WEB_DATA}/../locale -DSTART=${WEB_START} -DLATER=${WEB_LATER}
    -P ${CMAKE_SOURCE_DIR}/cmake/WebDataParts.cmake
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/data-parts.stamp
  DEPENDS ${WEB_DATA}/levels.dat ${WEB_CATALOGS} ${CMAKE_SOURCE_DIR}/cmake/WebDataParts.cmake)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/cryptsliders-later.data ${CMAKE_BINARY_DIR}/cryptsliders-later.js
  COMMAND ${EMSCRIPTEN_ROOT_PATH}/tools/file_packager.py cryptsliders-later.data --preload ${WEB_LATER}/data@/data
    --js-output=cryptsliders-later.js
  DEPENDS ${CMAKE_BINARY_DIR}/data-parts.stamp
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
add_custom_target(web_data_parts DEPENDS ${CMAKE_BINARY_DIR}/data-parts.stamp ${CMAKE_BINARY_DIR}/cryptsliders-later.js)
add_dependencies(cryptsliders web_data_parts)
target_link_options(cryptsliders PRIVATE
  -sERROR_ON_UNDEFINED_SYMBOLS=1 -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=64MB
  -sEXIT_RUNTIME=0 -sMINIFY_HTML=0
  "SHELL:--preload-file ${WEB_START}/data@/data" "SHELL:--preload-file ${WEB_START}/locale@/locale")
# (SHELL: keeps each flag beside its file, where CMake would fold the repeated flag into one.)
target_link_options(cryptsliders PRIVATE "SHELL:--js-library ${CMAKE_SOURCE_DIR}/src/engine/storage_web.js"
  "SHELL:--js-library ${CMAKE_SOURCE_DIR}/src/engine/photo_picker_web.js")
set_target_properties(cryptsliders PROPERTIES SUFFIX .js
  LINK_DEPENDS "${CMAKE_SOURCE_DIR}/src/engine/storage_web.js;${CMAKE_SOURCE_DIR}/src/engine/photo_picker_web.js;${CMAKE_BINARY_DIR}/data-parts.stamp")
configure_file(${CMAKE_SOURCE_DIR}/dist/web/index.html ${CMAKE_BINARY_DIR}/index.html COPYONLY)

# What a static host serves, in site/, and the same files as a zip for HTML5
# game sites (the page at the zip's top, as they ask).
set(WEB_FILES index.html cryptsliders.js cryptsliders.wasm cryptsliders.data cryptsliders-later.js
  cryptsliders-later.data)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/cryptsliders-web.zip
  COMMAND ${CMAKE_COMMAND} -E rm -rf site
  COMMAND ${CMAKE_COMMAND} -E make_directory site
  COMMAND ${CMAKE_COMMAND} -E copy ${WEB_FILES} site
  COMMAND ${CMAKE_COMMAND} -E chdir site ${CMAKE_COMMAND} -E tar cf ../cryptsliders-web.zip --format=zip ${WEB_FILES}
  DEPENDS cryptsliders web_data_parts ${CMAKE_SOURCE_DIR}/dist/web/index.html
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
add_custom_target(web_site ALL DEPENDS ${CMAKE_BINARY_DIR}/cryptsliders-web.zip)
