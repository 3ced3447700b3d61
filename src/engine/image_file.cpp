// image_file.cpp -- an image file read into the renderer's layout: PNG (refused when cut short) or WebP,
// padded into a B, G, R, A texture surface
#include "engine/image_file.h"

#include <SDL/SDL_image.h>

#include <cstdio>
#include <cstring>
#include <vector>

void loadimg_pad(const Uint32* src, int w, int h, int src_pitch, Uint32* dst, int tw, int th, bool own_alpha)
{
    int cw = w < tw ? w : tw;
    int ch = h < th ? h : th;
    for (int y = 0; y < ch; y++) {
        const Uint32* in = src + static_cast<size_t>(y) * src_pitch;
        Uint32* out = dst + static_cast<size_t>(y) * tw;
        for (int x = 0; x < cw; x++) {
            Uint32 p = in[x];
            if (!own_alpha)
                p = (p & ~IMG_AMASK) == 0 ? 0 : (p | IMG_AMASK);
            out[x] = p;
        }
    }
}

bool png_complete(const unsigned char* data, size_t size)
{
    static const unsigned char SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (size < 8 || std::memcmp(data, SIGNATURE, 8) != 0)
        return false;
    // Each chunk: a 4-byte big-endian length, its type, its data, a CRC.
    for (size_t at = 8; size - at >= 12;) {
        const unsigned char* c = data + at;
        size_t length = static_cast<size_t>(c[0]) << 24 | static_cast<size_t>(c[1]) << 16 | c[2] << 8 | c[3];
        if (length > size - at - 12)
            return false;
        if (std::memcmp(c + 4, "IEND", 4) == 0)
            return true;
        at += 12 + length;
    }
    return false;
}

// The whole file, or nothing when it cannot be read.
static std::vector<unsigned char> read_file(const char* path)
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

// The PNG reader does not notice a file that ends early (and can loop for ever
// on one), so a cut PNG is refused first. The WebP reader checks the lengths
// its container declares.
SDL_Surface* image_load_surface(const char* path)
{
    std::vector<unsigned char> file = read_file(path);
    if (file.empty() || (file[0] == 0x89 && !png_complete(file.data(), file.size()))) {
        SDL_SetError("%s: missing or cut short", path);
        return nullptr;
    }
    return IMG_Load_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
}

// The result is always a 32-bit surface whose bytes lie B, G, R, A in memory,
// whatever the display's format, because that is the layout the renderer
// uploads.
SDL_Surface* image_texture_surface(const char* path, int tw, int th)
{
    SDL_Surface* image = image_load_surface(path);
    if (!image)
        return nullptr;
    // A palette image with a transparent entry arrives colour-keyed; it keeps
    // that transparency like an image with an alpha channel.
    bool own_alpha = image->format->Amask != 0 || (image->flags & SDL_SRCCOLORKEY);

    // The texture surface, zero-filled (transparent); its format is also the one
    // the image is converted to before it is copied in.
    SDL_Surface* padded = SDL_CreateRGBSurface(SDL_SWSURFACE, tw, th, 32, IMG_RMASK, IMG_GMASK, IMG_BMASK, IMG_AMASK);
    if (!padded) {
        SDL_FreeSurface(image);
        return nullptr;
    }
    SDL_Surface* converted = SDL_ConvertSurface(image, padded->format, SDL_SWSURFACE);
    SDL_FreeSurface(image);
    if (!converted) {
        SDL_FreeSurface(padded);
        return nullptr;
    }
    SDL_FillRect(padded, nullptr, 0);
    SDL_LockSurface(converted);
    loadimg_pad(static_cast<const Uint32*>(converted->pixels), converted->w, converted->h, converted->pitch / 4,
                static_cast<Uint32*>(padded->pixels), padded->w, padded->h, own_alpha);
    SDL_UnlockSurface(converted);
    SDL_FreeSurface(converted);
    return padded;
}
