// opengl_tile.cpp -- the tile renderer: textures, tiles cut from them, and the blits
#include "engine/opengl_tile.h"

#ifdef __EMSCRIPTEN__
#define GL_GLEXT_PROTOTYPES  // glGenerateMipmap
#endif
#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/art_set.h"

ot_tile* ot_tiles = nullptr;
Uint32 ot_tile_count = 0;
ot_texture* ot_textures = nullptr;
Uint16 ot_texture_count = 0;
Uint32* textures = nullptr;

static Uint8 ot_initialized = 0;

// A texture whose image is read at its first blit: the path of its 1x file,
// read in the art set chosen then.
struct pending_image {
    char path[128];
};
static std::vector<pending_image> pending;

// The OpenGL state for flat 2-D drawing. Blending stays off: only the blended
// blits and text switch it on for their own draw.
static void gl_state(int width, int height)
{
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    ot_resize(width, height);
}

void ot_init(int width, int height)
{
    gl_state(width, height);
    ot_initialized = 1;
    ot_tiles = nullptr;
    ot_textures = nullptr;
    textures = nullptr;
    ot_tile_count = 0;
    ot_texture_count = 0;
    pending.clear();
}

// One unit is one window pixel, origin top-left, y downward.
void ot_resize(int width, int height)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glViewport(0, 0, width, height);
    gluOrtho2D(0, width, height, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void ot_viewport(int x, int y, int w, int h, int screen_h)
{
    glViewport(x, screen_h - y - h, w, h);  // OpenGL counts rows from the bottom
}

void ot_restore(int width, int height)
{
    gl_state(width, height);
    if (!textures || !ot_texture_count)
        return;
    // Names that went with an old context delete nothing; the textures are
    // uploaded again by their loaders.
    glDeleteTextures(ot_texture_count, textures);
    glGenTextures(ot_texture_count, textures);
    pending.assign(pending.size(), pending_image{});
}

Uint8 ot_build(Uint32 tile_count, int texture_count)
{
    ot_tile_count = tile_count;
    ot_texture_count = static_cast<Uint16>(texture_count);
    ot_tiles = static_cast<ot_tile*>(std::calloc(ot_tile_count, sizeof(ot_tile)));
    if (!ot_tiles)
        return 0;
    ot_textures = static_cast<ot_texture*>(std::calloc(ot_texture_count, sizeof(ot_texture)));
    textures = ot_textures ? static_cast<Uint32*>(std::calloc(ot_texture_count, sizeof(Uint32))) : nullptr;
    if (!ot_textures || !textures) {
        ot_deinit();
        return 0;
    }
    glGenTextures(ot_texture_count, textures);
    pending.assign(ot_texture_count, pending_image{});
    return 1;
}

// Uploads 32-bit pixels laid out B, G, R, A in memory (the image loader makes
// them so). The surface may hold more pixels than the recorded size: art drawn
// at twice the size maps onto the same tiles.
void ot_build_texture(int id, int w, int h, SDL_Surface* surface)
{
    Uint16 tid = static_cast<Uint16>(id);
    if (!ot_textures || tid >= ot_texture_count || !surface)
        return;
    ot_textures[tid].width = static_cast<Uint16>(w);
    ot_textures[tid].height = static_cast<Uint16>(h);
    if (tid < pending.size())
        pending[tid] = pending_image{};
    int art = w > 0 && surface->w >= 2 * w ? surface->w / w : 1;
    art_sampling sampling = artset_sampling(art);
    glBindTexture(GL_TEXTURE_2D, textures[tid]);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, sampling == SAMPLE_MIPMAP ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, sampling == SAMPLE_NEAREST ? GL_NEAREST : GL_LINEAR);
#ifdef __EMSCRIPTEN__
    ot_upload(surface->w, surface->h, surface->pixels);
    if (sampling == SAMPLE_MIPMAP)
        glGenerateMipmap(GL_TEXTURE_2D);  // WebGL knows no GL_GENERATE_MIPMAP
#else
    glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, sampling == SAMPLE_MIPMAP ? GL_TRUE : GL_FALSE);
    ot_upload(surface->w, surface->h, surface->pixels);
#endif
}

// WebGL takes no B, G, R, A upload, so every texture goes up as R, G, B, A,
// the desktop's too: one frame on either.
void ot_upload(int w, int h, const void* bgra)
{
    std::vector<Uint8> rgba(static_cast<size_t>(w) * static_cast<size_t>(h) * 4);
    const Uint8* in = static_cast<const Uint8*>(bgra);
    for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = in[i + 2];
        rgba[i + 1] = in[i + 1];
        rgba[i + 2] = in[i];
        rgba[i + 3] = in[i + 3];
    }
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, w, h, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
}

void ot_defer_texture(int id, int w, int h, const char* path)
{
    Uint16 tid = static_cast<Uint16>(id);
    if (!ot_textures || tid >= ot_texture_count || tid >= pending.size())
        return;
    ot_textures[tid].width = static_cast<Uint16>(w);
    ot_textures[tid].height = static_cast<Uint16>(h);
    std::snprintf(pending[tid].path, sizeof pending[tid].path, "%s", path);
}

// A deferred image read now, as the image loader reads one; one that no
// longer reads leaves its texture empty, so its tiles draw nothing.
static void load_pending(Uint16 tid)
{
    ot_texture& tex = ot_textures[tid];
    int w = static_cast<int>(tex.width), h = static_cast<int>(tex.height);
    SDL_Surface* surface = artset_read(pending[tid].path, w, h);
    if (surface) {
        ot_build_texture(tid, w, h, surface);
        SDL_FreeSurface(surface);
    } else {
        tex.width = tex.height = 0.0f;
        pending[tid] = pending_image{};
    }
}

void ot_tile_coords(ot_tile* t, float tex_w, float tex_h)
{
    if (tex_w <= 0.0f || tex_h <= 0.0f) {
        t->tex_width = t->tex_height = t->tex_x_offset = t->tex_y_offset = 0.0f;
    } else {
        t->tex_width = t->width / tex_w;
        t->tex_height = t->height / tex_h;
        t->tex_x_offset = t->x_offset == 0.0f ? 0.0f : t->x_offset / tex_w;
        t->tex_y_offset = t->y_offset == 0.0f ? 0.0f : t->y_offset / tex_h;
    }
    t->tex_width_off = t->tex_x_offset + t->tex_width;
    t->tex_height_off = t->tex_y_offset + t->tex_height;
}

// Cuts a tile from a texture whose size has already been recorded.
void ot_build_tile(int id, int tex_id, float x, float y, float w, float h)
{
    Uint16 i = static_cast<Uint16>(id);
    Uint16 tid = static_cast<Uint16>(tex_id);
    if (!ot_tiles || !ot_textures || i >= ot_tile_count || tid >= ot_texture_count)
        return;
    ot_tile* t = &ot_tiles[i];
    t->width = w;
    t->height = h;
    t->x_offset = x;
    t->y_offset = y;
    t->tex_id = tid;
    ot_tile_coords(t, ot_textures[tid].width, ot_textures[tid].height);
}

// Shared start of every blit: the tile to draw with its texture bound and the
// colour set, or null when the id is outside the tables or the texture never
// received pixels (such a tile draws nothing rather than a white rectangle).
static const ot_tile* blit_begin(Uint32 id, const ot_rgba* rgb)
{
    if (!ot_tiles || !ot_textures || id >= ot_tile_count)
        return nullptr;
    const ot_tile* t = &ot_tiles[id];
    if (t->tex_id >= ot_texture_count)
        return nullptr;
    if (t->tex_id < pending.size() && pending[t->tex_id].path[0])
        load_pending(t->tex_id);
    const ot_texture& tex = ot_textures[t->tex_id];
    if (tex.width <= 0.0f || tex.height <= 0.0f)
        return nullptr;
    glBindTexture(GL_TEXTURE_2D, textures[t->tex_id]);
    if (rgb)
        glColor4ub(rgb->r, rgb->g, rgb->b, rgb->a);
    else
        glColor4ub(255, 255, 255, 255);
    return t;
}

// The tile's rectangle from (x, y) to the far corner, integer vertices cut toward zero.
static void draw_quad(const ot_tile* t, float x, float y, float far_x, float far_y)
{
    glBegin(GL_QUADS);
    glTexCoord2f(t->tex_x_offset, t->tex_y_offset);
    glVertex2i(static_cast<int>(x), static_cast<int>(y));
    glTexCoord2f(t->tex_width_off, t->tex_y_offset);
    glVertex2i(static_cast<int>(far_x), static_cast<int>(y));
    glTexCoord2f(t->tex_width_off, t->tex_height_off);
    glVertex2i(static_cast<int>(far_x), static_cast<int>(far_y));
    glTexCoord2f(t->tex_x_offset, t->tex_height_off);
    glVertex2i(static_cast<int>(x), static_cast<int>(far_y));
    glEnd();
}

void ot_blit(Uint32 id, float x, float y, const ot_rgba* rgb)
{
    const ot_tile* t = blit_begin(id, rgb);
    if (t)
        draw_quad(t, x, y, x + t->width, y + t->height);
}

void ot_blit_scale(Uint32 id, float x, float y, const ot_rgba* rgb, float scale)
{
    const ot_tile* t = blit_begin(id, rgb);
    if (t)
        draw_quad(t, x, y, x + t->width * scale, y + t->height * scale);
}

// The whole texture, blended, at its recorded size times scale: images drawn this
// way lie at the texture's top-left with a transparent remainder.
static void draw_whole_texture(const ot_tile* t, float x, float y, float scale)
{
    float tw = ot_textures[t->tex_id].width * scale;
    float th = ot_textures[t->tex_id].height * scale;
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(x, y);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(x + tw, y);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(x, y + th);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(x + tw, y + th);
    glEnd();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

void ot_blit_trans(Uint32 id, float x, float y, const ot_rgba* rgb)
{
    const ot_tile* t = blit_begin(id, rgb);
    if (t)
        draw_whole_texture(t, x, y, 1.0f);
}

void ot_blit_trans_scale(Uint32 id, float x, float y, float scale)
{
    const ot_tile* t = blit_begin(id, nullptr);
    if (t) {
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        draw_whole_texture(t, x, y, scale);
    }
}

void ot_blit_rotate(Uint32 id, float x, float y, const ot_rgba* rgb, float degrees, int trans)
{
    ot_blit_rotate_scale(id, x, y, rgb, degrees, trans, 1.0f);
}

// Turned about its centre (x, y) as four triangles meeting at the centre. The
// image is laid a quarter turn out, so 90 degrees shows it upright.
void ot_blit_rotate_scale(Uint32 id, float x, float y, const ot_rgba* rgb, float degrees, int trans, float scale)
{
    const ot_tile* t = blit_begin(id, rgb);
    if (!t)
        return;
    float l = t->tex_x_offset, r = t->tex_x_offset + t->tex_width;
    float top = t->tex_y_offset, b = t->tex_y_offset + t->tex_height;
    float lh = t->tex_x_offset + t->tex_width * 0.5f;
    float th = t->tex_y_offset + t->tex_height * 0.5f;
    // The image's width runs down the quad and its height across, so that
    // turned a quarter it stands in its own proportions: a tall picture stays
    // tall. Square tiles cover the same square either way.
    int hw = static_cast<int>(t->height * 0.5f * scale);
    int hh = static_cast<int>(t->width * 0.5f * scale);
    int nhw = static_cast<int>(-t->height * 0.5f * scale);
    int nhh = static_cast<int>(-t->width * 0.5f * scale);

    Uint8 flag = static_cast<Uint8>(trans);
    if (flag) {
        glEnable(GL_BLEND);
        glDisable(GL_DEPTH_TEST);
    }
    glPushMatrix();
    glTranslatef(x, y, 0.0f);
    glRotatef(degrees, 0.0f, 0.0f, 1.0f);
    glBegin(GL_TRIANGLES);
    // Each triangle joins one side of the rectangle to its centre.
    glTexCoord2f(r, top); glVertex2i(nhw, nhh);
    glTexCoord2f(r, b);   glVertex2i(hw, nhh);
    glTexCoord2f(lh, th); glVertex2i(0, 0);

    glTexCoord2f(r, b);   glVertex2i(hw, nhh);
    glTexCoord2f(l, b);   glVertex2i(hw, hh);
    glTexCoord2f(lh, th); glVertex2i(0, 0);

    glTexCoord2f(l, b);   glVertex2i(hw, hh);
    glTexCoord2f(l, top); glVertex2i(nhw, hh);
    glTexCoord2f(lh, th); glVertex2i(0, 0);

    glTexCoord2f(l, top); glVertex2i(nhw, hh);
    glTexCoord2f(r, top); glVertex2i(nhw, nhh);
    glTexCoord2f(lh, th); glVertex2i(0, 0);
    glEnd();
    glPopMatrix();
    if (flag == 1) {
        glDisable(GL_BLEND);
        glEnable(GL_DEPTH_TEST);
    }
}

void ot_fill(float x0, float y0, float x1, float y1, const ot_rgba* rgb)
{
    glDisable(GL_TEXTURE_2D);
    if (rgb)
        glColor4ub(rgb->r, rgb->g, rgb->b, rgb->a);
    else
        glColor4ub(255, 255, 255, 255);
    glBegin(GL_QUADS);
    glVertex2f(x0, y0);
    glVertex2f(x1, y0);
    glVertex2f(x1, y1);
    glVertex2f(x0, y1);
    glEnd();
    glColor4ub(255, 255, 255, 255);
    glEnable(GL_TEXTURE_2D);
}

void ot_begin()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, 0.0f);
}

Uint32 ot_frames = 0;

void ot_end()
{
    SDL_GL_SwapBuffers();
    ot_frames++;
}

// Safe to call twice, after a failed ot_build, or without ot_init.
void ot_deinit()
{
    if (!ot_initialized)
        return;
    if (textures && ot_texture_count)
        glDeleteTextures(ot_texture_count, textures);
    std::free(ot_tiles);
    std::free(ot_textures);
    std::free(textures);
    ot_tiles = nullptr;
    ot_textures = nullptr;
    textures = nullptr;
    ot_tile_count = 0;
    ot_texture_count = 0;
    pending.clear();
}
