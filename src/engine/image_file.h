// image_file.h -- an image file of the data tree (PNG or WebP, decoded by the rules)
// as an SDL surface: the window's icon, or a texture padded in B, G, R, A
#pragma once

#include <SDL/SDL.h>

// 32-bit pixel masks that put the bytes in memory as B, G, R, A.
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
constexpr Uint32 IMG_BMASK = 0x000000ff, IMG_GMASK = 0x0000ff00, IMG_RMASK = 0x00ff0000, IMG_AMASK = 0xff000000;
#else
constexpr Uint32 IMG_BMASK = 0xff000000, IMG_GMASK = 0x00ff0000, IMG_RMASK = 0x0000ff00, IMG_AMASK = 0x000000ff;
#endif

// An image file as a 32-bit surface in the mask layout above, with an alpha
// channel only where the image has one; null with SDL's error set when it
// cannot be read (a cut PNG among them). The caller frees it.
SDL_Surface* image_load_surface(const char* path);

// The image in path, its words in the language in use laid over it
// (rules/image_words.h), copied into the top-left of a tw x th surface in the
// mask layout above, the rest transparent (see image_texture_bgra); null when the
// file cannot be read or a surface cannot be made. The caller frees it.
SDL_Surface* image_texture_surface(const char* path, int tw, int th);
