// loop.h -- who turns the main loop: the game itself between short sleeps, or
// the browser once a frame (engine/loop.cpp or engine/loop_web.cpp, chosen by the build)
#pragma once

// Calls turn until it answers false. On the desktop this returns then; in the
// browser the page calls turn once for each frame it shows, and this returns
// at once without the game ever leaving.
void loop_run(bool (*turn)());

// The end of one turn: on the desktop a short sleep, so that an idle game
// takes no processor and input waits at most this long for its frame; in the
// browser nothing, for the page calls the next turn when it shows a frame.
void loop_pace();
