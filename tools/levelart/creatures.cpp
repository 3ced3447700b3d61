// creatures.cpp -- living things and the sky as picture subjects: owl, sun, moon, skull, raven, rose, spider, bat, star, eye, serpent, scarab
#include <cmath>

#include "levelart.h"

using namespace paint;

namespace {

const Rgb kGold = rgb(232, 184, 74);
const Rgb kBone = rgb(232, 222, 196);
const Rgb kNight = rgb(24, 20, 30);

void dot(cairo_t* cr, double x, double y, double r, Rgb c)
{
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    set(cr, c);
    cairo_fill(cr);
}

// A crescent: the disc at (x, y) less the disc at (x + dx, y + dy); filled with the current source.
void crescent(cairo_t* cr, double x, double y, double r, double dx, double dy, double r2, Rgb c, bool lit)
{
    cairo_push_group(cr);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    if (lit)
        fill_lit(cr, c, x - r * 0.3, y, r);
    else {
        set(cr, c);
        cairo_fill(cr);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_arc(cr, x + dx, y + dy, r2, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

void owl_subject(cairo_t* cr, double hw, double hh)
{
    // A pale crescent over the owl's right shoulder, a branch under its feet.
    crescent(cr, 34, -34, 11, 5, -4, 10, rgb(240, 236, 200), false);
    dot(cr, -38, -40, 1.6, rgb(255, 250, 220));
    dot(cr, -30, -24, 1.2, rgb(255, 250, 220));
    cairo_move_to(cr, -hw, hh - 6);
    cairo_curve_to(cr, -20, hh - 16, 20, hh - 10, hw, hh - 20);
    stroke(cr, rgb(80, 50, 26), 7);
    svg(cr, art_dir / "owl.svg", -40, -46, 80, 88);
}

void sun_subject(cairo_t* cr, double hw, double hh)
{
    // Hills below, a cloud drifting at the left.
    cairo_move_to(cr, -hw - 2, hh + 2);
    cairo_line_to(cr, -hw - 2, hh - 14);
    cairo_curve_to(cr, -20, hh - 30, 10, hh - 14, 30, hh - 22);
    cairo_curve_to(cr, 40, hh - 26, hw, hh - 22, hw + 2, hh - 18);
    cairo_line_to(cr, hw + 2, hh + 2);
    cairo_close_path(cr);
    fill_v(cr, rgb(90, 160, 70), rgb(40, 90, 40), hh - 30, hh);
    const double cy = -8;
    for (int i = 0; i < 12; i++) {
        cairo_save(cr);
        cairo_translate(cr, 0, cy);
        cairo_rotate(cr, i * PI / 6 + 0.12);
        cairo_move_to(cr, -6, -24);
        if (i % 2)
            cairo_line_to(cr, 0, -40);
        else
            cairo_curve_to(cr, 6, -30, -6, -34, 2, -42);
        cairo_line_to(cr, 6, -24);
        set(cr, rgb(255, 196, 50));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_arc(cr, 0, cy, 25, 0, 2 * PI);
    fill_lit(cr, rgb(255, 214, 70), 0, cy, 25);
    // A face: eyes looking up to the left, a smile.
    for (double x : {-9.0, 9.0}) {
        dot(cr, x, cy - 5, 3.6, rgb(255, 250, 230));
        dot(cr, x - 1.2, cy - 6.2, 2, rgb(120, 60, 10));
    }
    cairo_arc(cr, 0, cy + 3, 11, 0.2 * PI, 0.8 * PI);
    stroke(cr, rgb(150, 70, 10), 2.5);
    dot(cr, -15, cy + 6, 3.5, rgb(250, 150, 60));
    dot(cr, 15, cy + 6, 3.5, rgb(250, 150, 60));
    for (auto [x, r] : {std::pair{-38.0, 9.0}, {-28.0, 11.0}, {-18.0, 8.0}}) {
        cairo_arc(cr, x, 22, r, 0, 2 * PI);
        set(cr, rgb(250, 250, 255), 0.92);
        cairo_fill(cr);
    }
}

void moon_subject(cairo_t* cr, double hw, double hh)
{
    for (auto [x, y] : {std::pair{-36.0, -38.0}, {30.0, -42.0}, {40.0, -10.0}, {-40.0, 4.0}, {22.0, 12.0}, {-10.0, -44.0}})
        dot(cr, x, y, 1.8, rgb(255, 250, 220));
    // A crescent opening to the right.
    crescent(cr, -6, -8, 28, 14, -6, 24, rgb(246, 236, 190), true);
    // Black hills with a bare tree on the left and a tower on the right.
    cairo_move_to(cr, -hw - 2, hh + 2);
    cairo_line_to(cr, -hw - 2, hh - 20);
    cairo_curve_to(cr, -20, hh - 28, 10, hh - 12, hw + 2, hh - 22);
    cairo_line_to(cr, hw + 2, hh + 2);
    cairo_close_path(cr);
    set(cr, kNight);
    cairo_fill(cr);
    cairo_move_to(cr, -30, hh - 22);
    cairo_line_to(cr, -30, hh - 42);
    cairo_line_to(cr, -38, hh - 50);
    cairo_move_to(cr, -30, hh - 38);
    cairo_line_to(cr, -22, hh - 48);
    stroke(cr, kNight, 3);
    cairo_rectangle(cr, 26, hh - 44, 10, 26);
    cairo_move_to(cr, 24, hh - 44);
    cairo_line_to(cr, 31, hh - 54);
    cairo_line_to(cr, 38, hh - 44);
    set(cr, kNight);
    cairo_fill(cr);
    dot(cr, 31, hh - 36, 2, rgb(255, 200, 90));
    // Gravestones catching the moonlight on the slope.
    for (auto [x, y, h] : {std::tuple{-12.0, hh - 15, 8.0}, {4.0, hh - 13, 6.0}, {-44.0, hh - 18, 7.0}, {46.0, hh - 19, 6.0}}) {
        rounded_rect(cr, x - 3, y - h, 6, h + 6, 2.5);
        set(cr, rgb(120, 118, 140));
        cairo_fill(cr);
    }
    cairo_move_to(cr, -22, hh - 16);
    cairo_line_to(cr, -22, hh - 30);
    cairo_move_to(cr, -27, hh - 25);
    cairo_line_to(cr, -17, hh - 25);
    stroke(cr, rgb(120, 118, 140), 2.5);
}

void skull_subject(cairo_t* cr, double hw, double hh)
{
    // Crossed bones behind, a stone floor under.
    cairo_rectangle(cr, -hw - 2, hh - 10, 2 * hw + 4, 12);
    fill_v(cr, rgb(110, 104, 96), rgb(60, 56, 52), hh - 10, hh);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, -34 * side, hh - 14);
        cairo_line_to(cr, 34 * side, 6);
        stroke(cr, scale(kBone, 0.85), 6);
        dot(cr, -36 * side, hh - 13, 4.5, scale(kBone, 0.85));
        dot(cr, 36 * side, 5, 4.5, scale(kBone, 0.85));
    }
    cairo_save(cr);
    cairo_rotate(cr, -0.12);  // tilted to its right
    // Cranium and jaw.
    cairo_move_to(cr, -16, 18);
    cairo_curve_to(cr, -30, 10, -32, -8, -30, -16);
    cairo_curve_to(cr, -26, -42, 26, -42, 30, -16);
    cairo_curve_to(cr, 32, -8, 30, 10, 16, 18);
    cairo_line_to(cr, 14, 28);
    cairo_line_to(cr, -14, 28);
    cairo_close_path(cr);
    fill_lit(cr, kBone, -6, -14, 36);
    // Sockets, nose, teeth.
    for (double x : {-12.0, 12.0}) {
        cairo_save(cr);
        cairo_translate(cr, x, -6);
        cairo_scale(cr, 8, 9);
        cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
        cairo_restore(cr);
        set(cr, rgb(40, 30, 28));
        cairo_fill(cr);
    }
    dot(cr, 12, -7, 1.8, rgb(220, 60, 40));  // an ember in the right socket
    cairo_move_to(cr, 0, 4);
    cairo_line_to(cr, -4, 12);
    cairo_line_to(cr, 4, 12);
    cairo_close_path(cr);
    set(cr, rgb(40, 30, 28));
    cairo_fill(cr);
    for (double x = -10; x <= 10; x += 5) {
        cairo_move_to(cr, x, 20);
        cairo_line_to(cr, x, 28);
        stroke(cr, rgb(90, 80, 70), 1.2);
    }
    // A crack over the left brow.
    cairo_move_to(cr, -6, -34);
    cairo_line_to(cr, -10, -26);
    cairo_line_to(cr, -6, -22);
    cairo_line_to(cr, -12, -16);
    stroke(cr, rgb(90, 80, 70), 1.4);
    cairo_restore(cr);
}

void raven_subject(cairo_t* cr, double hw, double hh)
{
    // A red sunset disc behind, a branch from the right.
    cairo_arc(cr, 24, -26, 14, 0, 2 * PI);
    set(cr, rgb(200, 70, 70), 0.9);
    cairo_fill(cr);
    cairo_move_to(cr, hw + 2, hh - 18);
    cairo_curve_to(cr, 10, hh - 20, -20, hh - 14, -hw - 2, hh - 24);
    stroke(cr, rgb(70, 46, 30), 6);
    // Bare twigs reaching in from the top-left corner.
    cairo_move_to(cr, -hw - 2, -hh + 8);
    cairo_curve_to(cr, -hw + 14, -hh + 12, -hw + 24, -hh + 20, -hw + 34, -hh + 20);
    cairo_move_to(cr, -hw + 14, -hh + 12);
    cairo_line_to(cr, -hw + 20, -hh + 2);
    cairo_move_to(cr, -hw + 24, -hh + 18);
    cairo_line_to(cr, -hw + 26, -hh + 30);
    stroke(cr, rgb(70, 56, 64), 2);
    // The raven in profile, beak to the left.
    cairo_move_to(cr, -34, -20);    // beak tip
    cairo_line_to(cr, -18, -26);
    cairo_curve_to(cr, -14, -36, 4, -36, 6, -22);
    cairo_curve_to(cr, 24, -14, 36, 0, 44, 20);   // back to tail
    cairo_line_to(cr, 40, 24);
    cairo_curve_to(cr, 24, 16, 14, 22, 8, 26);
    cairo_curve_to(cr, -8, 28, -18, 12, -16, -8);
    cairo_line_to(cr, -18, -16);
    cairo_close_path(cr);
    fill_lit(cr, rgb(36, 34, 48), -6, -12, 40);
    // Wing feathers.
    for (int i = 0; i < 4; i++) {
        cairo_move_to(cr, -2 + i * 5, -4 + i * 2);
        cairo_curve_to(cr, 10 + i * 5, 2 + i * 3, 22 + i * 4, 8 + i * 3, 30 + i * 3, 16 + i * 2);
        stroke(cr, rgb(90, 90, 120), 1.3);
    }
    // Legs gripping the branch, the eye.
    for (double x : {-2.0, 8.0}) {
        cairo_move_to(cr, x, 22);
        cairo_line_to(cr, x - 2, hh - 20);
        stroke(cr, rgb(30, 30, 30), 2);
    }
    dot(cr, -12, -24, 3, rgb(240, 220, 120));
    dot(cr, -12, -24, 1.4, kNight);
}

void rose_subject(cairo_t* cr, double, double hh)
{
    // Stem with leaves and thorns, and a bud on the right.
    cairo_move_to(cr, -2, -6);
    cairo_curve_to(cr, 4, 14, -6, 30, 2, hh);
    stroke(cr, rgb(50, 110, 40), 4);
    cairo_move_to(cr, 0, 20);
    cairo_curve_to(cr, 14, 10, 22, 0, 26, -12);
    stroke(cr, rgb(50, 110, 40), 2.5);
    for (auto [x, y, a] : {std::tuple{-14.0, 22.0, -0.6}, {12.0, 30.0, 0.5}}) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, a);
        cairo_scale(cr, 12, 5.5);
        cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
        cairo_restore(cr);
        fill_lit(cr, rgb(60, 140, 50), x, y, 12);
    }
    cairo_move_to(cr, 0, 6);
    cairo_line_to(cr, -5, 4);
    cairo_line_to(cr, -1, 10);
    set(cr, rgb(40, 80, 30));
    cairo_fill(cr);
    cairo_arc(cr, 27, -16, 6, 0, 2 * PI);
    fill_lit(cr, rgb(200, 40, 60), 27, -16, 6);
    // The bloom: overlapping petals in a spiral.
    cairo_arc(cr, -2, -22, 22, 0, 2 * PI);
    fill_lit(cr, rgb(190, 24, 44), -2, -22, 22);
    for (int i = 0; i < 5; i++) {
        const double r = 18 - i * 3.4, a = i * 1.3;
        cairo_arc(cr, -2 + std::cos(a) * 3, -24 + std::sin(a) * 3, r, a, a + 1.6 * PI);
        stroke(cr, rgb(110, 8, 24), 1.6);
    }
    cairo_move_to(cr, -18, -34);
    cairo_curve_to(cr, -12, -42, 0, -44, 8, -40);
    stroke(cr, rgb(255, 150, 160), 2, 0.8);
}

void spider_subject(cairo_t* cr, double hw, double hh)
{
    // A web from the top-left corner.
    const double cx = -hw, cy = -hh;
    for (int i = 0; i <= 6; i++) {
        const double a = i * PI / 12;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 140 * std::cos(a), cy + 140 * std::sin(a));
    }
    stroke(cr, rgb(250, 250, 240), 0.9, 0.7);
    for (double r = 16; r < 100; r += 14) {
        cairo_arc(cr, cx, cy, r, 0, PI / 2);
        stroke(cr, rgb(250, 250, 240), 0.8, 0.6);
    }
    // The spider hangs on its thread from the top.
    cairo_move_to(cr, 10, -hh - 2);
    cairo_line_to(cr, 10, -6);
    stroke(cr, rgb(250, 250, 240), 1.2);
    for (int side : {-1, 1})
        for (int i = 0; i < 4; i++) {
            const double y = 2 + i * 5;
            cairo_move_to(cr, 10, y);
            cairo_curve_to(cr, 10 + side * 16, y - 14 + i * 4, 10 + side * 26, y - 8 + i * 6, 10 + side * (28 - i * 2), y + 12 + i * 4);
            stroke(cr, kNight, 2.4);
        }
    cairo_arc(cr, 10, 2, 8, 0, 2 * PI);
    fill_lit(cr, rgb(50, 40, 40), 10, 2, 8);
    cairo_save(cr);
    cairo_translate(cr, 10, 20);
    cairo_scale(cr, 13, 15);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
    fill_lit(cr, rgb(60, 44, 44), 10, 20, 14);
    // A red hourglass mark on its back and two red eyes.
    cairo_move_to(cr, 6, 14);
    cairo_line_to(cr, 14, 14);
    cairo_line_to(cr, 6, 26);
    cairo_line_to(cr, 14, 26);
    cairo_close_path(cr);
    set(cr, rgb(220, 30, 30));
    cairo_fill(cr);
    dot(cr, 7, -1, 1.6, rgb(255, 60, 40));
    dot(cr, 13, -1, 1.6, rgb(255, 60, 40));
}

void bat_subject(cairo_t* cr, double hw, double hh)
{
    // A big pale moon at the top-left, crypt towers at the bottom.
    cairo_arc(cr, -22, -22, 22, 0, 2 * PI);
    set(cr, rgb(255, 230, 170), 0.85);
    cairo_fill(cr);
    cairo_move_to(cr, -hw - 2, hh + 2);
    for (auto [x, y] : {std::pair{-hw - 2, hh - 12}, {-30.0, hh - 12}, {-30.0, hh - 26}, {-22.0, hh - 34}, {-14.0, hh - 26},
                        {-14.0, hh - 12}, {20.0, hh - 12}, {20.0, hh - 20}, {30.0, hh - 20}, {30.0, hh - 12}, {hw + 2, hh - 12}})
        cairo_line_to(cr, x, y);
    cairo_line_to(cr, hw + 2, hh + 2);
    cairo_close_path(cr);
    set(cr, rgb(40, 20, 24));
    cairo_fill(cr);
    // The bat, wings spread, head up, tilted in flight.
    cairo_save(cr);
    cairo_translate(cr, 4, 4);
    cairo_rotate(cr, 0.18);
    cairo_move_to(cr, 0, -10);
    cairo_curve_to(cr, -14, -18, -30, -22, -44, -12);
    cairo_curve_to(cr, -38, -8, -36, -2, -36, 4);
    cairo_curve_to(cr, -30, 0, -26, 2, -24, 8);
    cairo_curve_to(cr, -18, 4, -14, 6, -12, 12);
    cairo_curve_to(cr, -6, 8, -2, 12, 0, 16);
    cairo_curve_to(cr, 2, 12, 6, 8, 12, 12);
    cairo_curve_to(cr, 14, 6, 18, 4, 24, 8);
    cairo_curve_to(cr, 26, 2, 30, 0, 36, 4);
    cairo_curve_to(cr, 36, -2, 38, -8, 44, -12);
    cairo_curve_to(cr, 30, -22, 14, -18, 0, -10);
    cairo_close_path(cr);
    set(cr, rgb(34, 22, 30));
    cairo_fill(cr);
    // Head with ears, and its eyes.
    cairo_move_to(cr, -6, -8);
    cairo_line_to(cr, -7, -20);
    cairo_line_to(cr, -2, -13);
    cairo_line_to(cr, 2, -13);
    cairo_line_to(cr, 7, -20);
    cairo_line_to(cr, 6, -8);
    cairo_close_path(cr);
    set(cr, rgb(34, 22, 30));
    cairo_fill(cr);
    dot(cr, -3, -10, 1.5, rgb(255, 220, 80));
    dot(cr, 3, -10, 1.5, rgb(255, 220, 80));
    // Wing bones.
    for (int side : {-1, 1}) {
        cairo_move_to(cr, side * 4, -8);
        cairo_line_to(cr, side * 44, -12);
        cairo_move_to(cr, side * 18, -14);
        cairo_line_to(cr, side * 24, 8);
        stroke(cr, rgb(90, 60, 70), 1);
    }
    cairo_restore(cr);
}

void star_subject(cairo_t* cr, double hw, double hh)
{
    // Dark hills below with a small chapel under the star.
    cairo_move_to(cr, -hw - 2, hh + 2);
    cairo_line_to(cr, -hw - 2, hh - 10);
    cairo_curve_to(cr, -20, hh - 22, 20, hh - 6, hw + 2, hh - 16);
    cairo_line_to(cr, hw + 2, hh + 2);
    cairo_close_path(cr);
    set(cr, rgb(8, 24, 16));
    cairo_fill(cr);
    cairo_rectangle(cr, 18, hh - 24, 12, 12);
    cairo_move_to(cr, 16, hh - 24);
    cairo_line_to(cr, 24, hh - 32);
    cairo_line_to(cr, 32, hh - 24);
    set(cr, rgb(8, 24, 16));
    cairo_fill(cr);
    dot(cr, 24, hh - 18, 1.8, rgb(255, 200, 90));
    for (auto [x, y] : {std::pair{-38.0, -36.0}, {34.0, -40.0}, {-30.0, 30.0}, {36.0, 24.0}, {-42.0, 0.0}})
        dot(cr, x, y, 1.6, rgb(250, 250, 230));
    // Glow, then an eight-pointed star whose lower ray is the longest.
    cairo_pattern_t* g = cairo_pattern_create_radial(0, -6, 2, 0, -6, 46);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.7, 0.8);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.9, 0.5, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, 0, -6 - 32);
    for (int i = 1; i <= 16; i++) {
        const double a = -PI / 2 + i * PI / 8;
        double r = i % 2 ? 9 : (i % 4 == 0 ? 32 : 20);
        if (i == 8)
            r = 46;  // pointing down, the longest ray
        cairo_line_to(cr, r * std::cos(a), -6 + r * std::sin(a));
    }
    cairo_close_path(cr);
    fill_lit(cr, rgb(250, 206, 90), -4, -12, 34);
    cairo_move_to(cr, 0, -6 - 32);
    cairo_line_to(cr, 0, 40);
    cairo_move_to(cr, -32, -6);
    cairo_line_to(cr, 32, -6);
    stroke(cr, rgb(170, 110, 30), 1.2);
    dot(cr, 0, -6, 5, rgb(255, 250, 225));
    // A comet tail off to the upper right.
    cairo_move_to(cr, 8, -14);
    cairo_curve_to(cr, 20, -26, 30, -32, 46, -44);
    stroke(cr, rgb(255, 240, 190), 2, 0.5);
}

void eye_subject(cairo_t* cr, double hw, double hh)
{
    // Gold rays from the eye out to the frame, and a stepped stone sill below.
    for (int i = 0; i < 18; i++) {
        const double a = i * PI / 9 + 0.1, r = std::hypot(hw, hh) + 4;
        cairo_move_to(cr, -6, 0);
        cairo_line_to(cr, -6 + r * std::cos(a - 0.07), r * std::sin(a - 0.07));
        cairo_line_to(cr, -6 + r * std::cos(a + 0.07), r * std::sin(a + 0.07));
        cairo_close_path(cr);
        set(cr, rgb(250, 210, 120), i % 2 ? 0.22 : 0.4);
        cairo_fill(cr);
    }
    cairo_rectangle(cr, -hw - 2, hh - 12, 2 * hw + 4, 14);
    fill_v(cr, rgb(150, 130, 170), rgb(70, 50, 90), hh - 12, hh);
    cairo_rectangle(cr, -hw * 0.6, hh - 20, hw * 1.2, 8);
    fill_v(cr, rgb(170, 150, 190), rgb(100, 80, 120), hh - 20, hh - 12);
    // Brow above, the lid's lashes, the iris looking left, a tear below.
    cairo_move_to(cr, -40, -26);
    cairo_curve_to(cr, -20, -40, 20, -38, 40, -22);
    stroke(cr, rgb(60, 36, 40), 5);
    cairo_move_to(cr, -42, 0);
    cairo_curve_to(cr, -20, -26, 20, -26, 42, 0);
    cairo_curve_to(cr, 20, 22, -20, 22, -42, 0);
    cairo_close_path(cr);
    fill_lit(cr, rgb(250, 246, 236), -10, -6, 40);
    cairo_save(cr);
    cairo_move_to(cr, -42, 0);
    cairo_curve_to(cr, -20, -26, 20, -26, 42, 0);
    cairo_curve_to(cr, 20, 22, -20, 22, -42, 0);
    cairo_clip(cr);
    cairo_arc(cr, -6, 0, 15, 0, 2 * PI);
    fill_lit(cr, rgb(40, 120, 190), -6, 0, 15);
    dot(cr, -6, 0, 6.5, kNight);
    dot(cr, -10, -4, 2.5, rgb(255, 255, 255));
    cairo_restore(cr);
    cairo_move_to(cr, -42, 0);
    cairo_curve_to(cr, -20, -26, 20, -26, 42, 0);
    stroke(cr, rgb(50, 30, 34), 3.5);
    for (int i = 0; i < 7; i++) {
        const double t = (i + 1) / 8.0, x = -42 + 84 * t, y = -19.5 * std::sin(PI * t) - 1;
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x + (t - 0.5) * 10, y - 7);
        stroke(cr, rgb(50, 30, 34), 1.8);
    }
    cairo_move_to(cr, 16, 18);
    cairo_curve_to(cr, 20, 24, 20, 30, 16, 30);
    cairo_curve_to(cr, 12, 30, 12, 24, 16, 18);
    set(cr, rgb(190, 230, 255));
    cairo_fill(cr);
}

void serpent_path(cairo_t* cr, double hw, double hh)
{
    // From the tail at the bottom left, up, down through the middle and up
    // again to the raised head at the top right.
    cairo_move_to(cr, -hw + 8, hh - 18);
    cairo_curve_to(cr, -hw + 18, -hh * 0.1, -hw * 0.45, -hh * 0.55, -hw * 0.25, -hh * 0.05);
    cairo_curve_to(cr, -hw * 0.1, hh * 0.4, hw * 0.15, hh * 0.55, hw * 0.3, hh * 0.05);
    cairo_curve_to(cr, hw * 0.4, -hh * 0.3, hw * 0.5, -hh * 0.5, hw - 22, -hh * 0.52);
}

void serpent_subject(cairo_t* cr, double hw, double hh)
{
    // Sand below with a rock at the right and a tuft of grass at the left.
    cairo_rectangle(cr, -hw - 2, hh - 10, 2 * hw + 4, 12);
    fill_v(cr, rgb(230, 190, 120), rgb(170, 120, 60), hh - 10, hh);
    cairo_save(cr);
    cairo_translate(cr, hw - 18, hh - 12);
    cairo_scale(cr, 14, 9);
    cairo_arc(cr, 0, 0, 1, PI, 2 * PI);
    cairo_restore(cr);
    fill_lit(cr, rgb(150, 120, 100), hw - 22, hh - 16, 14);
    for (int i = 0; i < 4; i++) {
        cairo_move_to(cr, -hw * 0.55 + i * 3, hh - 10);
        cairo_line_to(cr, -hw * 0.55 - 4 + i * 5, hh - 24 + (i % 2) * 5);
    }
    stroke(cr, rgb(90, 110, 40), 1.8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    serpent_path(cr, hw, hh);
    stroke(cr, rgb(30, 70, 30), 18);
    serpent_path(cr, hw, hh);
    stroke(cr, rgb(74, 156, 62), 14);
    serpent_path(cr, hw, hh);
    const double dash[] = {5, 7};
    cairo_set_dash(cr, dash, 2, 0);
    stroke(cr, rgb(236, 214, 84), 5);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    // Head, eye, forked tongue flicking to the right.
    const double hx = hw - 20, hy = -hh * 0.52;
    cairo_save(cr);
    cairo_translate(cr, hx + 2, hy - 2);
    cairo_scale(cr, 13, 9);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
    fill_lit(cr, rgb(84, 166, 68), hx + 2, hy - 2, 13);
    dot(cr, hx + 6, hy - 5, 2.4, rgb(250, 220, 40));
    dot(cr, hx + 6, hy - 5, 1.1, kNight);
    cairo_move_to(cr, hx + 14, hy);
    cairo_line_to(cr, hx + 22, hy);
    cairo_line_to(cr, hx + 26, hy - 4);
    cairo_move_to(cr, hx + 22, hy);
    cairo_line_to(cr, hx + 26, hy + 4);
    stroke(cr, rgb(220, 30, 40), 1.5);
}

void scarab_subject(cairo_t* cr, double hw, double hh)
{
    // A column of hieroglyphs down the right: an ankh, an eye, water.
    const double gx = hw - 9, gy = -hh + 12;
    cairo_arc(cr, gx, gy, 3, 0, 2 * PI);
    cairo_move_to(cr, gx, gy + 3);
    cairo_line_to(cr, gx, gy + 13);
    cairo_move_to(cr, gx - 4, gy + 6);
    cairo_line_to(cr, gx + 4, gy + 6);
    cairo_move_to(cr, gx - 4, gy + 22);
    cairo_curve_to(cr, gx - 2, gy + 18, gx + 2, gy + 18, gx + 4, gy + 22);
    cairo_move_to(cr, gx - 4, gy + 30);
    cairo_line_to(cr, gx - 2, gy + 28);
    cairo_line_to(cr, gx, gy + 30);
    cairo_line_to(cr, gx + 2, gy + 28);
    cairo_line_to(cr, gx + 4, gy + 30);
    stroke(cr, kGold, 1.6);
    // The sun disc it rolls above its head, gold wings, legs, the beetle.
    cairo_arc(cr, 0, -36, 10, 0, 2 * PI);
    fill_lit(cr, rgb(220, 50, 30), 0, -36, 10);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, side * 8, -4);
        cairo_curve_to(cr, side * 30, -24, side * 44, -16, side * 48, -6);
        cairo_curve_to(cr, side * 40, -2, side * 30, 4, side * 12, 10);
        cairo_close_path(cr);
        set(cr, kGold);
        cairo_fill(cr);
        for (int i = 0; i < 3; i++) {
            cairo_move_to(cr, side * (14 + i * 9), -6 - i * 2);
            cairo_line_to(cr, side * (18 + i * 10), 2 - i * 2);
            stroke(cr, rgb(150, 100, 30), 1.2);
        }
        for (int i = 0; i < 3; i++) {
            cairo_move_to(cr, side * 10, 6 + i * 9);
            cairo_line_to(cr, side * 24, 10 + i * 12);
            cairo_line_to(cr, side * 26, 18 + i * 12);
            stroke(cr, rgb(20, 40, 60), 2.4);
        }
    }
    cairo_move_to(cr, -6, -26);
    cairo_line_to(cr, -10, -30);
    cairo_move_to(cr, 6, -26);
    cairo_line_to(cr, 10, -30);
    stroke(cr, rgb(20, 40, 60), 2.4);
    cairo_save(cr);
    cairo_translate(cr, 0, 14);
    cairo_scale(cr, 16, 22);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
    fill_lit(cr, rgb(30, 150, 140), -4, 8, 22);
    cairo_move_to(cr, 0, -6);
    cairo_line_to(cr, 0, 36);
    stroke(cr, rgb(10, 60, 60), 1.5);
    cairo_arc(cr, 0, -14, 9, 0, 2 * PI);
    fill_lit(cr, rgb(30, 130, 120), -2, -16, 9);
    cairo_rectangle(cr, -7, -24, 14, 5);
    set(cr, rgb(20, 90, 90));
    cairo_fill(cr);
}

}  // namespace

std::vector<Subject> creature_subjects()
{
    return {
        {"owl", rgb(34, 118, 124), rgb(14, 64, 70), owl_subject},
        {"sun", rgb(100, 164, 226), rgb(170, 206, 236), sun_subject},
        {"moon", rgb(26, 34, 96), rgb(54, 44, 104), moon_subject},
        {"skull", rgb(50, 44, 42), rgb(26, 22, 21), skull_subject},
        {"raven", rgb(184, 178, 206), rgb(130, 122, 156), raven_subject},
        {"rose", rgb(240, 208, 196), rgb(196, 160, 148), rose_subject},
        {"spider", rgb(170, 182, 48), rgb(106, 116, 24), spider_subject},
        {"bat", rgb(226, 120, 56), rgb(150, 60, 40), bat_subject},
        {"star", rgb(26, 88, 56), rgb(12, 46, 30), star_subject},
        {"eye", rgb(136, 94, 186), rgb(84, 52, 124), eye_subject},
        {"serpent", rgb(222, 118, 42), rgb(160, 70, 24), serpent_subject},
        {"scarab", rgb(34, 84, 170), rgb(18, 44, 104), scarab_subject},
    };
}
