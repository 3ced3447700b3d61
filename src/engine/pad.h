// pad.h -- play with a gamepad: every pad present at start opened, and its
// buttons, hat, direction buttons and stick turned into the keys the screens know
#pragma once

#include <array>

#include <SDL/SDL.h>

#include "engine/keyboard.h"

// A pad's buttons by what they do, whatever number the pad gives them.
constexpr Uint8 PAD_NONE = 0;
constexpr Uint8 PAD_A = 1;      // Return: lifts and drops, presses the highlighted button
constexpr Uint8 PAD_B = 2;      // Escape: puts a lifted tile back, backs out of a panel
constexpr Uint8 PAD_X = 3;      // R: turns the tile under the cursor
constexpr Uint8 PAD_Y = 4;      // C: the clues
constexpr Uint8 PAD_START = 5;  // Return: the game menu in play, elsewhere the highlighted button
constexpr Uint8 PAD_BACK = 6;   // F1: the help
constexpr Uint8 PAD_UP = 7;     // the arrows, from the hat, the direction buttons or the stick
constexpr Uint8 PAD_DOWN = 8;
constexpr Uint8 PAD_LEFT = 9;
constexpr Uint8 PAD_RIGHT = 10;

// While a screen handles a key that a pad made, the pad's button; PAD_NONE
// for the keyboard. Screens look at it only where the pad differs from the keys.
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
};
using pad_keys = std::array<pad_key, 4>;

// Turns a joystick event into the presses and releases of keys it stands
// for, and answers how many (0 to 4): a stick within its dead zone, a button
// without a use and any other event give none.
int pad_translate(const SDL_Event& event, pad_keys& keys);
