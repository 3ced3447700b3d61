// help_pages.cpp -- the help frame and the five help pages with their small diagrams
#include <cmath>

#include "assets.h"

using namespace paint;

namespace {

const Rgb kText = rgb(232, 218, 186);
const Rgb kTick = rgb(120, 200, 90);

// Content of a page lies inside the frame's dark recess.
constexpr double L = 30, R = 482, TOP = 18, BOTTOM = 284;

void title(cairo_t* cr, const char* s)
{
    TextStyle st;
    st.size = 28;
    st.face = Face::Brass;
    text(cr, s, 256, 42, st, {R - L, 34});
}

// A caption under a diagram, within the width the diagram leaves it and two
// lines' height.
void caption(cairo_t* cr, const char* s, double cx, double cy, double width, double height = 18, double up = 0)
{
    TextStyle st;
    st.size = 14;
    st.face = Face::Plain;
    st.colour = kBrassLight;
    text(cr, s, cx, cy, st, {width, height, up});
}

// One cell of an n x n picture of `kind`: the source cell (sc, sr), turned by
// rot quarter turns clockwise, drawn into the cell at (x, y).
void tile(cairo_t* cr, int kind, int n, int sc, int sr, int rot, double x, double y, double cell)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, cell, cell);
    cairo_clip(cr);
    cairo_translate(cr, x + cell / 2, y + cell / 2);
    cairo_rotate(cr, rot * PI / 2);
    cairo_translate(cr, -(sc + 0.5) * cell, -(sr + 0.5) * cell);
    motif(cr, kind, 0, 0, n * cell);
    cairo_restore(cr);
    cairo_rectangle(cr, x + 0.5, y + 0.5, cell - 1, cell - 1);
    set(cr, kDeep, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// A whole 2 x 2 picture, its four tiles in place (rot: the whole picture turned).
void picture(cairo_t* cr, int kind, double x, double y, double cell, int rot = 0)
{
    for (int r = 0; r < 2; r++)
        for (int c = 0; c < 2; c++) {
            // Where source cell (c, r) lands when the picture is turned.
            int dc = c, dr = r;
            for (int k = 0; k < rot; k++) {
                int t = dc;
                dc = 1 - dr;
                dr = t;
            }
            tile(cr, kind, 2, c, r, rot, x + dc * cell, y + dr * cell, cell);
        }
}

void board(cairo_t* cr, double x, double y, double cell, int cols, int rows)
{
    recess(cr, x - 2, y - 2, cols * cell + 4, rows * cell + 4, 2, rgb(22, 19, 16));
    for (int r = 0; r < rows; r++)
        for (int c = 0; c < cols; c++) {
            cairo_rectangle(cr, x + c * cell + 1, y + r * cell + 1, cell - 2, cell - 2);
            set(cr, (r + c) % 2 ? rgb(34, 29, 25) : rgb(40, 35, 30));
            cairo_fill(cr);
        }
}

void tick(cairo_t* cr, double x, double y, double s)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    for (int pass = 0; pass < 2; pass++) {
        cairo_move_to(cr, x - s * 0.5, y);
        cairo_line_to(cr, x - s * 0.1, y + s * 0.4);
        cairo_line_to(cr, x + s * 0.6, y - s * 0.5);
        if (pass == 0) {
            set(cr, kDeep, 0.9);
            cairo_set_line_width(cr, s * 0.34);
        } else {
            set(cr, kTick);
            cairo_set_line_width(cr, s * 0.2);
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void cross(cairo_t* cr, double x, double y, double s)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; pass++) {
        cairo_move_to(cr, x - s / 2, y - s / 2);
        cairo_line_to(cr, x + s / 2, y + s / 2);
        cairo_move_to(cr, x + s / 2, y - s / 2);
        cairo_line_to(cr, x - s / 2, y + s / 2);
        if (pass == 0) {
            set(cr, kDeep, 0.9);
            cairo_set_line_width(cr, s * 0.26);
        } else {
            set(cr, rgb(220, 60, 40));
            cairo_set_line_width(cr, s * 0.15);
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// An arrow from (x0, y0) to (x1, y1), bent by `bend` pixels to its left.
void arrow(cairo_t* cr, double x0, double y0, double x1, double y1, double bend = 0)
{
    const double mx = (x0 + x1) / 2, my = (y0 + y1) / 2, len = std::hypot(x1 - x0, y1 - y0);
    const double nx = -(y1 - y0) / len, ny = (x1 - x0) / len;
    const double cx = mx + nx * bend, cy = my + ny * bend;
    const double ang = std::atan2(y1 - cy, x1 - cx);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; pass++) {
        cairo_move_to(cr, x0, y0);
        cairo_curve_to(cr, cx, cy, cx, cy, x1 - 8 * std::cos(ang), y1 - 8 * std::sin(ang));
        set(cr, pass ? kBrassLight : kDeep, pass ? 1 : 0.8);
        cairo_set_line_width(cr, pass ? 3 : 5.5);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x1 - 13 * std::cos(ang - 0.45), y1 - 13 * std::sin(ang - 0.45));
    cairo_line_to(cr, x1 - 13 * std::cos(ang + 0.45), y1 - 13 * std::sin(ang + 0.45));
    cairo_close_path(cr);
    set(cr, kBrassLight);
    cairo_fill_preserve(cr);
    set(cr, kDeep, 0.8);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A mouse with its left (0) or right (1) button lit.
void mouse(cairo_t* cr, double x, double y, int lit)
{
    cairo_save(cr);
    rounded_rect(cr, x, y, 30, 44, 14);
    set(cr, rgb(200, 190, 170));
    cairo_fill_preserve(cr);
    set(cr, kDeep);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_rectangle(cr, x + (lit ? 16 : 2), y + 2, 12, 15);
    set(cr, rgb(240, 170, 40));
    cairo_fill(cr);
    cairo_move_to(cr, x + 15, y);
    cairo_line_to(cr, x + 15, y + 18);
    cairo_move_to(cr, x, y + 18);
    cairo_line_to(cr, x + 30, y + 18);
    set(cr, kDeep);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A small stand-in for one of the game's buttons.
void mini_button(cairo_t* cr, double x, double y, double w, double h, const char* label)
{
    rounded_rect(cr, x, y, w, h, 4);
    set(cr, kDeep);
    cairo_fill(cr);
    rounded_rect(cr, x + 1, y + 1, w - 2, h - 3, 3);
    cairo_pattern_t* g = brass_linear(x, y, x, y + h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    TextStyle st;
    st.size = h * 0.55;
    st.face = Face::Engraved;
    text(cr, label, x + w / 2, y + h / 2 - 1, st, {w - 6, h - 4});
}

// The text of a page: paragraphs from top down to the recess's floor.
void body(cairo_t* cr, const std::vector<Para>& ps, double top)
{
    paragraphs(cr, ps, L + 6, top, R - L - 12, kText, BOTTOM - top);
}

ImagePtr help_frame()
{
    auto img = std::make_unique<Image>("help/helpbase.png", 512, 384, false);
    cairo_t* cr = img->cr;
    panel_base(*img, 71, 8);
    recess(cr, 16, 14, 480, 272, 8, rgb(40, 34, 28));
    // Window coordinates less the panel's corner at (64, 48).
    arrow_button(*img, {130 - 64, 339 - 48, 174 - 64, 398 - 48}, -1);
    arrow_button(*img, {470 - 64, 339 - 48, 515 - 64, 398 - 48}, 1);
    // The caption band: "Help screen (n/m)" shows centred on (320, 372) in yellow.
    recess(cr, 132, 313, 248, 24, 5, rgb(14, 12, 10));
    button(*img, {296 - 64, 394 - 48, 354 - 64, 416 - 48}, N_("Close"));
    return img;
}

ImagePtr page_image(int n)
{
    return std::make_unique<Image>("help/help" + std::to_string(n) + ".png", 512, 384, true);
}

ImagePtr help1()
{
    auto img = page_image(1);
    cairo_t* cr = img->cr;
    title(cr, N_("Swapping tiles"));
    // A 4 x 3 corner of the board: the sun's right-hand tiles change places.
    const double c = 28, bx = 44, by = 64;
    board(cr, bx, by, c, 4, 3);
    tile(cr, 0, 2, 0, 0, 0, bx + c, by, c);
    tile(cr, 0, 2, 1, 1, 0, bx + 2 * c, by, c);
    tile(cr, 0, 2, 0, 1, 0, bx + c, by + c, c);
    tile(cr, 0, 2, 1, 0, 0, bx + 2 * c, by + c, c);
    tile(cr, 1, 2, 1, 0, 0, bx, by + 2 * c, c);
    tile(cr, 1, 2, 0, 1, 0, bx + 3 * c, by + 2 * c, c);
    arrow(cr, bx + 2.5 * c + 6, by + 0.6 * c, bx + 2.5 * c + 6, by + 1.5 * c, -16);
    mouse(cr, bx + 4 * c + 12, by + 2, 0);
    caption(cr, N_("drag and drop"), bx + 2 * c, by + 3 * c + 12, 140);
    arrow(cr, 236, 104, 282, 104);
    picture(cr, 0, 300, 64, 40);
    tick(cr, 400, 104, 28);
    caption(cr, N_("a whole picture"), 340, 160, 180);
    // The controls: the mouse, then the keys and the pad's buttons that do the same.
    body(cr,
         {{N_("Drag a tile onto another with the left button: the two swap. A picture is whole "
              "when its tiles stand in order, anywhere."), 16},
          {N_("Keys: arrows move a cursor, Space lifts and drops, Escape puts back."), 15, 6},
          {N_("Pad: cross or stick moves it, A lifts and drops, B puts back."), 15, 2}},
         174);
    return img;
}

ImagePtr help2()
{
    auto img = page_image(2);
    cairo_t* cr = img->cr;
    title(cr, N_("Goals, clues and time"));
    // A clue image in its frame, naming the pictures to complete.
    brass_frame(cr, 40, 66, 130, 76, 5);
    recess(cr, 45, 71, 120, 66, 2, rgb(46, 40, 34));
    picture(cr, 2, 56, 80, 24);
    picture(cr, 3, 106, 80, 24);
    caption(cr, N_("clue: the goals"), 105, 156, 150);
    // The clock and the two buttons of the game screen.
    recess(cr, 204, 76, 90, 32, 5, rgb(18, 15, 12));
    TextStyle clock;
    clock.size = 20;
    clock.face = Face::Plain;
    clock.colour = rgb(255, 255, 0);
    text_now(cr, "2:05", 249, 92, clock);
    caption(cr, N_("time left"), 249, 124, 100);
    mini_button(cr, 326, 70, 66, 26, N_("Clues"));
    mini_button(cr, 404, 70, 66, 26, N_("Menu"));
    caption(cr, N_("see the goals"), 359, 112, 76, 32);
    caption(cr, N_("pause"), 437, 112, 76, 32);
    body(cr,
         {{N_("Clue images show the goals, the pictures to make whole: Clues (or C, pad Y) again. "
              "H or F1 (pad Back) opens this help."), 16},
          {N_("The clock counts down; at 0:00 the level is lost. Menu (Escape, pad Start) stops it: "
              "restart, options, quit."), 16, 6},
          {N_("Alt+Return or F11: window or full screen."), 16, 6}},
         172);
    return img;
}

ImagePtr help3()
{
    auto img = page_image(3);
    cairo_t* cr = img->cr;
    title(cr, N_("Forbidden pictures"));
    picture(cr, 1, 70, 70, 46);
    cross(cr, 116, 116, 56);
    caption(cr, N_("forbidden: keep it broken"), 116, 176, 172, 18, 12);
    picture(cr, 2, 300, 70, 46);
    tick(cr, 412, 118, 30);
    caption(cr, N_("a goal: make it whole"), 346, 176, 200);
    body(cr,
         {{N_("Some levels also name pictures that must not be made whole. If one of them "
              "stands complete on the board, the level is lost at once."), 16},
          {N_("Watch which tiles you move next to each other."), 16, 8}},
         194);
    return img;
}

ImagePtr help4()
{
    auto img = page_image(4);
    cairo_t* cr = img->cr;
    title(cr, N_("Turning tiles"));
    // One tile and the quarter turn the right button gives it.
    tile(cr, 3, 1, 0, 0, 0, 44, 74, 44);
    arrow(cr, 96, 84, 140, 84, -16);
    tile(cr, 3, 1, 0, 0, 1, 146, 74, 44);
    mouse(cr, 100, 118, 1);
    caption(cr, N_("right button"), 115, 176, 150);
    picture(cr, 3, 232, 70, 40, 2);
    cross(cr, 272, 110, 40);
    caption(cr, N_("upside down"), 272, 166, 110);
    picture(cr, 3, 340, 70, 40);
    tick(cr, 440, 110, 28);
    caption(cr, N_("upright"), 380, 166, 100);
    body(cr,
         {{N_("In levels that allow it, click a tile with the right mouse button, or press R (pad X) "
              "on the key cursor, to turn it a quarter turn clockwise."), 16},
          {N_("A picture counts only when every tile stands the right way."), 16, 8}},
         194);
    return img;
}

ImagePtr help5()
{
    auto img = page_image(5);
    cairo_t* cr = img->cr;
    title(cr, N_("Rules of a level"));
    TextStyle head;
    head.size = 17;
    head.face = Face::Plain;
    head.colour = kBrassLight;
    head.align = 0;
    // "Complete at least N": any two of the three will do.
    text(cr, N_("Complete at least 2"), 40, 74, head, {220, 22});
    picture(cr, 0, 40, 88, 22);
    picture(cr, 1, 100, 88, 22);
    picture(cr, 2, 160, 88, 22);
    tick(cr, 62, 146, 20);
    tick(cr, 182, 146, 20);
    // "In this order": one after the other.
    text(cr, N_("In this order"), 268, 74, head, {210, 22});
    const int kinds[] = {2, 3, 0};
    for (int i = 0; i < 3; i++) {
        picture(cr, kinds[i], 268 + i * 72, 88, 22);
        TextStyle num;
        num.size = 16;
        num.face = Face::Plain;
        num.colour = kText;
        text_now(cr, std::to_string(i + 1), 290 + i * 72, 148, num);
        if (i < 2)
            arrow(cr, 316 + i * 72, 110, 336 + i * 72, 110);
    }
    body(cr,
         {{N_("Complete at least N: any N of the pictures in the goal list win the level."), 16},
          {N_("In this order: the goal pictures must be made whole one after another, as the list "
              "gives them; one out of turn does not count."), 16, 6}},
         170);
    return img;
}

}  // namespace

void motif(cairo_t* cr, int kind, double x, double y, double s)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s / 100.0, s / 100.0);
    cairo_rectangle(cr, 0, 0, 100, 100);
    cairo_clip(cr);
    auto bg = [&](Rgb top, Rgb bottom) {
        cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 100);
        cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
        cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
    };
    switch (kind) {
    case 0:  // sun over hills
        bg(rgb(70, 120, 190), rgb(170, 200, 225));
        for (int i = 0; i < 12; i++) {
            cairo_save(cr);
            cairo_translate(cr, 50, 42);
            cairo_rotate(cr, i * PI / 6);
            cairo_move_to(cr, -5, -24);
            cairo_line_to(cr, 0, -40);
            cairo_line_to(cr, 5, -24);
            set(cr, rgb(255, 200, 60));
            cairo_fill(cr);
            cairo_restore(cr);
        }
        cairo_arc(cr, 50, 42, 22, 0, 2 * PI);
        set(cr, rgb(255, 224, 90));
        cairo_fill(cr);
        cairo_move_to(cr, 0, 100);
        cairo_curve_to(cr, 20, 70, 50, 72, 70, 86);
        cairo_curve_to(cr, 82, 78, 94, 76, 100, 80);
        cairo_line_to(cr, 100, 100);
        set(cr, rgb(70, 130, 60));
        cairo_fill(cr);
        break;
    case 1:  // crescent moon and stars
        bg(rgb(16, 22, 60), rgb(50, 40, 90));
        cairo_arc(cr, 50, 50, 30, 0, 2 * PI);
        set(cr, rgb(245, 235, 190));
        cairo_fill(cr);
        cairo_arc(cr, 64, 40, 27, 0, 2 * PI);
        set(cr, rgb(26, 28, 68));
        cairo_fill(cr);
        for (auto p : {std::pair{20.0, 20.0}, {80.0, 78.0}, {78.0, 14.0}, {24.0, 84.0}}) {
            cairo_arc(cr, p.first, p.second, 3, 0, 2 * PI);
            set(cr, rgb(255, 250, 220));
            cairo_fill(cr);
        }
        break;
    case 2:  // brass key
        bg(rgb(150, 44, 34), rgb(90, 24, 20));
        cairo_arc(cr, 30, 50, 17, 0, 2 * PI);
        cairo_arc_negative(cr, 30, 50, 8, 2 * PI, 0);
        cairo_rectangle(cr, 44, 45, 46, 10);
        cairo_rectangle(cr, 74, 55, 6, 14);
        cairo_rectangle(cr, 84, 55, 6, 10);
        set(cr, rgb(240, 196, 90));
        cairo_fill(cr);
        break;
    case 3:  // candle
        bg(rgb(40, 86, 60), rgb(20, 50, 34));
        cairo_rectangle(cr, 40, 40, 20, 50);
        set(cr, rgb(240, 230, 200));
        cairo_fill(cr);
        cairo_move_to(cr, 50, 12);
        cairo_curve_to(cr, 62, 26, 58, 38, 50, 38);
        cairo_curve_to(cr, 42, 38, 38, 26, 50, 12);
        set(cr, rgb(255, 190, 60));
        cairo_fill(cr);
        cairo_rectangle(cr, 26, 88, 48, 8);
        set(cr, rgb(210, 160, 70));
        cairo_fill(cr);
        break;
    default:  // an owl's eye
        bg(rgb(96, 60, 120), rgb(54, 30, 70));
        cairo_arc(cr, 50, 50, 36, 0, 2 * PI);
        set(cr, rgb(200, 150, 70));
        cairo_fill(cr);
        cairo_arc(cr, 50, 50, 26, 0, 2 * PI);
        set(cr, rgb(250, 190, 40));
        cairo_fill(cr);
        cairo_arc(cr, 50, 50, 12, 0, 2 * PI);
        set(cr, kDeep);
        cairo_fill(cr);
        cairo_arc(cr, 44, 43, 5, 0, 2 * PI);
        set(cr, rgb(255, 255, 240));
        cairo_fill(cr);
        break;
    }
    cairo_restore(cr);
}

std::vector<ImageJob> help_jobs()
{
    return {{"help/helpbase.png", help_frame}, {"help/help1.png", help1}, {"help/help2.png", help2},
            {"help/help3.png", help3},         {"help/help4.png", help4}, {"help/help5.png", help5}};
}
