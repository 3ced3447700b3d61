// storage.cpp -- the files the game writes on the desktop: on disk already, nothing more to do
#include "engine/storage.h"

void storage_start()
{
}

void storage_saved(const char*, bool (*)())
{
}
