// image_decode.h -- the game's own image files (PNG, refused when cut short, or WebP)
// decoded to R, G, B, A bytes, and laid out as the renderer's B, G, R, A textures
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The largest side of an image of the data tree that is read: a header that
// claims more is damaged, not a bigger painting.
constexpr int IMAGE_MAX_SIDE = 8192;

// An image's pixels, R, G, B, A, row after row.
struct image_rgba {
    int w = 0, h = 0;
    std::vector<std::uint8_t> rgba;
    bool own_alpha = false;  // an alpha channel or a transparent colour of its own
};

// Whether data holds a PNG whose chunks all lie within it, up to its end chunk.
bool png_complete(const std::uint8_t* data, std::size_t size);

// A PNG (of any kind: grey, palette, 16 bits a sample, interlaced) or a still
// WebP decoded: null, or why it cannot be read.
const char* image_decode(const std::uint8_t* data, std::size_t size, image_rgba* out);

// The same from a file: null, or why it cannot be read.
const char* image_decode_file(const char* path, image_rgba* out);

// The image copied into the top-left of a tw x th texture whose bytes lie
// B, G, R, A (out: tw * th * 4 bytes, every one written), cutting what lies
// beyond it. An image with its own alpha keeps it; in an image without one,
// pure black becomes transparent and every other pixel opaque. The padding is
// transparent black.
void image_texture_bgra(const image_rgba& image, int tw, int th, std::uint8_t* out);
