// misc.h -- colour fades and power-of-two texture sides
#pragma once

#include <SDL/SDL_types.h>

// A colour of four 8-bit channels; passed to blits by pointer, null meaning opaque white.
struct ot_rgba {
    Uint8 r, g, b, a;
};

// Fade step added or removed per call on each channel.
constexpr int RGBA_STEP = 12;

void rgba_reset(ot_rgba* rgb);
void rgba_inc(ot_rgba* rgb);
void rgba_dec(ot_rgba* rgb);

// The smallest power of two not below x (0 for 0); the texture side for an image side.
int next_power_of_two(int x);
