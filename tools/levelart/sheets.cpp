// sheets.cpp -- contact sheets for judging the level art by eye: pictures whole and cut into cells, the level's screens
#include <algorithm>

#include "levelart.h"

using namespace paint;

std::filesystem::path sheet_frame;

namespace {

void label(cairo_t* cr, const std::string& s, double x, double y, double size = 14)
{
    TextStyle st;
    st.size = size;
    st.face = Face::Plain;
    st.colour = rgb(230, 230, 230);
    st.align = 0;
    text_now(cr, s, x, y, st);
}

void paint_scaled(cairo_t* cr, const Image& img, double x, double y, double k)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, k, k);
    cairo_set_source_surface(cr, img.surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), k >= 1 ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
    cairo_paint(cr);
    words_replay(img.surface, cr);  // the English words, as the game lays them over the image
    cairo_restore(cr);
}

void write(cairo_surface_t* s, const std::filesystem::path& file)
{
    if (cairo_surface_write_to_png(s, file.c_str()) != CAIRO_STATUS_SUCCESS)
        fail("cannot write " + file.string());
}

}  // namespace

void level_sheet(const LevelArt& level, const std::vector<const Image*>& pictures, const std::vector<const Image*>& screens,
                 const std::filesystem::path& file)
{
    // Top: each picture at twice its size, then its 33 px cells apart, then
    // the cells as a shuffled board shows them: every one turned a quarter.
    // Bottom: screen, clue and win images at half size.
    const double k = 2, gap = 6;
    double width = 20, height = 0;
    auto step_x = [&](const Image* p) { return p->w * k + 40 + (p->w / 33) * gap * k; };
    auto step_y = [&](const Image* p) { return p->h * k + 40 + (p->h / 33) * gap * k; };
    for (const Image* p : pictures) {
        width = std::max(width, 20 + 3 * step_x(p));
        height += step_y(p);
    }
    width = std::max(width, 20 + 330.0 * static_cast<double>(screens.size()));
    const double total_h = 50 + height + 280;
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(width), static_cast<int>(total_h));
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.18);
    cairo_paint(cr);
    label(cr, "Level " + std::to_string(level.number) + ": " + level.name, 10, 20, 20);
    double y = 50;
    for (const Image* p : pictures) {
        label(cr, p->name + "  " + std::to_string(p->w) + "x" + std::to_string(p->h), 10, y - 8, 12);
        paint_scaled(cr, *p, 10, y, k);
        const int cw = p->w / 33, ch = p->h / 33;
        for (int pass = 0; pass < 2; pass++) {
            const double x0 = 10 + (pass + 1) * step_x(p);
            for (int r = 0; r < ch; r++)
                for (int c = 0; c < cw; c++) {
                    const double x = x0 + c * (33 + gap) * k, yy = y + r * (33 + gap) * k;
                    cairo_save(cr);
                    cairo_translate(cr, x + 33 * k / 2, yy + 33 * k / 2);
                    if (pass == 1)
                        cairo_rotate(cr, ((r + c) % 3 + 1) * PI / 2);
                    cairo_scale(cr, k, k);
                    cairo_rectangle(cr, -16.5, -16.5, 33, 33);
                    cairo_clip(cr);
                    cairo_set_source_surface(cr, p->surface, -16.5 - c * 33, -16.5 - r * 33);
                    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
                    cairo_paint(cr);
                    cairo_restore(cr);
                }
        }
        y += step_y(p);
    }
    cairo_surface_t* frame = nullptr;
    if (!sheet_frame.empty())
        frame = cairo_image_surface_create_from_png(sheet_frame.c_str());
    for (std::size_t i = 0; i < screens.size(); i++) {
        paint_scaled(cr, *screens[i], 10 + 330.0 * static_cast<double>(i), y + 10, 0.5);
        const std::string& n = screens[i]->name;
        if (frame && cairo_surface_status(frame) == CAIRO_STATUS_SUCCESS && n.find("/clue") != std::string::npos) {
            cairo_save(cr);
            cairo_translate(cr, 10 + 330.0 * static_cast<double>(i), y + 10);
            cairo_scale(cr, 0.5, 0.5);
            cairo_set_source_surface(cr, frame, 0, 0);
            cairo_paint(cr);
            cairo_restore(cr);
        }
        label(cr, screens[i]->name, 10 + 330.0 * static_cast<double>(i), y + 262, 12);
    }
    if (frame)
        cairo_surface_destroy(frame);
    cairo_destroy(cr);
    write(s, file);
    cairo_surface_destroy(s);
}

void story_sheet(const std::vector<const Image*>& images, const std::filesystem::path& file)
{
    const int cols = 3;
    const int rows = static_cast<int>((images.size() + cols - 1) / cols);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cols * 330 + 10, rows * 270 + 10);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.18);
    cairo_paint(cr);
    for (std::size_t i = 0; i < images.size(); i++) {
        const double x = 10 + 330.0 * static_cast<double>(i % cols), y = 10 + 270.0 * static_cast<double>(i / cols);
        paint_scaled(cr, *images[i], x, y, 0.5);
        label(cr, images[i]->name, x, y + 252, 12);
    }
    cairo_destroy(cr);
    write(s, file);
    cairo_surface_destroy(s);
}
