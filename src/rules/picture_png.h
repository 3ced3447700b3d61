// picture_png.h -- a PNG picture of any kind (grey, palette, 16 bits a sample,
// interlaced, with transparency) decoded by libpng row by row into the reduction, so
// that a panorama of any width within the limits takes little memory
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/picture_resample.h"
#include "rules/picture_source.h"

// The size from the header of a file that begins with the PNG signature, and
// the bytes its decoder holds at its peak: null, or why it cannot be read.
const char* png_probe(intake_cursor& c, int* w, int* h, std::uint64_t* held);

// The whole file decoded and reduced: null, or why it cannot be read.
const char* png_read(const std::uint8_t* data, std::size_t size, int max_side, intake_image* out);

// The whole file decoded to R, G, B, A bytes at its own size, each side at most
// max_side; *transparent tells whether it has an alpha channel or a transparent
// colour (the rest is opaque). Null, or why it cannot be read.
const char* png_read_whole(const std::uint8_t* data, std::size_t size, int max_side, intake_image* out, bool* transparent);
