// pad_slots.cpp -- the pads on the desktop: opened at start, read by the SDL's own event loop
#include "engine/pad_slots.h"

#include "rules/pad_map.h"

std::uint8_t pad_slots_numbering(bool sdl_controllers)
{
    return sdl_controllers ? PAD_NUMBERING_CONTROLLER : PAD_NUMBERING_LINUX;
}

void pad_turn()
{
}
