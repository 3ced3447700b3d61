// scaler.cpp -- the frame on today's screens: a window at the largest whole scale
// the desktop takes, full screen at the desktop's own size, the switch between
// them at run time, and the pointer's way back to the frame's pixels
#include "engine/scaler.h"

#include <algorithm>

#include "engine/art_set.h"
#include "engine/font.h"
#include "engine/images.h"
#include "engine/opengl_tile.h"
#include "engine/screen.h"
#include "engine/state.h"

frame_geometry scaler_frame = frame_in_window(1);
Uint8 scaler_window_scale = 0;

static int desktop_w = FRAME_W, desktop_h = FRAME_H;

void scaler_init()
{
    // Before the first video mode, the current one is the desktop's.
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info && info->current_w > 0 && info->current_h > 0) {
        desktop_w = info->current_w;
        desktop_h = info->current_h;
    }
}

// The settings' scale when the desktop holds it, else the largest that fits.
static int window_scale()
{
    int chosen = scaler_window_scale;
    if (chosen >= 1 && FRAME_W * chosen <= desktop_w && FRAME_H * chosen <= desktop_h)
        return chosen;
    return frame_window_scale(desktop_w, desktop_h);
}

static SDL_Surface* set_video(const frame_geometry& g, bool full)
{
    Uint32 flags = SDL_OPENGL | SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_HWPALETTE;
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info && info->blit_hw)
        flags |= SDL_HWACCEL;
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    return SDL_SetVideoMode(g.screen_w, g.screen_h, 0, full ? flags | SDL_FULLSCREEN : flags);
}

bool scaler_set_mode(bool full_screen)
{
    // Full screen keeps the desktop's own resolution: no mode switch. A screen
    // that the frame fills (the page's canvas) is neither: the frame is placed
    // on it whole at its size, and the browser's full screen is the page's.
    bool fills = screen_fills();
    full_screen = full_screen && !fills;
    frame_geometry g = full_screen || fills ? frame_on_screen(desktop_w, desktop_h) : frame_in_window(window_scale());
    SDL_Surface* screen = set_video(g, full_screen);
    if (!screen && full_screen) {
        g = frame_in_window(window_scale());
        screen = set_video(g, false);
    }
    if (!screen)
        return false;
    // The system may give another size than the one asked for.
    if (screen->w != g.screen_w || screen->h != g.screen_h)
        g = frame_on_screen(screen->w, screen->h);
    scaler_frame = g;
    engineFullScreen = full_screen && (screen->flags & SDL_FULLSCREEN) ? 1 : 0;
    return true;
}

void scaler_apply()
{
    const frame_geometry& g = scaler_frame;
    artset_choose(g);
    ot_viewport(g.x, g.y, g.w, g.h, g.screen_h);
}

bool scaler_is_switch(const SDL_keysym& key)
{
    return key.sym == SDLK_F11 || (key.sym == SDLK_RETURN && (key.mod & KMOD_ALT));
}

// A new video mode may come with a new OpenGL context, which holds none of
// the old textures, and another scale, which may ask for the other art set:
// every image and every text is made again.
void scaler_remake()
{
    ot_restore(FRAME_W, FRAME_H);
    scaler_apply();
    main_reload_images();
    font_rescale(frame_scale(scaler_frame));
}

void scaler_switch()
{
    bool full = engineFullScreen != 1;
    if (scaler_set_mode(full) || scaler_set_mode(!full))
        scaler_remake();
}

void scaler_resize(int w, int h)
{
    if (w < 1 || h < 1 || (w == scaler_frame.screen_w && h == scaler_frame.screen_h))
        return;
    desktop_w = w;
    desktop_h = h;
    if (scaler_set_mode(engineFullScreen == 1))
        scaler_remake();
}

// A pointer position moved from the window's pixels to the frame's; the
// coordinates' type is the SDL's own (16 bits on the desktop, 32 in the page).
template <typename Coord>
static void map_position(Coord* x, Coord* y, bool motion)
{
    const frame_geometry& g = scaler_frame;
    int lx = 0, ly = 0;
    if (frame_to_logical(g, *x, *y, &lx, &ly)) {
        *x = static_cast<Uint16>(lx);
        *y = static_cast<Uint16>(ly);
    } else if (motion) {
        frame_to_logical(g, std::clamp(*x - g.x, 0, g.w - 1) + g.x, std::clamp(*y - g.y, 0, g.h - 1) + g.y, &lx, &ly);
        *x = static_cast<Uint16>(lx);
        *y = static_cast<Uint16>(ly);
    } else {
        *x = *y = 0xffff;
    }
}

void scaler_map_event(SDL_Event* event)
{
    if (event->type == SDL_MOUSEMOTION)
        map_position(&event->motion.x, &event->motion.y, true);
    else if (event->type == SDL_MOUSEBUTTONDOWN || event->type == SDL_MOUSEBUTTONUP)
        map_position(&event->button.x, &event->button.y, false);
}
