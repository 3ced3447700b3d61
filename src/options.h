// options.h -- the settings file and the options panel
#pragma once

#include <SDL/SDL.h>

constexpr const char* SETTINGS_FILE = "CryptSLIDERS.cfg";

// Reads the settings file into the volumes and start-up flags; defaults when missing.
void OptionsLoad();
// Writes the volumes and flags to the settings file, replacing it whole; when
// it cannot be written the old file stays as it was and nothing is reported.
void OptionsSave();
// Writes the full-screen choice into the settings file, the rest as the file has it.
void OptionsSaveFullScreen();
// The options panel's handlers answer 0 to close the panel, 1 to keep it open:
// Escape closes it unsaved, a release on the back button (or Return on it,
// reached with Up and Down) saves and closes it; Left and Right move the
// slider that Up and Down highlighted.
Uint8 OptionsKeyEvent(SDL_keysym* keysym);
Uint8 OptionsMouseEvent(int x, int y, int button, int type);
void OptionsMouseMovement(int x, int y);
void OptionsDisplay();
