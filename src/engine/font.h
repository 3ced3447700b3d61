// font.h -- strings rendered once into textures of their own, drawn as blended quads
#pragma once

#include <SDL/SDL.h>

#include <string>

#include "rules/level_file.h"
#include "rules/password_line.h"
#include "rules/text_fit.h"
#include "rules/typeface.h"

// One rendered string. Zero-initialised means empty; the texture belongs to the
// record until font_free. The whole string is kept so that the text can be
// made again, the same, when the screen's scale changes.
struct font_s {
    int texture = 0;  // OpenGL texture name, 0 = none
    int tw = 0, th = 0;  // text size as measured, for layout, in logical pixels
    Uint16 w = 0, h = 0;  // texture size: powers of two holding the rendered text
    float scale = 0;  // texture pixels per logical pixel: the text is drawn w / scale wide
    typeface* font = nullptr;
    SDL_Color color{};
    std::string text;  // UTF-8
    text_box box;        // the room it is set in
    std::string english; // the message it was looked up from, to look it up anew in another language; or empty
};

extern typeface* FONT1;  // 18 pt: clock, level name, prompts
extern typeface* FONT2;  // 14 pt: help caption
extern typeface* FONT3;  // 48 pt: passwords

constexpr int FONT1_SIZE = TITLE_FONT_SIZE, FONT2_SIZE = 14, FONT3_SIZE = PW_FONT_SIZE;  // points
constexpr const char* FONT_FILE = "data/base/LithosPro-Regular.otf";

Uint8 font_init();
void font_deinit();
// Renders every text from now on, and every text made so far again, at the
// size it is shown at: scale screen pixels per logical pixel. The measured
// sizes (tw, th) and the fonts FONT1 to FONT3 stay those of the logical sizes.
void font_rescale(double scale);
// Texts are UTF-8: bad bytes draw as U+FFFD, a character the font lacks (or
// one beyond U+FFFF) as the font's missing glyph, a box. A text wider than
// its box is set smaller, down to the font's floor, then on two lines where
// the box allows (rules/text_fit); the lines are centred on each other.
void font_make(font_s* f, typeface* font, const char* text, SDL_Color color, text_box box = {});
// english in the player's language, in the box the table of shown texts
// gives it; made again in the new language by font_retranslate.
void font_say(font_s* f, typeface* font, const char* english, SDL_Color color);
// The same in a box of the caller's (a level's title on its plate).
void font_say(font_s* f, typeface* font, const char* english, SDL_Color color, text_box box);
// A text the caller made from tr(english) (a count or a time put in), in
// english's box.
void font_make_for(font_s* f, typeface* font, const char* text, const char* english, SDL_Color color);
// Every text made by font_say, looked up again after the language changed.
void font_retranslate();
// The width of a text in one of FONT1 to FONT3, in logical pixels, as font_make measures it.
int font_width(typeface* font, const std::string& text);
// The text as it is when it is at most width logical pixels wide in the
// font, else shortened in the middle with an ellipsis. Measured with the
// logical font, so the same text results at any scale.
std::string font_fit(typeface* font, const std::string& text, int width);
void font_free(font_s* f);
void font_display(const font_s* f, int x, int y);
