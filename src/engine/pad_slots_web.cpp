// pad_slots_web.cpp -- the pads in the page: looked for four times a second, as
// the browser shows a pad only once one of its buttons is pressed, and read
// every turn (the page's SDL reads them only when asked)
#include "engine/pad_slots.h"

#include <array>

#include <SDL/SDL.h>

#include "rules/pad_map.h"

constexpr Uint32 LOOK_MS = 250;

static std::array<SDL_Joystick*, PAD_MAX> opened{};

std::uint8_t pad_slots_numbering(bool)
{
    return PAD_NUMBERING_STANDARD;
}

void pad_turn()
{
    static Uint32 looked = 0;
    Uint32 now = SDL_GetTicks();
    if (now - looked >= LOOK_MS) {
        looked = now;
        for (int i = 0; i < PAD_MAX; i++) {
            // A slot holds a pad while the browser names one there. A pad
            // left open after it went would stop the reading of the others.
            SDL_Joystick*& pad = opened[static_cast<size_t>(i)];
            bool here = SDL_JoystickName(i) != nullptr;
            if (here && !pad)
                pad = SDL_JoystickOpen(i);
            else if (!here && pad)
                SDL_JoystickClose(pad), pad = nullptr;
        }
    }
    SDL_JoystickUpdate();
}
