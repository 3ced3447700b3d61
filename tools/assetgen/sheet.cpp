// sheet.cpp -- the contact sheet of every generated image, and the button debug variants
#include <algorithm>
#include <cmath>

#include "assets.h"

using namespace paint;

namespace {
std::string flat_name(const std::string& name)
{
    std::string s = name.substr(0, name.rfind('.'));
    std::replace(s.begin(), s.end(), '/', '_');
    return s;
}

void write(cairo_surface_t* s, const std::filesystem::path& p)
{
    if (cairo_surface_write_to_png(s, p.c_str()) != CAIRO_STATUS_SUCCESS)
        fail("cannot write " + p.string());
}
}  // namespace

void write_debug(const std::vector<ImagePtr>& images, const std::filesystem::path& dir)
{
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    for (const ImagePtr& img : images) {
        if (img->buttons.empty())
            continue;
        // The image with each button rectangle outlined on its bounds.
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, img->w, img->h);
        cairo_t* cr = cairo_create(s);
        cairo_set_source_surface(cr, img->surface, 0, 0);
        cairo_paint(cr);
        words_replay(img->surface, cr);  // the English words, as the game lays them over the image
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_width(cr, 1);
        for (const Button& b : img->buttons) {
            cairo_rectangle(cr, b.r.x0 + 0.5, b.r.y0 + 0.5, b.r.w() - 1, b.r.h() - 1);
            cairo_set_source_rgb(cr, 1, 0, 1);
            cairo_stroke(cr);
        }
        cairo_destroy(cr);
        write(s, dir / (flat_name(img->name) + ".debug.png"));
        cairo_surface_destroy(s);
        // The labels alone, for the check that none strays out of its button.
        write(img->labels, dir / (flat_name(img->name) + ".labels.png"));
    }
}

void write_sheet(const std::vector<ImagePtr>& images, const std::filesystem::path& file)
{
    const int cols = 4, cw = 340, ch = 290;
    const int rows = static_cast<int>((images.size() + cols - 1) / cols);
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cols * cw, rows * ch + 10);
    cairo_t* cr = cairo_create(s);
    cairo_set_source_rgb(cr, 0.16, 0.16, 0.18);
    cairo_paint(cr);
    for (std::size_t i = 0; i < images.size(); i++) {
        const Image& img = *images[i];
        const double x = (i % cols) * cw + 10, y = (i / cols) * ch + 10;
        const double k = std::min({1.0, 320.0 / img.w, 240.0 / img.h});
        const double w = img.w * k, h = img.h * k;
        // Checkerboard behind the image so its transparent parts show.
        for (int cy = 0; cy * 8 < h; cy++)
            for (int cx = 0; cx * 8 < w; cx++) {
                cairo_rectangle(cr, x + cx * 8, y + cy * 8, std::min(8.0, w - cx * 8), std::min(8.0, h - cy * 8));
                double v = (cx + cy) % 2 ? 0.45 : 0.6;
                cairo_set_source_rgb(cr, v, v, v);
                cairo_fill(cr);
            }
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, k, k);
        cairo_set_source_surface(cr, img.surface, 0, 0);
        cairo_paint(cr);
        words_replay(img.surface, cr);
        cairo_restore(cr);
        TextStyle st;
        st.size = 15;
        st.face = Face::Plain;
        st.colour = rgb(230, 230, 230);
        st.align = 0;
        text_now(cr, img.name + "  " + std::to_string(img.w) + "x" + std::to_string(img.h) + (img.alpha ? "  alpha" : ""), x,
             y + 256, st);
    }
    cairo_destroy(cr);
    write(s, file);
    cairo_surface_destroy(s);
}
