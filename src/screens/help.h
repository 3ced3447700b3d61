// help.h -- the help pages shown in a framed panel over the game
#pragma once

#include <SDL/SDL.h>

#include "rules/help_config.h"

extern Uint8 current_help_screen;  // the page shown, counted from 1

// Loads the frame and page images and the help file; 0 when the file is missing.
Uint8 help_init();

// 1 when the help is to open by itself as the level starts (its first visit).
Uint8 help_should_display(int level);
// The player opens the help: the page last shown where the level shows it
// (else the last of the level's pages before it), and the caption built for
// the level. Level 0 is a level of the player's pictures.
void help_open(int level);
// Page back and forward within the level's pages, stopping at both ends; the
// caption is rebuilt either way.
void help_prev(int level);
void help_next(int level);
// The caption as last built, "Help screen (page/pages)".
const char* help_caption();
// Draws the frame, the current page and the caption over the dimmed game screen.
void help_display();
