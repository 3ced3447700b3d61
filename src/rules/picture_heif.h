// picture_heif.h -- HEIC and AVIF pictures, as phones and browsers save them: the
// size and the turn read from the file's boxes, the pixels decoded by libheif
// as stored, for the intake to reduce and turn upright
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/picture_source.h"

// What the boxes of a HEIF file say of its primary picture.
struct heif_facts {
    int w = 0, h = 0;      // as stored, before any turn
    int orientation = 1;   // its irot and imir as an EXIF orientation code 1..8
    bool av1 = false;      // AV1 coded (AVIF), else HEVC (HEIC)
    bool tiled = false;    // a grid of tiles, decoded one tile at a time
    bool alpha = false;    // with a transparency picture beside it
    int depth = 8;         // bits a sample
};

// Null when data (a whole file or its beginning) is a HEIF file whose primary
// picture can be read, with the facts filled; else the reason. "not HEIF" when
// the file is of another kind altogether.
extern const char* const HEIF_NOT_HEIF;
const char* heif_probe(const std::uint8_t* data, std::size_t size, heif_facts* out);
// The same, reading of the file only its type box and its meta box, wherever
// the meta box lies (before the pictures' data or after it).
const char* heif_probe(intake_cursor& c, heif_facts* out);

// Bytes a decode of such a picture takes at its peak, the file's own apart:
// libheif's planes and its codec's frame, as measured.
std::uint64_t heif_decode_bytes(const heif_facts& f);

struct heif_context;
struct heif_image_handle;
struct heif_image;

// A decoded picture, as stored (not turned): libheif's planes, held until it goes.
struct heif_pixels {
    int w = 0, h = 0;
    heif_context* ctx = nullptr;
    heif_image_handle* handle = nullptr;
    heif_image* img = nullptr;
    const std::uint8_t* plane[4] = {};  // R, G, B, and the transparency or null
    int stride[4] = {};
    int bytes = 1;  // a sample's: 2 where stored in 16 bits,
    int shift = 0;  // shifted down this far to 8
    heif_pixels() = default;
    heif_pixels(const heif_pixels&) = delete;
    heif_pixels& operator=(const heif_pixels&) = delete;
    ~heif_pixels();
};

// The whole file's primary picture decoded as the probe described it (a file
// that says otherwise to libheif is refused): null, or the reason.
const char* heif_decode(const std::uint8_t* data, std::size_t size, const heif_facts& facts, heif_pixels* out);

// Row y of the decoded picture as RGBA bytes (w * 4 of them); ctx is the heif_pixels.
void heif_row(const void* ctx, int y, std::uint8_t* out);
