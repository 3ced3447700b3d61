// text_fit.h -- the game's words in the room they have: every text drawn at run
// time with the box it is drawn in, and a text set to fit its box (smaller,
// down to a floor that still reads, then on two lines where the box has room)
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "rules/level_file.h"
#include "rules/password_line.h"

// The game's three text sizes, in pixels, and the smallest each may shrink to.
enum text_font { TEXT_SMALL, TEXT_HELP, TEXT_LARGE };
constexpr int TEXT_SIZES[3] = {TITLE_FONT_SIZE, 14, PW_FONT_SIZE};
constexpr int TEXT_FLOORS[3] = {14, 11, 32};

// Where a text is drawn: at most width logical pixels wide (0: unbounded),
// on one line or, where the screen has room below, two.
struct text_box {
    int width = 0;
    int lines = 1;
};

// One text the game draws at run time, as the catalogs know it.
struct shown_text {
    const char* english;  // the message (with a plural: its singular)
    const char* plural;   // null for a message without one
    text_font font;
    text_box box;
    // What each conversion (%s, %d, %zu, %1$s ...) of the message stands for
    // at its widest when it is measured; "" for a name, which the game
    // shortens in the middle to the room the rest of the line leaves it.
    const char* sample;
};

// Every such text; a level's title is drawn in LEVEL_TITLE_BOX.
const std::vector<shown_text>& shown_texts();
constexpr text_box LEVEL_TITLE_BOX = {TITLE_PLATE_WIDTH, 1};

// The box of english drawn in font; unbounded for a text not in the table.
text_box shown_text_box(const char* english, text_font font);

// A text set for its box: the size it is drawn at and its one or two lines.
// fits is false when even the floor on the lines the box allows is too wide;
// the text is then at the floor, on as few lines as come closest.
struct text_layout {
    int size = 0;
    std::string lines[2];
    bool fits = false;
};

// width(size, text) measures a text in the game's font at size pixels.
using text_measure = std::function<int(int size, const std::string& text)>;
text_layout text_fit(const std::string& text, text_font font, text_box box, const text_measure& width);

// A message with each of its conversions replaced by sample and "%%" by "%".
std::string text_with_sample(const std::string& format, const char* sample);
