// art_set.cpp -- the art drawn at twice the size: which set the frame's scale asks for, an image's file in it,
// and how a texture of either set is sampled
#include "engine/art_set.h"

#include <GL/gl.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <initializer_list>

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
