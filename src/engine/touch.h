// touch.h -- fingers on a touch screen. The page hands the first finger to the
// game as the left mouse button (a tap is a click, a drag a drag) and tells of
// each finger apart as well; those events are counted here, so that the game
// can tell a finger held still from a mouse button held down.
#pragma once

// An event the shell knows no other use for: a finger put down or lifted
// counts, anything else is passed over.
void touch_event(int type);

// A finger is on the screen now.
bool touch_down();
