// png_file.cpp -- small PNG files for tests: written from a pixel function, and frames saved
#include "png_file.h"

#include <filesystem>
#include <fstream>

#include <cairo.h>


// Cairo stores premultiplied native-endian words; it writes RGB24 surfaces as
// PNGs without an alpha channel, ARGB32 surfaces with one.
static bool write_surface(const std::string& path, int w, int h, bool alpha, const std::function<rgba8(int, int)>& pixel)
{
    cairo_surface_t* s = cairo_image_surface_create(alpha ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24, w, h);
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS)
        return false;
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < h; y++) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < w; x++) {
            rgba8 c = pixel(x, y);
            std::uint32_t a = alpha ? c.a : 255;
            std::uint32_t r = c.r * a / 255, g = c.g * a / 255, b = c.b * a / 255;
            row[x] = a << 24 | r << 16 | g << 8 | b;
        }
    }
    cairo_surface_mark_dirty(s);
    bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(s);
    return ok;
}

bool write_png(const std::string& path, int w, int h, bool alpha, const std::function<rgba8(int, int)>& pixel)
{
    unlink_first(path);
    return write_surface(path, w, h, alpha, pixel);
}

void unlink_first(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

bool write_text(const std::string& path, const std::string& text)
{
    unlink_first(path);
    std::ofstream out(path);
    out << text;
    return static_cast<bool>(out);
}

bool save_rgba_png(const std::string& path, int w, int h, const std::vector<rgba8>& pixels)
{
    return write_surface(path, w, h, true, [&](int x, int y) { return pixels[static_cast<size_t>(y * w + x)]; });
}

std::vector<rgba8> read_png(const std::string& path, int* w, int* h)
{
    std::vector<rgba8> pixels;
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    *w = *h = 0;
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        *w = cairo_image_surface_get_width(s);
        *h = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        for (int y = 0; y < *h; y++)
            for (int x = 0; x < *w; x++) {
                std::uint32_t v = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
                std::uint32_t a = v >> 24;
                auto straight = [a](std::uint32_t c) { return static_cast<std::uint8_t>(a ? c * 255 / a : 0); };
                pixels.push_back({straight((v >> 16) & 0xff), straight((v >> 8) & 0xff), straight(v & 0xff),
                                  static_cast<std::uint8_t>(a)});
            }
    }
    cairo_surface_destroy(s);
    return pixels;
}
