// frame_geometry.cpp -- where the game's 640 x 480 frame lies on the screen, and a
// screen pixel's way back to the frame
#include "rules/frame_geometry.h"

#include <algorithm>

int frame_window_scale(int desktop_w, int desktop_h)
{
    int scale = 1;
    while (FRAME_W * (scale + 1) <= desktop_w && FRAME_H * (scale + 1) * 10 <= desktop_h * 9)
        scale++;
    return scale;
}

frame_geometry frame_in_window(int scale)
{
    scale = std::max(scale, 1);
    return {FRAME_W * scale, FRAME_H * scale, 0, 0, FRAME_W * scale, FRAME_H * scale};
}

frame_geometry frame_on_screen(int screen_w, int screen_h)
{
    // Wider than 4:3 fills the height; narrower fills the width.
    int w = screen_w, h = screen_h;
    if (static_cast<long>(screen_w) * FRAME_H > static_cast<long>(screen_h) * FRAME_W)
        w = static_cast<int>(static_cast<long>(screen_h) * FRAME_W / FRAME_H);
    else
        h = static_cast<int>(static_cast<long>(screen_w) * FRAME_H / FRAME_W);
    return {screen_w, screen_h, (screen_w - w) / 2, (screen_h - h) / 2, w, h};
}

bool frame_to_logical(const frame_geometry& g, int sx, int sy, int* lx, int* ly)
{
    int dx = sx - g.x, dy = sy - g.y;
    if (dx < 0 || dy < 0 || dx >= g.w || dy >= g.h)
        return false;
    *lx = static_cast<int>(static_cast<long>(dx) * FRAME_W / g.w);
    *ly = static_cast<int>(static_cast<long>(dy) * FRAME_H / g.h);
    return true;
}
