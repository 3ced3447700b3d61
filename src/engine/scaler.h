// scaler.h -- the frame on today's screens: a window at the largest whole scale
// the desktop takes, full screen at the desktop's own size, the switch between
// them at run time, and the pointer's way back to the frame's pixels
#pragma once

#include <SDL/SDL.h>

#include "rules/frame_geometry.h"

extern frame_geometry scaler_frame;  // where the frame lies now
extern Uint8 scaler_window_scale;    // the settings' window scale; 0 chooses by the desktop

// Reads the desktop's size; before the first video mode is set.
void scaler_init();
// Opens the window, or full screen, and places the frame in it; false when no
// video mode could be set. A full screen that cannot be had gives a window.
bool scaler_set_mode(bool full_screen);
// The frame's place, the art set its scale asks for and the way images are
// sampled, for the renderer.
void scaler_apply();
// Alt+Return and F11 switch between window and full screen.
bool scaler_is_switch(const SDL_keysym& key);
// Switches, and makes every texture and text again for the new mode.
void scaler_switch();
// Every image and text made again: after a new video mode, or when the art
// the page fetched later has come.
void scaler_remake();
// The screen was given a new size (the page's canvas, resized with the
// browser's window): the frame placed on it anew, every texture made again.
void scaler_resize(int w, int h);
// An event's pointer position from screen pixels to logical ones, in place:
// motion is held to the frame's edge, a button outside the frame lands on no
// button and no cell.
void scaler_map_event(SDL_Event* event);
