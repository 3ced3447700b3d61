// pictures.h -- the "Your pictures" panel: which pictures were found where, why
// some were passed over, where to put them, and the three difficulties
#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

// Opens the panel on the player's picture folder (paths empty) or on the
// given pictures and folders, read on a thread of their own; every file
// passed over is reported on stderr once all are read.
void pictures_panel_open(const std::vector<std::string>& paths = {});

// The command line's pictures: straight into their first level at the middle
// difficulty; false when none can be played (the panel then says why).
bool pictures_play_paths(const std::vector<std::string>& paths);

// A picture of the panel's that could not be read after all (cut short, say):
// it is passed over, and the panel says so when it opens next.
void pictures_panel_passed_over(const std::string& path, const char* why);

// The set played has ended: true when any of its pictures was passed over,
// at the scan or at a level's load, and then the panel lists each with its
// reason (start_show_pictures shows it).
bool pictures_panel_set_over();

// The panel's handlers answer 0 to close it, 1 to keep it open: Escape and
// Back close it, Play starts the level (and closes it) when there are pictures.
Uint8 pictures_panel_keys(SDL_keysym* keysym);
Uint8 pictures_panel_click(int x, int y, int button, int type);
void pictures_panel_motion(int x, int y);
void pictures_panel_draw();
// While the panel reads its pictures (a large folder takes seconds) it shows
// how far it is, and Play waits for the count; a frame is due as it moves on.
bool pictures_panel_reading();
bool pictures_panel_frame_due(Uint32 now);
