// picture_image.cpp -- a player's picture file to a reduced, upright image: JPEG, PNG,
// TIFF and WebP through the rules' intake, GIF and BMP through SDL_image, every one
// checked against the intake's limits before it is decoded
#include "engine/picture_image.h"

#include <SDL/SDL_image.h>

#include <mutex>
#include <vector>

#include "rules/picture_set.h"
#include "rules/translate.h"

// One row of a surface of any depth as RGBA bytes; a colour-keyed pixel is
// transparent. Without an alpha channel every other pixel is opaque: a palette
// has no transparency in SDL 1.2, where sdl12-compat would read a BMP
// palette's reserved zero byte as one.
#ifndef __EMSCRIPTEN__
static void surface_row(const void* ctx, int y, Uint8* out)
{
    const SDL_Surface* s = static_cast<const SDL_Surface*>(ctx);
    const Uint8* row = static_cast<const Uint8*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
    int bpp = s->format->BytesPerPixel;
    bool keyed = (s->flags & SDL_SRCCOLORKEY) != 0, alpha = s->format->Amask != 0;
    for (int x = 0; x < s->w; x++, out += 4) {
        const Uint8* p = row + static_cast<size_t>(x) * bpp;
        Uint32 v = 0;
        switch (bpp) {
        case 1: v = *p; break;
        case 2: v = *reinterpret_cast<const Uint16*>(p); break;
        case 3: v = SDL_BYTEORDER == SDL_LIL_ENDIAN ? (p[0] | p[1] << 8 | p[2] << 16) : (p[2] | p[1] << 8 | p[0] << 16); break;
        default: v = *reinterpret_cast<const Uint32*>(p); break;
        }
        SDL_GetRGBA(v, s->format, &out[0], &out[1], &out[2], &out[3]);
        if (!alpha)
            out[3] = 255;
        if (keyed && v == s->format->colorkey)
            out[3] = 0;
    }
}
#endif

const char* picture_image_read(const std::string& path, intake_image* out, int max_side)
{
    std::vector<Uint8> file;
    if (const char* why = picture_read_file(path, &file))
        return why;
    intake_header header;
    const char* why = intake_read(file.data(), file.size(), &header, out, max_side);
    if (why != INTAKE_OTHER_DECODER)
        return why;
#ifdef __EMSCRIPTEN__
    // The page's SDL_image reads only images the browser decoded ahead, never
    // a file's bytes: no GIF or BMP is read there.
    *out = intake_image{};
    return header.format == FMT_GIF ? N_("a GIF, which the browser's version does not read")
                                    : N_("a BMP, which the browser's version does not read");
#else
    // SDL_image's decoders are not known to be safe on several threads at once.
    static std::mutex sdl_image;
    std::lock_guard<std::mutex> hold(sdl_image);
    // As the format the header was checked for, not one SDL_image may guess.
    char gif[] = "GIF", bmp[] = "BMP";  // SDL_image 1.2 takes the name as char*
    SDL_Surface* s = IMG_LoadTyped_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1,
                                      header.format == FMT_GIF ? gif : bmp);
    if (!s)
        return header.format == FMT_GIF ? N_("a damaged GIF") : N_("a damaged BMP");
    // The header's size is checked again on what was decoded.
    if (static_cast<Uint64>(s->w) * static_cast<Uint64>(s->h) > INTAKE_MAX_PIXELS || SDL_LockSurface(s) != 0) {
        SDL_FreeSurface(s);
        return N_("a damaged picture");
    }
    *out = intake_reduce(intake_rows{s->w, s->h, s, surface_row}, header.orientation, max_side);
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return nullptr;
#endif
}
