// screen_web.cpp -- the screen in the page: the canvas the page sizes, and the
// browser's full screen, which resizes the canvas (a resize event follows)
#include "engine/screen.h"

#include <emscripten.h>

#include "rules/translate.h"

bool screen_fills()
{
    return true;
}

int screen_focus_change(const SDL_Event& event)
{
    if (event.type != SDL_WINDOWEVENT)
        return 0;
    switch (event.window.event) {
    case SDL_WINDOWEVENT_FOCUS_LOST:
    case SDL_WINDOWEVENT_HIDDEN:
        return -1;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_SHOWN:
        return 1;
    default:
        return 0;
    }
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

void screen_words()
{
    // TRANSLATORS: the page's control, over the frame's corner, that shows the game full screen in the browser.
    const char* full = tr("Full screen");
    // TRANSLATORS: shown under the game in the browser when its levels could not be downloaded.
    const char* unfetched = tr("The levels could not be fetched: reload the page.");
    // TRANSLATORS: shown under the game in the browser before the reason it stopped (in English).
    const char* stopped = tr("The game stopped:");
    EM_ASM(
        {
            var full = document.getElementById('full');
            if (full) {
                full.textContent = UTF8ToString($0);
                full.title = UTF8ToString($0) + ' (Alt+Return)';
            }
            Module.words.unfetched = UTF8ToString($1);
            Module.words.stopped = UTF8ToString($2);
        },
        full, unfetched, stopped);
}
