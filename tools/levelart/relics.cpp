// relics.cpp -- the crypt's objects as picture subjects: candle, key, bell, chalice, lantern, urn, crown, hourglass, sword, door, shield, book
#include <cmath>

#include "levelart.h"

using namespace paint;

namespace {

const Rgb kGold = rgb(232, 184, 74);
const Rgb kBronze = rgb(176, 112, 52);
const Rgb kIron = rgb(70, 72, 78);
const Rgb kWood = rgb(120, 74, 38);

// A stone floor across the bottom of the picture: what the thing stands on.
void floor_band(cairo_t* cr, double hw, double hh, double top, Rgb c)
{
    cairo_rectangle(cr, -hw - 2, top, 2 * hw + 4, hh - top + 2);
    fill_v(cr, c, scale(c, 0.55), top, hh);
    cairo_move_to(cr, -hw - 2, top);
    cairo_line_to(cr, hw + 2, top);
    stroke(cr, mix(c, rgb(255, 240, 210), 0.4), 1.5);
}

void candle_subject(cairo_t* cr, double hw, double hh)
{
    floor_band(cr, hw, hh, hh - 12, rgb(70, 50, 90));
    // The shadow it throws to the right, the flame being on the left of the light.
    cairo_save(cr);
    cairo_translate(cr, 14, hh - 12);
    cairo_scale(cr, 1, 0.25);
    cairo_arc(cr, 0, 0, 26, 0, 2 * PI);
    cairo_restore(cr);
    set(cr, kDeep, 0.35);
    cairo_fill(cr);
    candle(cr, -4, hh - 14, hh * 0.95, 18);
    // A second, shorter candle behind and to the right.
    candle(cr, 24, hh - 16, hh * 0.45, 11);
}

void key_subject(cairo_t* cr, double, double)
{
    cairo_save(cr);
    cairo_rotate(cr, PI / 4);  // bow up-left, bit down-right
    // Bow: a ring with a trefoil inside.
    cairo_arc(cr, -40, 0, 17, 0, 2 * PI);
    cairo_arc_negative(cr, -40, 0, 9, 2 * PI, 0);
    fill_lit(cr, kGold, -40, 0, 18);
    for (int i = 0; i < 3; i++) {
        const double a = i * 2 * PI / 3 - PI / 2;
        cairo_arc(cr, -40 + 4 * std::cos(a), 4 * std::sin(a), 3.2, 0, 2 * PI);
        set(cr, kBronze);
        cairo_fill(cr);
    }
    // Shaft with a collar and the bit.
    cairo_rectangle(cr, -24, -5, 66, 10);
    fill_v(cr, mix(kGold, rgb(255, 255, 220), 0.4), kBronze, -5, 5);
    cairo_rectangle(cr, -25, -8, 6, 16);
    fill_v(cr, kGold, kBronze, -8, 8);
    cairo_move_to(cr, 26, 5);
    cairo_line_to(cr, 46, 5);
    cairo_line_to(cr, 46, 26);
    cairo_line_to(cr, 40, 26);
    cairo_line_to(cr, 40, 18);
    cairo_line_to(cr, 34, 18);
    cairo_line_to(cr, 34, 24);
    cairo_line_to(cr, 26, 24);
    cairo_close_path(cr);
    fill_v(cr, kGold, kBronze, 5, 26);
    cairo_restore(cr);
    // A tassel hanging from the bow.
    cairo_move_to(cr, -32, -24);
    cairo_curve_to(cr, -40, -10, -42, 0, -38, 12);
    stroke(cr, rgb(240, 220, 160), 2);
    cairo_arc(cr, -38, 16, 5, 0, 2 * PI);
    set(cr, rgb(230, 200, 110));
    cairo_fill(cr);
}

void bell_subject(cairo_t* cr, double hw, double hh)
{
    // The beam it hangs from, and its rope down the right.
    cairo_rectangle(cr, -hw - 2, -hh - 2, 2 * hw + 4, 14);
    fill_v(cr, mix(kWood, rgb(255, 230, 190), 0.3), scale(kWood, 0.6), -hh, -hh + 12);
    cairo_rectangle(cr, -4, -hh + 10, 8, 12);
    set(cr, kIron);
    cairo_fill(cr);
    cairo_move_to(cr, 30, -hh + 12);
    cairo_curve_to(cr, 36, -10, 30, 20, 38, hh);
    stroke(cr, rgb(214, 190, 140), 3);
    // Bell: a flared bronze body.
    cairo_move_to(cr, -12, -hh + 20);
    cairo_curve_to(cr, -24, -hh + 22, -22, 0, -26, 14);
    cairo_curve_to(cr, -28, 22, -36, 26, -36, 30);
    cairo_line_to(cr, 36, 30);
    cairo_curve_to(cr, 36, 26, 28, 22, 26, 14);
    cairo_curve_to(cr, 22, 0, 24, -hh + 22, 12, -hh + 20);
    cairo_close_path(cr);
    fill_lit(cr, kBronze, -6, -8, 42);
    // Lip and a band of engraving.
    cairo_rectangle(cr, -36, 26, 72, 5);
    set(cr, scale(kBronze, 0.6));
    cairo_fill(cr);
    cairo_move_to(cr, -23, 6);
    cairo_line_to(cr, 23, 6);
    stroke(cr, mix(kBronze, rgb(255, 240, 200), 0.5), 2);
    // Clapper swinging to the left.
    cairo_move_to(cr, 0, 28);
    cairo_line_to(cr, -6, 38);
    stroke(cr, kIron, 3);
    cairo_arc(cr, -7, 41, 6, 0, 2 * PI);
    fill_lit(cr, kIron, -7, 41, 6);
}

void chalice_subject(cairo_t* cr, double hw, double hh)
{
    // Altar cloth: white with a red border at the bottom.
    cairo_rectangle(cr, -hw - 2, hh - 18, 2 * hw + 4, 20);
    fill_v(cr, rgb(236, 230, 214), rgb(190, 180, 160), hh - 18, hh);
    cairo_rectangle(cr, -hw - 2, hh - 8, 2 * hw + 4, 4);
    set(cr, rgb(170, 30, 40));
    cairo_fill(cr);
    // Cup, stem, knot and foot.
    cairo_move_to(cr, -30, -38);
    cairo_line_to(cr, 30, -38);
    cairo_curve_to(cr, 30, -10, 16, 0, 5, 2);
    cairo_line_to(cr, 4, 22);
    cairo_curve_to(cr, 8, 28, 22, 30, 24, hh - 18);
    cairo_line_to(cr, -24, hh - 18);
    cairo_curve_to(cr, -22, 30, -8, 28, -4, 22);
    cairo_line_to(cr, -5, 2);
    cairo_curve_to(cr, -16, 0, -30, -10, -30, -38);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(-30, 0, 30, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.75, 0.55, 0.2);
    cairo_pattern_add_color_stop_rgb(g, 0.25, 1.0, 0.92, 0.6);
    cairo_pattern_add_color_stop_rgb(g, 0.6, kGold.r, kGold.g, kGold.b);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.45, 0.3, 0.1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_arc(cr, 0, 12, 6, 0, 2 * PI);  // the knot
    fill_lit(cr, kGold, 0, 12, 6);
    // Wine at the brim and gems on the cup.
    cairo_save(cr);
    cairo_translate(cr, 0, -38);
    cairo_scale(cr, 30, 5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
    set(cr, rgb(110, 10, 40));
    cairo_fill(cr);
    const Rgb gems[] = {rgb(200, 30, 40), rgb(40, 120, 210), rgb(40, 170, 90)};
    for (int i = 0; i < 3; i++) {
        cairo_arc(cr, -14 + i * 14, -22 + (i == 1 ? -2 : 0), 4.5, 0, 2 * PI);
        fill_lit(cr, gems[i], -14 + i * 14, -22, 4.5);
    }
    // A glint on the upper left of the cup.
    cairo_move_to(cr, -22, -32);
    cairo_curve_to(cr, -22, -20, -18, -12, -12, -6);
    stroke(cr, rgb(255, 250, 230), 2.5, 0.8);
}

void lantern_subject(cairo_t* cr, double hw, double hh)
{
    const double top = -hh + 4, bottom = hh - 8;
    // Hook and ring.
    cairo_move_to(cr, 0, -hh - 2);
    cairo_line_to(cr, 0, top + 6);
    stroke(cr, kIron, 3);
    cairo_arc(cr, 0, top + 12, 7, 0, 2 * PI);
    stroke(cr, kIron, 3);
    // Glow around the lantern.
    const double cy = (top + 20 + bottom) / 2;
    cairo_pattern_t* g = cairo_pattern_create_radial(0, cy, 4, 0, cy, hh);
    cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.8, 0.4, 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.6, 0.2, 0);
    cairo_rectangle(cr, -hw, -hh, 2 * hw, 2 * hh);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Roof, glass, base.
    const double gt = top + 30, gb = bottom - 12;
    cairo_move_to(cr, 0, top + 16);
    cairo_line_to(cr, 30, gt);
    cairo_line_to(cr, -30, gt);
    cairo_close_path(cr);
    fill_lit(cr, kIron, -8, gt - 8, 24);
    cairo_rectangle(cr, -24, gt, 48, gb - gt);
    g = cairo_pattern_create_radial(-4, (gt + gb) / 2, 2, 0, (gt + gb) / 2, 30);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.98, 0.8);
    cairo_pattern_add_color_stop_rgb(g, 0.4, 1.0, 0.78, 0.3);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.75, 0.4, 0.1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // The flame inside.
    cairo_move_to(cr, 0, (gt + gb) / 2 - 12);
    cairo_curve_to(cr, 6, (gt + gb) / 2 - 2, 5, (gt + gb) / 2 + 8, 0, (gt + gb) / 2 + 8);
    cairo_curve_to(cr, -5, (gt + gb) / 2 + 8, -6, (gt + gb) / 2 - 2, 0, (gt + gb) / 2 - 12);
    set(cr, rgb(255, 255, 235));
    cairo_fill(cr);
    // Bars and the frame.
    for (double x : {-24.0, -8.0, 8.0, 24.0}) {
        cairo_move_to(cr, x, gt);
        cairo_line_to(cr, x, gb);
        stroke(cr, kIron, x == -24.0 || x == 24.0 ? 4 : 2);
    }
    cairo_rectangle(cr, -30, gb, 60, 10);
    fill_v(cr, mix(kIron, rgb(255, 255, 255), 0.3), scale(kIron, 0.6), gb, gb + 10);
    // A door latch on the right side only.
    cairo_rectangle(cr, 22, (gt + gb) / 2 - 3, 8, 6);
    set(cr, kBrassLight);
    cairo_fill(cr);
}

void urn_subject(cairo_t* cr, double hw, double hh)
{
    floor_band(cr, hw, hh, hh - 10, rgb(150, 140, 120));
    const Rgb clay = rgb(196, 96, 48);
    // Body of the amphora.
    cairo_move_to(cr, -12, -38);
    cairo_line_to(cr, 12, -38);
    cairo_line_to(cr, 11, -28);
    cairo_curve_to(cr, 40, -20, 40, 20, 14, 34);
    cairo_line_to(cr, 16, hh - 10);
    cairo_line_to(cr, -16, hh - 10);
    cairo_line_to(cr, -14, 34);
    cairo_curve_to(cr, -40, 20, -40, -20, -11, -28);
    cairo_close_path(cr);
    fill_lit(cr, clay, -8, -4, 40);
    // Lip, handles.
    cairo_rectangle(cr, -16, -42, 32, 6);
    fill_v(cr, mix(clay, rgb(255, 230, 200), 0.3), scale(clay, 0.6), -42, -36);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, side * 11, -32);
        cairo_curve_to(cr, side * 34, -40, side * 38, -20, side * 26, -12);
        stroke(cr, scale(clay, 0.75), 4.5);
    }
    // A black-figure band with a running meander.
    cairo_rectangle(cr, -31, -6, 62, 14);
    set(cr, rgb(40, 24, 16));
    cairo_fill(cr);
    cairo_move_to(cr, -28, 4);
    for (double x = -28; x < 26; x += 9) {
        cairo_line_to(cr, x, -3);
        cairo_line_to(cr, x + 6, -3);
        cairo_line_to(cr, x + 6, 2);
        cairo_line_to(cr, x + 3, 2);
        cairo_line_to(cr, x + 3, 4);
        cairo_line_to(cr, x + 9, 4);
    }
    stroke(cr, rgb(230, 150, 90), 1.4);
    // A crack down the right shoulder.
    cairo_move_to(cr, 22, -18);
    cairo_line_to(cr, 18, -12);
    cairo_line_to(cr, 23, -8);
    stroke(cr, rgb(60, 26, 14), 1.5);
}

void crown_subject(cairo_t* cr, double, double hh)
{
    // A purple cushion with a gold tassel to the left.
    cairo_save(cr);
    cairo_translate(cr, 0, 30);
    cairo_scale(cr, 46, 14);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
    fill_lit(cr, rgb(150, 40, 60), -8, 26, 44);
    cairo_move_to(cr, -44, 32);
    cairo_line_to(cr, -46, 44);
    stroke(cr, kGold, 3);
    cairo_arc(cr, -46, 46, 4, 0, 2 * PI);
    set(cr, kGold);
    cairo_fill(cr);
    // Velvet cap inside the crown.
    cairo_arc(cr, 0, -4, 26, PI, 2 * PI);
    set(cr, rgb(170, 20, 40));
    cairo_fill(cr);
    // The band and five points, gold.
    cairo_move_to(cr, -34, 22);
    cairo_line_to(cr, -36, -16);
    cairo_line_to(cr, -22, -2);
    cairo_line_to(cr, -14, -30);
    cairo_line_to(cr, 0, -6);
    cairo_line_to(cr, 14, -30);
    cairo_line_to(cr, 22, -2);
    cairo_line_to(cr, 36, -16);
    cairo_line_to(cr, 34, 22);
    cairo_close_path(cr);
    fill_lit(cr, kGold, -10, -4, 40);
    // Pearls on the points, a cross on top of the middle.
    for (double x : {-36.0, -14.0, 14.0, 36.0}) {
        cairo_arc(cr, x, x == -36.0 || x == 36.0 ? -18 : -32, 3.5, 0, 2 * PI);
        fill_lit(cr, rgb(250, 245, 230), x, -32, 4);
    }
    cairo_move_to(cr, 0, -6);
    cairo_line_to(cr, 0, -hh + 4);
    cairo_move_to(cr, -6, -hh + 10);
    cairo_line_to(cr, 6, -hh + 10);
    stroke(cr, kGold, 3.5);
    // Band with jewels.
    cairo_rectangle(cr, -34, 8, 68, 12);
    fill_v(cr, mix(kGold, rgb(255, 255, 230), 0.4), kBronze, 8, 20);
    const Rgb gems[] = {rgb(30, 90, 200), rgb(200, 30, 40), rgb(40, 170, 80)};
    for (int i = 0; i < 3; i++) {
        cairo_arc(cr, -20 + 20 * i, 14, 4, 0, 2 * PI);
        fill_lit(cr, gems[i], -20 + 20 * i, 14, 4);
    }
}

void hourglass_subject(cairo_t* cr, double, double hh)
{
    const double top = -hh + 6, bottom = hh - 6;
    // Glass bulbs.
    cairo_move_to(cr, -26, top + 8);
    cairo_curve_to(cr, -26, -12, -3, -6, -3, 0);
    cairo_curve_to(cr, -3, 6, -26, 12, -26, bottom - 8);
    cairo_line_to(cr, 26, bottom - 8);
    cairo_curve_to(cr, 26, 12, 3, 6, 3, 0);
    cairo_curve_to(cr, 3, -6, 26, -12, 26, top + 8);
    cairo_close_path(cr);
    set(cr, rgb(220, 240, 245), 0.35);
    cairo_fill_preserve(cr);
    stroke(cr, rgb(240, 250, 255), 1.5, 0.8);
    // Sand: a little left above, a heap below, a thread falling between.
    cairo_move_to(cr, -14, -14);
    cairo_curve_to(cr, -8, -8, -3, -4, 0, 0);
    cairo_curve_to(cr, 3, -4, 8, -8, 14, -14);
    cairo_close_path(cr);
    set(cr, rgb(232, 190, 100));
    cairo_fill(cr);
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 0, bottom - 22);
    stroke(cr, rgb(232, 190, 100), 1.5);
    cairo_move_to(cr, -25, bottom - 8);
    cairo_curve_to(cr, -20, bottom - 24, -6, bottom - 26, 0, bottom - 24);
    cairo_curve_to(cr, 6, bottom - 26, 20, bottom - 24, 25, bottom - 8);
    cairo_close_path(cr);
    fill_v(cr, rgb(240, 200, 110), rgb(190, 140, 60), bottom - 26, bottom - 8);
    // Wooden caps and three turned posts.
    for (double y : {top, bottom - 8}) {
        rounded_rect(cr, -34, y, 68, 8, 2);
        fill_v(cr, mix(kWood, rgb(255, 220, 170), 0.35), scale(kWood, 0.6), y, y + 8);
    }
    for (double x : {-31.0, 31.0}) {
        cairo_rectangle(cr, x - 2.5, top + 8, 5, bottom - top - 16);
        fill_v(cr, kWood, scale(kWood, 0.7), top, bottom);
    }
    // A brass tag hanging from the top cap's right end.
    cairo_move_to(cr, 30, top + 8);
    cairo_line_to(cr, 36, top + 20);
    stroke(cr, rgb(240, 230, 200), 1);
    rounded_rect(cr, 32, top + 20, 9, 12, 2);
    set(cr, kBrassLight);
    cairo_fill(cr);
    // A glint on the upper bulb's left.
    cairo_move_to(cr, -20, top + 12);
    cairo_curve_to(cr, -20, -16, -12, -10, -8, -6);
    stroke(cr, rgb(255, 255, 255), 2, 0.7);
}

void sword_subject(cairo_t* cr, double hw, double hh)
{
    // The sword stands point-down in a rock.
    const double tip = hh - 14;
    cairo_move_to(cr, -hw - 2, hh + 2);
    cairo_curve_to(cr, -hw, hh - 20, -20, hh - 26, 0, hh - 24);
    cairo_curve_to(cr, 22, hh - 28, hw, hh - 16, hw + 2, hh + 2);
    cairo_close_path(cr);
    fill_v(cr, rgb(140, 130, 120), rgb(70, 64, 58), hh - 28, hh);
    // Blade with its fuller.
    cairo_move_to(cr, -9, -hh + 46);
    cairo_line_to(cr, 9, -hh + 46);
    cairo_line_to(cr, 8, tip - 16);
    cairo_line_to(cr, 0, tip);
    cairo_line_to(cr, -8, tip - 16);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(-9, 0, 9, 0);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.97, 1.0);
    cairo_pattern_add_color_stop_rgb(g, 0.5, 0.7, 0.74, 0.8);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.4, 0.42, 0.48);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, 0, -hh + 48);
    cairo_line_to(cr, 0, tip - 26);
    stroke(cr, rgb(90, 96, 110), 2.5);
    // Runes down the blade, read from the hilt.
    for (double y = -hh + 58; y < tip - 40; y += 16) {
        cairo_move_to(cr, -5, y);
        cairo_line_to(cr, -5, y + 8);
        cairo_line_to(cr, -2, y + 4);
        stroke(cr, rgb(60, 150, 230), 1.5);
    }
    // Crossguard, grip, pommel.
    rounded_rect(cr, -30, -hh + 38, 60, 9, 3);
    fill_v(cr, mix(kGold, rgb(255, 255, 230), 0.3), kBronze, -hh + 38, -hh + 47);
    cairo_rectangle(cr, -6, -hh + 12, 12, 27);
    fill_v(cr, rgb(120, 40, 30), rgb(70, 20, 14), -hh + 12, -hh + 39);
    for (double y = -hh + 14; y < -hh + 38; y += 5) {
        cairo_move_to(cr, -6, y);
        cairo_line_to(cr, 6, y + 3);
        stroke(cr, rgb(40, 12, 8), 1.2);
    }
    cairo_arc(cr, 0, -hh + 8, 8, 0, 2 * PI);
    fill_lit(cr, kGold, 0, -hh + 8, 8);
    cairo_arc(cr, 0, -hh + 8, 3, 0, 2 * PI);
    set(cr, rgb(200, 30, 40));
    cairo_fill(cr);
}

void door_subject(cairo_t* cr, double hw, double hh)
{
    const double w = hw * 0.78, top = -hh + 6, bottom = hh - 10, spring = top + w;
    // Stone arch around it.
    cairo_move_to(cr, -w - 8, bottom);
    cairo_line_to(cr, -w - 8, spring);
    cairo_arc(cr, 0, spring, w + 8, PI, 2 * PI);
    cairo_line_to(cr, w + 8, bottom);
    cairo_close_path(cr);
    fill_v(cr, rgb(170, 160, 145), rgb(100, 92, 84), top, bottom);
    // Planks.
    cairo_move_to(cr, -w, bottom);
    cairo_line_to(cr, -w, spring);
    cairo_arc(cr, 0, spring, w, PI, 2 * PI);
    cairo_line_to(cr, w, bottom);
    cairo_close_path(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    fill_v(cr, rgb(150, 92, 48), rgb(90, 52, 26), top, bottom);
    for (double x = -w + w / 2.5; x < w; x += w / 2.5) {
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x, bottom);
        stroke(cr, rgb(50, 28, 12), 1.5);
    }
    cairo_restore(cr);
    // Iron hinges on the left, ring handle and keyhole on the right.
    for (double y : {spring + 8, bottom - 22}) {
        cairo_rectangle(cr, -w, y, w * 1.2, 6);
        set(cr, kIron);
        cairo_fill(cr);
        cairo_arc(cr, -w + w * 1.2, y + 3, 4, 0, 2 * PI);
        set(cr, kIron);
        cairo_fill(cr);
    }
    cairo_arc(cr, w * 0.55, (spring + bottom) / 2, 7, 0, 2 * PI);
    stroke(cr, kBrassLight, 2.5);
    cairo_arc(cr, w * 0.55, (spring + bottom) / 2 + 16, 2.5, 0, 2 * PI);
    cairo_rectangle(cr, w * 0.55 - 1.2, (spring + bottom) / 2 + 16, 2.4, 6);
    set(cr, kDeep);
    cairo_fill(cr);
    // The step.
    cairo_rectangle(cr, -hw - 2, bottom, 2 * hw + 4, hh - bottom + 2);
    fill_v(cr, rgb(150, 140, 126), rgb(80, 72, 64), bottom, hh);
}

void shield_subject(cairo_t* cr, double, double hh)
{
    auto outline = [&](double inset) {
        cairo_move_to(cr, -38 + inset, -hh + 6 + inset);
        cairo_line_to(cr, 38 - inset, -hh + 6 + inset);
        cairo_line_to(cr, 38 - inset, -4);
        cairo_curve_to(cr, 38 - inset, 20, 18, 36, 0, hh - 4 - inset);
        cairo_curve_to(cr, -18, 36, -38 + inset, 20, -38 + inset, -4);
        cairo_close_path(cr);
    };
    outline(0);
    fill_lit(cr, rgb(200, 200, 205), -10, -20, 60);
    outline(4);
    set(cr, rgb(168, 28, 36));
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip(cr);
    // A gold bend from the top-left corner down to the right.
    cairo_move_to(cr, -50, -hh - 4);
    cairo_line_to(cr, -30, -hh - 4);
    cairo_line_to(cr, 50, 40);
    cairo_line_to(cr, 30, 48);
    cairo_close_path(cr);
    set(cr, kGold);
    cairo_fill(cr);
    // A gold star in the upper right, a small tower in the lower left.
    cairo_move_to(cr, 20, -hh + 14);
    for (int i = 1; i <= 10; i++) {
        const double a = -PI / 2 + i * PI / 5, r = i % 2 ? 4.5 : 11;
        cairo_line_to(cr, 20 + r * std::cos(a), -hh + 25 + r * std::sin(a));
    }
    cairo_close_path(cr);
    set(cr, kGold);
    cairo_fill(cr);
    cairo_rectangle(cr, -24, 4, 14, 18);
    cairo_rectangle(cr, -26, 0, 4, 5);
    cairo_rectangle(cr, -19, 0, 4, 5);
    cairo_rectangle(cr, -12, 0, 4, 5);
    set(cr, rgb(240, 230, 200));
    cairo_fill(cr);
    cairo_restore(cr);
}

void book_subject(cairo_t* cr, double hw, double hh)
{
    const double w = std::min(hw - 6, 74.0), top = -hh + 10, bottom = hh - 14;
    // Leather cover under the pages, and a lectern edge below.
    rounded_rect(cr, -w - 4, top + 2, 2 * w + 8, bottom - top + 6, 4);
    set(cr, rgb(90, 30, 20));
    cairo_fill(cr);
    cairo_rectangle(cr, -hw - 2, hh - 8, 2 * hw + 4, 10);
    fill_v(cr, kWood, scale(kWood, 0.5), hh - 8, hh);
    // Two pages, the spine dipping between them.
    for (int side : {-1, 1}) {
        cairo_move_to(cr, 0, top + 6);
        cairo_curve_to(cr, side * w * 0.3, top - 2, side * w * 0.7, top - 2, side * w, top + 2);
        cairo_line_to(cr, side * w, bottom);
        cairo_curve_to(cr, side * w * 0.7, bottom - 4, side * w * 0.3, bottom - 4, 0, bottom + 2);
        cairo_close_path(cr);
        fill_v(cr, rgb(246, 236, 206), rgb(214, 196, 156), top, bottom);
        // Lines of writing.
        const double x0 = side < 0 ? -w + 8 : 8, x1 = side < 0 ? -8 : w - 8;
        for (double y = top + 12; y < bottom - 6; y += 7) {
            double xs = x0 + ((side < 0 && y < top + 26) ? 16 : 0);
            cairo_move_to(cr, xs, y);
            cairo_line_to(cr, x1 - (static_cast<int>(y) % 3) * 4, y);
            stroke(cr, rgb(70, 50, 40), 1.6);
        }
    }
    // The red initial at the top-left of the left page.
    rounded_rect(cr, -w + 7, top + 6, 13, 15, 2);
    set(cr, rgb(180, 30, 30));
    cairo_fill(cr);
    rounded_rect(cr, -w + 10, top + 9, 7, 9, 1);
    set(cr, kGold);
    cairo_fill(cr);
    // A ribbon hanging out below the right page.
    cairo_move_to(cr, w * 0.4, bottom - 2);
    cairo_line_to(cr, w * 0.4 + 6, bottom - 2);
    cairo_line_to(cr, w * 0.4 + 8, hh - 2);
    cairo_line_to(cr, w * 0.4 + 3, hh - 6);
    cairo_line_to(cr, w * 0.4 - 1, hh - 2);
    cairo_close_path(cr);
    set(cr, rgb(40, 110, 60));
    cairo_fill(cr);
}

}  // namespace

std::vector<Subject> relic_subjects()
{
    return {
        {"candle", rgb(86, 58, 140), rgb(46, 30, 80), candle_subject},
        {"key", rgb(170, 50, 48), rgb(104, 26, 24), key_subject},
        {"bell", rgb(60, 124, 64), rgb(30, 72, 36), bell_subject},
        {"chalice", rgb(146, 40, 104), rgb(84, 20, 60), chalice_subject},
        {"lantern", rgb(58, 66, 84), rgb(30, 34, 46), lantern_subject},
        {"urn", rgb(200, 214, 204), rgb(140, 162, 150), urn_subject},
        {"crown", rgb(110, 48, 150), rgb(60, 24, 90), crown_subject},
        {"hourglass", rgb(60, 166, 180), rgb(30, 104, 116), hourglass_subject},
        {"sword", rgb(52, 82, 168), rgb(26, 42, 100), sword_subject},
        {"door", rgb(200, 130, 150), rgb(140, 80, 100), door_subject},
        {"shield", rgb(214, 174, 62), rgb(150, 112, 30), shield_subject},
        {"book", rgb(124, 80, 46), rgb(70, 42, 22), book_subject},
    };
}
