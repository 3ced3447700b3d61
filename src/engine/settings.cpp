// settings.cpp -- the player's settings: read at start-up into the volumes and
// the screen's flags, saved by the options panel and by the screen switch
#include "engine/settings.h"

#include <cstdio>

#include "engine/language.h"
#include "engine/scaler.h"
#include "engine/sound.h"
#include "engine/state.h"
#include "engine/storage.h"
#include "rules/board.h"
#include "rules/settings_file.h"

// The settings file as it stands, or the defaults.
static settings_values read_settings()
{
    settings_values v;
    if (std::FILE* file = std::fopen(SETTINGS_FILE, "r")) {
        v = settings_read(file);
        std::fclose(file);
    }
    return v;
}

void OptionsLoad()
{
    settings_values v = read_settings();
    soundSFX = v.sfx;
    soundMusic = v.music;
    engineFullScreen = v.full_screen;
    randomize_board = v.randomize;
    scaler_window_scale = v.window_scale;
    language_choice = v.language;
}

// A file that cannot be written is skipped: the old one stays as it was.
void OptionsSave()
{
    settings_values v;
    v.sfx = soundSFX;
    v.music = soundMusic;
    v.full_screen = engineFullScreen;
    v.randomize = randomize_board;
    v.window_scale = scaler_window_scale;
    v.language = language_choice;
    if (settings_write(SETTINGS_FILE, v))
        storage_saved(SETTINGS_FILE);
}

void OptionsSaveFullScreen()
{
    settings_values v = read_settings();
    v.full_screen = engineFullScreen;
    if (settings_write(SETTINGS_FILE, v))
        storage_saved(SETTINGS_FILE);
}
