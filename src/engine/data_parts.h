// data_parts.h -- the data tree in parts: on the desktop it is all on disk; the
// page fetches the part the logo and the start screen need before the game
// starts, and the rest (the levels, the story's and the help's images, the
// game screens' 2x art) in the background after it
// (engine/data_parts.cpp or engine/data_parts_web.cpp, chosen by the build)
#pragma once

// The start screen stands: the page fetches the rest now, so that it does not
// slow the first screen down. Once is enough; later calls do nothing.
void data_parts_fetch();

// A part of the data is still on its way: a level waits for it.
bool data_parts_waiting();

// True once, at the first call after the last part has landed: images read
// before it (the 1x art standing in for 2x art still on its way) are read again.
bool data_parts_arrived();
