// picture_webp.h -- a WebP picture, lossy or lossless, still or animated (its first
// frame): its canvas size from the header, its pixels decoded by libwebp, its
// orientation from its EXIF chunk
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/picture_resample.h"
#include "rules/picture_source.h"

// The canvas size of a file that begins with a WebP's RIFF header, and the
// bytes its decoder holds at its peak: null, or why it cannot be read.
const char* webp_probe(intake_cursor& c, int* w, int* h, std::uint64_t* held);

// The whole file decoded (an animation's first frame as it is shown) and
// reduced, turned by its EXIF orientation, which *orientation is set to.
const char* webp_read(const std::uint8_t* data, std::size_t size, int max_side, int* orientation, intake_image* out);

// A still file decoded to R, G, B, A bytes at its own size, each side at most
// max_side; *transparent tells whether it has an alpha channel. Null, or why
// it cannot be read.
const char* webp_read_whole(const std::uint8_t* data, std::size_t size, int max_side, intake_image* out, bool* transparent);
