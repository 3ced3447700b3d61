// storage_web.cpp -- the files the game writes in the page: each copied into the
// browser's storage (IndexedDB) once written; the page reads them all back
// into the game's file system before the game starts (engine/storage_web.js)
#include "engine/storage.h"

#include <cstdint>

#include <emscripten.h>
#include <sys/stat.h>

extern "C" void storage_put(const char* path, std::intptr_t merge);

// Called back by the page inside its storage transaction, with the stored copy
// in the file's place; the merge function comes back as the number it was sent as.
extern "C" EMSCRIPTEN_KEEPALIVE int storage_merge(std::intptr_t merge)
{
    return reinterpret_cast<bool (*)()>(merge)() ? 1 : 0;
}

void storage_start()
{
    // The page's file system starts with a mask that leaves a new file
    // unreadable to its own writer; the game's files are plain ones.
    umask(022);
}

void storage_saved(const char* path, bool (*merge)())
{
    storage_put(path, reinterpret_cast<std::intptr_t>(merge));
}
