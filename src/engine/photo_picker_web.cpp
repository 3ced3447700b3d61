// photo_picker_web.cpp -- the player's photos in the page: chosen or dropped,
// decoded by the browser and written into the pictures folder
// (engine/photo_picker_web.js)
#include "engine/photo_picker.h"

extern "C" void photos_start(const char* folder);
extern "C" void photos_open();
extern "C" int photos_arrived();

void photo_picker_start(const char* folder)
{
    photos_start(folder);
}

bool photo_picker_offered()
{
    return true;
}

void photo_picker_open()
{
    photos_open();
}

int photo_picker_batches()
{
    return photos_arrived();
}
