// font.h -- strings rendered once into textures of their own, drawn as blended quads
#pragma once

#include <SDL/SDL.h>
#include <SDL/SDL_ttf.h>

#include "rules/level_file.h"
#include "rules/password_line.h"

// One rendered string. Zero-initialised means empty; the texture belongs to the
// record until font_free. The string is kept so that the text can be made
// again when the screen's scale changes.
struct font_s {
    int texture;  // OpenGL texture name, 0 = none
    int tw, th;   // text size as measured, for layout, in logical pixels
    Uint16 w, h;  // texture size: powers of two holding the rendered text
    float scale;  // texture pixels per logical pixel: the text is drawn w / scale wide
    TTF_Font* font;
    SDL_Color color;
    char text[96];
};

extern TTF_Font* FONT1;  // 18 pt: clock, level name, prompts
extern TTF_Font* FONT2;  // 14 pt: help caption
extern TTF_Font* FONT3;  // 48 pt: passwords

constexpr int FONT1_SIZE = TITLE_FONT_SIZE, FONT2_SIZE = 14, FONT3_SIZE = PW_FONT_SIZE;  // points
constexpr const char* FONT_FILE = "data/base/LithosPro-Regular.otf";

Uint8 font_init();
void font_deinit();
// Renders every text from now on, and every text made so far again, at the
// size it is shown at: scale screen pixels per logical pixel. The measured
// sizes (tw, th) and the fonts FONT1 to FONT3 stay those of the logical sizes.
void font_rescale(double scale);
void font_make(font_s* f, TTF_Font* font, const char* text, SDL_Color color);
void font_free(font_s* f);
void font_display(const font_s* f, int x, int y);
