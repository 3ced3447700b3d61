// screens.cpp -- the fixed images of data/base: logo, start screen, panels, game board, banners, icon
#include <algorithm>
#include <cmath>

#include "assets.h"

using namespace paint;
namespace fs = std::filesystem;

std::filesystem::path art_dir;

namespace {

// Panels are drawn at (64, 48) in the window; their buttons are given here in
// window coordinates, as the game tests them, and moved into the panel.
Rect at(int x0, int x1, int y0, int y1, int ox = 64, int oy = 48) { return {x0 - ox, y0 - oy, x1 - ox, y1 - oy}; }

TextStyle style(double size, Face face, Rgb colour = kInk, double align = 0.5)
{
    TextStyle s;
    s.size = size;
    s.face = face;
    s.colour = colour;
    s.align = align;
    return s;
}

const Rgb kCarve = rgb(214, 194, 150);  // lettering cut into stone and picked out in lime

// A brass bezel round a recessed slot.
void slot(cairo_t* cr, double x, double y, double w, double h, Rgb floor)
{
    cairo_save(cr);
    rounded_rect(cr, x - 5, y - 5, w + 10, h + 10, 8);
    cairo_pattern_t* g = brass_linear(x, y - 5, x + w * 0.2, y + h + 5);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    rounded_rect(cr, x - 5.5, y - 5.5, w + 11, h + 11, 8);
    set(cr, kBrassShadow);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
    recess(cr, x, y, w, h, 5, floor);
}

// A thin brass rule with a rivet in its middle.
void rule(cairo_t* cr, double cx, double y, double half)
{
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(cx - half, 0, cx + half, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, kBrass.r, kBrass.g, kBrass.b, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.5, kBrassLight.r, kBrassLight.g, kBrassLight.b, 1);
    cairo_pattern_add_color_stop_rgba(g, 1, kBrass.r, kBrass.g, kBrass.b, 0);
    cairo_rectangle(cr, cx - half, y - 1, 2 * half, 2);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_rectangle(cr, cx - half, y + 1, 2 * half, 1);
    set(cr, kDeep, 0.5);
    cairo_fill(cr);
    cairo_restore(cr);
    rivet(cr, cx, y, 4);
}

ImagePtr brass_owl()
{
    auto img = std::make_unique<Image>("base/BrassOwl.png", 640, 480, false);
    cairo_t* cr = img->cr;
    // A dark niche in the crypt wall, lit from the owl's left by an unseen candle.
    StoneStyle st;
    st.base = rgb(44, 39, 34);
    stone(*img, 0, 0, 640, 480, 7, st);
    cairo_pattern_t* g = cairo_pattern_create_radial(300, 190, 30, 320, 230, 420);
    cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.72, 0.36, 0.30);
    cairo_pattern_add_color_stop_rgba(g, 0.45, 0.5, 0.3, 0.12, 0.12);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    vignette(cr, 640, 480, 0.92);
    // Shadow the owl casts on the wall behind it, fading out well inside the painted area.
    cairo_save(cr);
    cairo_translate(cr, 334, 205);
    cairo_scale(cr, 1.0, 1.2);
    g = cairo_pattern_create_radial(0, 0, 30, 0, 0, 160);
    cairo_pattern_add_color_stop_rgba(g, 0, kDeep.r, kDeep.g, kDeep.b, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, kDeep.r, kDeep.g, kDeep.b, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    svg(cr, art_dir / "owl.svg", 320 - 150, 22, 300, 330);
    text_now(cr, "BRASS OWL", 320, 402, style(50, Face::Brass));
    rule(cr, 320, 440, 150);
    return img;
}

ImagePtr start_screen()
{
    auto img = std::make_unique<Image>("base/StartScreen.png", 640, 480, false);
    cairo_t* cr = img->cr;
    StoneStyle st;
    st.base = rgb(60, 54, 47);
    stone(*img, 0, 0, 640, 480, 11, st);
    candle_light(cr, 90, 300, 330, 0.85);
    candle_light(cr, 550, 300, 330, 0.85);
    vignette(cr, 640, 480, 0.7);
    // Title plaque.
    text_now(cr, "CryptSLIDERS", 320, 112, style(80, Face::Brass));
    rule(cr, 320, 166, 190);
    text(cr, N_("a picture puzzle in stone and brass"), 320, 190, style(19, Face::Embossed, kCarve), {560, 22});
    // Niche holding the four buttons.
    recess(cr, 228, 214, 220, 174, 8, rgb(34, 30, 26));
    button(*img, {254, 226, 422, 257}, N_("Play"));
    button(*img, {254, 266, 422, 297}, N_("Your pictures"));
    button(*img, {254, 306, 422, 337}, N_("Options"));
    button(*img, {254, 346, 422, 377}, N_("Quit"));
    // Candles on their brackets either side.
    for (double x : {90.0, 550.0}) {
        cairo_rectangle(cr, x - 30, 402, 60, 10);
        cairo_pattern_t* g = brass_linear(x - 30, 402, x - 20, 412);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        candle(cr, x, 402, 120, 22);
    }
    brass_frame(cr, 0, 0, 640, 480, 12);
    return img;
}

ImagePtr continue_screen()
{
    auto img = std::make_unique<Image>("base/ContinueScreen.png", 512, 384, false);
    cairo_t* cr = img->cr;
    panel_base(*img, 13);
    button(*img, at(182, 451, 95, 140), N_("New game"));
    rule(cr, 256, 116, 130);
    // TRANSLATORS: between the New game button and the password field.
    text(cr, N_("or"), 256, 138, style(18, Face::Embossed, kCarve), {200, 22});
    text(cr, N_("Enter a password"), 256, 180, style(24, Face::Embossed, kCarve), {440, 30});
    // The field: the typed password shows centred on (320, 287) in white.
    slot(cr, 91, 209, 330, 60, rgb(22, 19, 16));
    button(*img, at(275, 363, 324, 356), N_("OK"));
    button(*img, at(292, 350, 394, 416), N_("Back"));
    return img;
}

// The "Your pictures" panel: the game writes what it found between the rule
// and the difficulties, and marks the chosen difficulty under its button.
ImagePtr pictures_screen()
{
    auto img = std::make_unique<Image>("base/PicturesScreen.png", 512, 384, false);
    cairo_t* cr = img->cr;
    panel_base(*img, 15);
    text(cr, N_("Your pictures"), 256, 52, style(40, Face::Brass), {440, 50});
    rule(cr, 256, 86, 150);
    slot(cr, 16, 98, 480, 108, rgb(22, 19, 16));
    // TRANSLATORS: over the three difficulties of the player's own pictures.
    text(cr, N_("How hard"), 256, 224, style(18, Face::Embossed, kCarve), {440, 22});
    button(*img, at(96, 228, 284, 320), N_("Few, large"));
    button(*img, at(254, 386, 284, 320), N_("Many, small"));
    button(*img, at(412, 544, 284, 320), N_("Turned"));
    text(cr, N_("upright tiles"), at(96, 228, 0, 0).x0 + 66, 298, style(14, Face::Embossed, kCarve), {150, 18});
    text(cr, N_("upright tiles"), at(254, 386, 0, 0).x0 + 66, 298, style(14, Face::Embossed, kCarve), {150, 18});
    text(cr, N_("tiles to turn"), at(412, 544, 0, 0).x0 + 66, 298, style(14, Face::Embossed, kCarve), {150, 18});
    button(*img, at(226, 306, 384, 416), N_("Play"));
    button(*img, at(334, 414, 384, 416), N_("Back"));
    return img;
}

// The slab a clue image of the player's own pictures is drawn on at run time:
// the shipped clue images' background, without words or pictures.
ImagePtr clue_background()
{
    auto img = std::make_unique<Image>("base/ClueBackground.png", 640, 480, false);
    cairo_t* cr = img->cr;
    cairo_rectangle(cr, 0, 0, 640, 480);
    set(cr, rgb(30, 27, 24));
    cairo_fill(cr);
    candle_light(cr, 320, 60, 420, 0.45);
    vignette(cr, 640, 480, 0.5);
    cairo_rectangle(cr, 26, 400, 588, 60);
    set(cr, kDeep, 0.7);
    cairo_fill(cr);
    return img;
}

ImagePtr options_screen()
{
    auto img = std::make_unique<Image>("base/OptionsScreen.png", 512, 384, false);
    cairo_t* cr = img->cr;
    panel_base(*img, 14);
    text(cr, N_("Options"), 256, 52, style(42, Face::Brass), {440, 50});
    rule(cr, 256, 86, 150);
    // Tracks from x 269 to 483 (window) on y 188 and 270, knob centred on them.
    const double x0 = 269 - 64, x1 = 483 - 64;
    const struct {
        double y;
        const char* label;
    } tracks[] = {{188 - 48, N_("Effects")}, {270 - 48, N_("Music")}};
    for (const auto& t : tracks) {
        // Right-aligned on the track's left end, from the panel's frame.
        text(cr, t.label, 176, t.y, style(26, Face::Embossed, kCarve, 1.0), {156, 30});
        for (int i = 0; i <= 4; i++) {  // tick marks at each quarter
            const double tx = x0 + (x1 - x0) * i / 4.0;
            cairo_rectangle(cr, tx - 1, t.y - 22, 2, 6);
            cairo_rectangle(cr, tx - 1, t.y + 16, 2, 6);
            set(cr, kBrassLight, 0.85);
            cairo_fill(cr);
        }
        recess(cr, x0 - 8, t.y - 5, x1 - x0 + 16, 10, 5, rgb(16, 13, 11));
        rivet(cr, x0 - 16, t.y, 5);
        rivet(cr, x1 + 16, t.y, 5);
    }
    text(cr, N_("quiet"), x0, 268, style(15, Face::Embossed, kCarve, 0.5), {100, 18});
    text(cr, N_("loud"), x1, 268, style(15, Face::Embossed, kCarve, 0.5), {100, 18});
    // The language: its name drawn by the game, centred on (376, 353), in
    // the band between two arrows at x 263..291 and 461..489 (window).
    text(cr, N_("Language"), 176, 353 - 48, style(26, Face::Embossed, kCarve, 1.0), {156, 30});
    recess(cr, 297 - 64, 341 - 48, 158, 24, 5, rgb(16, 13, 11));
    arrow_button(*img, at(263, 291, 341, 365), -1);
    arrow_button(*img, at(461, 489, 341, 365), 1);
    button(*img, at(296, 357, 394, 416), N_("Back"));
    return img;
}

ImagePtr option_slider()
{
    auto img = std::make_unique<Image>("base/OptionSlider.png", 19, 38, true);
    cairo_t* cr = img->cr;
    rounded_rect(cr, 1.5, 1.5, 17, 36, 4);
    set(cr, kDeep, 0.7);
    cairo_fill(cr);
    rounded_rect(cr, 0.5, 0.5, 17, 35.5, 4);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 19, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, kBrassDark.r, kBrassDark.g, kBrassDark.b);
    cairo_pattern_add_color_stop_rgb(g, 0.3, kBrassHi.r, kBrassHi.g, kBrassHi.b);
    cairo_pattern_add_color_stop_rgb(g, 0.6, kBrass.r, kBrass.g, kBrass.b);
    cairo_pattern_add_color_stop_rgb(g, 1, kBrassShadow.r, kBrassShadow.g, kBrassShadow.b);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    set(cr, kBrassShadow);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int i = 0; i < 4; i++) {  // grip grooves
        cairo_rectangle(cr, 4, 12 + i * 4, 10, 1);
        set(cr, kBrassShadow, 0.9);
        cairo_fill(cr);
        cairo_rectangle(cr, 4, 13 + i * 4, 10, 1);
        set(cr, kBrassHi, 0.8);
        cairo_fill(cr);
    }
    return img;
}

ImagePtr game_board()
{
    auto img = std::make_unique<Image>("base/GameBoard.png", 640, 480, false);
    cairo_t* cr = img->cr;
    StoneStyle st;
    st.base = rgb(62, 56, 49);
    stone(*img, 0, 0, 640, 480, 21, st);
    candle_light(cr, 483, 250, 300, 0.9);
    vignette(cr, 640, 480, 0.55);
    brass_frame(cr, 0, 0, 640, 480, 6);

    // The board: 9 x 9 cells of 33 px covering x 63..359 and y 88..384.
    const double bx = 63, by = 88, side = 297;
    brass_frame(cr, bx - 10, by - 10, side + 20, side + 20, 8);
    recess(cr, bx - 2, by - 2, side + 4, side + 4, 1, rgb(20, 17, 14));
    for (int r = 0; r < 9; r++)
        for (int c = 0; c < 9; c++) {
            const double x = bx + 33 * c, y = by + 33 * r;
            cairo_rectangle(cr, x + 1, y + 1, 31, 31);
            set(cr, (r + c) % 2 ? rgb(30, 26, 22) : rgb(36, 31, 26));
            cairo_fill(cr);
            cairo_rectangle(cr, x + 1, y + 1, 31, 1);  // shadowed upper lip of each socket
            cairo_rectangle(cr, x + 1, y + 1, 1, 31);
            set(cr, kDeep, 0.8);
            cairo_fill(cr);
            cairo_rectangle(cr, x + 2, y + 31, 30, 1);
            cairo_rectangle(cr, x + 31, y + 2, 1, 30);
            set(cr, kStone, 0.6);
            cairo_fill(cr);
        }

    // Name plate: light enough that the black level name reads on it.
    rounded_rect(cr, 168, 4, 304, 33, 6);
    cairo_pattern_t* g = brass_linear(168, 4, 200, 37);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    rounded_rect(cr, 174, 8, 292, 25, 4);
    g = cairo_pattern_create_linear(0, 8, 0, 33);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.80, 0.73, 0.58);
    cairo_pattern_add_color_stop_rgb(g, 0.5, kParchment.r, kParchment.g, kParchment.b);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.78, 0.70, 0.55);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    rivet(cr, 160, 20, 5);
    rivet(cr, 480, 20, 5);

    // The clock: a dark plaque centred on (483, 105) for the yellow time.
    text(cr, N_("TIME"), 483, 66, style(16, Face::Embossed, kCarve), {120, 20});
    slot(cr, 428, 86, 110, 38, rgb(18, 15, 12));
    // A candle in an arched niche below it: the time that burns away.
    cairo_save(cr);
    cairo_move_to(cr, 423, 392);
    cairo_line_to(cr, 423, 210);
    cairo_arc(cr, 483, 210, 60, PI, 2 * PI);
    cairo_line_to(cr, 543, 392);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, kDeep.r, kDeep.g, kDeep.b, 0.9);
    cairo_fill(cr);
    cairo_move_to(cr, 426, 390);
    cairo_line_to(cr, 426, 212);
    cairo_arc(cr, 483, 212, 57, PI, 2 * PI);
    cairo_line_to(cr, 540, 390);
    cairo_close_path(cr);
    g = cairo_pattern_create_linear(0, 150, 0, 390);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.10, 0.085, 0.07);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.20, 0.17, 0.14);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    cairo_rectangle(cr, 420, 378, 126, 16);  // the niche's brass sill
    g = brass_linear(420, 378, 430, 394);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_rectangle(cr, 420.5, 378.5, 125, 15);
    set(cr, kBrassShadow);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    rivet(cr, 430, 386, 3.5);
    rivet(cr, 536, 386, 3.5);
    candle(cr, 483, 376, 110, 24);

    button(*img, {608, 0, 639, 31}, "?");
    button(*img, {11, 436, 182, 479}, N_("Clues"));
    button(*img, {461, 436, 632, 479}, N_("Menu"));
    text_now(cr, "CryptSLIDERS", 321, 458, style(28, Face::Brass));
    return img;
}

ImagePtr cover_screen()
{
    auto img = std::make_unique<Image>("base/CoverScreen.png", 326, 340, true);
    cairo_t* cr = img->cr;
    StoneStyle st;
    st.base = rgb(84, 76, 66);
    st.blocks = false;
    stone(*img, 0, 0, 326, 340, 31, st);
    // Cut the slab to a rounded lid with a chamfered edge.
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 0, 326, 340);
    rounded_rect(cr, 2, 2, 322, 336, 14);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_set_line_width(cr, 5);
    rounded_rect(cr, 4.5, 4.5, 317, 331, 12);
    set(cr, kStoneLight, 0.5);
    cairo_stroke(cr);
    rounded_rect(cr, 8, 8, 312, 326, 11);
    set(cr, kDeep, 0.45);
    cairo_stroke(cr);
    rounded_rect(cr, 2.5, 2.5, 321, 335, 14);
    set(cr, kDeep, 0.9);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Two brass straps with rivets.
    for (double y : {44.0, 280.0}) {
        cairo_rectangle(cr, 2, y, 322, 18);
        cairo_pattern_t* g = brass_linear(0, y, 0, y + 18);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        cairo_rectangle(cr, 2, y + 18, 322, 2);
        set(cr, kDeep, 0.5);
        cairo_fill(cr);
        for (double x : {24.0, 94.0, 163.0, 232.0, 302.0})
            rivet(cr, x, y + 9, 4);
    }
    // The owl inlaid in the middle, inside a brass ring.
    cairo_arc(cr, 163, 171, 78, 0, 2 * PI);
    set(cr, kDeep, 0.55);
    cairo_fill(cr);
    cairo_arc(cr, 163, 171, 78, 0, 2 * PI);
    cairo_pattern_t* g = brass_linear(85, 93, 241, 249);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    svg(cr, art_dir / "owl.svg", 163 - 60, 171 - 68, 120, 132);
    vignette(cr, 326, 340, 0.35);
    return img;
}

ImagePtr menu_screen()
{
    auto img = std::make_unique<Image>("base/MenuScreen.png", 314, 342, false);
    cairo_t* cr = img->cr;
    panel_base(*img, 30, 8);
    text(cr, N_("Menu"), 157, 24, style(21, Face::Brass), {260, 26});
    button(*img, at(204, 432, 113, 161, 164, 69), N_("Restart level"));
    button(*img, at(204, 432, 180, 229, 164, 69), N_("Options"));
    button(*img, at(204, 432, 246, 295, 164, 69), N_("Quit"));
    button(*img, at(204, 432, 313, 361, 164, 69), N_("Resume"));
    rule(cr, 157, 314, 110);
    return img;
}

// A panel with a title, a line of text and an emblem in its middle.
ImagePtr message_panel(const char* name, std::uint32_t seed, const char* title, const char* line)
{
    auto img = std::make_unique<Image>(name, 512, 384, false);
    cairo_t* cr = img->cr;
    panel_base(*img, seed);
    text(cr, title, 256, 58, style(46, Face::Brass), {460, 56});
    rule(cr, 256, 96, 160);
    if (line)
        text(cr, line, 256, 122, style(20, Face::Embossed, kCarve), {460, 40});
    return img;
}

ImagePtr lose_screen()
{
    auto img = message_panel("base/LoseScreen.png", 41, N_("Level lost"), N_("The crypt keeps its secrets this time."));
    cairo_t* cr = img->cr;
    // A snuffed candle with its last wisp of smoke, on a stone ledge.
    recess(cr, 196, 300, 120, 10, 3, rgb(40, 35, 30));
    candle(cr, 256, 300, 92, 24, false);
    text(cr, N_("Try the level again, or leave the crypt."), 256, 334 - 2, style(15, Face::Embossed, kCarve), {460, 18});
    button(*img, at(219, 307, 395, 416), N_("Retry"));
    button(*img, at(367, 425, 394, 416), N_("Quit"));
    return img;
}

ImagePtr win_screen()
{
    auto img = message_panel("base/WinScreen.png", 51, N_("Level won"), N_("Every picture stands whole."));
    cairo_t* cr = img->cr;
    text(cr, N_("Password for the next level"), 256, 196, style(22, Face::Embossed, kCarve), {460, 30});
    // The slot for the password, shown centred on (320, 303) in yellow.
    slot(cr, 56, 224, 400, 62, rgb(18, 15, 12));
    button(*img, at(286, 364, 394, 416), N_("Next"));
    return img;
}

ImagePtr game_won()
{
    auto img = message_panel("base/GameWon.png", 61, N_("The crypt is yours"), nullptr);
    cairo_t* cr = img->cr;
    cairo_arc(cr, 256, 196, 74, 0, 2 * PI);
    set(cr, kDeep, 0.6);
    cairo_fill(cr);
    cairo_arc(cr, 256, 196, 74, 0, 2 * PI);
    cairo_pattern_t* g = brass_linear(182, 122, 330, 270);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    svg(cr, art_dir / "owl.svg", 256 - 55, 196 - 62, 110, 121);
    text(cr, N_("Every puzzle is solved. The brass owl bows to you."), 256, 300, style(17, Face::Embossed, kCarve), {470, 40});
    button(*img, at(286, 364, 394, 416), N_("Onward"));
    return img;
}

// A brass-rimmed tablet with cut-in corners and a word on it, in brass for a
// win and in red for a loss; blended and scaled over the board.
ImagePtr banner(const char* name, int w, int h, const char* word, bool warning)
{
    auto img = std::make_unique<Image>(name, w, h, true);
    cairo_t* cr = img->cr;
    auto tablet = [&](double inset, double notch) {
        const double x0 = inset, y0 = inset, x1 = w - inset, y1 = h - inset;
        cairo_new_path(cr);
        cairo_arc_negative(cr, x0, y0, notch, PI / 2, 0);
        cairo_arc_negative(cr, x1, y0, notch, PI, PI / 2);
        cairo_arc_negative(cr, x1, y1, notch, 3 * PI / 2, PI);
        cairo_arc_negative(cr, x0, y1, notch, 2 * PI, 3 * PI / 2);
        cairo_close_path(cr);
    };
    // A soft shadow under the tablet lifts it off the board.
    for (int i = 4; i >= 1; i--) {
        cairo_save(cr);
        cairo_translate(cr, 1.5, 2);
        tablet(4 - i * 0.9, 12 + i);
        set(cr, kDeep, 0.16);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    tablet(4, 12);
    set(cr, kDeep, 0.9);
    cairo_fill(cr);
    tablet(5, 11);
    cairo_pattern_t* g = brass_linear(0, 0, w * 0.15, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // A dark inlay inside the brass rim, so the word reads over any picture.
    tablet(10, 9);
    g = cairo_pattern_create_linear(0, 10, 0, h - 10);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.09, 0.075, 0.06);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.20, 0.17, 0.14);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    set(cr, kBrassShadow);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    tablet(7.5, 11.5);
    set(cr, kBrassHi, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    text(cr, word, w / 2.0, h / 2.0, style(fit_size(word, h * 0.6, w - 60, h - 28), warning ? Face::Embossed : Face::Brass,
                                          rgb(232, 80, 52)), {w - 60.0, h - 28.0});
    return img;
}

ImagePtr success() { return banner("base/Success.png", 348, 75, N_("Success!"), false); }
ImagePtr fail_banner() { return banner("base/Fail.png", 217, 68, N_("Failed"), true); }
ImagePtr times_up() { return banner("base/TimesUp.png", 416, 68, N_("Time's up"), true); }

ImagePtr frame()
{
    auto img = std::make_unique<Image>("base/Frame.png", 640, 480, true);
    cairo_t* cr = img->cr;
    const double t = 26;
    StoneStyle st;
    st.course = 26;
    stone(*img, 0, 0, 640, 480, 91, st);
    // Shadow the frame throws onto the picture, then open the picture window.
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, t, t, 640 - 2 * t, 480 - 2 * t);
    set(cr, kDeep, 0);
    cairo_fill(cr);
    cairo_restore(cr);
    for (int i = 0; i < 7; i++) {
        cairo_rectangle(cr, t + i, t + i, 640 - 2 * (t + i), 480 - 2 * (t + i));
        cairo_rectangle(cr, t + i + 1, t + i + 1, 640 - 2 * (t + i + 1), 480 - 2 * (t + i + 1));
        set(cr, kDeep, 0.5 * (1 - i / 7.0));
        cairo_fill(cr);
    }
    brass_frame(cr, t - 8, t - 8, 640 - 2 * (t - 8), 480 - 2 * (t - 8), 8);
    for (double cx : {t - 4, 640 - t + 4})
        for (double cy : {t - 4, 480 - t + 4}) {
            cairo_arc(cr, cx, cy, 16, 0, 2 * PI);
            cairo_pattern_t* g = brass_linear(cx - 16, cy - 16, cx + 16, cy + 16);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
            cairo_arc(cr, cx, cy, 16, 0, 2 * PI);
            set(cr, kBrassShadow);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
            rivet(cr, cx, cy, 7);
        }
    return img;
}

// The window icon: 32 x 32 without alpha, magenta where the window manager
// is to leave it transparent.
ImagePtr icon32()
{
    auto img = std::make_unique<Image>("base/CryptSLIDERS.png", 32, 32, false);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 32, 32);
    cairo_t* c = cairo_create(s);
    svg(c, art_dir / "icon.svg", 0, 0, 32, 32);
    cairo_destroy(c);
    cairo_surface_flush(s);
    cairo_surface_flush(img->surface);
    const unsigned char* src = cairo_image_surface_get_data(s);
    unsigned char* dst = cairo_image_surface_get_data(img->surface);
    const int ss = cairo_image_surface_get_stride(s), ds = cairo_image_surface_get_stride(img->surface);
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++) {
            std::uint32_t p = reinterpret_cast<const std::uint32_t*>(src + y * ss)[x];
            std::uint32_t a = p >> 24;
            std::uint32_t out = 0xffff00ffu;  // magenta: transparent
            if (a >= 128) {
                auto un = [&](int shift) { return std::min<std::uint32_t>(255, (((p >> shift) & 0xff) * 255 + a / 2) / a); };
                out = 0xff000000u | (un(16) << 16) | (un(8) << 8) | un(0);
            }
            reinterpret_cast<std::uint32_t*>(dst + y * ds)[x] = out;
        }
    cairo_surface_mark_dirty(img->surface);
    cairo_surface_destroy(s);
    return img;
}

}  // namespace

void write_icons(const fs::path& dir, const std::string& name)
{
    for (int size : kIconSizes) {
        const std::string px = std::to_string(size);
        Image img(px + "x" + px + "/apps/" + name + ".png", size, size, true);
        svg(img.cr, art_dir / "icon.svg", 0, 0, size, size);
        paint::save(img, dir);
    }
    std::error_code ec;
    fs::create_directories(dir / "scalable/apps", ec);
    fs::copy_file(art_dir / "icon.svg", dir / "scalable/apps" / (name + ".svg"), fs::copy_options::overwrite_existing, ec);
    if (ec)
        paint::fail("cannot copy the icon's SVG: " + ec.message());
}

void panel_base(Image& img, std::uint32_t seed, double frame_width)
{
    cairo_t* cr = img.cr;
    StoneStyle st;
    st.course = 38;
    stone(img, 0, 0, img.w, img.h, seed, st);
    candle_light(cr, img.w * 0.5, img.h * 0.25, img.w * 0.8, 0.7);
    vignette(cr, img.w, img.h, 0.6);
    brass_frame(cr, 0, 0, img.w, img.h, frame_width);
}

std::vector<ImageJob> screen_jobs()
{
    return {
        {"base/BrassOwl.png", brass_owl},       {"base/GameBoard.png", game_board},
        {"base/StartScreen.png", start_screen}, {"base/LoseScreen.png", lose_screen},
        {"base/WinScreen.png", win_screen},     {"base/ContinueScreen.png", continue_screen},
        {"base/OptionsScreen.png", options_screen}, {"base/OptionSlider.png", option_slider},
        {"base/PicturesScreen.png", pictures_screen}, {"base/ClueBackground.png", clue_background},
        {"base/Frame.png", frame},              {"base/MenuScreen.png", menu_screen},
        {"base/CoverScreen.png", cover_screen}, {"base/Success.png", success},
        {"base/Fail.png", fail_banner},         {"base/GameWon.png", game_won},
        {"base/TimesUp.png", times_up},         {"base/CryptSLIDERS.png", icon32},
    };
}
