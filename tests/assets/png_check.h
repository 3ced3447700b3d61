// png_check.h -- PNG files as the asset tests read them: header fields, chunks, pixels, bytes
#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

inline std::vector<unsigned char> bytes(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::uint32_t be32(const std::vector<unsigned char>& b, std::size_t at)
{
    return (std::uint32_t(b[at]) << 24) | (std::uint32_t(b[at + 1]) << 16) | (std::uint32_t(b[at + 2]) << 8) | b[at + 3];
}

struct PngInfo {
    std::uint32_t w = 0, h = 0;
    int colour_type = -1;
    std::vector<std::string> chunks;
};

inline PngInfo png_info(const std::filesystem::path& p)
{
    PngInfo info;
    std::vector<unsigned char> b = bytes(p);
    if (b.size() < 33 || b[1] != 'P' || b[2] != 'N' || b[3] != 'G')
        return info;
    info.w = be32(b, 16);
    info.h = be32(b, 20);
    info.colour_type = b[25];
    for (std::size_t at = 8; at + 8 <= b.size();) {
        const std::uint32_t len = be32(b, at);
        info.chunks.emplace_back(reinterpret_cast<const char*>(&b[at + 4]), 4);
        at += 12 + std::size_t(len);
    }
    return info;
}

// Pixels of a PNG as straight (not premultiplied) RGBA.
struct Pixels {
    int w = 0, h = 0;
    std::vector<std::uint32_t> argb;  // cairo's layout, premultiplied
    unsigned a(int x, int y) const { return argb[std::size_t(y * w + x)] >> 24; }
    unsigned r(int x, int y) const { return (argb[std::size_t(y * w + x)] >> 16) & 0xff; }
    unsigned g(int x, int y) const { return (argb[std::size_t(y * w + x)] >> 8) & 0xff; }
    unsigned b(int x, int y) const { return argb[std::size_t(y * w + x)] & 0xff; }
    double luma(int x, int y) const { return 0.299 * r(x, y) + 0.587 * g(x, y) + 0.114 * b(x, y); }
};

inline Pixels load(const std::filesystem::path& p)
{
    Pixels px;
    cairo_surface_t* s = cairo_image_surface_create_from_png(p.c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        px.w = cairo_image_surface_get_width(s);
        px.h = cairo_image_surface_get_height(s);
        const bool opaque = cairo_image_surface_get_format(s) == CAIRO_FORMAT_RGB24;
        const int stride = cairo_image_surface_get_stride(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        for (int y = 0; y < px.h; y++)
            for (int x = 0; x < px.w; x++) {
                std::uint32_t v = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
                px.argb.push_back(opaque ? (v | 0xff000000u) : v);
            }
    }
    cairo_surface_destroy(s);
    return px;
}

