// options.cpp -- the settings file and the options panel
#include "options.h"

#include <cstdio>

#include "common.h"
#include "settings_file.h"

void OptionsLoad()
{
    settings_values v;
    if (std::FILE* file = std::fopen(SETTINGS_FILE, "r")) {
        v = settings_read(file);
        std::fclose(file);
    }
    soundSFX = v.sfx;
    soundMusic = v.music;
    engineFullScreen = v.full_screen;
    randomize_board = v.randomize;
}
