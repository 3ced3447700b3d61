// photo_file.cpp -- "photos" made by the tests: a warm sky over a cool ground, as
// JPEG with the camera's orientation or as lossless WebP
#include "photo_file.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <webp/encode.h>

rgba8 photo_pixel(int kind, int x, int y, int w, int h)
{
    double u = static_cast<double>(x) / w, v = static_cast<double>(y) / h;
    double grain = 12 * std::sin(x * 0.31 + kind) * std::cos(y * 0.17);
    double sun = std::hypot(u - 0.3 - 0.2 * kind, v - 0.22) < 0.1 ? 60 : 0;
    auto c = [](double d) { return static_cast<std::uint8_t>(std::fmin(255, std::fmax(0, d))); };
    if (v < 0.5)
        return {c(200 + sun + grain), c(60 + 40 * kind + 80 * v + sun), c(40 + grain), 255};
    return {c(30 + grain), c(70 + 50 * kind + 60 * u), c(190 + grain), 255};
}

bool write_photo_jpeg(const std::string& path, int kind, int w, int h, int orientation)
{
    unlink_first(path);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    bool side = orientation == 6;
    int sw = side ? h : w, sh = side ? w : h;  // as stored
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = static_cast<JDIMENSION>(sw);
    c.image_height = static_cast<JDIMENSION>(sh);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 92, TRUE);
    jpeg_start_compress(&c, TRUE);
    // EXIF: a big-endian TIFF structure with one entry, the orientation.
    const unsigned char exif[] = {'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3,
                                  0, 0, 0, 1, 0, static_cast<unsigned char>(orientation), 0, 0, 0, 0, 0, 0};
    jpeg_write_marker(&c, JPEG_APP0 + 1, exif, sizeof exif);
    std::vector<JSAMPLE> row(static_cast<size_t>(sw) * 3);
    for (int sy = 0; sy < sh; sy++) {
        for (int sx = 0; sx < sw; sx++) {
            // Turned a quarter clockwise, stored pixel (sx, sy) stands at (sh - 1 - sy, sx).
            rgba8 p = side ? photo_pixel(kind, sh - 1 - sy, sx, w, h) : photo_pixel(kind, sx, sy, w, h);
            row[static_cast<size_t>(sx) * 3] = p.r, row[static_cast<size_t>(sx) * 3 + 1] = p.g,
                                      row[static_cast<size_t>(sx) * 3 + 2] = p.b;
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    return std::fclose(f) == 0;
}

bool write_photo_webp(const std::string& path, int kind, int w, int h)
{
    std::vector<std::uint8_t> rgba(static_cast<size_t>(w) * h * 4);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            rgba8 p = photo_pixel(kind, x, y, w, h);
            std::uint8_t* q = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            q[0] = p.r, q[1] = p.g, q[2] = p.b, q[3] = 255;
        }
    std::uint8_t* out = nullptr;
    size_t size = WebPEncodeLosslessRGBA(rgba.data(), w, h, w * 4, &out);
    unlink_first(path);
    std::FILE* f = std::fopen(path.c_str(), "wb");
    bool ok = f && size > 0 && std::fwrite(out, 1, size, f) == size;
    if (f)
        ok = std::fclose(f) == 0 && ok;
    WebPFree(out);
    return ok;
}
