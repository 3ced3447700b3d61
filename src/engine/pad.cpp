// pad.cpp -- play with a gamepad: every pad present at start opened, and its
// buttons, hat, direction buttons and stick turned into the keys the screens know
#include "engine/pad.h"
#include "engine/pad_slots.h"

#include <cstdlib>

Uint8 pad_pressed = PAD_NONE;

// sdl12-compat's setting for SDL2's game-controller mapping: with it, every
// pad SDL2 knows (handhelds' built-in controls among them) arrives numbered
// as an Xbox pad by its labels, whatever its own numbering.
static const char* const COMPAT_CONTROLLERS = "SDL12COMPAT_USE_GAME_CONTROLLERS";

// The key each button stands for, by PAD_*.
static const SDLKey PAD_KEYS[] = {SDLK_UNKNOWN, SDLK_RETURN, SDLK_ESCAPE, SDLK_r,    SDLK_c,    SDLK_RETURN,
                                  SDLK_F1,      SDLK_UP,     SDLK_DOWN,   SDLK_LEFT, SDLK_RIGHT};
static_assert(PAD_HAT_UP == SDL_HAT_UP && PAD_HAT_RIGHT == SDL_HAT_RIGHT && PAD_HAT_DOWN == SDL_HAT_DOWN &&
                  PAD_HAT_LEFT == SDL_HAT_LEFT,
              "a hat's bits as SDL gives them");

static bool pad_started = false;
static pad_map_state pad_state;
static std::array<SDL_Joystick*, PAD_MAX> pads{};

void pad_init()
{
    // sdl12-compat reads its setting as the joysticks start, below.
    setenv(COMPAT_CONTROLLERS, "1", 0);
    const SDL_version* v = SDL_Linked_Version();
    pad_state = pad_map_state{};
    pad_state.numbering = pad_slots_numbering(v && pad_controller_numbering(v->major, v->minor, v->patch,
                                                                            std::getenv(COMPAT_CONTROLLERS)));
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

bool pad_translate(const SDL_Event& event, pad_key& key)
{
    pad_report r{};
    switch (event.type) {
    case SDL_JOYAXISMOTION:
        r = {PAD_REPORT_AXIS, event.jaxis.which, event.jaxis.axis, event.jaxis.value};
        break;
    case SDL_JOYHATMOTION:
        r = {PAD_REPORT_HAT, event.jhat.which, event.jhat.hat, event.jhat.value};
        break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        r = {event.type == SDL_JOYBUTTONDOWN ? PAD_REPORT_BUTTON_DOWN : PAD_REPORT_BUTTON_UP, event.jbutton.which,
             event.jbutton.button, 0};
        break;
    default:
        return false;
    }
    const pad_press p = pad_read(pad_state, r);
    if (p.button == PAD_NONE)
        return false;
    key = {PAD_KEYS[p.button], p.button, p.down, r.pad};
    return true;
}
