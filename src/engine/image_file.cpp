// image_file.cpp -- an image file of the data tree (PNG or WebP, decoded by the rules)
// as an SDL surface: the window's icon, or a texture padded in B, G, R, A
#include "engine/image_file.h"

#include <cstring>

#include "rules/image_decode.h"
#include "rules/image_words.h"
#include "rules/translate.h"

// The surface is filled row by row through its pitch, never locked: the
// pixels are the rules' decoding, and the surface only carries them.
SDL_Surface* image_load_surface(const char* path)
{
    image_rgba image;
    if (const char* why = image_decode_file(path, &image)) {
        SDL_SetError("%s: %s", path, why);
        return nullptr;
    }
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, image.w, image.h, 32, IMG_RMASK, IMG_GMASK, IMG_BMASK,
                                          image.own_alpha ? IMG_AMASK : 0);
    if (!s)
        return nullptr;
    for (int y = 0; y < image.h; y++) {
        const Uint8* in = image.rgba.data() + static_cast<size_t>(y) * image.w * 4;
        Uint8* out = static_cast<Uint8*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
        for (int x = 0; x < image.w; x++, in += 4, out += 4) {
            Uint32 p = SDL_MapRGBA(s->format, in[0], in[1], in[2], in[3]);
            std::memcpy(out, &p, 4);
        }
    }
    return s;
}

// The result is always a 32-bit surface whose bytes lie B, G, R, A in memory,
// whatever the display's format, because that is the layout the renderer
// uploads. The image's words, kept in an overlay of their own per language,
// are laid over it first.
SDL_Surface* image_texture_surface(const char* path, int tw, int th)
{
    image_rgba image;
    if (const char* why = image_decode_file(path, &image)) {
        SDL_SetError("%s: %s", path, why);
        return nullptr;
    }
    image_words_add(path, translate_language(), &image);
    SDL_Surface* padded = SDL_CreateRGBSurface(SDL_SWSURFACE, tw, th, 32, IMG_RMASK, IMG_GMASK, IMG_BMASK, IMG_AMASK);
    if (!padded)
        return nullptr;
    image_texture_bgra(image, tw, th, static_cast<Uint8*>(padded->pixels));
    return padded;
}
