// images.h -- the one image loader: PNG files into the renderer's textures, and the fixed images
#pragma once

#include <SDL/SDL.h>

#include <cstddef>

// Loads a PNG (path formatted like printf, cut to 127 characters) into texture
// id, padded to tw x th. Returns 1 when the texture was filled.
Uint8 sdl_loadimg(Uint32 id, int tw, int th, const char* filename, ...) __attribute__((format(printf, 4, 5)));

// An image made in memory (w x h, RGBA bytes row by row) into texture id,
// padded to tw x th; kept to load again into a new OpenGL context.
Uint8 sdl_loadpixels(Uint32 id, int tw, int th, const Uint8* rgba, int w, int h);

// An image file as a surface of its own format, or null with SDL's error set;
// a cut PNG is refused before the decoder sees it.
SDL_Surface* image_load_surface(const char* path);

// Whether data holds a PNG whose chunks all lie within it, up to its end chunk.
bool png_complete(const unsigned char* data, std::size_t size);

// Loads every texture again from the file it was last loaded from, as it was
// then: for a new OpenGL context, which holds none of the old ones.
void main_reload_images();

// Forgets where the textures came from, as the renderer is released.
void images_forget();

// Loads the fixed images into their textures and tiles.
void main_load_catalogue();

// 32-bit pixel masks that put the bytes in memory as B, G, R, A.
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
constexpr Uint32 IMG_BMASK = 0x000000ff, IMG_GMASK = 0x0000ff00, IMG_RMASK = 0x00ff0000, IMG_AMASK = 0xff000000;
#else
constexpr Uint32 IMG_BMASK = 0xff000000, IMG_GMASK = 0x00ff0000, IMG_RMASK = 0x0000ff00, IMG_AMASK = 0x000000ff;
#endif

// Copies a w x h image (pixels in the mask layout above, pitch in pixels) into the
// top-left of a zeroed tw x th texture buffer, cutting what lies beyond it. An
// image with its own alpha keeps it; in an image without one, pure black becomes
// transparent and every other pixel stays opaque. The padding stays transparent.
void loadimg_pad(const Uint32* src, int w, int h, int src_pitch, Uint32* dst, int tw, int th, bool own_alpha);
