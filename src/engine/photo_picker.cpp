// photo_picker.cpp -- on the desktop the player's photos are in their folder: no picker
#include "engine/photo_picker.h"

void photo_picker_start(const char*)
{
}

bool photo_picker_offered()
{
    return false;
}

void photo_picker_open()
{
}

int photo_picker_batches()
{
    return 0;
}
