// image_file.h -- an image file read into the renderer's layout: PNG (refused when cut short) or WebP,
// padded into a B, G, R, A texture surface
#pragma once

#include <SDL/SDL.h>

#include <cstddef>

// 32-bit pixel masks that put the bytes in memory as B, G, R, A.
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
constexpr Uint32 IMG_BMASK = 0x000000ff, IMG_GMASK = 0x0000ff00, IMG_RMASK = 0x00ff0000, IMG_AMASK = 0xff000000;
#else
constexpr Uint32 IMG_BMASK = 0xff000000, IMG_GMASK = 0x00ff0000, IMG_RMASK = 0x0000ff00, IMG_AMASK = 0x000000ff;
#endif

// An image file as a surface of its own format, or null with SDL's error set;
// a cut PNG is refused before the decoder sees it.
SDL_Surface* image_load_surface(const char* path);

// Whether data holds a PNG whose chunks all lie within it, up to its end chunk.
bool png_complete(const unsigned char* data, std::size_t size);

// The image in path copied into the top-left of a tw x th surface in the mask
// layout above, the rest transparent (see loadimg_pad); null when the file
// cannot be read or a surface cannot be made. The caller frees it.
SDL_Surface* image_texture_surface(const char* path, int tw, int th);

// Copies a w x h image (pixels in the mask layout above, pitch in pixels) into the
// top-left of a zeroed tw x th texture buffer, cutting what lies beyond it. An
// image with its own alpha keeps it; in an image without one, pure black becomes
// transparent and every other pixel stays opaque. The padding stays transparent.
void loadimg_pad(const Uint32* src, int w, int h, int src_pitch, Uint32* dst, int tw, int th, bool own_alpha);
