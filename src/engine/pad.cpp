// pad.cpp -- play with a gamepad: every pad present at start opened, and its
// buttons, hat, direction buttons and stick turned into the keys the screens know
#include "engine/pad.h"

#include <strings.h>

#include <cstdlib>
#include <cstring>

Uint8 pad_pressed = PAD_NONE;

constexpr int PAD_MAX = 8;   // pads opened, and told apart, at most
constexpr int HAT_MAX = 4;   // hats per pad
constexpr int STICK_PRESS = 16384;   // half way out, a stick presses its direction
constexpr int STICK_RELEASE = 8192;  // back within a quarter, it lets go; between the two it stays

// sdl12-compat's setting for SDL2's game-controller mapping: with it, every
// pad SDL2 knows (handhelds' built-in controls among them) arrives numbered
// as an Xbox pad by its labels, whatever its own numbering.
static const char* const COMPAT_CONTROLLERS = "SDL12COMPAT_USE_GAME_CONTROLLERS";

// The buttons by number, as the SDL in use numbers an Xbox-style pad. SDL 1.2
// (and sdl12-compat reading pads as plain joysticks) counts the buttons as
// Linux lists them: A B X Y, the shoulders, Back, Start. SDL2's game
// controller counts A B X Y Back Guide Start, the sticks, the shoulders and
// the direction pad. Both take 11 to 14 as the direction buttons.
static const Uint8 LINUX_BUTTONS[] = {PAD_A,    PAD_B,    PAD_X,    PAD_Y,  PAD_NONE, PAD_NONE, PAD_BACK, PAD_START,
                                      PAD_NONE, PAD_NONE, PAD_NONE, PAD_UP, PAD_DOWN, PAD_LEFT, PAD_RIGHT};
static const Uint8 CONTROLLER_BUTTONS[] = {PAD_A,    PAD_B,    PAD_X,    PAD_Y,  PAD_BACK, PAD_NONE, PAD_START, PAD_NONE,
                                           PAD_NONE, PAD_NONE, PAD_NONE, PAD_UP, PAD_DOWN, PAD_LEFT, PAD_RIGHT};
static_assert(sizeof LINUX_BUTTONS == sizeof CONTROLLER_BUTTONS, "one range of button numbers");

// The key each button stands for, by PAD_*.
static const SDLKey PAD_KEYS[] = {SDLK_UNKNOWN, SDLK_RETURN, SDLK_ESCAPE, SDLK_r,    SDLK_c,    SDLK_RETURN,
                                  SDLK_F1,      SDLK_UP,     SDLK_DOWN,   SDLK_LEFT, SDLK_RIGHT};

static bool pad_started = false;
static bool controller_numbering = false;
static std::array<SDL_Joystick*, PAD_MAX> pads{};
// Per pad: where each direction axis stands (-1, 0, 1; the stick's x and y,
// then a direction pad's pair of axes), and each hat's last value.
static std::array<std::array<Sint8, 4>, PAD_MAX> axis_at{};
static std::array<std::array<Uint8, HAT_MAX>, PAD_MAX> hat_at{};

// An SDL hint's truth as SDL reads it: unset or empty is the default, "0"
// and "false" are false, anything else true.
static bool hint_true(const char* value)
{
    return value && *value && std::strcmp(value, "0") != 0 && strcasecmp(value, "false") != 0;
}

void pad_init()
{
    // sdl12-compat counts from 1.2.50; the classic library ended at 1.2.15.
    setenv(COMPAT_CONTROLLERS, "1", 0);
    const SDL_version* v = SDL_Linked_Version();
    controller_numbering = v && v->patch >= 50 && hint_true(std::getenv(COMPAT_CONTROLLERS));
    axis_at = {};
    hat_at = {};
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0)
        return;  // no joystick support: keys and mouse only
    pad_started = true;
    for (int i = 0; i < SDL_NumJoysticks() && i < PAD_MAX; i++)
        pads[static_cast<size_t>(i)] = SDL_JoystickOpen(i);
    SDL_JoystickEventState(SDL_ENABLE);
}

void pad_deinit()
{
    if (!pad_started)
        return;
    for (SDL_Joystick*& p : pads) {
        if (p)
            SDL_JoystickClose(p);
        p = nullptr;
    }
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    pad_started = false;
}

static void add(pad_keys& keys, int& n, Uint8 button, Uint8 down)
{
    if (button != PAD_NONE && n < static_cast<int>(keys.size()))
        keys[static_cast<size_t>(n++)] = pad_key{PAD_KEYS[button], button, down};
}

// A direction axis: 0 and 1 the stick (or the direction pad of a pad
// without a stick), 6 and 7 an Xbox pad's direction pad where Linux's
// joystick device gives it as axes. The game controller's 6 is no direction.
static int axis_slot(int axis)
{
    if (axis == 0 || axis == 1)
        return axis;
    if (!controller_numbering && (axis == 6 || axis == 7))
        return axis - 4;
    return -1;
}

static int axis_event(const SDL_JoyAxisEvent& e, pad_keys& keys)
{
    int slot = axis_slot(e.axis);
    if (slot < 0 || e.which >= PAD_MAX)
        return 0;
    Sint8& at = axis_at[e.which][static_cast<size_t>(slot)];
    int v = e.value;
    Sint8 now = v >= STICK_PRESS ? 1 : v <= -STICK_PRESS ? -1 : std::abs(v) < STICK_RELEASE ? 0 : at;
    int n = 0;
    if (now != at) {
        Uint8 minus = slot % 2 ? PAD_UP : PAD_LEFT, plus = slot % 2 ? PAD_DOWN : PAD_RIGHT;
        if (at != 0)
            add(keys, n, at < 0 ? minus : plus, 0);
        if (now != 0)
            add(keys, n, now < 0 ? minus : plus, 1);
        at = now;
    }
    return n;
}

static int hat_event(const SDL_JoyHatEvent& e, pad_keys& keys)
{
    if (e.which >= PAD_MAX || e.hat >= HAT_MAX)
        return 0;
    static const Uint8 BITS[] = {SDL_HAT_UP, SDL_HAT_DOWN, SDL_HAT_LEFT, SDL_HAT_RIGHT};
    static const Uint8 DIRECTIONS[] = {PAD_UP, PAD_DOWN, PAD_LEFT, PAD_RIGHT};
    Uint8& at = hat_at[e.which][e.hat];
    int n = 0;
    for (int pass = 0; pass < 2; pass++)  // the directions let go, then the ones pressed
        for (int d = 0; d < 4; d++) {
            bool was = at & BITS[d], is = e.value & BITS[d];
            if (was != is && is == (pass == 1))
                add(keys, n, DIRECTIONS[d], is);
        }
    at = e.value;
    return n;
}

int pad_translate(const SDL_Event& event, pad_keys& keys)
{
    int n = 0;
    switch (event.type) {
    case SDL_JOYAXISMOTION:
        return axis_event(event.jaxis, keys);
    case SDL_JOYHATMOTION:
        return hat_event(event.jhat, keys);
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP: {
        const Uint8* table = controller_numbering ? CONTROLLER_BUTTONS : LINUX_BUTTONS;
        if (event.jbutton.button < sizeof LINUX_BUTTONS)
            add(keys, n, table[event.jbutton.button], event.type == SDL_JOYBUTTONDOWN);
        return n;
    }
    default:
        return 0;
    }
}
