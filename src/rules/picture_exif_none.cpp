// picture_exif_none.cpp -- the page reads no EXIF block (it links no libexif): a
// WebP is drawn as stored, which the game's own art is; the player's photos,
// turned by their camera, are the browser's to decode
#include "rules/picture_exif.h"

int exif_orientation(const std::uint8_t*, std::size_t) { return 1; }
