// loop_web.cpp -- the main loop in the browser: one turn for each frame the page
// shows (requestAnimationFrame), so the game never sleeps or busy-waits
#include "engine/loop.h"

#include <emscripten.h>

static bool (*loop_turn)() = nullptr;

static void loop_frame()
{
    if (!loop_turn())
        emscripten_cancel_main_loop();
}

// The page's own pace (0: once per animation frame); the call does not return
// into the caller, whose stack is given up so that start-up's state lives on
// in globals alone.
void loop_run(bool (*turn)())
{
    loop_turn = turn;
    emscripten_set_main_loop(loop_frame, 0, 1);
}

void loop_pace()
{
}
