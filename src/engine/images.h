// images.h -- the one image loader: image files of the chosen art set into the renderer's textures, and
// the fixed images
#pragma once

#include <SDL/SDL.h>

#include "engine/image_file.h"

// Loads an image (path formatted like printf, cut to 127 characters) into
// texture id, padded to tw x th frame pixels: from its 2x file when the art
// set is 2x and the file is there, else from the path itself. Returns 1 when
// the texture was filled.
Uint8 sdl_loadimg(Uint32 id, int tw, int th, const char* filename, ...) __attribute__((format(printf, 4, 5)));

// As sdl_loadimg, but the file is read only when one of the texture's tiles
// is first drawn; nothing happens when the file is missing.
void image_defer(Uint32 id, int tw, int th, const char* path);

// An image made in memory (w x h, RGBA bytes row by row) into texture id,
// padded to tw x th frame pixels; drawn at art pixels to the frame's pixel (2
// for an image made for art drawn at twice the size); kept to load again into
// a new OpenGL context.
Uint8 sdl_loadpixels(Uint32 id, int tw, int th, const Uint8* rgba, int w, int h, int art = 1);

// Every texture takes its image again, from the file it was last loaded from
// in the set the frame now asks for, read at its first blit: for a new OpenGL
// context, which holds none of the old ones, on a frame of another scale.
void main_reload_images();

// Forgets where the textures came from, as the renderer is released.
void images_forget();

// Loads the fixed images into their textures and tiles.
void main_load_catalogue();
