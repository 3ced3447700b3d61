// progress.h -- the player's progress: the highest level won and best times, kept in the progress file
#pragma once

#include <cstdint>

#include "rules/progress_file.h"

// Beside the settings file, in the game's working directory.
constexpr const char* PROGRESS_FILE = "CryptSLIDERS.sav";

// Reads the progress file at start-up; a missing or unreadable file is no progress.
void progress_load();

// What a win did to the level's record.
struct progress_result {
    bool had_best;             // the level had a best time before this win
    std::uint32_t best_before; // that time, in seconds
    bool new_best;             // this win's time is the new best
    bool saved;                // the file holds the win (false: it could not be written)
};

// A level won in seconds: recorded with today's date and the file rewritten
// at once, so that a crash or power cut later loses nothing. Another game may
// have written the file since it was read: the file written holds the wins of
// both, the highest level reached and the shorter of two best times.
progress_result progress_record(int level, std::uint32_t seconds);

// The file rewritten with what this game holds merged with what the file
// holds now, for when another copy of it was put in its place (the page does
// so with the copy another tab stored); false when it could not be written.
bool progress_save();

// The highest level won, 0 for none.
int progress_reached();

// The level's best time in seconds; false when it has none.
bool progress_best_time(int level, std::uint32_t* seconds);

// A level of the player's own pictures won in seconds: the set named by key
// at the difficulty, recorded and written at once like a level.
progress_result progress_record_set(const char* key, int difficulty, std::uint32_t seconds);

// The set's best time at the difficulty; false when it has none.
bool progress_set_time(const char* key, int difficulty, std::uint32_t* seconds);
