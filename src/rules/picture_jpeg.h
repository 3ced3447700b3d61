// picture_jpeg.h -- a JPEG picture: its size and orientation from the markers before
// its frame header, however much metadata lies before it, and its pixels decoded by
// libjpeg at a reduced scale where that suffices
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/picture_resample.h"
#include "rules/picture_source.h"

// The stored size and the EXIF orientation from a file that begins with a
// JPEG's start marker, and the bytes its decoder holds at its peak reading for
// the larger art: null, or why it cannot be read.
const char* jpeg_probe(intake_cursor& c, int* w, int* h, int* orientation, std::uint64_t* held);

// The whole file decoded and reduced (intake_reduce) with the orientation
// given: null, or why it cannot be read.
const char* jpeg_read(const std::uint8_t* data, std::size_t size, int orientation, int max_side, intake_image* out);
