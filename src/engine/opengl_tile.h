// opengl_tile.h -- the tile renderer: textures, tiles cut from them, and the blits
#pragma once

#include <SDL/SDL.h>

#include "engine/misc.h"

// Recorded size of one uploaded texture; governs every texture-coordinate computation.
struct ot_texture {
    float width;
    float height;
};

// One drawable rectangle of one texture.
struct ot_tile {
    float width, height;       // rectangle size in pixels; also its drawn size
    float x_offset, y_offset;  // top-left corner inside the texture, pixels
    Uint16 tex_id;             // texture the rectangle is cut from
    float tex_width;           // width / texture width
    float tex_height;          // height / texture height
    float tex_x_offset;        // left texture coordinate
    float tex_y_offset;        // top texture coordinate
    float tex_width_off;       // right texture coordinate
    float tex_height_off;      // bottom texture coordinate
};

// Table sizes the game reserves. Picture p's cells use tile ids 100 * p + 1
// upward, so picture 10's 81 cells end at 1081: the tile table must reach past it.
constexpr Uint32 OT_GAME_TILES = 1101;
constexpr int OT_GAME_TEXTURES = 40;

extern ot_tile* ot_tiles;
extern Uint32 ot_tile_count;
extern ot_texture* ot_textures;
extern Uint16 ot_texture_count;
extern Uint32* textures;  // OpenGL texture names, parallel to ot_textures

void ot_init(int width, int height);
void ot_resize(int width, int height);
// Where the logical frame lies in a window screen_h pixels high (top-left
// origin). How textures are sampled on it follows the art set's rule for the
// frame (art_set.h), for textures uploaded from then on.
void ot_viewport(int x, int y, int w, int h, int screen_h);
// After a new video mode, whose OpenGL context may be new: the drawing state
// set again and fresh texture names; the caller uploads every texture again.
void ot_restore(int width, int height);
Uint8 ot_build(Uint32 tile_count, int texture_count);
// Texture id takes the surface's pixels; its recorded size is w x h, which
// the surface fills once or, for art drawn at twice the size, twice over.
void ot_build_texture(int id, int w, int h, SDL_Surface* surface);
// Uploads w x h pixels laid out B, G, R, A in memory (pitch w) into the bound texture.
void ot_upload(int w, int h, const void* bgra);
// Texture id takes the recorded size w x h now and the image whose 1x file is
// path, read from the art set chosen at the first blit of one of its tiles
// (artset_read): an image is read only when it is drawn.
void ot_defer_texture(int id, int w, int h, const char* path);
void ot_build_tile(int id, int tex_id, float x, float y, float w, float h);

void ot_blit(Uint32 id, float x, float y, const ot_rgba* rgb);
void ot_blit_scale(Uint32 id, float x, float y, const ot_rgba* rgb, float scale);
void ot_blit_trans(Uint32 id, float x, float y, const ot_rgba* rgb);
void ot_blit_trans_scale(Uint32 id, float x, float y, float scale);
void ot_blit_rotate(Uint32 id, float x, float y, const ot_rgba* rgb, float degrees, int trans);
void ot_blit_rotate_scale(Uint32 id, float x, float y, const ot_rgba* rgb, float degrees, int trans, float scale);

// An opaque rectangle of one colour (null: white) from (x0, y0) to (x1, y1).
void ot_fill(float x0, float y0, float x1, float y1, const ot_rgba* rgb);

void ot_begin();
void ot_end();  // presents the frame drawn since ot_begin
extern Uint32 ot_frames;  // frames presented so far
void ot_deinit();

// Texture coordinates of a tile cut at (x, y, w, h) from a texture of the given
// recorded size; a texture that never received a size gives an empty rectangle.
void ot_tile_coords(ot_tile* t, float tex_w, float tex_h);
