// story.cpp -- full-screen images: each level's chamber and its opened door, the opening descent and the closing blessing
#include <algorithm>
#include <cmath>

#include "levelart.h"

using namespace paint;

namespace {

const Rgb kCarve = rgb(214, 194, 150);  // lettering cut into stone and picked out in lime

// The crypt wall, drawn once per run: the per-pixel stone is the costly part.
cairo_surface_t* wall = nullptr;
cairo_surface_t* dark_wall = nullptr;

cairo_surface_t* make_wall(Rgb base, std::uint32_t seed)
{
    Image img("wall", 640, 480, false);
    StoneStyle st;
    st.base = base;
    stone(img, 0, 0, 640, 480, seed, st);
    cairo_surface_flush(img.surface);
    cairo_surface_t* copy = art_surface(CAIRO_FORMAT_ARGB32, 640, 480);
    cairo_t* cr = cairo_create(copy);
    cairo_set_source_surface(cr, img.surface, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    return copy;
}

TextStyle style(double size, Face face, Rgb colour = kCarve)
{
    TextStyle s;
    s.size = size;
    s.face = face;
    s.colour = colour;
    return s;
}

ImagePtr on_wall(const std::string& name, cairo_surface_t* surface = wall)
{
    auto img = std::make_unique<Image>(name, 640, 480, false);
    cairo_set_source_surface(img->cr, surface, 0, 0);
    cairo_paint(img->cr);
    return img;
}

// The bottom of every full-screen image stays dark and plain: the game writes
// its yellow prompt centred on (320, 430).
void prompt_band(cairo_t* cr)
{
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 392, 0, 412);
    cairo_pattern_add_color_stop_rgba(g, 0, kDeep.r, kDeep.g, kDeep.b, 0);
    cairo_pattern_add_color_stop_rgba(g, 1, kDeep.r, kDeep.g, kDeep.b, 0.82);
    cairo_rectangle(cr, 0, 392, 640, 88);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_rectangle(cr, 0, 412, 640, 68);
    set(cr, kDeep, 0.82);
    cairo_fill(cr);
}

// A line of story, carved on a dark plate as wide as its words, centred just
// above the prompt band; a second line goes above it.
void caption(cairo_t* cr, const Words& s, double y = 376)
{
    TextStyle st = style(24, Face::Embossed);
    st.plate = true;
    text(cr, s, 320, y, st, {596, 34, 30});
}

// A story image's title in brass across the top.
void heading(cairo_t* cr, const char* s, double y, double size)
{
    text(cr, s, 320, y, style(size, Face::Brass), {580, size * 1.6});
}

void arch_path(cairo_t* cr, double cx, double top, double half, double bottom)
{
    cairo_move_to(cr, cx - half, bottom);
    cairo_line_to(cr, cx - half, top + half);
    cairo_arc(cr, cx, top + half, half, PI, 2 * PI);
    cairo_line_to(cr, cx + half, bottom);
    cairo_close_path(cr);
}

// An arched opening with a brass rim; `glow` 0 dark, 1 full of light.
void archway(cairo_t* cr, double cx, double top, double half, double bottom, double glow)
{
    arch_path(cr, cx, top - 10, half + 10, bottom);
    cairo_pattern_t* g = brass_linear(cx - half, top - 10, cx + half * 0.2, bottom);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    arch_path(cr, cx, top, half, bottom);
    g = cairo_pattern_create_radial(cx, bottom - half * 0.8, 4, cx, bottom - half, (bottom - top) * 1.1);
    const Rgb inner = mix(rgb(24, 20, 17), rgb(255, 214, 140), glow), outer = mix(rgb(14, 12, 10), rgb(150, 90, 40), glow);
    cairo_pattern_add_color_stop_rgb(g, 0, inner.r, inner.g, inner.b);
    cairo_pattern_add_color_stop_rgb(g, 1, outer.r, outer.g, outer.b);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    arch_path(cr, cx, top, half, bottom);
    set(cr, kBrassShadow);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    rivet(cr, cx, top - 5, 5);
}

// A closed door of two stone leaves studded with iron, in a brass-rimmed arch.
void sealed_door(cairo_t* cr, double cx, double top, double half, double bottom)
{
    archway(cr, cx, top, half, bottom, 0.0);
    arch_path(cr, cx, top, half, bottom);
    fill_v(cr, rgb(92, 82, 70), rgb(46, 41, 35), top, bottom);
    cairo_move_to(cr, cx, top + 2);
    cairo_line_to(cr, cx, bottom);
    stroke(cr, kDeep, 2.5);
    for (double y = top + 40; y < bottom - 2; y += 34)
        for (double dx : {-0.85, -0.56, 0.56, 0.85}) {
            const double x = cx + dx * half;
            if (y < top + half && std::hypot(x - cx, y - (top + half)) > half - 10)
                continue;  // clear of the arch's curve
            cairo_arc(cr, x, y, 3.2, 0, 2 * PI);
            fill_lit(cr, rgb(90, 92, 98), x, y, 3.2);
        }
}

// A candle on a brass bracket fixed to the wall.
void wall_candle(cairo_t* cr, double x, double y, double height)
{
    cairo_rectangle(cr, x - 22, y, 44, 8);
    cairo_pattern_t* g = brass_linear(x - 22, y, x - 12, y + 8);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_move_to(cr, x, y + 8);
    cairo_line_to(cr, x - 10, y + 30);
    cairo_line_to(cr, x + 10, y + 30);
    cairo_close_path(cr);
    set(cr, kBrassDark);
    cairo_fill(cr);
    candle(cr, x, y, height, 16);
}

// The level's pictures drawn whole in a row centred on (cx, cy), each cell `cell` pixels.
// With `standing`, cy is the line the pictures stand on instead of their middle.
void picture_row(cairo_t* cr, const LevelArt& level, const std::vector<LevelArt::Goal>& goals, double cx, double cy,
                 double max_w, double max_cell, bool standing = false)
{
    double cells = 0;
    int count = 0;
    for (const LevelArt::Goal& g : goals)
        if (const level_picture* p = level.picture(g.id)) {
            cells += g.direction % 2 ? p->w : p->h;  // codes 0 and 2 lie on their side
            count++;
        }
    if (count == 0)
        return;
    const double gap = 16;
    const double cell = std::min(max_cell, (max_w - gap * (count - 1)) / cells);
    double x = cx - (cells * cell + gap * (count - 1)) / 2;
    for (const LevelArt::Goal& g : goals) {
        const level_picture* p = level.picture(g.id);
        if (!p)
            continue;
        const bool side = g.direction % 2 == 0;
        const double w = (side ? p->h : p->w) * cell, h = (side ? p->w : p->h) * cell;
        const double y = standing ? cy - h : cy - h / 2;
        cairo_rectangle(cr, x + 3, y + 4, w, h);
        set(cr, kDeep, 0.6);
        cairo_fill(cr);
        draw_picture(cr, subject_for(p->filename), p->w, p->h, cell, x, y, g.direction);
        x += w + gap;
    }
}

// The level number and title over a chamber.
void level_title(cairo_t* cr, const LevelArt& level)
{
    // TRANSLATORS: over a level's title on its chamber images.
    text(cr, Words(N_("Chamber %d")).arg(level.number), 320, 38, style(20, Face::Embossed), {400, 26});
    Words name = level.name.empty() ? Words(N_("Level %d")).arg(level.number) : Words(level.name);
    text(cr, name, 320, 78, style(46, Face::Brass), {580, 52});
}

}  // namespace

void story_init()
{
    if (!wall)
        wall = make_wall(rgb(60, 54, 47), 501);
    if (!dark_wall)
        dark_wall = make_wall(rgb(40, 36, 32), 502);
}

ImagePtr screen_image(const LevelArt& level)
{
    ImagePtr img = on_wall("level" + std::to_string(level.number) + "/screen1.png");
    cairo_t* cr = img->cr;
    candle_light(cr, 150, 200, 300, 0.8);
    candle_light(cr, 490, 200, 300, 0.8);
    vignette(cr, 640, 480, 0.75);
    // The sealed door: two stone leaves studded with iron, its first goal set
    // into it as a mosaic of loose tiles.
    sealed_door(cr, 320, 120, 110, 372);
    if (!level.match.empty())
        if (const level_picture* p = level.picture(level.match.front().id)) {
            const double cell = std::min(150.0 / p->w, 170.0 / p->h);
            const double x = 320 - p->w * cell / 2, y = 250 - p->h * cell / 2;
            recess(cr, x - 8, y - 8, p->w * cell + 16, p->h * cell + 16, 4, rgb(20, 17, 14));
            const Subject s = subject_for(p->filename);
            // Tiles slightly apart, as if each could still be lifted out.
            for (int r = 0; r < p->h; r++)
                for (int c = 0; c < p->w; c++) {
                    cairo_save(cr);
                    cairo_rectangle(cr, x + c * cell + 1.5, y + r * cell + 1.5, cell - 3, cell - 3);
                    cairo_clip(cr);
                    draw_picture(cr, s, p->w, p->h, cell, x, y);
                    cairo_restore(cr);
                }
        }
    wall_candle(cr, 150, 250, 70);
    wall_candle(cr, 490, 250, 70);
    level_title(cr, level);
    prompt_band(cr);
    return img;
}

ImagePtr win_image(const LevelArt& level, bool last)
{
    ImagePtr img = on_wall("level" + std::to_string(level.number) + "/win1.png");
    cairo_t* cr = img->cr;
    candle_light(cr, 320, 240, 360, 1.0);
    vignette(cr, 640, 480, 0.7);
    const double top = 118, half = 124, bottom = 350;
    archway(cr, 320, top, half, bottom, 0.8);
    // The door leaves swung open into the chamber beyond.
    for (int side : {-1, 1}) {
        const double x = 320 + side * half;
        cairo_move_to(cr, x, bottom);
        cairo_line_to(cr, x, top + half * 0.6);
        cairo_line_to(cr, x - side * 34, top + half * 0.75);
        cairo_line_to(cr, x - side * 34, bottom - 14);
        cairo_close_path(cr);
        fill_v(cr, rgb(96, 60, 30), rgb(52, 32, 16), top, bottom);
        cairo_move_to(cr, x - side * 17, top + half * 0.7);
        cairo_line_to(cr, x - side * 17, bottom - 8);
        stroke(cr, rgb(40, 24, 12), 1.5);
    }
    // Light falling out over the threshold.
    cairo_move_to(cr, 320 - half, bottom);
    cairo_line_to(cr, 320 + half, bottom);
    cairo_line_to(cr, 320 + half + 90, 404);
    cairo_line_to(cr, 320 - half - 90, 404);
    cairo_close_path(cr);
    set(cr, rgb(255, 200, 120), 0.22);
    cairo_fill(cr);
    // The level's goal pictures, whole and upright, on a ledge in the light.
    std::vector<LevelArt::Goal> upright;
    for (const LevelArt::Goal& g : level.match)
        upright.push_back({g.id, 1});
    cairo_rectangle(cr, 320 - 100, 300, 200, 8);
    cairo_pattern_t* g = brass_linear(220, 300, 240, 308);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    double cells = 0;
    for (const LevelArt::Goal& u : upright)
        if (const level_picture* p = level.picture(u.id))
            cells += p->w;
    if (upright.size() > 2 && cells * 24 + 16.0 * static_cast<double>(upright.size() - 1) > 210) {
        // Two shelves when one would make the pictures small.
        const auto mid = upright.begin() + static_cast<long>((upright.size() + 1) / 2);
        const std::vector<LevelArt::Goal> first(upright.begin(), mid), second(mid, upright.end());
        auto tallest = [&](const std::vector<LevelArt::Goal>& row) {
            int cells_h = 1;
            for (const LevelArt::Goal& u : row)
                if (const level_picture* p = level.picture(u.id))
                    cells_h = std::max(cells_h, p->h);
            return cells_h;
        };
        // The lower shelf stands on the one in the picture above; the upper
        // shelf sits as high above it as its tallest picture needs.
        const double cell = 26, upper = 300 - tallest(second) * cell - 14;
        cairo_rectangle(cr, 320 - 100, upper, 200, 8);
        g = brass_linear(220, upper, 240, upper + 8);
        cairo_set_source(cr, g);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        picture_row(cr, level, first, 320, upper, 210, cell, true);
        picture_row(cr, level, second, 320, 300, 210, cell, true);
    } else {
        picture_row(cr, level, upright, 320, 300, 210, upright.size() <= 2 ? 48 : 36, true);
    }
    level_title(cr, level);
    prompt_band(cr);
    caption(cr, last ? Words(N_("The heart of the crypt lies open before you."))
                     : Words(N_("The door opens: a stair leads down to chamber %d.")).arg(level.number + 1));
    return img;
}

std::vector<ImagePtr> opening_images()
{
    std::vector<ImagePtr> out;
    // 1: the stair down, seen from its head: treads lit at their nosings,
    // walls and vault closing in on a small dark door far below.
    {
        ImagePtr img = on_wall("opening/opnseq1.png", dark_wall);
        cairo_t* cr = img->cr;
        const double fx0 = 282, fx1 = 358, fy0 = 150, fy1 = 226;  // the far doorway
        auto quad = [&](double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy, Rgb c, double a) {
            cairo_move_to(cr, ax, ay);
            cairo_line_to(cr, bx, by);
            cairo_line_to(cr, cx, cy);
            cairo_line_to(cr, dx, dy);
            cairo_close_path(cr);
            set(cr, c, a);
            cairo_fill(cr);
        };
        quad(0, 0, 640, 0, fx1, fy0, fx0, fy0, kDeep, 0.55);          // the vault
        quad(0, 0, fx0, fy0, fx0, fy1, 0, 480, kDeep, 0.25);          // left wall
        quad(640, 0, fx1, fy0, fx1, fy1, 640, 480, kDeep, 0.4);       // right wall, away from the candle
        // The arrises where walls meet vault and stair, running to the far door.
        for (auto [x0, y0, x1, y1] : {std::tuple{0.0, 0.0, fx0, fy0}, {640.0, 0.0, fx1, fy0}, {-20.0, 440.0, fx0, fy1},
                                      {660.0, 440.0, fx1, fy1}}) {
            cairo_move_to(cr, x0, y0);
            cairo_line_to(cr, x1, y1);
            stroke(cr, kDeep, 3, 0.8);
            cairo_move_to(cr, x0 + (x0 < 320 ? 2 : -2), y0);
            cairo_line_to(cr, x1, y1);
            stroke(cr, rgb(150, 130, 100), 1, 0.25);
        }
        archway(cr, 320, fy0, (fx1 - fx0) / 2, fy1, 0.0);
        const int steps = 11;
        for (int i = 0; i < steps; i++) {
            auto at = [&](int k) { return std::pow(k / double(steps), 0.55); };
            const double t0 = at(i), t1 = at(i + 1);
            const double y0 = 440 - (440 - fy1) * t0, y1 = 440 - (440 - fy1) * t1;
            const double l0 = -20 + (fx0 + 20) * t0, r0 = 660 - (660 - fx1) * t0;
            const double l1 = -20 + (fx0 + 20) * t1, r1 = 660 - (660 - fx1) * t1;
            const Rgb tread = mix(rgb(124, 110, 92), rgb(26, 22, 19), t0);
            quad(l0, y0, r0, y0, r1, y1, l1, y1, tread, 1);
            // The drop beyond each nosing, then the nosing's lit edge.
            quad(l1, y1, r1, y1, r1 + (r0 - r1) * 0.25, y1 + (y0 - y1) * 0.25, l1 + (l0 - l1) * 0.25, y1 + (y0 - y1) * 0.25,
                 kDeep, 0.55);
            cairo_move_to(cr, l0, y0);
            cairo_line_to(cr, r0, y0);
            stroke(cr, mix(rgb(200, 176, 140), rgb(40, 34, 28), t0), 2);
        }
        candle_light(cr, 130, 230, 300, 1.0);
        wall_candle(cr, 96, 200, 56);
        vignette(cr, 640, 480, 0.7);
        text_now(cr, "CryptSLIDERS", 320, 40, style(34, Face::Brass));
        prompt_band(cr);
        caption(cr, N_("Beneath the old abbey a stair winds down into the dark."));
        out.push_back(std::move(img));
    }
    // 2: the sealed door with its shuffled mosaics.
    {
        ImagePtr img = on_wall("opening/opnseq2.png");
        cairo_t* cr = img->cr;
        candle_light(cr, 320, 120, 360, 0.8);
        vignette(cr, 640, 480, 0.7);
        sealed_door(cr, 320, 70, 150, 392);
        const char* names[] = {"owl.png", "sun.png", "key.png", "moon.png"};
        Lcg rng(77);
        for (int i = 0; i < 4; i++) {
            const Subject s = subject_for(names[i]);
            const double x0 = 208 + (i % 2) * 120, y0 = 150 + (i / 2) * 110;
            recess(cr, x0 - 5, y0 - 5, 106, 106, 4, rgb(20, 17, 14));
            for (int r = 0; r < 2; r++)
                for (int c = 0; c < 2; c++) {
                    // Each tile shows a cell of some picture, turned any way.
                    const int turn = static_cast<int>(rng.next() >> 20) % 4;
                    const int sc = static_cast<int>(rng.next() >> 20) % 2, sr = static_cast<int>(rng.next() >> 20) % 2;
                    cairo_save(cr);
                    cairo_translate(cr, x0 + c * 48 + 24, y0 + r * 48 + 24);
                    cairo_rotate(cr, turn * PI / 2);
                    cairo_rectangle(cr, -23, -23, 46, 46);
                    cairo_clip(cr);
                    draw_picture(cr, s, 2, 2, 46, -23 - sc * 46, -23 - sr * 46);
                    cairo_restore(cr);
                }
        }
        heading(cr, N_("The sealed door"), 38, 34);
        prompt_band(cr);
        caption(cr, N_("At its foot a door of stone and brass, sealed with broken mosaics."));
        out.push_back(std::move(img));
    }
    // 3: one mosaic made whole.
    {
        ImagePtr img = on_wall("opening/opnseq3.png");
        cairo_t* cr = img->cr;
        candle_light(cr, 320, 240, 360, 0.9);
        vignette(cr, 640, 480, 0.7);
        recess(cr, 170, 90, 300, 270, 8, rgb(24, 21, 18));
        draw_picture(cr, subject_for("owl.png"), 3, 3, 70, 215, 118);
        for (int i = 1; i < 3; i++) {  // the joints between its tiles
            cairo_rectangle(cr, 215 + i * 70 - 1, 118, 2, 210);
            cairo_rectangle(cr, 215, 118 + i * 70 - 1, 210, 2);
        }
        set(cr, kDeep, 0.5);
        cairo_fill(cr);
        heading(cr, N_("Whole mosaics"), 38, 34);
        prompt_band(cr);
        caption(cr, N_("It opens only when every tile of its pictures is set in place."));
        out.push_back(std::move(img));
    }
    // 4: the candle and the task.
    {
        ImagePtr img = on_wall("opening/opnseq4.png", dark_wall);
        cairo_t* cr = img->cr;
        candle_light(cr, 320, 200, 380, 1.0);
        vignette(cr, 640, 480, 0.75);
        cairo_save(cr);
        svg(cr, art_dir / "owl.svg", 420, 90, 150, 165);
        cairo_restore(cr);
        candle(cr, 250, 352, 150, 34);
        heading(cr, N_("Before the candle burns down"), 38, 30);
        prompt_band(cr);
        caption(cr, N_("Take the candle, and set the pictures whole before it burns down."));
        out.push_back(std::move(img));
    }
    return out;
}

std::vector<ImagePtr> closing_images()
{
    std::vector<ImagePtr> out;
    {
        ImagePtr img = on_wall("closing/closingsq1.png");
        cairo_t* cr = img->cr;
        vignette(cr, 640, 480, 0.6);
        archway(cr, 320, 60, 170, 392, 0.85);
        // Beams of light from the heart of the crypt.
        for (int i = -3; i <= 3; i++) {
            cairo_move_to(cr, 320, 200);
            cairo_line_to(cr, 320 + i * 80 - 18, 392);
            cairo_line_to(cr, 320 + i * 80 + 18, 392);
            cairo_close_path(cr);
            set(cr, rgb(255, 240, 200), 0.22);
            cairo_fill(cr);
        }
        for (int ring = 5; ring >= 1; ring--) {  // halo round the heart
            cairo_arc(cr, 320, 200, 36 + ring * 16, 0, 2 * PI);
            stroke(cr, rgb(255, 244, 210), 3, 0.10 + 0.05 * (5 - ring));
        }
        cairo_arc(cr, 320, 200, 36, 0, 2 * PI);
        fill_lit(cr, rgb(255, 230, 160), 320, 200, 40);
        std::vector<Subject> all = relic_subjects();
        for (const Subject& c : creature_subjects())
            all.push_back(c);
        // Every picture of the crypt, whole, hung in two columns either side of the arch.
        const double columns[] = {44, 94, 510, 560};
        for (std::size_t i = 0; i < all.size() && i < 24; i++) {
            const double x = columns[i / 6], y = 84 + 46.0 * static_cast<double>(i % 6);
            cairo_rectangle(cr, x + 2, y + 3, 38, 38);
            set(cr, kDeep, 0.6);
            cairo_fill(cr);
            draw_picture(cr, all[i], 2, 2, 19, x, y);
        }
        heading(cr, N_("The heart of the crypt"), 36, 34);
        prompt_band(cr);
        caption(cr, N_("The last mosaic stands whole, and the heart of the crypt lies open."));
        out.push_back(std::move(img));
    }
    {
        ImagePtr img = on_wall("closing/closingsq2.png", dark_wall);
        cairo_t* cr = img->cr;
        candle_light(cr, 320, 200, 360, 1.0);
        cairo_pattern_t* g = cairo_pattern_create_radial(320, 200, 20, 320, 200, 190);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.85, 0.5, 0.55);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.7, 0.3, 0);
        cairo_set_source(cr, g);
        cairo_paint(cr);
        cairo_pattern_destroy(g);
        vignette(cr, 640, 480, 0.7);
        svg(cr, art_dir / "owl.svg", 320 - 120, 60, 240, 264);
        heading(cr, N_("The owl's blessing"), 36, 34);
        prompt_band(cr);
        caption(cr, N_("The brass owl bows its head and gives you its blessing."));
        out.push_back(std::move(img));
    }
    {
        ImagePtr img = on_wall("closing/closingsq3.png", dark_wall);
        cairo_t* cr = img->cr;
        candle_light(cr, 80, 280, 260, 0.6);
        candle_light(cr, 560, 280, 260, 0.6);
        vignette(cr, 640, 480, 0.8);
        heading(cr, N_("The End"), 170, 80);
        text(cr, N_("Thank you for playing CryptSLIDERS"), 320, 240, style(24, Face::Embossed), {580, 30});
        candle(cr, 80, 372, 90, 24, false);
        candle(cr, 560, 372, 90, 24, false);
        prompt_band(cr);
        out.push_back(std::move(img));
    }
    return out;
}
