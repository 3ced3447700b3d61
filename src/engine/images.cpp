// images.cpp -- the one image loader: image files of the chosen art set into the renderer's textures, and
// the fixed images
#include "engine/images.h"

#include <unistd.h>

#include <array>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/art_set.h"
#include "engine/misc.h"
#include "engine/opengl_tile.h"

// What each texture was last loaded from, to load it again into a new OpenGL
// context.
struct image_source {
    char path[128];
    int tw, th;
    std::vector<Uint8> rgba;  // an image made in memory, w x h, when path is empty
    int w, h, art;
};
static std::array<image_source, OT_GAME_TEXTURES> image_sources{};

// The texture of id from the file that stands for path in the chosen art
// set, read now or at its first blit, by artset_read either way. Returns 1
// when the texture has its image (or will have it).
static Uint8 load_image(Uint32 id, int tw, int th, const char* path, bool lazily)
{
    bool loaded = false;
    if (lazily) {
        char file[136];
        artset_file(path, file, sizeof file);
        loaded = access(file, R_OK) == 0;
        if (loaded)
            ot_defer_texture(static_cast<int>(id), tw, th, path);
    } else if (SDL_Surface* surface = artset_read(path, tw, th)) {
        loaded = true;
        ot_build_texture(static_cast<int>(id), tw, th, surface);
        SDL_FreeSurface(surface);
    }
    if (loaded && id < image_sources.size()) {
        image_source& src = image_sources[id];
        std::snprintf(src.path, sizeof src.path, "%s", path);
        src.tw = tw;
        src.th = th;
        src.rgba.clear();
    }
    return loaded ? 1 : 0;
}

// Every image goes through here.
Uint8 sdl_loadimg(Uint32 id, int tw, int th, const char* filename, ...)
{
    char path[128];
    va_list args;
    va_start(args, filename);
    std::vsnprintf(path, sizeof path, filename, args);
    va_end(args);
    return load_image(id, tw, th, path, false);
}

void image_defer(Uint32 id, int tw, int th, const char* path)
{
    load_image(id, tw, th, path, true);
}

Uint8 sdl_loadpixels(Uint32 id, int tw, int th, const Uint8* rgba, int w, int h, int art)
{
    Uint16 w16 = static_cast<Uint16>(tw), h16 = static_cast<Uint16>(th);
    int pw = tw * art, ph = th * art;  // the surface's pixels
    SDL_Surface* padded = SDL_CreateRGBSurface(SDL_SWSURFACE, pw, ph, 32, IMG_RMASK, IMG_GMASK, IMG_BMASK, IMG_AMASK);
    if (!padded)
        return 0;
    SDL_FillRect(padded, nullptr, 0);
    // The bytes laid B, G, R, A by hand, as the renderer uploads them: the
    // page's SDL maps a colour as R, G, B, A whatever the surface's masks say,
    // which turned the player's red photos blue there.
    for (int y = 0; y < h && y < ph; y++) {
        Uint8* out = static_cast<Uint8*>(padded->pixels) + static_cast<size_t>(y) * padded->pitch;
        for (int x = 0; x < w && x < pw; x++, out += 4) {
            const Uint8* p = rgba + (static_cast<size_t>(y) * w + x) * 4;
            out[0] = p[2], out[1] = p[1], out[2] = p[0], out[3] = p[3];
        }
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
        src.art = art;
    }
    return 1;
}

void images_forget()
{
    image_sources = {};
}

// Each file is read again at its first blit, from the set the new frame asks
// for; an image made in memory goes up again at once.
void main_reload_images()
{
    for (Uint32 id = 0; id < image_sources.size(); id++) {
        const image_source& src = image_sources[id];
        if (src.path[0])
            image_defer(id, src.tw, src.th, std::string(src.path).c_str());
        else if (!src.rgba.empty())
            sdl_loadpixels(id, src.tw, src.th, src.rgba.data(), src.w, src.h, src.art);
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

// A missing image is not an error: its tile draws nothing. Each is read when
// it is first drawn, so start-up reads only the logo.
void main_load_catalogue()
{
    for (const catalogue_entry& e : CATALOGUE) {
        int tw = e.tex_w ? e.tex_w : next_power_of_two(e.w);
        int th = e.tex_h ? e.tex_h : next_power_of_two(e.h);
        image_defer(static_cast<Uint32>(e.id), tw, th, e.file);
    }
    for (const catalogue_entry& e : CATALOGUE)
        ot_build_tile(e.id, e.id, 0, 0, static_cast<float>(e.w), static_cast<float>(e.h));
}
