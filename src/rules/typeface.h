// typeface.h -- the game's font through FreeType: opened at a pixel size, texts measured
// and drawn into 8-bit coverage with the metrics the game's layouts were made with
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

// A font file opened at one size. Zero-initialised means closed; a closed
// typeface measures every text 0 wide and draws nothing.
struct typeface {
    void* face = nullptr;  // FreeType's face, owned until typeface_close
    int size = 0;          // pixels per em: points at 72 dots an inch
    int ascent = 0;        // pixels above the baseline, rounded up
    int descent = 0;       // below it, rounded away from it (0 or less)
    int height = 0;        // a line's height: ascent - descent + 1, the baseline's own row
    bool kerning = false;  // the font has a kerning table, which is then applied
};

// Opens path at size pixels; false when the file cannot be read as a font.
bool typeface_open(typeface* t, const char* path, int size);
void typeface_close(typeface* t);

// Whether the font has a glyph of its own for the character.
bool typeface_has(const typeface& t, std::uint32_t ch);

// A UTF-8 text's size in pixels: its width from the leftmost ink or pen
// position to the rightmost, with kerning; its height a line's, or from the
// ascent down to the lowest ink where a glyph reaches below the line. Bad bytes
// count as U+FFFD, characters beyond U+FFFF as a character the font lacks (its
// missing glyph, a box); the text ends at a NUL character. 0 x 0 when the font
// is closed or a glyph cannot be loaded.
struct text_size {
    int w = 0, h = 0;
};
text_size typeface_size(const typeface& t, std::string_view text);
int typeface_width(const typeface& t, std::string_view text);

// A text drawn as 8-bit coverage at its typeface_size, row by row, the
// baseline ascent rows down; w is 0 for a text of no width.
struct text_coverage {
    int w = 0, h = 0;
    std::vector<std::uint8_t> alpha;
};
text_coverage typeface_draw(const typeface& t, std::string_view text);
