// picture_intake.h -- a player's picture file read as a careful program reads it: its
// header checked against the limits before decoding, JPEG, WebP, HEIC and AVIF decoded
// here (JPEG at a reduced scale where that suffices), the camera's orientation applied,
// and any image reduced with an area filter to the size its tiles are drawn at
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rules/picture_heif.h"

// Pixels of one cell of a player's picture: the size tiles are drawn at in
// the 640 x 480 frame; where the art is drawn at twice the size, the pictures
// are read and cut at twice this.
constexpr int INTAKE_CELL_PX = 33;
// No picture is ever shown larger than the board, so no side needs more than
// this, times the art's scale.
constexpr int INTAKE_MAX_SIDE = 9 * INTAKE_CELL_PX;

// Limits checked on the header, before any pixel is decoded; the memory a
// decode may take is the decoding budget's (rules/decode_budget.h).
constexpr std::uint64_t INTAKE_MAX_PIXELS = 60000000;        // 60 megapixels
constexpr std::uint64_t INTAKE_MAX_FILE_BYTES = 256u << 20;  // bytes read of one file

// The colour transparency is laid on: the board's dark floor.
constexpr std::uint8_t INTAKE_BACKDROP[3] = {34, 30, 26};

enum intake_format : std::uint8_t { FMT_NONE, FMT_PNG, FMT_JPEG, FMT_GIF, FMT_BMP, FMT_TIFF, FMT_WEBP, FMT_HEIF };

// What the header says.
struct intake_header {
    intake_format format = FMT_NONE;
    int w = 0, h = 0;     // stored size in pixels
    int orientation = 1;  // EXIF orientation 1..8 (1: as stored)
    bool lossless = false;  // WebP: decoded through a whole picture of its own
    heif_facts heif;        // HEIC and AVIF: what their boxes say
};

// An image as opaque RGBA bytes, row by row.
struct intake_image {
    int w = 0, h = 0;
    std::vector<std::uint8_t> rgba;
};

// Rows of a decoded image that the reduction pulls one at a time, as RGBA bytes
// (transparency still in them): row(ctx, y, out) fills w * 4 bytes.
struct intake_rows {
    int w = 0, h = 0;
    const void* ctx = nullptr;
    void (*row)(const void* ctx, int y, std::uint8_t* out) = nullptr;
};

// Reads the header of the file's first bytes (a whole file or its beginning):
// null when the picture may be decoded, else the reason in a few words.
const char* intake_probe(const std::uint8_t* data, std::size_t size, intake_header* out);

// Bytes the file's decode and reduction take at their peak, the file's own
// apart: what the picture reserves of the decoding budget.
std::uint64_t intake_decode_bytes(const intake_header& h, int max_side = INTAKE_MAX_SIDE);

// A whole file to an oriented image whose shorter side is at most max_side
// (INTAKE_MAX_SIDE times the art's scale): null, or the reason it cannot be read. JPEG, WebP,
// HEIC and AVIF are decoded here; other formats answer INTAKE_OTHER_DECODER with the header
// filled, for a decoder of the display's side to hand its rows to intake_reduce.
extern const char* const INTAKE_OTHER_DECODER;
const char* intake_read(const std::uint8_t* data, std::size_t size, intake_header* header, intake_image* out,
                        int max_side = INTAKE_MAX_SIDE);

// Rows laid on the backdrop and reduced with an area filter so that the shorter
// side is at most max_side (never enlarged), then turned upright by the EXIF
// orientation.
intake_image intake_reduce(const intake_rows& rows, int orientation, int max_side = INTAKE_MAX_SIDE);

// The centre of an image cropped to the proportions dw : dh and resampled to
// exactly dw x dh pixels (area filter down, linear up).
intake_image intake_fit(const intake_image& src, int dw, int dh);

// The size in pixels after the orientation (5 to 8 exchange the sides).
void intake_oriented_size(const intake_header& h, int* w, int* h_out);
