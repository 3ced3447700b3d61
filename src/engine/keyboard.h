// keyboard.h -- play without a mouse: the highlight that keys move over a
// panel's buttons, and the brass frame that marks it and the board cursor
#pragma once

#include <SDL/SDL.h>

#include "rules/pad_map.h"

// A modifier pressed alone (Shift, Ctrl, Alt, AltGr, Super, Meta, Caps Lock,
// Num Lock, Scroll Lock, Compose): the loop hands it to no screen.
inline bool key_is_modifier(SDLKey key)
{
    return key >= SDLK_NUMLOCK && key <= SDLK_COMPOSE;
}

// The keys that press the highlighted button, close a panel or go on: Return
// (the keypad's Enter arrives as Return) and Space.
inline bool key_is_press(SDLKey key)
{
    return key == SDLK_RETURN || key == SDLK_SPACE;
}

// A held arrow key repeats, after half a second, about thirty times a second,
// as on the desktop; other keys act once per press. A pad's held direction
// repeats alike. The loop hands each repeat to the screen with key_repeating
// set: only the board cursor, the volume sliders and the pad's letters on the
// password panel take them.
extern Uint8 key_repeating;
// Where a key comes from: the keyboard, or pad n as source n + 1. Each source
// holds its own arrow: another key from it ends that arrow's repeat, and only
// its own release does. The arrow pressed last of all repeats; let go, the
// one still held from another source (pressed last of those) takes over,
// after the delay again. A pad's arrow repeats for a few seconds at most, as
// a pad that stops reporting (out of range, its battery flat) never sends
// its release, and SDL 1.2 goes on answering what it last reported.
constexpr Uint8 KEY_KEYBOARD = 0;
constexpr int KEY_SOURCES = 1 + PAD_MAX;
constexpr Uint32 PAD_HOLD_MS = 5000;
// A key went down (with the pad's button, PAD_NONE from the keyboard) or up; a
// lost focus or a screen switch lets go of every one.
void key_repeat_down(SDLKey key, Uint32 now, Uint8 source = KEY_KEYBOARD, Uint8 button = PAD_NONE);
void key_repeat_up(SDLKey key, Uint32 now, Uint8 source = KEY_KEYBOARD);
void key_repeat_stop();
// The held arrow's next repeat, when it is due now, and the pad's button it came from.
bool key_repeat_due(Uint32 now, SDLKey* key, Uint8* button);

// A button's rectangle in window pixels, edges included.
struct key_button {
    int x0, x1, y0, y1;
};

inline bool on_button(const key_button& b, int x, int y)
{
    return x >= b.x0 && x <= b.x1 && y >= b.y0 && y <= b.y1;
}

// The highlight over one panel's buttons: the one Return presses. It is
// hidden until a key moves it, so that the panel looks as ever to the mouse,
// and hidden again when the pointer moves.
struct key_focus {
    Uint8 index;
    Uint8 shown;
};

// Up and Down: the next or previous of count buttons, wrapping round; the
// first when the highlight is hidden only shows it. False for any other key.
bool key_focus_move(key_focus& f, SDLKey key, int count);

// Presses the focused button as a click does: a release of the left button
// at its centre, handed to the panel's own click handler.
void key_focus_press(const key_focus& f, const key_button* buttons, void (*click)(int x, int y, int button, int type));

// The frame over a button when the focus is shown.
void key_focus_draw(const key_focus& f, const key_button* buttons);

// A bright brass frame with a dark outline around the rectangle, reading on
// any picture; it lies on the rectangle's edge and hides only a thin border.
void key_frame_draw(int x0, int y0, int x1, int y1);
