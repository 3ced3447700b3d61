// art_set.h -- the art drawn at twice the size: which set the frame's scale asks for, an image read from it
// (its 1x file where the 2x one does not read), and how a texture of either set is sampled
#pragma once

#include <SDL/SDL.h>

#include <cstddef>

#include "rules/frame_geometry.h"

// The set the frame is drawn from: 1, the art of the 640 x 480 frame, or 2,
// the same art drawn at twice the size, wherever the frame is shown at 1.5x
// or more and OpenGL holds textures of twice the largest side. 1 until the
// first artset_choose.
int artset_scale();

// Chooses the set for the frame as it now lies (with an OpenGL context
// current); says once on standard output when OpenGL holds too small a
// texture for the 2x set.
void artset_choose(const frame_geometry& frame);

// The file an image is read from in the chosen set, for the path of its 1x
// file: at 2x "NAME@2x.png", else "NAME@2x.webp", beside it, when one exists;
// else the path itself (a level drawn by hand may have only the 1x pictures).
// Answers the file's scale, 1 or 2.
int artset_file(const char* path, char* out, std::size_t out_size);

// The image whose 1x file is path, in the chosen set, as a texture surface
// for tw x th frame pixels (image_file.h): from its 2x file where the set has
// one, else from path. A file that is there but does not read (cut short,
// damaged) is named in one line on stderr, and a 2x one gives way to the 1x
// file. Null when neither reads; the caller frees the surface.
SDL_Surface* artset_read(const char* path, int tw, int th);

// How a texture whose image has `art` pixels to the frame's unit is sampled
// on the frame as it lies: exactly where its pixels meet the screen's one to
// one or in whole blocks, smoothly at every other scale, and from mipmaps
// where it is drawn smaller than its pixels.
enum art_sampling { SAMPLE_NEAREST, SAMPLE_LINEAR, SAMPLE_MIPMAP };
art_sampling artset_sampling(int art);
