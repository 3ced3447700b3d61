// main.h -- start-up, the main loop and mode dispatch; the image loader and the fixed images
#pragma once

#include <SDL/SDL.h>

// Entry of the game proper: start-up, the loop, and the exit status (0 normal
// end, -1 when video or fonts cannot start or a data file the game needs is
// missing; one line on stdout then says which).
int SDL_main(int argc, char* argv[]);

// The loop's phases, separate so that tests can drive the engine a step at a time.
int main_start();   // start-up; -1 on a fatal failure (reported on stdout), else 0
bool main_events(); // routes every queued event to the current mode; false when there was none
void main_draw();   // clears and draws the current mode's frame, without presenting it
bool main_turn();   // one loop turn: events, a frame when the picture would change, the 10 ms sleep; false to leave
void main_exit();   // releases renderer, fonts, sound and SDL; safe to call more than once

void handle_keys(SDL_keysym* keysym);
void handle_mouse_click(int x, int y, int button, int type);
void handle_mouse_movement(int x, int y);

// Loads a PNG (path formatted like printf, cut to 127 characters) into texture
// id, padded to tw x th. Returns 1 when the texture was filled.
Uint8 sdl_loadimg(Uint32 id, int tw, int th, const char* filename, ...) __attribute__((format(printf, 4, 5)));

// Whether data holds a PNG whose chunks all lie within it, up to its end chunk.
bool png_complete(const unsigned char* data, size_t size);

// Loads every texture again from the file it was last loaded from, as it was
// then: for a new OpenGL context, which holds none of the old ones.
void main_reload_images();

// Loads the fixed images into their textures and tiles.
void main_load_catalogue();

// 32-bit pixel masks that put the bytes in memory as B, G, R, A.
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
constexpr Uint32 IMG_BMASK = 0x000000ff, IMG_GMASK = 0x0000ff00, IMG_RMASK = 0x00ff0000, IMG_AMASK = 0xff000000;
#else
constexpr Uint32 IMG_BMASK = 0xff000000, IMG_GMASK = 0x00ff0000, IMG_RMASK = 0x0000ff00, IMG_AMASK = 0x000000ff;
#endif

// Copies a w x h image (pixels in the mask layout above, pitch in pixels) into the
// top-left of a zeroed tw x th texture buffer, cutting what lies beyond it. An
// image with its own alpha keeps it; in an image without one, pure black becomes
// transparent and every other pixel stays opaque. The padding stays transparent.
void loadimg_pad(const Uint32* src, int w, int h, int src_pitch, Uint32* dst, int tw, int th, bool own_alpha);
