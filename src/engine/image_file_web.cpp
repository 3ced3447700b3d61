// image_file_web.cpp -- an image file read into the renderer's layout in the browser:
// PNG or WebP decoded by the picture intake's own libpng and libwebp readers into a
// B, G, R, A surface whose pixels the C side writes (the page's SDL keeps a loaded
// image only as a canvas, whose pixels a GL program cannot lock)
#include "engine/image_file.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include "rules/picture_intake.h"

namespace {

std::vector<unsigned char> read_file(const char* path)
{
    std::vector<unsigned char> data;
    if (std::FILE* f = std::fopen(path, "rb")) {
        unsigned char block[65536];
        for (size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;)
            data.insert(data.end(), block, block + n);
        std::fclose(f);
    }
    return data;
}

// Whether a PNG carries transparency of its own: a colour type with alpha, or
// a tRNS chunk before its pixels. The chunks are walked within the file.
bool png_own_alpha(const std::vector<unsigned char>& file)
{
    if (file.size() < 26)
        return false;
    if (file[25] == 4 || file[25] == 6)
        return true;
    for (size_t at = 8; file.size() - at >= 12;) {
        const unsigned char* c = file.data() + at;
        size_t length = static_cast<size_t>(c[0]) << 24 | static_cast<size_t>(c[1]) << 16 | c[2] << 8 | c[3];
        if (std::memcmp(c + 4, "tRNS", 4) == 0)
            return true;
        if (std::memcmp(c + 4, "IDAT", 4) == 0 || length > file.size() - at - 12)
            return false;
        at += 12 + length;
    }
    return false;
}

// The file decoded whole, as R, G, B, A bytes; own_alpha tells whether its
// transparency is its own (for a WebP: whether any pixel is less than opaque).
bool decode(const char* path, intake_image* image, bool* own_alpha)
{
    std::vector<unsigned char> file = read_file(path);
    intake_header header;
    const char* why = file.empty() ? "missing" : intake_read(file.data(), file.size(), &header, image, INT_MAX);
    if (!why && header.format != FMT_PNG && header.format != FMT_WEBP)
        why = "neither PNG nor WebP";
    if (why) {
        SDL_SetError("%s: %s", path, why);
        return false;
    }
    *own_alpha = header.format == FMT_PNG ? png_own_alpha(file) : false;
    for (size_t i = 3; header.format == FMT_WEBP && i < image->rgba.size() && !*own_alpha; i += 4)
        *own_alpha = image->rgba[i] != 255;
    return true;
}

// A tw x th surface in the renderer's layout holding the image at its top
// left, the rest transparent; an image without transparency of its own shows
// pure black as transparent, as on the desktop.
SDL_Surface* surface_of(const intake_image& image, bool own_alpha, int tw, int th)
{
    SDL_Surface* s = SDL_CreateRGBSurface(SDL_SWSURFACE, tw, th, 32, IMG_RMASK, IMG_GMASK, IMG_BMASK, IMG_AMASK);
    if (!s || !s->pixels) {
        if (s)
            SDL_FreeSurface(s);
        return nullptr;
    }
    auto* out = static_cast<Uint8*>(s->pixels);
    std::memset(out, 0, static_cast<size_t>(s->pitch) * th);
    int cw = image.w < tw ? image.w : tw, ch = image.h < th ? image.h : th;
    for (int y = 0; y < ch; y++) {
        const Uint8* in = image.rgba.data() + static_cast<size_t>(y) * image.w * 4;
        Uint8* row = out + static_cast<size_t>(y) * s->pitch;
        for (int x = 0; x < cw; x++, in += 4, row += 4) {
            Uint8 a = own_alpha ? in[3] : (in[0] | in[1] | in[2]) ? 255 : 0;
            row[0] = in[2];
            row[1] = in[1];
            row[2] = in[0];
            row[3] = a;
        }
    }
    return s;
}

}  // namespace

SDL_Surface* image_load_surface(const char* path)
{
    intake_image image;
    bool own_alpha = false;
    if (!decode(path, &image, &own_alpha))
        return nullptr;
    return surface_of(image, true, image.w, image.h);
}

SDL_Surface* image_texture_surface(const char* path, int tw, int th)
{
    intake_image image;
    bool own_alpha = false;
    if (!decode(path, &image, &own_alpha))
        return nullptr;
    return surface_of(image, own_alpha, tw, th);
}
