// pad.h -- play with a gamepad: every pad present at start opened, and its
// buttons, hat, direction buttons and stick turned into the keys the screens know
#pragma once

#include <SDL/SDL.h>

#include "engine/keyboard.h"
#include "engine/pad_slots.h"
#include "rules/pad_map.h"

// While a screen handles a key that a pad made, the pad's button (PAD_*);
// PAD_NONE for the keyboard. Screens look at it only where the pad differs from the keys.
extern Uint8 pad_pressed;

// Whether a key presses the highlighted button: Return or Space where the
// highlight shows, and the pad's Start wherever it rests, shown or not.
inline bool key_presses_focus(const key_focus& f, SDLKey key)
{
    return key_is_press(key) && (f.shown || pad_pressed == PAD_START);
}

// Opens every pad present; none is no failure. sdl12-compat is asked for
// SDL2's game-controller mapping unless the player chose otherwise.
void pad_init();
void pad_deinit();

// A key press or release that a pad's event stands for.
struct pad_key {
    SDLKey key;
    Uint8 button;  // PAD_*
    Uint8 down;    // 1 pressed, 0 let go
    Uint8 pad;     // the pad's number
};

// Turns a joystick event into the press or release of the key it stands for;
// false when it stands for none: a stick within its dead zone, a button
// without a use, a second direction on a pad that has one down, any other event.
bool pad_translate(const SDL_Event& event, pad_key& key);
