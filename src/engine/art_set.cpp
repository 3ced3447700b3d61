// art_set.cpp -- the art drawn at twice the size: which set the frame's scale asks for, an image read from it
// (its 1x file where the 2x one does not read), and how a texture of either set is sampled
#include "engine/art_set.h"

#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

#include "engine/image_file.h"

// The largest texture of the 1x set is 1024 wide: the 2x set needs twice that.
constexpr int LARGEST_2X_SIDE = 2048;

static int chosen = 1;
static frame_geometry shown = frame_in_window(1);

int artset_scale()
{
    return chosen;
}

void artset_choose(const frame_geometry& frame)
{
    shown = frame;
    chosen = 1;  // unless the frame is large enough and OpenGL holds the 2x textures
    if (frame_scale(frame) < 1.5)
        return;
    GLint side = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
    if (side >= LARGEST_2X_SIDE) {
        chosen = 2;
        return;
    }
    static bool told = false;
    if (!told)
        std::printf("OpenGL holds textures of %d pixels, the art at twice the size needs %d: drawing the 1x art\n",
                    static_cast<int>(side), LARGEST_2X_SIDE);
    told = true;
}

int artset_file(const char* path, char* out, std::size_t out_size)
{
    if (chosen == 2) {
        const char* dot = std::strrchr(path, '.');
        const char* slash = std::strrchr(path, '/');
        int stem = static_cast<int>(dot && (!slash || dot > slash) ? dot - path : std::strlen(path));
        for (const char* ext : {".png", ".webp"}) {
            int n = std::snprintf(out, out_size, "%.*s@2x%s", stem, path, ext);
            if (n > 0 && static_cast<std::size_t>(n) < out_size && access(out, R_OK) == 0)
                return 2;
        }
    }
    std::snprintf(out, out_size, "%s", path);
    return 1;
}

// The file read into a surface; a file that is there and does not read is
// told, with what is drawn instead.
static SDL_Surface* read_file(const char* file, int pw, int ph, const char* instead)
{
    SDL_Surface* surface = image_texture_surface(file, pw, ph);
    if (!surface && access(file, F_OK) == 0)
        std::fprintf(stderr, "%s could not be read: %s%s\n", file, instead ? "drawing " : "not drawn",
                     instead ? instead : "");
    return surface;
}

SDL_Surface* artset_read(const char* path, int tw, int th)
{
    char file[136];
    if (artset_file(path, file, sizeof file) == 2)
        if (SDL_Surface* surface = read_file(file, tw * 2, th * 2, path))
            return surface;
    return read_file(path, tw, th, nullptr);
}

art_sampling artset_sampling(int art)
{
    bool whole = shown.w % FRAME_W == 0 && shown.h % FRAME_H == 0;
    int blocks = shown.w / FRAME_W;
    if (art <= 1)  // the 1x art as it always was: whole blocks at whole scales above 1
        return whole && blocks > 1 ? SAMPLE_NEAREST : SAMPLE_LINEAR;
    if (whole && blocks % art == 0)
        return blocks == art ? SAMPLE_LINEAR : SAMPLE_NEAREST;
    return frame_scale(shown) < art ? SAMPLE_MIPMAP : SAMPLE_LINEAR;
}
