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

// Placeholders until the options panel is built: any key or click closes it.
void OptionsSave() {}

Uint8 OptionsKeyEvent(SDL_keysym* keysym)
{
    (void)keysym;
    return 0;
}

Uint8 OptionsMouseEvent(int x, int y, int button, int type)
{
    (void)x;
    (void)y;
    (void)button;
    return type == SDL_MOUSEBUTTONUP ? 0 : 1;
}

void OptionsMouseMovement(int x, int y)
{
    (void)x;
    (void)y;
}

void OptionsDisplay() {}
