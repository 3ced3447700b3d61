// progress_file.h -- the progress file's text: the highest level won and each won level's best time
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>

constexpr int PROGRESS_LEVELS = 50;             // levels a record can name, as many as the password list
constexpr std::uint32_t PROGRESS_MAX_SECONDS = 65535;  // the longest time a level can give
constexpr std::size_t PROGRESS_DATE_SIZE = 11;  // "YYYY-MM-DD" and its terminator

// The best time of one level: seconds of the level's clock used to win it,
// and the local date of that win ("" when unknown).
struct progress_best {
    bool set = false;
    std::uint32_t seconds = 0;
    char date[PROGRESS_DATE_SIZE] = "";
};

// The best time of a set of the player's own pictures at one difficulty,
// named by its files' names and sizes (16 hex digits).
constexpr int PROGRESS_SETS = 64;  // sets kept; a new one beyond replaces the one won longest ago
constexpr std::size_t PROGRESS_KEY_SIZE = 17;
struct progress_set {
    char key[PROGRESS_KEY_SIZE] = "";
    int difficulty = 0;
    progress_best best;
};

struct progress_values {
    int reached = 0;  // the highest level won, 0 for none
    std::array<progress_best, PROGRESS_LEVELS> best{};  // best[n - 1] for level n
    std::array<progress_set, PROGRESS_SETS> sets{};
    int set_count = 0;
};

// Reads "reached=N", "best=LEVEL,SECONDS,DATE" and
// "pictures=KEY,DIFFICULTY,SECONDS,DATE" lines (a kind older versions skip); keys in any letter
// case, other lines ignored. A line whose numbers are missing, malformed or out
// of range is skipped; a date that is not YYYY-MM-DD is dropped and its time
// kept. Of two best lines for one level the shorter time counts; a best time
// also counts as a win of its level for reached.
progress_values progress_read(std::FILE* file);

// The file's text: a comment line, reached, then a best line per level that
// has one, in level order, then a pictures line per set. Returns the length written (cut to size - 1
// characters, like snprintf); PROGRESS_TEXT_SIZE always holds it.
constexpr std::size_t PROGRESS_TEXT_SIZE = 320 + PROGRESS_LEVELS * 40 + PROGRESS_SETS * 56;
int progress_format(const progress_values& v, char* buf, std::size_t size);

// A win of level (1 to PROGRESS_LEVELS) in seconds on date: raises reached,
// and keeps the time when the level had none or it is shorter. Answers
// whether it was kept; a level out of range changes nothing.
bool progress_win(progress_values& v, int level, std::uint32_t seconds, const char* date);

// A win of a picture set (key of 16 hex digits, difficulty 0 to 2) in
// seconds on date: kept when the set had no time at that difficulty or this
// one is shorter. Answers whether it was kept; a malformed key changes nothing.
bool progress_set_win(progress_values& v, const char* key, int difficulty, std::uint32_t seconds, const char* date);
// The set's best time at the difficulty, or null.
const progress_best* progress_set_best(const progress_values& v, const char* key, int difficulty);
// Adds what another record holds: the higher level reached, and of each
// level's (and picture set's) two best times the shorter (with its date).
void progress_merge(progress_values& v, const progress_values& other);

// Replaces the file whole, as the settings file is replaced (file_replace).
bool progress_write(const char* path, const progress_values& v);
