// picture.cpp -- a level picture: mosaic ground in the subject's tone, the subject, light from the top-left, a brass frame
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "levelart.h"

using namespace paint;

std::filesystem::path art_dir;

void fill_v(cairo_t* cr, Rgb top, Rgb bottom, double y0, double y1)
{
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void fill_lit(cairo_t* cr, Rgb c, double cx, double cy, double r)
{
    // Highlight up and to the left of the centre, the colour's shadow below right.
    cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, r * 0.05, cx, cy, r * 1.1);
    const Rgb hi = mix(c, rgb(255, 250, 235), 0.45), lo = scale(c, 0.45);
    cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, c.r, c.g, c.b);
    cairo_pattern_add_color_stop_rgb(g, 1, lo.r, lo.g, lo.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
}

void stroke(cairo_t* cr, Rgb c, double width, double alpha)
{
    set(cr, c, alpha);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

namespace {

std::uint32_t name_seed(const std::string& name)
{
    std::uint32_t h = 2166136261u;
    for (char c : name)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    return h;
}

// Small square tesserae in the subject's tone, each a shade of its own, so
// that even an empty stretch of background differs from cell to cell.
void mosaic_ground(cairo_t* cr, const Subject& s, double w, double h, double k)
{
    cairo_rectangle(cr, 0, 0, w, h);
    fill_v(cr, scale(s.top, 0.8), scale(s.bottom, 0.8), 0, h);  // the grout
    const double t = 6.6 * k;
    Lcg rng(name_seed(s.name));
    for (double y = 0; y < h; y += t)
        for (double x = 0; x < w; x += t) {
            const Rgb base = mix(s.top, s.bottom, std::clamp((y + t / 2) / h, 0.0, 1.0));
            cairo_rectangle(cr, x + 0.4 * k, y + 0.4 * k, t - 0.8 * k, t - 0.8 * k);
            set(cr, scale(base, rng.range(0.92, 1.07)));
            cairo_fill(cr);
        }
}

// Bevelled brass: the top and left edges catch the light, the bottom and
// right fall in shadow, and a brass corner plate marks the top-left, so an
// edge or corner tile shows which way is up.
void picture_frame(cairo_t* cr, double w, double h, double k)
{
    const double f = 4 * k;
    auto edge = [&](double x0, double y0, double x1, double y1, double x2, double y2, double x3, double y3, Rgb c) {
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_line_to(cr, x2, y2);
        cairo_line_to(cr, x3, y3);
        cairo_close_path(cr);
        set(cr, c);
        cairo_fill(cr);
    };
    edge(0, 0, w, 0, w - f, f, f, f, kBrassLight);          // top
    edge(0, 0, f, f, f, h - f, 0, h, mix(kBrassLight, kBrass, 0.4));  // left
    edge(w, 0, w, h, w - f, h - f, w - f, f, kBrassDark);   // right
    edge(0, h, f, h - f, w - f, h - f, w, h, kBrassShadow); // bottom
    // A groove along the middle of the frame.
    cairo_rectangle(cr, f * 0.5, f * 0.5, w - f, h - f);
    set(cr, kBrassShadow, 0.45);
    cairo_set_line_width(cr, std::max(0.6, 0.7 * k));
    cairo_stroke(cr);
    // The inner lip: shadow on the picture's top and left edges.
    cairo_rectangle(cr, f, f, w - 2 * f, k);
    cairo_rectangle(cr, f, f, k, h - 2 * f);
    set(cr, kDeep, 0.45);
    cairo_fill(cr);
    // Corner plate at the top-left.
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 10 * k, 0);
    cairo_line_to(cr, 0, 10 * k);
    cairo_close_path(cr);
    cairo_pattern_t* g = brass_linear(0, 0, 6 * k, 6 * k);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, 10 * k, 0);
    cairo_line_to(cr, 0, 10 * k);
    stroke(cr, kBrassShadow, 0.8 * k);
    rivet(cr, 3.2 * k, 3.2 * k, 1.6 * k);
}

// A written tablet for a picture file no subject is drawn for.
void unknown_subject(cairo_t* cr, double hw, double hh)
{
    rounded_rect(cr, -hw * 0.8, -hh * 0.8, hw * 1.6, hh * 1.6, 8);
    fill_v(cr, kStoneLight, kStone, -hh, hh);
    cairo_move_to(cr, -hw * 0.6, -hh * 0.55);
    cairo_line_to(cr, hw * 0.2, -hh * 0.55);
    stroke(cr, kInk, 6);
    cairo_move_to(cr, -hw * 0.6, -hh * 0.2);
    cairo_line_to(cr, hw * 0.5, -hh * 0.2);
    stroke(cr, kInk, 6);
    cairo_move_to(cr, -hw * 0.6, hh * 0.15);
    cairo_line_to(cr, hw * 0.35, hh * 0.15);
    stroke(cr, kInk, 6);
}

}  // namespace

Subject subject_for(const std::string& filename)
{
    const std::string stem = filename.substr(0, filename.rfind('.'));
    for (const std::vector<Subject>& list : {relic_subjects(), creature_subjects()})
        for (const Subject& s : list)
            if (stem == s.name)
                return s;
    std::fprintf(stderr, "levelart: no drawing for %s, a written tablet stands in\n", filename.c_str());
    return {stem, rgb(96, 90, 80), rgb(60, 56, 50), unknown_subject};
}

void draw_picture(cairo_t* cr, const Subject& s, int cw, int ch, double cell, double x, double y, int code)
{
    const double w = cw * cell, h = ch * cell, k = cell / 33.0;
    const int turns = ((code % 4) + 3) % 4;  // clockwise quarter turns: code 1 none, 2 one, 3 two, 0 three
    cairo_save(cr);
    const double bw = turns % 2 ? h : w, bh = turns % 2 ? w : h;
    cairo_translate(cr, x + bw / 2, y + bh / 2);
    cairo_rotate(cr, turns * PI / 2);
    cairo_translate(cr, -w / 2, -h / 2);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);

    mosaic_ground(cr, s, w, h, k);
    // The subject inside the frame, short side 100 units.
    const double f = 4 * k, iw = w - 2 * f, ih = h - 2 * f;
    const double unit = std::min(iw, ih) / 100.0;
    cairo_save(cr);
    cairo_translate(cr, w / 2, h / 2);
    cairo_scale(cr, unit, unit);
    s.draw(cr, iw / 2 / unit, ih / 2 / unit);
    cairo_restore(cr);
    // Light from the top-left over everything.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, h);
    cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.95, 0.8, 0.16);
    cairo_pattern_add_color_stop_rgba(g, 0.45, 1.0, 0.95, 0.8, 0.0);
    cairo_pattern_add_color_stop_rgba(g, 0.6, kDeep.r, kDeep.g, kDeep.b, 0.0);
    cairo_pattern_add_color_stop_rgba(g, 1, kDeep.r, kDeep.g, kDeep.b, 0.3);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    picture_frame(cr, w, h, k);
    cairo_restore(cr);
}
