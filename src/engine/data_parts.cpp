// data_parts.cpp -- the data tree on the desktop: all of it on disk from the start
#include "engine/data_parts.h"

void data_parts_fetch()
{
}

bool data_parts_waiting()
{
    return false;
}

bool data_parts_arrived()
{
    return false;
}
