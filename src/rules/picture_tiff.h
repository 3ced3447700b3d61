// picture_tiff.h -- a TIFF picture as scanners, image editors and cameras write it:
// its first directory (wherever in the file it lies) read by libtiff, its pixels of
// any kind libtiff turns into RGBA decoded a band of strips or tiles at a time into
// the reduction, turned by its own orientation tag
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/picture_resample.h"
#include "rules/picture_source.h"

// The size and orientation of the first picture in a file that begins with a
// TIFF header, whether libtiff can give its pixels, and the bytes it holds at
// its peak doing so: null, or why not.
const char* tiff_probe(intake_cursor& c, int* w, int* h, int* orientation, std::uint64_t* held);

// The first picture decoded, reduced and turned upright: null, or why it cannot be read.
const char* tiff_read(const std::uint8_t* data, std::size_t size, int max_side, intake_image* out);
