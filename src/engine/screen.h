// screen.h -- the screen the frame is shown on: on the desktop a window the game
// sizes and a full screen it switches to; in the page a canvas the page sizes
// (the window's size at the device's pixel ratio) and the browser's full screen
// (engine/screen.cpp or engine/screen_web.cpp, chosen by the build)
#pragma once

#include <SDL/SDL.h>

// True where the frame fills whatever size the screen is given (the page's
// canvas), which may change at any time: a resize comes as an event.
bool screen_fills();

// Whether an event tells of the focus going (-1) or coming back (1), beyond
// the SDL's own SDL_ACTIVEEVENT: the page's SDL tells of its tab hidden or
// left by a window event. 0 for any other event, and always on the desktop.
int screen_focus_change(const SDL_Event& event);

// Alt+Return and F11 in the page: the browser asked to show the page full
// screen, or to leave it (its canvas then resizes). False where the game
// switches its screen itself (the desktop: engine/scaler.h).
bool screen_request_full();

// The page's own words (its full-screen control, its lines on a failure) in
// the language in use, after each change of it; nothing on the desktop.
void screen_words();
