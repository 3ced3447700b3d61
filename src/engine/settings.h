// settings.h -- the player's settings: read at start-up into the volumes and
// the screen's flags, saved by the options panel and by the screen switch
#pragma once

constexpr const char* SETTINGS_FILE = "CryptSLIDERS.cfg";

// Reads the settings file into the volumes, start-up flags and language; defaults when missing.
void OptionsLoad();
// Writes the volumes, flags and language to the settings file, replacing it whole; when
// it cannot be written the old file stays as it was and nothing is reported.
void OptionsSave();
// Writes the full-screen choice into the settings file, the rest as the file has it.
void OptionsSaveFullScreen();
