// options.h -- the settings file and the options panel
#pragma once

constexpr const char* SETTINGS_FILE = "CryptSLIDERS.cfg";

// Reads the settings file into the volumes and start-up flags; defaults when missing.
void OptionsLoad();
