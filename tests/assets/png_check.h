// png_check.h -- files as the asset tests read them: bytes, images as the game loads them, boxes of pixels
#pragma once

#include <cairo.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>
#include <vector>

inline std::vector<unsigned char> bytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A PNG as cairo reads it: premultiplied ARGB, with alpha 255 throughout when
// the file has no alpha channel or transparent colour, as the game's loader
// tells the two kinds apart.
struct Png {
    int w = 0, h = 0;
    bool alpha = false;
    std::vector<std::uint32_t> argb;
    std::uint32_t at(int x, int y) const { return argb[std::size_t(y * w + x)]; }
};

inline Png load(const std::filesystem::path& p)
{
    Png png;
    cairo_surface_t* s = cairo_image_surface_create_from_png(p.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        png.w = cairo_image_surface_get_width(s);
        png.h = cairo_image_surface_get_height(s);
        png.alpha = cairo_image_surface_get_format(s) == CAIRO_FORMAT_ARGB32;
        for (int y = 0; y < png.h; y++) {
            const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
            png.argb.insert(png.argb.end(), reinterpret_cast<const std::uint32_t*>(row),
                            reinterpret_cast<const std::uint32_t*>(row) + png.w);
        }
    }
    cairo_surface_destroy(s);
    return png;
}

inline double luma(std::uint32_t p) { return 0.299 * (p >> 16 & 0xff) + 0.587 * (p >> 8 & 0xff) + 0.114 * (p & 0xff); }

// An image the game loads, checked for its size, for alpha only where it is
// blended (and see-through pixels then), and for no pure black in an opaque
// one, which the loader would make see-through.
inline Png expect_image(const std::filesystem::path& p, int w, int h, bool alpha)
{
    Png png = load(p);
    EXPECT_EQ(std::tuple(png.w, png.h, png.alpha), std::tuple(w, h, alpha)) << p;
    if (alpha)
        EXPECT_TRUE(std::any_of(png.argb.begin(), png.argb.end(), [](std::uint32_t c) { return c >> 24 == 0; })) << p;
    else
        EXPECT_EQ(std::count(png.argb.begin(), png.argb.end(), 0xff000000u), 0) << p << ": pure black";
    return png;
}

// A rectangle in window pixels, bounds inclusive, as the game tests clicks.
struct Box {
    int x0, x1, y0, y1;
};

// The greatest of value(x, y) over the part of a box that an image drawn at
// (ox, oy) covers.
template <class Value>
double most(const Png& png, int ox, int oy, const Box& b, Value value)
{
    double m = -1e9;
    for (int y = std::max(b.y0, oy); y <= std::min(b.y1, oy + png.h - 1); y++)
        for (int x = std::max(b.x0, ox); x <= std::min(b.x1, ox + png.w - 1); x++)
            m = std::max(m, value(x - ox, y - oy));
    return m;
}
