// images.cpp -- the one image loader: PNG files into the renderer's textures, and the fixed images
#include "engine/images.h"

#include <SDL/SDL_image.h>

#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/misc.h"
#include "engine/opengl_tile.h"

// What each texture was last loaded from, to load it again into a new OpenGL
// context.
struct image_source {
    char path[128];
    int tw, th;
    std::vector<Uint8> rgba;  // an image made in memory, w x h, when path is empty
    int w, h;
};
static std::array<image_source, OT_GAME_TEXTURES> image_sources{};

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
// on one), so a cut PNG is refused first.
SDL_Surface* image_load_surface(const char* path)
{
    std::vector<unsigned char> file = read_file(path);
    if (file.empty() || (file[0] == 0x89 && !png_complete(file.data(), file.size()))) {
        SDL_SetError("%s: missing or cut short", path);
        return nullptr;
    }
    return IMG_Load_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
}

// Every image goes through here. The result is always a 32-bit surface whose
// bytes lie B, G, R, A in memory, whatever the display's format, because that is
// the layout the renderer uploads.
Uint8 sdl_loadimg(Uint32 id, int tw, int th, const char* filename, ...)
{
    char path[128];
    va_list args;
    va_start(args, filename);
    std::vsnprintf(path, sizeof path, filename, args);
    va_end(args);

    SDL_Surface* image = image_load_surface(path);
    if (!image)
        return 0;
    // A palette image with a transparent entry arrives colour-keyed; it keeps
    // that transparency like an image with an alpha channel.
    bool own_alpha = image->format->Amask != 0 || (image->flags & SDL_SRCCOLORKEY);

    // The texture surface, zero-filled (transparent); its format is also the one
    // the image is converted to before it is copied in.
    Uint16 w16 = static_cast<Uint16>(tw), h16 = static_cast<Uint16>(th);
    SDL_Surface* padded = SDL_CreateRGBSurface(SDL_SWSURFACE, w16, h16, 32, IMG_RMASK, IMG_GMASK, IMG_BMASK, IMG_AMASK);
    if (!padded) {
        SDL_FreeSurface(image);
        return 0;
    }
    SDL_Surface* converted = SDL_ConvertSurface(image, padded->format, SDL_SWSURFACE);
    SDL_FreeSurface(image);
    if (!converted) {
        SDL_FreeSurface(padded);
        return 0;
    }
    SDL_FillRect(padded, nullptr, 0);
    SDL_LockSurface(converted);
    loadimg_pad(static_cast<const Uint32*>(converted->pixels), converted->w, converted->h, converted->pitch / 4,
                static_cast<Uint32*>(padded->pixels), padded->w, padded->h, own_alpha);
    SDL_UnlockSurface(converted);
    SDL_FreeSurface(converted);

    ot_build_texture(static_cast<int>(id), w16, h16, padded);
    SDL_FreeSurface(padded);
    if (id < image_sources.size()) {
        image_source& src = image_sources[id];
        std::snprintf(src.path, sizeof src.path, "%s", path);
        src.tw = tw;
        src.th = th;
        src.rgba.clear();
    }
    return 1;
}

Uint8 sdl_loadpixels(Uint32 id, int tw, int th, const Uint8* rgba, int w, int h)
{
    Uint16 w16 = static_cast<Uint16>(tw), h16 = static_cast<Uint16>(th);
    SDL_Surface* padded = SDL_CreateRGBSurface(SDL_SWSURFACE, w16, h16, 32, IMG_RMASK, IMG_GMASK, IMG_BMASK, IMG_AMASK);
    if (!padded)
        return 0;
    SDL_FillRect(padded, nullptr, 0);
    Uint32* out = static_cast<Uint32*>(padded->pixels);
    for (int y = 0; y < h && y < th; y++)
        for (int x = 0; x < w && x < tw; x++) {
            const Uint8* p = rgba + (static_cast<size_t>(y) * w + x) * 4;
            out[static_cast<size_t>(y) * (padded->pitch / 4) + x] = SDL_MapRGBA(padded->format, p[0], p[1], p[2], p[3]);
        }
    ot_build_texture(static_cast<int>(id), w16, h16, padded);
    SDL_FreeSurface(padded);
    if (id < image_sources.size()) {
        image_source& src = image_sources[id];
        src.path[0] = '\0';
        src.tw = tw;
        src.th = th;
        if (src.rgba.data() != rgba)
            src.rgba.assign(rgba, rgba + static_cast<size_t>(w) * h * 4);
        src.w = w;
        src.h = h;
    }
    return 1;
}

void images_forget()
{
    image_sources = {};
}

void main_reload_images()
{
    for (Uint32 id = 0; id < image_sources.size(); id++) {
        const image_source& src = image_sources[id];
        if (src.path[0])
            sdl_loadimg(id, src.tw, src.th, "%s", std::string(src.path).c_str());
        else if (!src.rgba.empty())
            sdl_loadpixels(id, src.tw, src.th, src.rgba.data(), src.w, src.h);
    }
}

// The fixed images: texture id = tile id, each tile cut at the texture's
// top-left with the image's own size. A texture side of 0 means "the next power
// of two of the image side".
struct catalogue_entry {
    int id;
    const char* file;
    int tex_w, tex_h;
    int w, h;
};

static const catalogue_entry CATALOGUE[] = {
    {1, "data/base/BrassOwl.png", 1024, 512, 640, 480},
    {2, "data/base/GameBoard.png", 1024, 512, 640, 480},
    {3, "data/base/StartScreen.png", 1024, 512, 640, 480},
    {4, "data/base/LoseScreen.png", 512, 512, 512, 384},
    {5, "data/base/WinScreen.png", 512, 512, 512, 384},
    {6, "data/base/ContinueScreen.png", 512, 512, 512, 384},
    {7, "data/base/OptionsScreen.png", 512, 512, 512, 384},
    {8, "data/base/OptionSlider.png", 64, 64, 19, 38},
    {9, "data/base/Frame.png", 1024, 512, 640, 480},
    {30, "data/base/MenuScreen.png", 512, 512, 314, 342},
    {31, "data/base/CoverScreen.png", 512, 512, 326, 340},
    {32, "data/base/Success.png", 0, 0, 348, 75},
    {33, "data/base/Fail.png", 0, 0, 217, 68},
    {34, "data/base/GameWon.png", 0, 0, 512, 384},
    {35, "data/base/TimesUp.png", 0, 0, 416, 68},
    {36, "data/base/PicturesScreen.png", 512, 512, 512, 384},
};

// A missing image is not an error: its tile draws nothing.
void main_load_catalogue()
{
    for (const catalogue_entry& e : CATALOGUE) {
        int tw = e.tex_w ? e.tex_w : next_power_of_two(e.w);
        int th = e.tex_h ? e.tex_h : next_power_of_two(e.h);
        sdl_loadimg(static_cast<Uint32>(e.id), tw, th, "%s", e.file);
    }
    for (const catalogue_entry& e : CATALOGUE)
        ot_build_tile(e.id, e.id, 0, 0, static_cast<float>(e.w), static_cast<float>(e.h));
}
