// screen_web.cpp -- the screen in the page: the canvas the page sizes, and the
// browser's full screen, which resizes the canvas (a resize event follows)
#include "engine/screen.h"

#include <emscripten.h>

bool screen_fills()
{
    return true;
}

// Asked for within the few seconds the browser allows after the key or click
// that wanted it; a refusal leaves the page as it was.
bool screen_request_full()
{
    EM_ASM({
        if (document.fullscreenElement)
            document.exitFullscreen();
        else if (document.documentElement.requestFullscreen)
            document.documentElement.requestFullscreen().catch(function(e) { console.warn('full screen: ' + e); });
    });
    return true;
}
