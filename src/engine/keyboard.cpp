// keyboard.cpp -- play without a mouse: the highlight that keys move over a
// panel's buttons, and the brass frame that marks it and the board cursor
#include "engine/keyboard.h"

#include <array>

#include "engine/opengl_tile.h"

static const ot_rgba FRAME_BRASS = {255, 214, 92, 255};
static const ot_rgba FRAME_DARK = {28, 20, 10, 255};

Uint8 key_repeating = 0;

// Each source's held arrow (SDLK_UNKNOWN for none), the pad's button it
// stands for, when it went down and its place in the order of presses.
struct held_arrow {
    SDLKey key = SDLK_UNKNOWN;
    Uint8 button = PAD_NONE;
    Uint32 since = 0, order = 0;
};
static std::array<held_arrow, KEY_SOURCES> held{};
static int repeating = -1;  // the source whose arrow repeats, -1 for none
static Uint32 next_repeat = 0, presses = 0;

static bool is_arrow(SDLKey key)
{
    return key == SDLK_UP || key == SDLK_DOWN || key == SDLK_LEFT || key == SDLK_RIGHT;
}

// The arrow pressed last among those still held repeats, after the delay.
static void repeat_latest(Uint32 now)
{
    repeating = -1;
    for (int s = 0; s < KEY_SOURCES; s++)
        if (held[static_cast<size_t>(s)].key != SDLK_UNKNOWN &&
            (repeating < 0 || held[static_cast<size_t>(s)].order > held[static_cast<size_t>(repeating)].order))
            repeating = s;
    next_repeat = now + SDL_DEFAULT_REPEAT_DELAY;
}

void key_repeat_down(SDLKey key, Uint32 now, Uint8 source, Uint8 button)
{
    if (source >= KEY_SOURCES)
        return;
    if (is_arrow(key)) {
        held[source] = held_arrow{key, button, now, ++presses};
        repeating = source;
        next_repeat = now + SDL_DEFAULT_REPEAT_DELAY;
    } else {
        held[source] = held_arrow{};
        if (repeating == source)
            repeat_latest(now);
    }
}

void key_repeat_up(SDLKey key, Uint32 now, Uint8 source)
{
    if (source >= KEY_SOURCES || held[source].key != key)
        return;
    held[source] = held_arrow{};
    if (repeating == source)
        repeat_latest(now);
}

void key_repeat_stop()
{
    held.fill(held_arrow{});
    repeating = -1;
}

bool key_repeat_due(Uint32 now, SDLKey* key, Uint8* button)
{
    if (repeating > KEY_KEYBOARD && now - held[static_cast<size_t>(repeating)].since >= PAD_HOLD_MS) {
        held[static_cast<size_t>(repeating)] = held_arrow{};  // a pad held this long has stopped reporting
        repeat_latest(now);
    }
    if (repeating < 0 || static_cast<Sint32>(now - next_repeat) < 0)
        return false;
    next_repeat = now + SDL_DEFAULT_REPEAT_INTERVAL;
    *key = held[static_cast<size_t>(repeating)].key;
    *button = held[static_cast<size_t>(repeating)].button;
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
