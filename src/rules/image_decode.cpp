// image_decode.cpp -- the game's own image files (PNG, refused when cut short, or WebP)
// decoded to R, G, B, A bytes, and laid out as the renderer's B, G, R, A textures
#include "rules/image_decode.h"

#include <cstdio>
#include <cstring>
#include <new>
#include <utility>

#include "rules/picture_png.h"
#include "rules/picture_webp.h"

bool png_complete(const std::uint8_t* data, std::size_t size)
{
    static const unsigned char SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (size < 8 || std::memcmp(data, SIGNATURE, 8) != 0)
        return false;
    // Each chunk: a 4-byte big-endian length, its type, its data, a CRC.
    for (std::size_t at = 8; size - at >= 12;) {
        const std::uint8_t* c = data + at;
        std::size_t length = static_cast<std::size_t>(c[0]) << 24 | static_cast<std::size_t>(c[1]) << 16 |
                             static_cast<std::size_t>(c[2]) << 8 | c[3];
        if (length > size - at - 12)
            return false;
        if (std::memcmp(c + 4, "IEND", 4) == 0)
            return true;
        at += 12 + length;
    }
    return false;
}

// A PNG is taken only whole: a file that ends early is refused, not shown
// with its last rows missing. The WebP reader checks the lengths its
// container declares.
const char* image_decode(const std::uint8_t* data, std::size_t size, image_rgba* out)
{
    intake_image px;
    bool alpha = false;
    const char* why = "neither a PNG nor a WebP image";
    try {
        if (size >= 8 && data[0] == 0x89)
            why = png_complete(data, size) ? png_read_whole(data, size, IMAGE_MAX_SIDE, &px, &alpha) : "cut short";
        else if (size >= 12 && std::memcmp(data, "RIFF", 4) == 0 && std::memcmp(data + 8, "WEBP", 4) == 0)
            why = webp_read_whole(data, size, IMAGE_MAX_SIDE, &px, &alpha);
    } catch (const std::bad_alloc&) {
        why = "not enough memory to read it";
    }
    if (why)
        return why;
    out->w = px.w;
    out->h = px.h;
    out->rgba = std::move(px.rgba);
    out->own_alpha = alpha;
    return nullptr;
}

const char* image_decode_file(const char* path, image_rgba* out)
{
    std::vector<std::uint8_t> data;
    std::FILE* f = std::fopen(path, "rb");
    if (!f)
        return "missing";
    unsigned char block[65536];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;)
        data.insert(data.end(), block, block + n);
    std::fclose(f);
    return image_decode(data.data(), data.size(), out);
}

void image_texture_bgra(const image_rgba& image, int tw, int th, std::uint8_t* out)
{
    std::memset(out, 0, static_cast<std::size_t>(tw) * th * 4);
    int cw = image.w < tw ? image.w : tw;
    int ch = image.h < th ? image.h : th;
    for (int y = 0; y < ch; y++) {
        const std::uint8_t* in = image.rgba.data() + static_cast<std::size_t>(y) * image.w * 4;
        std::uint8_t* to = out + static_cast<std::size_t>(y) * tw * 4;
        for (int x = 0; x < cw; x++, in += 4, to += 4) {
            bool black = in[0] == 0 && in[1] == 0 && in[2] == 0;
            if (!image.own_alpha && black)
                continue;
            to[0] = in[2];
            to[1] = in[1];
            to[2] = in[0];
            to[3] = image.own_alpha ? in[3] : 0xff;
        }
    }
}
