// assetgen: writes the placeholder run-time images and sounds for CryptSLIDERS.
//
//   assetgen OUTDIR
//
// Creates OUTDIR/base, OUTDIR/help and OUTDIR/sounds and fills them with
// stand-in art in the game's carved-stone and brass look. Everything is
// generated from fixed parameters and a fixed-seed LCG, so two runs produce
// byte-identical files.

#include <cairo.h>
#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr double kPi = 3.14159265358979323846;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "assetgen: %s\n", what.c_str());
    std::exit(1);
}

// Small deterministic generator (Numerical Recipes LCG constants).
struct Lcg {
    std::uint32_t state;
    explicit Lcg(std::uint32_t seed) : state(seed) {}
    std::uint32_t next() { return state = state * 1664525u + 1013904223u; }
    double unit() { return (next() >> 8) / 16777216.0; }  // [0, 1)
};

struct Rgb { double r, g, b; };

Rgb rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }

// Palette. Nothing in an opaque image may be pure black, because the game's
// loader treats (0,0,0) as transparent; the darkest shade used is kDeep.
const Rgb kDeep = rgb(12, 10, 8);
const Rgb kStone = rgb(62, 54, 46);
const Rgb kStoneDark = rgb(34, 29, 24);
const Rgb kStoneLight = rgb(112, 100, 84);
const Rgb kBrass = rgb(200, 160, 80);
const Rgb kBrassLight = rgb(240, 210, 130);
const Rgb kBrassDark = rgb(120, 88, 36);
const Rgb kParchment = rgb(150, 136, 112);

void set(cairo_t* cr, Rgb c, double a = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

// ---------------------------------------------------------------- drawing

// Stone fill: a base colour with a soft vertical gradient, then courses of
// irregular blocks with slightly varied shades and dark mortar joints.
void stone(cairo_t* cr, double x, double y, double w, double h, std::uint32_t seed,
           Rgb base = kStone) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(g, 0, base.r * 1.15, base.g * 1.15, base.b * 1.15);
    cairo_pattern_add_color_stop_rgb(g, 1, base.r * 0.8, base.g * 0.8, base.b * 0.8);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);

    Lcg rng(seed);
    const double course = 40;
    for (double by = y; by < y + h; by += course) {
        double bx = x - rng.unit() * 60;
        while (bx < x + w) {
            double bw = 50 + rng.unit() * 70;
            double shade = 0.85 + rng.unit() * 0.3;
            cairo_set_source_rgba(cr, base.r * shade, base.g * shade, base.b * shade, 0.55);
            cairo_rectangle(cr, bx + 1.5, by + 1.5, bw - 3, course - 3);
            cairo_fill(cr);
            set(cr, kStoneDark, 0.8);
            cairo_set_line_width(cr, 1.5);
            cairo_rectangle(cr, bx + 0.75, by + 0.75, bw - 1.5, course - 1.5);
            cairo_stroke(cr);
            bx += bw;
        }
    }
    cairo_restore(cr);
}

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -kPi / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, kPi / 2);
    cairo_arc(cr, x + r, y + h - r, r, kPi / 2, kPi);
    cairo_arc(cr, x + r, y + r, r, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

cairo_pattern_t* brass_gradient(double x0, double y0, double x1, double y1) {
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(g, 0.0, kBrassLight.r, kBrassLight.g, kBrassLight.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, kBrass.r, kBrass.g, kBrass.b);
    cairo_pattern_add_color_stop_rgb(g, 1.0, kBrassDark.r, kBrassDark.g, kBrassDark.b);
    return g;
}

// Brass border of thickness t along the edge of a w x h image; the interior
// is left untouched.
void brass_border(cairo_t* cr, double w, double h, double t) {
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_rectangle(cr, t, t, w - 2 * t, h - 2 * t);
    cairo_pattern_t* g = brass_gradient(0, 0, w, h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 1);
    set(cr, kBrassLight);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    cairo_stroke(cr);
    set(cr, kBrassDark);
    cairo_rectangle(cr, t - 0.5, t - 0.5, w - 2 * t + 1, h - 2 * t + 1);
    cairo_stroke(cr);
    set(cr, kDeep, 0.6);
    cairo_rectangle(cr, t + 0.5, t + 0.5, w - 2 * t - 1, h - 2 * t - 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Text centred horizontally on cx with its baseline at y.
void text_centered(cairo_t* cr, const std::string& s, double cx, double y, double size,
                   Rgb c, bool bold = true, bool shadow = true) {
    cairo_select_font_face(cr, "serif", CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    double x = cx - e.width / 2 - e.x_bearing;
    if (shadow) {
        set(cr, kDeep, 0.8);
        cairo_move_to(cr, x + 2, y + 2);
        cairo_show_text(cr, s.c_str());
    }
    set(cr, c);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, s.c_str());
}

void text_at(cairo_t* cr, const std::string& s, double x, double y, double size, Rgb c,
             double alpha = 1.0) {
    cairo_select_font_face(cr, "serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, size);
    set(cr, c, alpha);
    cairo_move_to(cr, x, y);
    cairo_show_text(cr, s.c_str());
}

// Small caption naming the file, so a screenshot shows which placeholder it is.
void caption(cairo_t* cr, const std::string& s, double x, double y) {
    text_at(cr, s, x, y, 10, kBrass, 0.7);
}

// --------------------------------------------------------------- file output

struct Surface {
    cairo_surface_t* s;
    cairo_t* cr;
    Surface(int w, int h, cairo_format_t fmt = CAIRO_FORMAT_ARGB32)
        : s(cairo_image_surface_create(fmt, w, h)), cr(cairo_create(s)) {
        if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) fail("cannot create cairo surface");
    }
    ~Surface() {
        cairo_destroy(cr);
        cairo_surface_destroy(s);
    }
    void save(const fs::path& p) {
        cairo_surface_flush(s);
        if (cairo_status(cr) != CAIRO_STATUS_SUCCESS)
            fail("drawing failed for " + p.string() + ": " +
                 cairo_status_to_string(cairo_status(cr)));
        if (cairo_surface_write_to_png(s, p.string().c_str()) != CAIRO_STATUS_SUCCESS)
            fail("cannot write " + p.string());
    }
};

void write_wav(const fs::path& p, const std::vector<float>& left,
               const std::vector<float>& right) {
    SF_INFO info{};
    info.samplerate = 44100;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(p.string().c_str(), SFM_WRITE, &info);
    if (!f) fail("cannot write " + p.string() + ": " + sf_strerror(nullptr));
    std::vector<short> buf(left.size() * 2);
    for (std::size_t i = 0; i < left.size(); ++i) {
        for (int ch = 0; ch < 2; ++ch) {
            double v = (ch == 0 ? left[i] : right[i]);
            v = std::fmax(-1.0, std::fmin(1.0, v));
            buf[i * 2 + ch] = static_cast<short>(std::lround(v * 32767.0));
        }
    }
    sf_count_t frames = static_cast<sf_count_t>(left.size());
    bool ok = sf_writef_short(f, buf.data(), frames) == frames;
    ok = (sf_close(f) == 0) && ok;
    if (!ok) fail("cannot write " + p.string());
}

void write_wav(const fs::path& p, const std::vector<float>& mono) { write_wav(p, mono, mono); }

// ------------------------------------------------------------------ images

void owl(cairo_t* cr, double cx, double cy) {
    cairo_pattern_t* g = brass_gradient(cx - 120, cy - 140, cx + 120, cy + 150);
    // Ear tufts.
    for (int side = -1; side <= 1; side += 2) {
        cairo_move_to(cr, cx + side * 40, cy - 95);
        cairo_line_to(cr, cx + side * 95, cy - 150);
        cairo_line_to(cr, cx + side * 88, cy - 70);
        cairo_close_path(cr);
    }
    // Body and head.
    cairo_save(cr);
    cairo_translate(cr, cx, cy + 40);
    cairo_scale(cr, 100, 120);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy - 50, 95, 0, 2 * kPi);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    set(cr, kBrassDark);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);

    // Wings and breast feathers.
    for (int side = -1; side <= 1; side += 2) {
        cairo_save(cr);
        cairo_translate(cr, cx + side * 72, cy + 60);
        cairo_rotate(cr, side * 0.2);
        cairo_scale(cr, 32, 80);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
        set(cr, kBrassDark);
        cairo_fill(cr);
    }
    set(cr, kBrassDark);
    cairo_set_line_width(cr, 3);
    for (int row = 0; row < 3; ++row)
        for (int i = -1; i <= 1; ++i) {
            double fx = cx + i * 28 + (row % 2) * 14 - 7, fy = cy + 50 + row * 32;
            cairo_arc(cr, fx, fy, 11, 0.2 * kPi, 0.8 * kPi);
            cairo_new_sub_path(cr);
        }
    cairo_stroke(cr);

    // Eyes: brass rims, cream irises, dark pupils with a glint.
    for (int side = -1; side <= 1; side += 2) {
        double ex = cx + side * 45, ey = cy - 55;
        cairo_arc(cr, ex, ey, 40, 0, 2 * kPi);
        set(cr, kBrassDark);
        cairo_fill(cr);
        cairo_arc(cr, ex, ey, 33, 0, 2 * kPi);
        set(cr, rgb(245, 228, 170));
        cairo_fill(cr);
        cairo_arc(cr, ex, ey, 17, 0, 2 * kPi);
        set(cr, kDeep);
        cairo_fill(cr);
        cairo_arc(cr, ex - 6, ey - 6, 5, 0, 2 * kPi);
        set(cr, rgb(250, 245, 230));
        cairo_fill(cr);
    }
    // Beak.
    cairo_move_to(cr, cx - 12, cy - 20);
    cairo_line_to(cr, cx + 12, cy - 20);
    cairo_line_to(cr, cx, cy + 10);
    cairo_close_path(cr);
    set(cr, rgb(90, 62, 24));
    cairo_fill(cr);
    // Feet.
    set(cr, kBrassDark);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int side = -1; side <= 1; side += 2)
        for (int t = -1; t <= 1; ++t) {
            cairo_move_to(cr, cx + side * 35, cy + 155);
            cairo_line_to(cr, cx + side * 35 + t * 12, cy + 172);
        }
    cairo_stroke(cr);
}

void brass_owl(const fs::path& p) {
    Surface s(640, 480);
    cairo_t* cr = s.cr;
    cairo_pattern_t* g = cairo_pattern_create_radial(320, 200, 20, 320, 240, 420);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.22, 0.19, 0.16);
    cairo_pattern_add_color_stop_rgb(g, 1, kDeep.r, kDeep.g, kDeep.b);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    owl(cr, 320, 195);
    text_centered(cr, "CryptSLIDERS", 320, 440, 44, kBrass);
    caption(cr, "base/BrassOwl", 8, 472);
    s.save(p);
}

void game_board(const fs::path& p) {
    Surface s(640, 480);
    cairo_t* cr = s.cr;
    stone(cr, 0, 0, 640, 480, 101);
    brass_border(cr, 640, 480, 8);
    // Recessed board well: 9x9 cells of 33 px from (63,88), grid lines
    // on both outer edges, so it covers x 63..360 and y 88..385.
    const double bx = 63, by = 88, cell = 33, side = 9 * cell + 1;
    set(cr, kBrassLight, 0.5);  // lit lower/right lip
    cairo_rectangle(cr, bx - 3, by - 3, side + 6, side + 6);
    cairo_fill(cr);
    set(cr, kDeep);  // shadowed upper/left lip
    cairo_rectangle(cr, bx - 3, by - 3, side + 3, side + 3);
    cairo_fill(cr);
    set(cr, rgb(28, 24, 20));
    cairo_rectangle(cr, bx, by, side, side);
    cairo_fill(cr);
    set(cr, rgb(96, 76, 42));
    cairo_set_line_width(cr, 1);
    for (int i = 0; i <= 9; ++i) {
        cairo_move_to(cr, bx + i * cell + 0.5, by);
        cairo_line_to(cr, bx + i * cell + 0.5, by + side);
        cairo_move_to(cr, bx, by + i * cell + 0.5);
        cairo_line_to(cr, bx + side, by + i * cell + 0.5);
    }
    cairo_stroke(cr);
    text_centered(cr, "CryptSLIDERS", 320, 55, 34, kBrass);
    // Side panel for the status read-outs.
    set(cr, kStoneDark, 0.85);
    rounded_rect(cr, 400, 88, 200, 298, 10);
    cairo_fill_preserve(cr);
    set(cr, kBrass);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    caption(cr, "base/GameBoard", 14, 468);
    s.save(p);
}

void panel(const fs::path& p, int w, int h, const std::string& title, const std::string& cap,
           std::uint32_t seed) {
    Surface s(w, h);
    cairo_t* cr = s.cr;
    stone(cr, 0, 0, w, h, seed);
    brass_border(cr, w, h, 10);
    text_centered(cr, title, w / 2.0, 62, 36, kBrass);
    set(cr, kBrass, 0.8);
    cairo_rectangle(cr, w / 2.0 - 120, 78, 240, 2);
    cairo_fill(cr);
    caption(cr, cap, 16, h - 16);
    s.save(p);
}

void start_screen(const fs::path& p) {
    Surface s(640, 480);
    cairo_t* cr = s.cr;
    stone(cr, 0, 0, 640, 480, 202, rgb(54, 47, 40));
    brass_border(cr, 640, 480, 12);
    set(cr, kStoneDark, 0.7);
    rounded_rect(cr, 90, 120, 460, 120, 16);
    cairo_fill_preserve(cr);
    set(cr, kBrass);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    text_centered(cr, "CryptSLIDERS", 320, 200, 60, kBrass);
    text_centered(cr, "a picture puzzle in stone", 320, 280, 22, kParchment, false);
    caption(cr, "base/StartScreen", 18, 462);
    s.save(p);
}

void option_slider(const fs::path& p) {
    Surface s(19, 38);
    cairo_t* cr = s.cr;
    rounded_rect(cr, 1, 1, 17, 36, 4);
    cairo_pattern_t* g = brass_gradient(0, 0, 19, 38);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    set(cr, kBrassDark);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    for (int i = 0; i < 3; ++i) {  // grip grooves
        set(cr, kBrassDark);
        cairo_rectangle(cr, 5, 13 + i * 5, 9, 1);
        cairo_fill(cr);
        set(cr, kBrassLight);
        cairo_rectangle(cr, 5, 14 + i * 5, 9, 1);
        cairo_fill(cr);
    }
    s.save(p);
}

void frame(const fs::path& p) {
    Surface s(640, 480);
    cairo_t* cr = s.cr;
    const double t = 24;
    brass_border(cr, 640, 480, t);
    // Bead running round the middle of the frame.
    set(cr, kBrassDark, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, t / 2, t / 2, 640 - t, 480 - t);
    cairo_stroke(cr);
    for (double cx : {t / 2, 640 - t / 2})  // corner bosses
        for (double cy : {t / 2, 480 - t / 2}) {
            cairo_arc(cr, cx, cy, 7, 0, 2 * kPi);
            set(cr, kBrassLight);
            cairo_fill_preserve(cr);
            set(cr, kBrassDark);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, t, t, 640 - 2 * t, 480 - 2 * t);
    cairo_fill(cr);
    s.save(p);
}

void menu_screen(const fs::path& p) { panel(p, 314, 342, "Menu", "base/MenuScreen", 303); }

void cover_screen(const fs::path& p) {
    Surface s(326, 340);
    cairo_t* cr = s.cr;
    stone(cr, 0, 0, 326, 340, 404, rgb(70, 61, 52));
    set(cr, kStoneDark);
    cairo_set_line_width(cr, 6);
    cairo_rectangle(cr, 3, 3, 320, 334);
    cairo_stroke(cr);
    for (double cx : {20.0, 306.0})  // brass rivets
        for (double cy : {20.0, 320.0}) {
            cairo_arc(cr, cx, cy, 6, 0, 2 * kPi);
            cairo_pattern_t* g = brass_gradient(cx - 6, cy - 6, cx + 6, cy + 6);
            cairo_set_source(cr, g);
            cairo_fill(cr);
            cairo_pattern_destroy(g);
        }
    cairo_arc(cr, 163, 160, 60, 0, 2 * kPi);
    set(cr, kBrass);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    text_centered(cr, "?", 163, 190, 80, kBrass);
    caption(cr, "base/CoverScreen", 34, 318);
    s.save(p);
}

void banner(const fs::path& p, int w, int h, const std::string& word) {
    Surface s(w, h);
    cairo_t* cr = s.cr;
    rounded_rect(cr, 2, 2, w - 4, h - 4, h / 3.0);
    set(cr, rgb(44, 38, 32));
    cairo_fill_preserve(cr);
    cairo_pattern_t* g = brass_gradient(0, 0, 0, h);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
    text_centered(cr, word, w / 2.0, h / 2.0 + 15, 42, kBrassLight);
    s.save(p);
}

void icon(const fs::path& p) {
    Surface s(32, 32, CAIRO_FORMAT_RGB24);
    cairo_t* cr = s.cr;
    // Hard edges so no pixel is a blend of brass and the magenta key colour.
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, 1, 0, 1);
    cairo_paint(cr);
    rounded_rect(cr, 2, 2, 28, 28, 5);
    set(cr, kBrass);
    cairo_fill(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    cairo_rectangle(cr, 4, 4, 24, 24);
    cairo_clip(cr);
    text_centered(cr, "C", 16, 26, 26, rgb(52, 36, 14), true, false);
    s.save(p);
}

void help_page(const fs::path& p, int page) {
    Surface s(512, 384);
    cairo_t* cr = s.cr;
    stone(cr, 0, 0, 512, 384, 505);
    brass_border(cr, 512, 384, 10);
    set(cr, kParchment);
    rounded_rect(cr, 36, 70, 440, 280, 8);
    cairo_fill_preserve(cr);
    set(cr, kBrassDark);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (page == 0) {
        text_centered(cr, "Help", 256, 52, 32, kBrass);
        caption(cr, "help/helpbase", 16, 370);
    } else {
        std::string title = "Help page " + std::to_string(page);
        text_centered(cr, title, 256, 52, 32, kBrass);
        for (int i = 0; i < 6; ++i) {
            std::string line = "Placeholder help text, line " + std::to_string(i + 1) + ".";
            text_at(cr, line, 60, 110 + i * 36, 18, rgb(40, 32, 22));
        }
        caption(cr, "help/help" + std::to_string(page), 16, 370);
    }
    s.save(p);
}

// ------------------------------------------------------------------ sounds

constexpr int kRate = 44100;

std::vector<float> silence(double seconds) {
    return std::vector<float>(static_cast<std::size_t>(std::lround(seconds * kRate)), 0.0f);
}

double triangle(double phase) {  // phase in cycles
    double f = phase - std::floor(phase);
    return 4.0 * std::fabs(f - 0.5) - 1.0;
}

// Short linear fade in and out so notes start and stop without clicks.
double fade(double t, double len, double in, double out) {
    if (t < in) return t / in;
    if (t > len - out) return std::fmax(0.0, (len - t) / out);
    return 1.0;
}

// Adds a note starting at `start` seconds; `tri` picks triangle over sine.
void add_note(std::vector<float>& buf, double start, double len, double freq, double amp,
              bool tri, double in = 0.01, double out = 0.06, double decay = 0.0) {
    std::size_t s0 = static_cast<std::size_t>(std::lround(start * kRate));
    std::size_t n = static_cast<std::size_t>(std::lround(len * kRate));
    for (std::size_t i = 0; i < n && s0 + i < buf.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double ph = freq * t;
        double v = tri ? triangle(ph) : std::sin(2 * kPi * ph);
        double env = fade(t, len, in, out) * (decay > 0 ? std::exp(-t / decay) : 1.0);
        buf[s0 + i] += static_cast<float>(amp * env * v);
    }
}

std::vector<float> click() {
    auto b = silence(0.06);
    Lcg rng(0xC11CCu);
    for (std::size_t i = 0; i < b.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double noise = rng.unit() * 2 - 1;
        double env = std::exp(-t / 0.008) * fade(t, 0.06, 0.0005, 0.005);
        b[i] = static_cast<float>(0.35 * env * noise +
                                  0.3 * std::exp(-t / 0.015) * std::sin(2 * kPi * 2400 * t) *
                                      fade(t, 0.06, 0.001, 0.005));
    }
    return b;
}

std::vector<float> lose() {
    auto b = silence(0.6);
    add_note(b, 0.0, 0.28, 392.0, 0.35, true, 0.01, 0.05);
    add_note(b, 0.28, 0.32, 293.66, 0.35, true, 0.01, 0.12, 0.25);
    return b;
}

std::vector<float> win() {
    auto b = silence(0.8);
    add_note(b, 0.00, 0.30, 523.25, 0.3, false, 0.005, 0.08);
    add_note(b, 0.18, 0.30, 659.25, 0.3, false, 0.005, 0.08);
    add_note(b, 0.36, 0.44, 783.99, 0.3, false, 0.005, 0.2, 0.3);
    return b;
}

std::vector<float> thunk() {
    auto b = silence(0.12);
    double phase = 0;
    for (std::size_t i = 0; i < b.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        double freq = 70 + 50 * std::exp(-t / 0.03);  // pitch sags like a struck slab
        phase += freq / kRate;
        double env = std::exp(-t / 0.035) * fade(t, 0.12, 0.002, 0.02);
        b[i] = static_cast<float>(0.6 * env * std::sin(2 * kPi * phase));
    }
    return b;
}

// An 8 s loop: a soft drone whose partials complete whole cycles in the loop
// (so the wrap is seamless), with a triangle-wave melody panned slightly.
void music(const fs::path& p, double drone1, double drone2, const std::vector<double>& notes,
           double step) {
    const double len = 8.0;
    auto drone = silence(len);
    auto melody = silence(len);
    for (std::size_t i = 0; i < drone.size(); ++i) {
        double t = static_cast<double>(i) / kRate;
        drone[i] = static_cast<float>(0.07 * std::sin(2 * kPi * drone1 * t) +
                                      0.05 * std::sin(2 * kPi * drone2 * t));
    }
    for (std::size_t i = 0; i < notes.size(); ++i)
        if (notes[i] > 0) add_note(melody, i * step, step * 0.95, notes[i], 0.16, true, 0.02, 0.12);
    std::vector<float> l(drone.size()), r(drone.size());
    for (std::size_t i = 0; i < drone.size(); ++i) {
        l[i] = drone[i] + 0.9f * melody[i];
        r[i] = drone[i] + 0.7f * melody[i];
    }
    write_wav(p, l, r);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen OUTDIR\n");
        return 1;
    }
    const fs::path out = argv[1];
    const fs::path base = out / "base", help = out / "help", sounds = out / "sounds";
    for (const fs::path& d : {base, help, sounds}) {
        std::error_code ec;
        fs::create_directories(d, ec);
        if (ec || !fs::is_directory(d)) fail("cannot create directory " + d.string());
    }

    brass_owl(base / "BrassOwl.png");
    game_board(base / "GameBoard.png");
    start_screen(base / "StartScreen.png");
    panel(base / "LoseScreen.png", 512, 384, "Level lost", "base/LoseScreen", 11);
    panel(base / "WinScreen.png", 512, 384, "Level won", "base/WinScreen", 12);
    panel(base / "ContinueScreen.png", 512, 384, "Enter password", "base/ContinueScreen", 13);
    panel(base / "OptionsScreen.png", 512, 384, "Options", "base/OptionsScreen", 14);
    panel(base / "GameWon.png", 512, 384, "Game won", "base/GameWon", 15);
    option_slider(base / "OptionSlider.png");
    frame(base / "Frame.png");
    menu_screen(base / "MenuScreen.png");
    cover_screen(base / "CoverScreen.png");
    banner(base / "Success.png", 348, 75, "Success");
    banner(base / "Fail.png", 217, 68, "Failed");
    banner(base / "TimesUp.png", 416, 68, "Time's up");
    icon(base / "CryptSLIDERS.png");
    for (int i = 0; i <= 5; ++i)
        help_page(help / (i == 0 ? std::string("helpbase.png")
                                 : "help" + std::to_string(i) + ".png"),
                  i);

    write_wav(sounds / "Effect1.wav", click());
    write_wav(sounds / "Effect2.wav", lose());
    write_wav(sounds / "Effect3.wav", win());
    write_wav(sounds / "Effect4.wav", thunk());
    // A natural minor: A C D E F E D C ... over A/E; D minor over D/A.
    const double A3 = 220, C4 = 261.63, D4 = 293.66, E4 = 329.63, F4 = 349.23, G4 = 392.0,
                 A4 = 440, Bb3 = 233.08;
    music(sounds / "Music1.wav", 110, 165,
          {A3, C4, E4, D4, C4, E4, F4, E4, D4, F4, E4, C4, D4, C4, A3, 0}, 0.5);
    music(sounds / "Music2.wav", 73.5, 110,
          {D4, 0, F4, A4, G4, 0, F4, E4, D4, F4, E4, C4, D4, 0, Bb3, A3, D4, 0, F4, G4, A4, 0,
           G4, F4, E4, 0, C4, E4, D4, 0, 0, 0},
          0.25);
    return 0;
}
