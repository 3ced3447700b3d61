// misc.cpp -- colour fades and power-of-two texture sides
#include "engine/misc.h"

void rgba_reset(ot_rgba* rgb)
{
    rgb->r = rgb->g = rgb->b = rgb->a = 0;
}

// One step brighter. Only red is tested: callers keep the channels equal, so a
// fade from 0 runs 12, 24, ..., 252 and lands on 255 through the clamp.
void rgba_inc(ot_rgba* rgb)
{
    if (rgb->r + RGBA_STEP <= 254) {
        rgb->r = static_cast<Uint8>(rgb->r + RGBA_STEP);
        rgb->g = static_cast<Uint8>(rgb->g + RGBA_STEP);
        rgb->b = static_cast<Uint8>(rgb->b + RGBA_STEP);
        rgb->a = static_cast<Uint8>(rgb->a + RGBA_STEP);
    } else {
        rgb->r = rgb->g = rgb->b = rgb->a = 255;
    }
}

// One step darker; from 255 the fade runs 243, ..., 3 and lands on 0 through the clamp.
void rgba_dec(ot_rgba* rgb)
{
    if (rgb->r - RGBA_STEP >= 1) {
        rgb->r = static_cast<Uint8>(rgb->r - RGBA_STEP);
        rgb->g = static_cast<Uint8>(rgb->g - RGBA_STEP);
        rgb->b = static_cast<Uint8>(rgb->b - RGBA_STEP);
        rgb->a = static_cast<Uint8>(rgb->a - RGBA_STEP);
    } else {
        rgb->r = rgb->g = rgb->b = rgb->a = 0;
    }
}

// Doubling in integers gives exactly 2 to the ceiling of log2(x). 0 and negative
// sides (no caller passes one) give 0; sides beyond 2^30 give 2^30.
int next_power_of_two(int x)
{
    if (x <= 0)
        return 0;
    int p = 1;
    while (p < x && p < (1 << 30))
        p <<= 1;
    return p;
}
