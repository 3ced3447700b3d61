// keyboard.cpp -- play without a mouse: the highlight that keys move over a
// panel's buttons, and the brass frame that marks it and the board cursor
#include "engine/keyboard.h"

#include "engine/opengl_tile.h"

static const ot_rgba FRAME_BRASS = {255, 214, 92, 255};
static const ot_rgba FRAME_DARK = {28, 20, 10, 255};

Uint8 key_repeating = 0;
static SDLKey held_key = SDLK_UNKNOWN;
static Uint8 held_pad = 0;
static Uint32 next_repeat = 0;

static bool is_arrow(SDLKey key)
{
    return key == SDLK_UP || key == SDLK_DOWN || key == SDLK_LEFT || key == SDLK_RIGHT;
}

void key_repeat_down(SDLKey key, Uint32 now, Uint8 pad)
{
    held_key = is_arrow(key) ? key : SDLK_UNKNOWN;  // another key ends an arrow's repeat
    held_pad = pad;
    next_repeat = now + SDL_DEFAULT_REPEAT_DELAY;
}

void key_repeat_up(SDLKey key)
{
    if (key == held_key)
        held_key = SDLK_UNKNOWN;
}

void key_repeat_stop()
{
    held_key = SDLK_UNKNOWN;
}

bool key_repeat_due(Uint32 now, SDLKey* key, Uint8* pad)
{
    if (held_key == SDLK_UNKNOWN || static_cast<Sint32>(now - next_repeat) < 0)
        return false;
    next_repeat = now + SDL_DEFAULT_REPEAT_INTERVAL;
    *key = held_key;
    *pad = held_pad;
    return true;
}

bool key_focus_move(key_focus& f, SDLKey key, int count)
{
    if ((key != SDLK_UP && key != SDLK_DOWN) || count <= 0)
        return false;
    bool move = f.shown != 0;  // the first key shows where the highlight is; the next ones move it
    if (move) {
        int step = key == SDLK_DOWN ? 1 : count - 1;
        f.index = static_cast<Uint8>((f.index + step) % count);
    }
    f.shown = 1;
    return true;
}

void key_focus_press(const key_focus& f, const key_button* buttons, void (*click)(int x, int y, int button, int type))
{
    const key_button& b = buttons[f.index];
    click((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP);
}

void key_focus_draw(const key_focus& f, const key_button* buttons)
{
    if (f.shown) {  // a little outside the button, so that it reads on a brass one too
        const key_button& b = buttons[f.index];
        key_frame_draw(b.x0 - 3, b.y0 - 3, b.x1 + 3, b.y1 + 3);
    }
}

// A ring of the given width inside the rectangle (x0, y0)-(x1, y1).
static void ring(float x0, float y0, float x1, float y1, float w, const ot_rgba* c)
{
    ot_fill(x0, y0, x1, y0 + w, c);
    ot_fill(x0, y1 - w, x1, y1, c);
    ot_fill(x0, y0 + w, x0 + w, y1 - w, c);
    ot_fill(x1 - w, y0 + w, x1, y1 - w, c);
}

void key_frame_draw(int x0, int y0, int x1, int y1)
{
    // Five pixels astride the edge: dark, three of brass, dark.
    ring(x0 - 3.0f, y0 - 3.0f, x1 + 3.0f, y1 + 3.0f, 5.0f, &FRAME_DARK);
    ring(x0 - 2.0f, y0 - 2.0f, x1 + 2.0f, y1 + 2.0f, 3.0f, &FRAME_BRASS);
}
