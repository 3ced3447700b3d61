// picture_image.cpp -- a player's picture file to a reduced, upright image: JPEG and
// WebP through the rules' intake, the other formats through SDL_image, every one
// checked against the intake's limits before it is decoded
#include "engine/picture_image.h"

#include <SDL/SDL_image.h>

#include <mutex>
#include <vector>

#include "engine/images.h"
#include "rules/picture_set.h"

// One row of a surface of any depth as RGBA bytes; a colour-keyed pixel is transparent.
static void surface_row(const void* ctx, int y, Uint8* out)
{
    const SDL_Surface* s = static_cast<const SDL_Surface*>(ctx);
    const Uint8* row = static_cast<const Uint8*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
    int bpp = s->format->BytesPerPixel;
    bool keyed = (s->flags & SDL_SRCCOLORKEY) != 0;
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
        if (keyed && v == s->format->colorkey)
            out[3] = 0;
    }
}

const char* picture_image_read(const std::string& path, intake_image* out, int max_side)
{
    std::vector<Uint8> file;
    if (const char* why = picture_read_file(path, &file))
        return why;
    intake_header header;
    const char* why = intake_read(file.data(), file.size(), &header, out, max_side);
    if (why != INTAKE_OTHER_DECODER)
        return why;
    // The PNG reader does not notice a file that ends early.
    if (header.format == FMT_PNG && !png_complete(file.data(), file.size()))
        return "cut short";
    // SDL_image's decoders are not known to be safe on several threads at once.
    static std::mutex sdl_image;
    std::lock_guard<std::mutex> hold(sdl_image);
    SDL_Surface* s = IMG_Load_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
    if (!s)
        return "a damaged picture";
    // A GIF frame may differ from the size its header gave: checked again.
    if (static_cast<Uint64>(s->w) * static_cast<Uint64>(s->h) > INTAKE_MAX_PIXELS || SDL_LockSurface(s) != 0) {
        SDL_FreeSurface(s);
        return "a damaged picture";
    }
    *out = intake_reduce(intake_rows{s->w, s->h, s, surface_row}, header.orientation, max_side);
    SDL_UnlockSurface(s);
    SDL_FreeSurface(s);
    return nullptr;
}
