// photo_picker.h -- the player's photos from somewhere other than a folder of
// theirs: in the page, chosen in the browser's file picker or dropped on it,
// decoded by the browser (turned as the camera held them), reduced and
// written as PNG files into the pictures folder of the page's own file
// system, where the panel finds them; on the desktop there is no picker, the
// player's folder is theirs to fill (engine/photo_picker.cpp or
// engine/photo_picker_web.cpp, chosen by the build)
#pragma once

// At start-up, the folder photos are written to; dropped photos are taken from then on.
void photo_picker_start(const char* folder);

// Whether photos can be chosen here (the panel then offers it).
bool photo_picker_offered();

// The browser's file picker opened; what is chosen comes later.
void photo_picker_open();

// How many batches of photos have been written into the folder so far: a
// new number means new photos there.
int photo_picker_batches();
