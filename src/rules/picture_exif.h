// picture_exif.h -- the camera's orientation from an EXIF block, read by libexif
#pragma once

#include <cstddef>
#include <cstdint>

// The orientation code 1..8 of an EXIF block ("Exif\0\0" and a TIFF
// structure, as a JPEG's APP1 segment holds it); 1 when there is none or it
// makes no sense.
int exif_orientation(const std::uint8_t* data, std::size_t size);
