// paint.cpp -- drawing kit of the asset generator: palette, stone, brass, buttons, output
#include "paint.h"

#include <spawn.h>
#include <sys/wait.h>
#include <webp/encode.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

extern char** environ;

namespace paint {

void fail(const std::string& what)
{
    std::fprintf(stderr, "assetgen: %s\n", what.c_str());
    std::exit(1);
}

Rgb mix(Rgb a, Rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb scale(Rgb c, double k) { return {std::min(1.0, c.r * k), std::min(1.0, c.g * k), std::min(1.0, c.b * k)}; }
void set(cairo_t* cr, Rgb c, double a) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

int art_scale = 1;

cairo_surface_t* art_surface(cairo_format_t format, int w, int h)
{
    cairo_surface_t* s = cairo_image_surface_create(format, w * art_scale, h * art_scale);
    if (art_scale != 1)
        cairo_surface_set_device_scale(s, art_scale, art_scale);
    return s;
}

Image::Image(std::string n, int width, int height, bool with_alpha)
    : name(std::move(n)), w(width), h(height), alpha(with_alpha),
      surface(art_surface(CAIRO_FORMAT_ARGB32, width, height)), cr(cairo_create(surface)),
      labels(art_surface(CAIRO_FORMAT_ARGB32, width, height))
{
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS)
        fail("cannot create a cairo surface for " + name);
}

Image::~Image()
{
    words_forget(surface);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    cairo_surface_destroy(labels);
}

std::string art_file_name(const std::string& name, bool painted)
{
    if (art_scale == 1)
        return name;
    const std::size_t dot = name.rfind('.');
    const std::string stem = name.substr(0, dot) + "@" + std::to_string(art_scale) + "x";
    return stem + (painted ? ".webp" : name.substr(dot));
}

namespace {
constexpr float kWebpQuality = 90;

// Lossy WebP of an opaque image, at a quality where a painting shows no loss
// at the size it is drawn.
void write_webp(cairo_surface_t* s, const std::filesystem::path& p)
{
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w) * h * 3);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const std::uint32_t px = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
            std::uint8_t* o = &rgb[(static_cast<std::size_t>(y) * w + x) * 3];
            o[0] = static_cast<std::uint8_t>(px >> 16);
            o[1] = static_cast<std::uint8_t>(px >> 8);
            o[2] = static_cast<std::uint8_t>(px);
        }
    std::uint8_t* webp = nullptr;
    const std::size_t size = WebPEncodeRGB(rgb.data(), w, h, w * 3, kWebpQuality, &webp);
    std::ofstream f(p, std::ios::binary);
    f.write(reinterpret_cast<const char*>(webp), static_cast<std::streamsize>(size));
    WebPFree(webp);
    if (!size || !f)
        fail("cannot write " + p.string());
}

// optipng rewrites the PNG in place with the smaller of two filter choices at
// deflate's highest level.
void optimise_png(const std::filesystem::path& p)
{
    const std::string file = p.string();
    const char* argv[] = {"optipng", "-quiet", "-o1", file.c_str(), nullptr};
    pid_t pid = 0;
    int status = 0;
    if (posix_spawnp(&pid, "optipng", nullptr, nullptr, const_cast<char**>(argv), environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        fail("optipng failed on " + file + " (is the optipng package installed?)");
}
}  // namespace

void save(Image& img, const std::filesystem::path& out)
{
    const bool webp = img.painted && art_scale > 1 && !img.alpha;
    const std::filesystem::path p = out / art_file_name(img.name, webp);
    std::error_code ec;
    std::filesystem::create_directories(p.parent_path(), ec);
    cairo_surface_flush(img.surface);
    if (cairo_status(img.cr) != CAIRO_STATUS_SUCCESS)
        fail("drawing failed for " + img.name + ": " + cairo_status_to_string(cairo_status(img.cr)));
    cairo_surface_t* file_surface = img.surface;
    if (!img.alpha) {
        // Flatten onto the deepest shade, then lift any pure black that is left.
        file_surface = art_surface(CAIRO_FORMAT_RGB24, img.w, img.h);
        cairo_t* cr = cairo_create(file_surface);
        set(cr, kDeep);
        cairo_paint(cr);
        cairo_set_source_surface(cr, img.surface, 0, 0);
        cairo_paint(cr);
        cairo_destroy(cr);
        cairo_surface_flush(file_surface);
        unsigned char* data = cairo_image_surface_get_data(file_surface);
        const int stride = cairo_image_surface_get_stride(file_surface);
        const int pw = cairo_image_surface_get_width(file_surface), ph = cairo_image_surface_get_height(file_surface);
        for (int y = 0; y < ph; y++) {
            auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
            for (int x = 0; x < pw; x++)
                if ((row[x] & 0xffffff) == 0)
                    row[x] = 0xff000000u | (12u << 16) | (10u << 8) | 8u;
        }
        cairo_surface_mark_dirty(file_surface);
    }
    if (webp) {
        write_webp(file_surface, p);
    } else {
        cairo_status_t st = cairo_surface_write_to_png(file_surface, p.string().c_str());
        if (st != CAIRO_STATUS_SUCCESS)
            fail("cannot write " + p.string());
        if (img.optimise)
            optimise_png(p);
    }
    if (file_surface != img.surface)
        cairo_surface_destroy(file_surface);
    words_save(img, out, art_file_name(img.name, webp));
}

void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r)
{
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, PI / 2, PI);
    cairo_arc(cr, x + r, y + r, r, PI, 3 * PI / 2);
    cairo_close_path(cr);
}

cairo_pattern_t* brass_linear(double x0, double y0, double x1, double y1)
{
    // Polished metal: bright band near the top, dark core, warm reflection below.
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(g, 0.00, kBrassLight.r, kBrassLight.g, kBrassLight.b);
    cairo_pattern_add_color_stop_rgb(g, 0.18, kBrassHi.r, kBrassHi.g, kBrassHi.b);
    cairo_pattern_add_color_stop_rgb(g, 0.45, kBrass.r, kBrass.g, kBrass.b);
    cairo_pattern_add_color_stop_rgb(g, 0.80, kBrassDark.r, kBrassDark.g, kBrassDark.b);
    cairo_pattern_add_color_stop_rgb(g, 1.00, kBrass.r, kBrass.g, kBrass.b);
    return g;
}

// ---------------------------------------------------------------- stone

namespace {
double hash2(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / 16777216.0;
}

double value_noise(double x, double y, std::uint32_t seed)
{
    int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    double fx = x - ix, fy = y - iy;
    fx = fx * fx * (3 - 2 * fx);
    fy = fy * fy * (3 - 2 * fy);
    double a = hash2(ix, iy, seed), b = hash2(ix + 1, iy, seed), c = hash2(ix, iy + 1, seed), d = hash2(ix + 1, iy + 1, seed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double fbm(double x, double y, std::uint32_t seed)
{
    double sum = 0, amp = 0.5, f = 1.0 / 48;
    for (int o = 0; o < 5; o++) {
        sum += amp * value_noise(x * f, y * f, seed + static_cast<std::uint32_t>(o) * 101u);
        amp *= 0.5;
        f *= 2.1;
    }
    return sum / 0.97;
}

std::uint32_t pack(double r, double g, double b)
{
    auto c = [](double v) { return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    return 0xff000000u | (c(r) << 16) | (c(g) << 8) | c(b);
}
}  // namespace

void stone(Image& img, double x, double y, double w, double h, std::uint32_t seed, const StoneStyle& st)
{
    cairo_surface_flush(img.surface);
    unsigned char* data = cairo_image_surface_get_data(img.surface);
    const int stride = cairo_image_surface_get_stride(img.surface);
    // Device pixels; the stone's shapes are measured in the frame's units, so
    // the 2x set shows the same blocks and veins with finer grain.
    const int ks = art_scale;
    const double unit = 1.0 / ks;
    const int X0 = std::max(0, static_cast<int>(x)) * ks, Y0 = std::max(0, static_cast<int>(y)) * ks;
    const int X1 = std::min(img.w, static_cast<int>(x + w)) * ks, Y1 = std::min(img.h, static_cast<int>(y + h)) * ks;

    // Block joints of each course, staggered.
    Lcg rng(seed);
    std::vector<std::vector<double>> joints;
    std::vector<std::vector<double>> shades;
    const int courses = static_cast<int>(std::ceil(h / st.course)) + 1;
    for (int c = 0; c < courses; c++) {
        std::vector<double> j{x - rng.range(0, st.max_len)};
        std::vector<double> s;
        while (j.back() < x + w) {
            j.push_back(j.back() + rng.range(st.min_len, st.max_len));
            s.push_back(rng.range(0.82, 1.14));
        }
        joints.push_back(j);
        shades.push_back(s);
    }

    for (int dy = Y0; dy < Y1; dy++) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + dy * stride);
        const double py = dy * unit;
        const double ly = py - y;
        const int c = std::min(courses - 1, static_cast<int>(ly / st.course));
        const double top = ly - c * st.course, bottom = st.course - top;
        for (int dx = X0; dx < X1; dx++) {
            const double px = dx * unit;
            double n = fbm(px, py, seed);
            double grain = hash2(dx, dy, seed ^ 0x5bd1e995u);
            double shade = 1.0;
            double edge_light = 0;
            bool mortar = false;
            if (st.blocks) {
                const std::vector<double>& j = joints[static_cast<std::size_t>(c)];
                std::size_t k = static_cast<std::size_t>(std::upper_bound(j.begin(), j.end(), static_cast<double>(px)) - j.begin());
                k = std::clamp<std::size_t>(k, 1, j.size() - 1);
                double left = px - j[k - 1], right = j[k] - px;
                shade = shades[static_cast<std::size_t>(c)][k - 1];
                // Chipped arrises: the joint wanders a little with the noise.
                double wob = (value_noise(px / 5.0, py / 5.0, seed + 7) - 0.5) * 1.6;
                double d_top = top + wob, d_left = left + wob, d_bottom = bottom - wob, d_right = right - wob;
                if (std::min({d_top, d_left, d_bottom, d_right}) < 1.6)
                    mortar = true;
                else if (d_top < 4.0 || d_left < 4.0)
                    edge_light = 0.22 * (1 - std::min(d_top, d_left) / 4.0);
                else if (d_bottom < 5.0 || d_right < 5.0)
                    edge_light = -0.30 * (1 - std::min(d_bottom, d_right) / 5.0);
            }
            double v = (0.70 + 0.55 * n * st.contrast) * shade + (grain - 0.5) * 0.10 * st.contrast + edge_light;
            Rgb col = mortar ? scale(kDeep, 1.3 + grain * 0.6) : scale(st.base, std::max(0.0, v));
            // Occasional pits in the stone.
            if (!mortar && grain > 0.985)
                col = scale(col, 0.6);
            row[dx] = pack(col.r, col.g, col.b);
        }
    }
    cairo_surface_mark_dirty(img.surface);
}

void candle_light(cairo_t* cr, double x, double y, double radius, double strength)
{
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOFT_LIGHT);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    cairo_pattern_add_color_stop_rgba(g, 0, kCandle.r, kCandle.g, kCandle.b, strength);
    cairo_pattern_add_color_stop_rgba(g, 0.5, kCandle.r, kCandle.g * 0.8, kCandle.b * 0.6, strength * 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, kCandle.r, kCandle.g, kCandle.b, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void vignette(cairo_t* cr, double w, double h, double strength)
{
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_pattern_t* g = cairo_pattern_create_radial(w / 2, h / 2, std::min(w, h) * 0.35, w / 2, h / 2, std::hypot(w, h) * 0.55);
    cairo_pattern_add_color_stop_rgba(g, 0, kDeep.r, kDeep.g, kDeep.b, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, kDeep.r, kDeep.g, kDeep.b, strength);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void brass_frame(cairo_t* cr, double x, double y, double w, double h, double t)
{
    cairo_save(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_rectangle(cr, x, y, w, h);
    cairo_rectangle(cr, x + t, y + t, w - 2 * t, h - 2 * t);
    cairo_pattern_t* g = brass_linear(x, y, x + w * 0.3, y + h);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_set_line_width(cr, 1);
    // Outer arris lit, inner arris dark, a bead groove in the middle.
    set(cr, kBrassHi, 0.9);
    cairo_rectangle(cr, x + 0.5, y + 0.5, w - 1, h - 1);
    cairo_stroke(cr);
    set(cr, kBrassShadow);
    cairo_rectangle(cr, x + t - 0.5, y + t - 0.5, w - 2 * t + 1, h - 2 * t + 1);
    cairo_stroke(cr);
    if (t >= 8) {
        set(cr, kBrassDark, 0.8);
        cairo_rectangle(cr, x + t / 2 - 0.5, y + t / 2 - 0.5, w - t + 1, h - t + 1);
        cairo_stroke(cr);
        set(cr, kBrassHi, 0.5);
        cairo_rectangle(cr, x + t / 2 + 0.5, y + t / 2 + 0.5, w - t - 1, h - t - 1);
        cairo_stroke(cr);
    }
    set(cr, kDeep, 0.55);
    cairo_set_line_width(cr, 2);
    cairo_rectangle(cr, x + t + 1, y + t + 1, w - 2 * t - 2, h - 2 * t - 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    if (t >= 8) {
        const double r = std::min(t * 0.42, 7.0);
        for (double cx : {x + t / 2, x + w - t / 2})
            for (double cy : {y + t / 2, y + h - t / 2})
                rivet(cr, cx, cy, r);
    }
}

void recess(cairo_t* cr, double x, double y, double w, double h, double r, Rgb floor)
{
    cairo_save(cr);
    // Lit lower-right lip, then the shadowed upper-left lip over it, then the floor.
    rounded_rect(cr, x - 1, y - 1, w + 3, h + 3, r + 1);
    set(cr, kStoneLight, 0.85);
    cairo_fill(cr);
    rounded_rect(cr, x - 2, y - 2, w + 2, h + 2, r + 1);
    set(cr, kDeep, 0.9);
    cairo_fill(cr);
    rounded_rect(cr, x, y, w, h, r);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
    cairo_pattern_add_color_stop_rgb(g, 0, floor.r * 0.55, floor.g * 0.55, floor.b * 0.55);
    cairo_pattern_add_color_stop_rgb(g, 0.25, floor.r, floor.g, floor.b);
    cairo_pattern_add_color_stop_rgb(g, 1, floor.r * 1.15, floor.g * 1.15, floor.b * 1.15);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void rivet(cairo_t* cr, double x, double y, double r)
{
    cairo_save(cr);
    cairo_arc(cr, x + 0.8, y + 1.2, r, 0, 2 * PI);
    set(cr, kDeep, 0.6);
    cairo_fill(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r);
    cairo_pattern_add_color_stop_rgb(g, 0, kBrassHi.r, kBrassHi.g, kBrassHi.b);
    cairo_pattern_add_color_stop_rgb(g, 0.55, kBrass.r, kBrass.g, kBrass.b);
    cairo_pattern_add_color_stop_rgb(g, 1, kBrassShadow.r, kBrassShadow.g, kBrassShadow.b);
    cairo_arc(cr, x, y, r, 0, 2 * PI);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
}

void candle(cairo_t* cr, double x, double base_y, double height, double width, bool lit)
{
    cairo_save(cr);
    // Glow behind the flame.
    const double fy = base_y - height - width * 0.9;
    if (lit) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, fy, 0, x, fy, width * 5);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.75, 0.35, 0.55);
    cairo_pattern_add_color_stop_rgba(glow, 0.4, 1.0, 0.6, 0.2, 0.15);
    cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.5, 0.1, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, x, fy, width * 5, 0, 2 * PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
    }
    // Brass dish.
    cairo_save(cr);
    cairo_translate(cr, x, base_y);
    cairo_scale(cr, width * 1.4, width * 0.35);
    cairo_arc(cr, 0, 0, 1, 0, 2 * PI);
    cairo_restore(cr);
    cairo_pattern_t* dish = brass_linear(x - width * 1.4, base_y - 4, x + width * 1.4, base_y + 6);
    cairo_set_source(cr, dish);
    cairo_fill(cr);
    cairo_pattern_destroy(dish);
    // Wax with a drip, lit on the flame side.
    const double wx = x - width / 2;
    cairo_pattern_t* wax = cairo_pattern_create_linear(wx, 0, wx + width, 0);
    cairo_pattern_add_color_stop_rgb(wax, 0, 0.62, 0.55, 0.42);
    cairo_pattern_add_color_stop_rgb(wax, 0.4, 0.96, 0.90, 0.76);
    cairo_pattern_add_color_stop_rgb(wax, 1, 0.55, 0.47, 0.36);
    cairo_rectangle(cr, wx, base_y - height, width, height);
    cairo_set_source(cr, wax);
    cairo_fill(cr);
    cairo_pattern_destroy(wax);
    cairo_move_to(cr, wx + width * 0.6, base_y - height);
    cairo_curve_to(cr, wx + width * 0.75, base_y - height + 6, wx + width * 0.9, base_y - height + 14, wx + width * 0.75,
                   base_y - height + 18);
    cairo_curve_to(cr, wx + width * 0.6, base_y - height + 14, wx + width * 0.62, base_y - height + 6, wx + width * 0.5,
                   base_y - height);
    set(cr, rgb(250, 240, 214), 0.8);
    cairo_fill(cr);
    // Wick and flame.
    set(cr, kDeep);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, x, base_y - height);
    cairo_line_to(cr, x, base_y - height - width * 0.3);
    cairo_stroke(cr);
    if (!lit) {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        const double top = base_y - height - width * 0.3;
        for (int pass = 0; pass < 2; pass++) {
            cairo_move_to(cr, x, top);
            cairo_curve_to(cr, x + width * 0.6, top - width * 0.7, x - width * 0.6, top - width * 1.2, x, top - width * 1.9);
            cairo_curve_to(cr, x + width * 0.5, top - width * 2.4, x - width * 0.2, top - width * 2.9, x + width * 0.3,
                           top - width * 3.4);
            set(cr, rgb(190, 180, 168), pass ? 0.35 : 0.12);
            cairo_set_line_width(cr, pass ? 2.5 : 6);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
        return;
    }
    const double fh = width * 1.5;
    const double fb = base_y - height - width * 0.15;
    cairo_move_to(cr, x, fb - fh);
    cairo_curve_to(cr, x + width * 0.45, fb - fh * 0.45, x + width * 0.35, fb, x, fb);
    cairo_curve_to(cr, x - width * 0.35, fb, x - width * 0.45, fb - fh * 0.45, x, fb - fh);
    cairo_pattern_t* flame = cairo_pattern_create_radial(x, fb - fh * 0.25, 0, x, fb - fh * 0.4, fh * 0.75);
    cairo_pattern_add_color_stop_rgb(flame, 0, 1.0, 1.0, 0.92);
    cairo_pattern_add_color_stop_rgb(flame, 0.45, 1.0, 0.82, 0.38);
    cairo_pattern_add_color_stop_rgb(flame, 1, 0.9, 0.42, 0.1);
    cairo_set_source(cr, flame);
    cairo_fill(cr);
    cairo_pattern_destroy(flame);
    cairo_restore(cr);
}

// ---------------------------------------------------------------- buttons

namespace {
// Plate of a button with its bevels; the lower and right bevels are deep so
// the plate reads as raised and ready to be pressed.
void button_plate(cairo_t* cr, const Rect& r)
{
    const double x = r.x0, y = r.y0, w = r.w(), h = r.h();
    const double rad = std::min(5.0, h / 4);
    cairo_save(cr);
    rounded_rect(cr, x, y, w, h, rad);
    set(cr, kDeep);
    cairo_fill(cr);
    // Dark lower bevel: the edge the button sinks into when pressed.
    rounded_rect(cr, x + 1, y + 1, w - 2, h - 2, rad - 1);
    set(cr, kBrassShadow);
    cairo_fill(cr);
    // Lit upper bevel.
    rounded_rect(cr, x + 1, y + 1, w - 3, h - 4, rad - 1);
    set(cr, kBrassHi);
    cairo_fill(cr);
    // The face.
    rounded_rect(cr, x + 3, y + 3, w - 6, h - 7, rad - 2);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y + 3, 0, y + h - 4);
    cairo_pattern_add_color_stop_rgb(g, 0, kBrassLight.r, kBrassLight.g, kBrassLight.b);
    cairo_pattern_add_color_stop_rgb(g, 0.5, kBrass.r, kBrass.g, kBrass.b);
    cairo_pattern_add_color_stop_rgb(g, 1, kBrassDark.r * 1.1, kBrassDark.g * 1.1, kBrassDark.b * 1.1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    // Brushed streaks on the face.
    Lcg rng(static_cast<std::uint32_t>(r.x0 * 31 + r.y0));
    cairo_set_line_width(cr, 1);
    for (double sy = y + 4.5; sy < y + h - 5; sy += 2) {
        set(cr, rng.unit() < 0.5 ? kBrassHi : kBrassDark, 0.10);
        cairo_move_to(cr, x + 4, sy);
        cairo_line_to(cr, x + w - 4, sy);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// A label's room on the face of a button (all of it, accents included), and
// its designed size: the largest that fits the English label within a
// margin, at most 26 pixels.
TextStyle label_style(const Rect& r, const std::string& english, Room* room)
{
    *room = {r.w() - 10, r.h() - 6};
    TextStyle st;
    st.size = fit_size(english, std::min(26.0, r.h() * 0.62), r.w() - 12, r.h() - 10);
    st.face = Face::Engraved;
    st.colour = kInk;
    return st;
}
}  // namespace

void button(Image& img, const Rect& r, const Words& label)
{
    button_plate(img.cr, r);
    Room room{};
    const TextStyle st = label_style(r, label.english, &room);
    // The face sits a pixel above the rectangle's centre (the lower bevel is deeper).
    text(img.cr, label, r.cx() - 0.5, r.cy() - 1, st, room);
    cairo_t* lc = cairo_create(img.labels);
    text_now(lc, label.english, r.cx() - 0.5, r.cy() - 1, st);
    cairo_destroy(lc);
    img.buttons.push_back({r, label.english});
}

void arrow_button(Image& img, const Rect& r, int dir)
{
    cairo_t* cr = img.cr;
    button_plate(cr, r);
    const double cx = r.cx() - 0.5, cy = r.cy() - 1.5, s = std::min(r.w(), r.h()) * 0.32;
    auto arrow = [&](cairo_t* c, double dx, double dy) {
        cairo_move_to(c, cx + dx + dir * s, cy + dy);
        cairo_line_to(c, cx + dx - dir * s * 0.6, cy + dy - s);
        cairo_line_to(c, cx + dx - dir * s * 0.6, cy + dy - s * 0.4);
        cairo_line_to(c, cx + dx - dir * s * 1.1, cy + dy - s * 0.4);
        cairo_line_to(c, cx + dx - dir * s * 1.1, cy + dy + s * 0.4);
        cairo_line_to(c, cx + dx - dir * s * 0.6, cy + dy + s * 0.4);
        cairo_line_to(c, cx + dx - dir * s * 0.6, cy + dy + s);
        cairo_close_path(c);
    };
    arrow(cr, 0, 1);
    set(cr, kBrassHi, 0.8);
    cairo_fill(cr);
    arrow(cr, 0, 0);
    set(cr, kInk);
    cairo_fill(cr);
    cairo_t* lc = cairo_create(img.labels);
    arrow(lc, 0, 0);
    set(lc, kInk);
    cairo_fill(lc);
    cairo_destroy(lc);
    img.buttons.push_back({r, dir < 0 ? "<" : ">"});
}

}  // namespace paint
