// picture_resample.h -- a decoded picture made the size it is shown at: rows laid on
// the board's colour, a strip longer than any picture's shape cropped, the rest
// reduced with an area filter as the rows arrive, then turned upright by the camera's
// orientation; and a picture cut to its cells' proportions and size
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Pixels of one cell of a player's picture: the size tiles are drawn at in
// the 640 x 480 frame; where the art is drawn at twice the size, the pictures
// are read and cut at twice this.
constexpr int INTAKE_CELL_PX = 33;
// No picture is ever shown larger than the board, so no side needs more than
// this, times the art's scale.
constexpr int INTAKE_MAX_SIDE = 9 * INTAKE_CELL_PX;
// No picture takes a shape longer than the board's nine cells by one, so a
// strip is cropped to its middle at this many times as long as it is wide
// before anything else: what is cut off is never shown.
constexpr int INTAKE_MAX_ASPECT = 16;

// The colour transparency is laid on: the board's dark floor.
constexpr std::uint8_t INTAKE_BACKDROP[3] = {34, 30, 26};

// An image as opaque RGBA bytes, row by row.
struct intake_image {
    int w = 0, h = 0;
    std::vector<std::uint8_t> rgba;
};

// Rows of a decoded image that the reduction pulls as RGBA bytes (transparency
// still in them, not premultiplied): row(ctx, y, out) fills w * 4 bytes. Rows
// are pulled in increasing order, some perhaps skipped, so a decoder may hand
// them over as it decodes them.
struct intake_rows {
    int w = 0, h = 0;
    const void* ctx = nullptr;
    void (*row)(const void* ctx, int y, std::uint8_t* out) = nullptr;
};

// The rows of an image held whole.
intake_rows intake_image_rows(const intake_image& img);

// Rows laid on the backdrop, cropped to INTAKE_MAX_ASPECT, reduced with an
// area filter so that the shorter side is at most max_side (never enlarged),
// then turned upright by the EXIF orientation. Memory: one source row and the
// result.
intake_image intake_reduce(const intake_rows& rows, int orientation, int max_side = INTAKE_MAX_SIDE);
// The size intake_reduce makes of a picture of w x h, before it is turned.
void intake_reduced_size(int w, int h, int max_side, int* dw, int* dh);

// The centre of an image cropped to the proportions dw : dh and resampled to
// exactly dw x dh pixels (area filter down, linear up).
intake_image intake_fit(const intake_image& src, int dw, int dh);
