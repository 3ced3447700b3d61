// pad_map.cpp -- a pad's buttons, hats and axes read as the game's buttons: the
// numbering the SDL in use gives an Xbox-style pad, and a cross that reports
// itself more than once (buttons and a hat), with the stick, as one direction
#include "rules/pad_map.h"

#include <cstdlib>

constexpr int STICK_PRESS = 16384;   // half way out, a stick presses its direction
constexpr int STICK_RELEASE = 8192;  // back within a quarter, it lets go; between the two it stays

// The sources of a direction, as bits: each hat its own, then the direction
// buttons, the pair of direction axes and the stick.
constexpr uint8_t SOURCE_BUTTONS = 0x10, SOURCE_AXES = 0x20, SOURCE_STICK = 0x40;
constexpr int HAT_MAX = 4;

// The buttons by number. As Linux lists an Xbox-style pad's buttons (classic
// SDL 1.2, and sdl12-compat showing pads as plain joysticks): A B X Y, the
// shoulders, Back, Start, Guide, the sticks, then the cross where the pad
// gives it as buttons too (the Xbox 360 wireless receiver does): left, right,
// up, down. SDL2's game controller: A B X Y Back Guide Start, the sticks,
// the shoulders, then the cross: up, down, left, right. A browser's standard
// layout: A B X Y, the shoulders, the triggers, Back, Start, the sticks, then
// the cross: up, down, left, right.
constexpr int BUTTON_COUNT = 16;
static const uint8_t BUTTONS[][BUTTON_COUNT] = {
    {PAD_A, PAD_B, PAD_X, PAD_Y, PAD_NONE, PAD_NONE, PAD_BACK, PAD_START, PAD_NONE, PAD_NONE, PAD_NONE, PAD_LEFT,
     PAD_RIGHT, PAD_UP, PAD_DOWN, PAD_NONE},
    {PAD_A, PAD_B, PAD_X, PAD_Y, PAD_BACK, PAD_NONE, PAD_START, PAD_NONE, PAD_NONE, PAD_NONE, PAD_NONE, PAD_UP,
     PAD_DOWN, PAD_LEFT, PAD_RIGHT, PAD_NONE},
    {PAD_A, PAD_B, PAD_X, PAD_Y, PAD_NONE, PAD_NONE, PAD_NONE, PAD_NONE, PAD_BACK, PAD_START, PAD_NONE, PAD_NONE,
     PAD_UP, PAD_DOWN, PAD_LEFT, PAD_RIGHT}};

// A hat's bit for each direction, in the order of PAD_UP to PAD_RIGHT.
static const uint8_t HAT_BITS[] = {PAD_HAT_UP, PAD_HAT_DOWN, PAD_HAT_LEFT, PAD_HAT_RIGHT};

bool pad_controller_numbering(int major, int minor, int patch, const char* setting)
{
    // Classic SDL 1.2 (up to 1.2.15) knows only joysticks. sdl12-compat, which
    // counts from 1.2.50, shows pads as SDL2's plain joysticks, and from 1.2.54
    // as SDL2's game controllers when its setting, read by atoi, is a number
    // other than 0 ("1", " 2"; "true" and "yes" read as 0); unset, it does not.
    const bool has_setting = major > 1 || (major == 1 && (minor > 2 || (minor == 2 && patch >= 54)));
    return has_setting && setting && static_cast<int>(std::strtol(setting, nullptr, 10)) != 0;
}

// The pad's one direction after its sources changed: the one down goes up
// when nothing holds it; a direction goes down when it is the only one held,
// unless two have been held at once since the pad was last let go entirely.
static pad_press settle(pad_cross& p)
{
    int held = 0, only = -1;
    for (int d = 0; d < 4; d++)
        if (p.holders[static_cast<size_t>(d)])
            held++, only = d;
    if (held != 1)
        p.settling = held > 1;
    if (p.down != PAD_NONE && !p.holders[static_cast<size_t>(p.down - PAD_UP)]) {
        const uint8_t up = p.down;
        p.down = PAD_NONE;
        return {up, 0};
    }
    if (p.down == PAD_NONE && !p.settling && held == 1) {
        p.down = static_cast<uint8_t>(PAD_UP + only);
        return {p.down, 1};
    }
    return {PAD_NONE, 0};
}

static void hold(pad_cross& p, uint8_t direction, uint8_t source, bool held)
{
    uint8_t& h = p.holders[static_cast<size_t>(direction - PAD_UP)];
    h = static_cast<uint8_t>(held ? h | source : h & ~source);
}

// A direction axis: 0 and 1 the stick (or the cross of a pad without a
// stick), 6 and 7 the cross where Linux's joystick device gives it as axes.
// The other numberings' 6 is no direction.
static int axis_slot(uint8_t numbering, int axis)
{
    if (axis == 0 || axis == 1)
        return axis;
    if (numbering == PAD_NUMBERING_LINUX && (axis == 6 || axis == 7))
        return axis - 4;
    return -1;
}

static void axis_moved(pad_cross& p, uint8_t numbering, int axis, int value)
{
    const int slot = axis_slot(numbering, axis);
    if (slot < 0)
        return;
    int8_t& at = p.axis_at[static_cast<size_t>(slot)];
    const int8_t now = value >= STICK_PRESS ? 1 : value <= -STICK_PRESS ? -1 : std::abs(value) < STICK_RELEASE ? 0 : at;
    const uint8_t source = slot < 2 ? SOURCE_STICK : SOURCE_AXES;
    const uint8_t minus = slot % 2 ? PAD_UP : PAD_LEFT, plus = slot % 2 ? PAD_DOWN : PAD_RIGHT;
    hold(p, minus, source, now < 0);
    hold(p, plus, source, now > 0);
    at = now;
}

pad_press pad_read(pad_map_state& state, const pad_report& r)
{
    if (r.pad >= PAD_MAX)
        return {PAD_NONE, 0};
    pad_cross& p = state.pads[r.pad];
    switch (r.kind) {
    case PAD_REPORT_BUTTON_DOWN:
    case PAD_REPORT_BUTTON_UP: {
        if (r.index >= BUTTON_COUNT || state.numbering > PAD_NUMBERING_STANDARD)
            return {PAD_NONE, 0};
        const uint8_t button = BUTTONS[state.numbering][r.index];
        const bool down = r.kind == PAD_REPORT_BUTTON_DOWN;
        if (button < PAD_UP)
            return {button, static_cast<uint8_t>(down)};
        hold(p, button, SOURCE_BUTTONS, down);
        return settle(p);
    }
    case PAD_REPORT_HAT:
        if (r.index >= HAT_MAX)
            return {PAD_NONE, 0};
        for (int d = 0; d < 4; d++)
            hold(p, static_cast<uint8_t>(PAD_UP + d), static_cast<uint8_t>(1 << r.index), r.value & HAT_BITS[d]);
        return settle(p);
    case PAD_REPORT_AXIS:
        axis_moved(p, state.numbering, r.index, r.value);
        return settle(p);
    default:
        return {PAD_NONE, 0};
    }
}
