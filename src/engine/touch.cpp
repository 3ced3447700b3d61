// touch.cpp -- fingers on a touch screen, counted from the page's finger events
#include "engine/touch.h"

// SDL 1.2 names no finger events; the page's SDL numbers them as SDL 2 does.
constexpr int FINGER_DOWN = 0x700, FINGER_UP = 0x701;

static int fingers = 0;

void touch_event(int type)
{
    if (type == FINGER_DOWN)
        fingers++;
    else if (type == FINGER_UP && fingers > 0)
        fingers--;
}

bool touch_down()
{
    return fingers > 0;
}
