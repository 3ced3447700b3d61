// text_fit.cpp -- every text drawn at run time with its box, and a text set to fit it
#include "rules/text_fit.h"

#include <algorithm>
#include <cstring>

#include "rules/translate.h"

// The boxes, in logical pixels of the 640 x 480 frame: the width the text's
// place leaves it, and a second line only where nothing lies under it.
static const std::vector<shown_text> SHOWN_TEXTS = {
    // the game's screen
    {N_("Loading the levels ..."), nullptr, TEXT_SMALL, {600, 2}, ""},
    {N_("Press a key or button to continue ..."), nullptr, TEXT_SMALL, {600, 2}, ""},
    {N_("Your pictures"), nullptr, TEXT_SMALL, LEVEL_TITLE_BOX, ""},
    {N_("Your pictures %d of %d"), nullptr, TEXT_SMALL, LEVEL_TITLE_BOX, "88"},
    // the win panel, under the password, and in the password's place
    {N_("Time %s - could not be saved"), nullptr, TEXT_SMALL, {470, 1}, "88:88"},
    {N_("Time %s - New best time!"), nullptr, TEXT_SMALL, {470, 1}, "88:88"},
    {N_("Time %s - best %s"), nullptr, TEXT_SMALL, {470, 1}, "88:88"},
    {N_("Time %s"), nullptr, TEXT_SMALL, {470, 1}, "88:88"},
    {N_("None needed"), nullptr, TEXT_LARGE, {440, 1}, ""},
    {N_("That was the last"), nullptr, TEXT_LARGE, {440, 1}, ""},
    // the clue of a level of the player's pictures
    {N_("Best time %s"), nullptr, TEXT_SMALL, {600, 1}, "88:88"},
    {N_("Your pictures"), nullptr, TEXT_LARGE, {600, 1}, ""},
    {N_("Your pictures %d of %d"), nullptr, TEXT_LARGE, {600, 1}, "88"},
    {N_("Make every picture whole"), nullptr, TEXT_SMALL, {600, 1}, ""},
    {N_("Tiles lie upright   -   Time %s"), nullptr, TEXT_SMALL, {600, 1}, "88:88"},
    {N_("Tiles lie turned: the right button turns them   -   Time %s"), nullptr, TEXT_SMALL, {600, 1}, "88:88"},
    // the help panel's caption
    {N_("Help screen (%i/%i)"), nullptr, TEXT_HELP, {400, 1}, "8"},
    // the options panel: the language's value between its arrows
    {N_("System's"), nullptr, TEXT_SMALL, {150, 1}, ""},
    // the "Your pictures" panel's message slot
    {N_("Reading pictures ..."), nullptr, TEXT_SMALL, {470, 1}, ""},
    {N_("Reading pictures: %zu of %zu"), nullptr, TEXT_SMALL, {470, 1}, "8888"},
    {N_("in %s"), nullptr, TEXT_SMALL, {470, 1}, ""},
    {N_("Press Play to choose your photos,"), nullptr, TEXT_SMALL, {470, 1}, ""},
    {N_("or drop them here."), nullptr, TEXT_SMALL, {470, 1}, ""},
    {N_("Put your photos in the folder %s"), nullptr, TEXT_SMALL, {470, 1}, ""},
    {N_("(make it if it is not there), then come back here."), nullptr, TEXT_SMALL, {470, 1}, ""},
    {N_("None of these pictures can be played."), nullptr, TEXT_SMALL, {470, 1}, ""},
    {"%d picture", "%d pictures", TEXT_SMALL, {470, 1}, "888"},
    {"%d picture in %s", "%d pictures in %s", TEXT_SMALL, {470, 1}, "888"},
    {"%d level of up to %d pictures each", "%d levels of up to %d pictures each", TEXT_SMALL, {470, 1}, "88"},
    {N_("Passed over: %s"), nullptr, TEXT_SMALL, {470, 1}, ""},
    {N_("Passed over: %s (%s)"), nullptr, TEXT_SMALL, {470, 1}, ""},
    {"Passed over: %s and %zu more", "Passed over: %s and %zu more", TEXT_SMALL, {470, 1}, "888"},
    {"Passed over: %s (%s) and %zu more", "Passed over: %s (%s) and %zu more", TEXT_SMALL, {470, 1}, "888"},
    {N_("None of these pictures can be played:"), nullptr, TEXT_SMALL, {470, 1}, ""},
    {N_("These pictures were passed over:"), nullptr, TEXT_SMALL, {470, 1}, ""},
    {N_("%s: %s"), nullptr, TEXT_HELP, {470, 1}, ""},
    {"and %zu more", "and %zu more", TEXT_HELP, {470, 1}, "888"},
};

const std::vector<shown_text>& shown_texts()
{
    return SHOWN_TEXTS;
}

text_box shown_text_box(const char* english, text_font font)
{
    for (const shown_text& t : SHOWN_TEXTS)
        if (t.font == font && std::strcmp(t.english, english) == 0)
            return t.box;
    return text_box{};
}

// The text cut at the space that leaves its wider line narrowest; false
// when it has no space to cut at.
static bool two_lines(const std::string& text, int size, const text_measure& width, std::string* a, std::string* b,
                      int* widest)
{
    bool any = false;
    for (size_t at = text.find(' '); at != std::string::npos; at = text.find(' ', at + 1)) {
        size_t end = text.find_last_not_of(' ', at), next = text.find_first_not_of(' ', at);
        if (end == std::string::npos || next == std::string::npos)
            continue;
        std::string first = text.substr(0, end + 1), second = text.substr(next);
        int w = std::max(width(size, first), width(size, second));
        if (!any || w < *widest) {
            *a = first;
            *b = second;
            *widest = w;
            any = true;
        }
    }
    return any;
}

text_layout text_fit(const std::string& text, text_font font, text_box box, const text_measure& width)
{
    text_layout out;
    const int size = TEXT_SIZES[font], floor = TEXT_FLOORS[font];
    out.size = size;
    out.lines[0] = text;
    out.fits = true;
    if (box.width <= 0 || width(size, text) <= box.width)
        return out;
    // Smaller first, so that a text keeps to one line while it reads; then
    // two lines at the largest size both fit.
    for (int s = size - 1; s >= floor; s--)
        if (width(s, text) <= box.width) {
            out.size = s;
            return out;
        }
    std::string a, b;
    int widest = 0;
    if (box.lines >= 2)
        for (int s = size; s >= floor; s--)
            if (two_lines(text, s, width, &a, &b, &widest) && widest <= box.width) {
                out.size = s;
                out.lines[0] = a;
                out.lines[1] = b;
                return out;
            }
    out.size = floor;
    out.fits = false;
    if (box.lines >= 2 && two_lines(text, floor, width, &a, &b, &widest)) {
        out.lines[0] = a;
        out.lines[1] = b;
    }
    return out;
}

std::string text_with_sample(const std::string& format, const char* sample)
{
    std::string out;
    for (size_t i = 0; i < format.size(); i++) {
        if (format[i] != '%' || i + 1 == format.size()) {
            out += format[i];
            continue;
        }
        if (format[i + 1] == '%') {
            out += '%';
            i++;
            continue;
        }
        // A conversion: flags, width, an argument's place, length, up to its letter.
        size_t end = i + 1;
        while (end < format.size() && std::strchr("0123456789$#-+ .'hlLqjzt", format[end]))
            end++;
        out += sample;
        i = end;
    }
    return out;
}
