// help.h -- the help pages shown in a framed panel over the game
#pragma once

#include <SDL/SDL.h>

#include "help_config.h"

extern Uint8 current_help_screen;  // the page shown, counted from 1

// Loads the frame and page images and the help file; 0 when the file is missing.
Uint8 help_init();
