// frame_geometry.h -- where the game's 640 x 480 frame lies on the screen, and a
// screen pixel's way back to the frame
#pragma once

constexpr int FRAME_W = 640, FRAME_H = 480;

// The window or full screen, and the frame's place on it, in screen pixels
// with the origin at the top-left.
struct frame_geometry {
    int screen_w, screen_h;
    int x, y, w, h;
};

// The largest whole scale, at least 1, at which a window fits the desktop with
// room for panels and title bars: within its width and 90 % of its height.
int frame_window_scale(int desktop_w, int desktop_h);

// A window at a whole scale: exactly the frame.
frame_geometry frame_in_window(int scale);

// A full screen: the frame as large as fits, its shape kept, centred.
frame_geometry frame_on_screen(int screen_w, int screen_h);

// The logical pixel under a screen pixel; false on the border around the frame.
bool frame_to_logical(const frame_geometry& g, int sx, int sy, int* lx, int* ly);

// Screen pixels per logical pixel.
inline double frame_scale(const frame_geometry& g)
{
    return static_cast<double>(g.w) / FRAME_W;
}
