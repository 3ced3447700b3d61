// pad_map.h -- a pad's buttons, hats and axes read as the game's buttons: the
// numbering the SDL in use gives an Xbox-style pad, and a cross that reports
// itself more than once (buttons and a hat), with the stick, as one direction
#pragma once

#include <array>
#include <cstdint>

// A pad's buttons by what they do, whatever number the pad gives them.
constexpr uint8_t PAD_NONE = 0;
constexpr uint8_t PAD_A = 1;      // Return: lifts and drops, presses the highlighted button
constexpr uint8_t PAD_B = 2;      // Escape: puts a lifted tile back, backs out of a panel
constexpr uint8_t PAD_X = 3;      // R: turns the tile under the cursor
constexpr uint8_t PAD_Y = 4;      // C: the clues
constexpr uint8_t PAD_START = 5;  // Return: the game menu in play, elsewhere the highlighted button
constexpr uint8_t PAD_BACK = 6;   // F1: the help
constexpr uint8_t PAD_UP = 7;     // the arrows, from the hat, the direction buttons or the stick
constexpr uint8_t PAD_DOWN = 8;
constexpr uint8_t PAD_LEFT = 9;
constexpr uint8_t PAD_RIGHT = 10;

constexpr int PAD_MAX = 8;  // pads opened, and told apart, at most

// A hat's value, as SDL gives it: a bit for each direction held.
constexpr uint8_t PAD_HAT_UP = 1, PAD_HAT_RIGHT = 2, PAD_HAT_DOWN = 4, PAD_HAT_LEFT = 8;

// How the SDL in use numbers a pad's buttons: as Linux lists an Xbox-style
// pad's, as SDL2's game controller, or as a browser's standard layout (A 0,
// B 1, X 2, Y 3, Back 8, Start 9, the cross 12 to 15: up, down, left, right).
constexpr uint8_t PAD_NUMBERING_LINUX = 0, PAD_NUMBERING_CONTROLLER = 1, PAD_NUMBERING_STANDARD = 2;

// Whether the SDL in use numbers a pad as SDL2's game controller rather than
// as Linux lists its buttons, from the linked SDL's version and the text of
// SDL12COMPAT_USE_GAME_CONTROLLERS (null when unset).
bool pad_controller_numbering(int major, int minor, int patch, const char* setting);

// One joystick event, as SDL reports it.
constexpr uint8_t PAD_REPORT_BUTTON_DOWN = 0, PAD_REPORT_BUTTON_UP = 1, PAD_REPORT_HAT = 2, PAD_REPORT_AXIS = 3;
struct pad_report {
    uint8_t kind;   // PAD_REPORT_*
    uint8_t pad;    // the pad's number
    uint8_t index;  // the button's, hat's or axis's number
    int value;      // a hat's bits, an axis's position (-32768 to 32767)
};

// One of the game's buttons pressed or let go; PAD_NONE for none.
struct pad_press {
    uint8_t button;
    uint8_t down;
};

// Per pad: which sources hold each direction (up, down, left, right), where
// each direction axis stands, and the one direction the pad has down.
struct pad_cross {
    std::array<uint8_t, 4> holders{};
    std::array<int8_t, 4> axis_at{};
    uint8_t down = PAD_NONE;
    uint8_t settling = 0;  // two held at once: none goes down until all are let go
};
struct pad_map_state {
    uint8_t numbering = PAD_NUMBERING_LINUX;
    std::array<pad_cross, PAD_MAX> pads{};
};

// What one event does: at most one press or release. A pad has one direction
// down at a time, however many of its sources (hats, direction buttons,
// direction axes, the stick) hold it: it goes down when its first source
// presses it while no other direction is held, and up when its last source
// lets go. Two directions held at once (a diagonal, the stick pushed one way
// while the cross holds another) press nothing more, nor does what remains
// when one is let go, until the pad is let go entirely. Pads, buttons, hats
// and axes beyond the ones the game knows give nothing.
pad_press pad_read(pad_map_state& state, const pad_report& report);
