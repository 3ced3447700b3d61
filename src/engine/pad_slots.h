// pad_slots.h -- where pads come from: on the desktop those present at start,
// numbered as the SDL in use numbers them; in the page those the browser
// shows, which it does only once one of a pad's buttons is pressed, so that
// pads arrive (and leave) while the game runs, numbered by the browser's
// standard layout (engine/pad_slots.cpp or engine/pad_slots_web.cpp)
#pragma once

#include <cstdint>

// The numbering of the pads' buttons (PAD_NUMBERING_*), given whether the SDL
// in use shows them as SDL2's game controllers.
std::uint8_t pad_slots_numbering(bool sdl_controllers);

// Once a turn of the loop, before its events are read: in the page, pads
// that arrived opened, those gone closed, and the open ones' state read into
// events; on the desktop the SDL does all of it.
void pad_turn();
