// photo_file.h -- "photos" made by the tests: a warm sky over a cool ground, as
// JPEG with the camera's orientation or as lossless WebP
#pragma once

#include <string>

#include "png_file.h"

// Pixel (x, y) of a w x h photo as it should stand: its upper half warm (red
// above blue), its lower half cool, with a sun and some texture; kind shifts it.
rgba8 photo_pixel(int kind, int x, int y, int w, int h);

// A JPEG of a photo that stands w x h, stored as a camera stores it for the
// EXIF orientation (1 as it stands; 6 lying on its side, to be turned a
// quarter clockwise).
bool write_photo_jpeg(const std::string& path, int kind, int w, int h, int orientation);

// A lossless WebP of a photo.
bool write_photo_webp(const std::string& path, int kind, int w, int h);
