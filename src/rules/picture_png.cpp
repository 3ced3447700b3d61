// picture_png.cpp -- a PNG picture of any kind (grey, palette, 16 bits a sample,
// interlaced, with transparency) decoded by libpng row by row into the reduction, so
// that a panorama of any width within the limits takes little memory
#include "rules/picture_png.h"
#include "rules/translate.h"

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <vector>

#include <png.h>

namespace {

std::uint32_t be32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

// A decode in progress. The reduction pulls rows through a const pointer;
// pulling one moves the decoder on, hence the mutable parts.
struct png_decode {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t at = 0;
    png_structp png = nullptr;
    png_infop info = nullptr;
    int w = 0;
    bool transparent = false;                  // an alpha channel, or a transparent colour that is used
    mutable int next = 0;                      // the row libpng gives next
    mutable const char* why = nullptr;         // set on the first error; later rows come out black
    mutable std::vector<std::uint8_t> skipped;  // a row the reduction does not want
};

void read_bytes(png_structp png, png_bytep out, png_size_t n)
{
    png_decode* d = static_cast<png_decode*>(png_get_io_ptr(png));
    if (n > d->size - d->at) {
        d->why = N_("cut short");
        png_error(png, "cut short");
    }
    std::memcpy(out, d->data + d->at, n);
    d->at += n;
}

void fail(png_structp png, png_const_charp)
{
    png_decode* d = static_cast<png_decode*>(png_get_error_ptr(png));
    if (!d->why)
        d->why = N_("a damaged PNG");
    png_longjmp(png, 1);
}

void quiet(png_structp, png_const_charp) {}

// Rows straight from libpng, in order. libpng's error jumps back to here and
// no further, past none of the reduction's frames.
void decode_row(const void* ctx, int y, std::uint8_t* out)
{
    const png_decode& d = *static_cast<const png_decode*>(ctx);
    std::size_t bytes = static_cast<std::size_t>(d.w) * 4;
    if (d.why) {
        std::memset(out, 0, bytes);
        return;
    }
    if (setjmp(png_jmpbuf(d.png))) {
        std::memset(out, 0, bytes);
        return;
    }
    for (; d.next < y; d.next++)
        png_read_row(d.png, d.skipped.data(), nullptr);
    png_read_row(d.png, out, nullptr);
    d.next++;
}

// Every kind of PNG to 8-bit RGBA rows; answers the number of passes (7 for
// an interlaced file), or 0 after an error.
int read_header(png_decode& d)
{
    if (setjmp(png_jmpbuf(d.png)))
        return 0;
    png_set_read_fn(d.png, &d, read_bytes);
    png_read_info(d.png, d.info);
    png_byte type = png_get_color_type(d.png, d.info);
    d.transparent = (type & PNG_COLOR_MASK_ALPHA) != 0;
    png_bytep trans = nullptr;
    int trans_count = 0;
    png_color_16p trans_colour = nullptr;
    // A palette's entries may all be opaque; a transparent colour always counts.
    if (png_get_tRNS(d.png, d.info, &trans, &trans_count, &trans_colour) != 0)
        d.transparent = type != PNG_COLOR_TYPE_PALETTE ||
                        std::any_of(trans, trans + trans_count, [](png_byte a) { return a != 0xff; });
    png_set_expand(d.png);  // palette to RGB, low grey depths to 8 bits, tRNS to alpha
    png_set_scale_16(d.png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(d.png);
    png_set_add_alpha(d.png, 0xff, PNG_FILLER_AFTER);  // where there is no alpha already
    int passes = png_set_interlace_handling(d.png);
    png_read_update_info(d.png, d.info);
    d.w = static_cast<int>(png_get_image_width(d.png, d.info));
    if (png_get_rowbytes(d.png, d.info) != static_cast<std::size_t>(d.w) * 4)
        png_error(d.png, "not RGBA");
    return passes;
}

// A decoder over data with its header read: null, or why the file cannot be
// read; *passes as read_header answers it.
const char* start_decode(png_decode& d, const std::uint8_t* data, std::size_t size, int* passes)
{
    d.data = data;
    d.size = size;
    d.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &d, fail, quiet);
    d.info = d.png ? png_create_info_struct(d.png) : nullptr;
    if (!d.info)
        return N_("not enough memory to read it");
    *passes = read_header(d);
    return *passes == 0 ? d.why : nullptr;
}

// The picture read whole, h rows of RGBA, as an interlaced file must be (its
// passes each cover the whole picture).
const char* read_whole(png_decode& d, int h, intake_image* px)
{
    px->w = d.w;
    px->h = h;
    px->rgba.resize(static_cast<std::size_t>(px->w) * px->h * 4);
    std::vector<png_bytep> rows(static_cast<std::size_t>(px->h));
    for (int y = 0; y < px->h; y++)
        rows[static_cast<std::size_t>(y)] = px->rgba.data() + static_cast<std::size_t>(y) * px->w * 4;
    if (setjmp(png_jmpbuf(d.png)))
        return d.why;
    png_read_image(d.png, rows.data());
    return nullptr;
}

}  // namespace

const char* png_probe(intake_cursor& c, int* w, int* h, std::uint64_t* held)
{
    const std::uint8_t* d = intake_fetch(c, 0, 29);
    if (!d)
        return c.why;
    if (std::memcmp(d + 12, "IHDR", 4) != 0)
        return N_("a damaged PNG");
    *w = static_cast<int>(std::min<std::uint32_t>(be32(d + 16), 1u << 30));
    *h = static_cast<int>(std::min<std::uint32_t>(be32(d + 20), 1u << 30));
    // libpng's rows (eight bytes a pixel at the most) and the row skipped; an
    // interlaced file is held whole besides.
    std::uint64_t row = static_cast<std::uint64_t>(*w) * 8;
    *held = 3 * row + (1u << 20) + (d[28] != 0 ? static_cast<std::uint64_t>(*w) * static_cast<std::uint64_t>(*h) * 4 : 0);
    return nullptr;
}

const char* png_read_whole(const std::uint8_t* data, std::size_t size, int max_side, intake_image* out, bool* transparent)
{
    png_decode d;
    int passes = 0;
    const char* why = start_decode(d, data, size, &passes);
    int h = why ? 0 : static_cast<int>(png_get_image_height(d.png, d.info));
    if (!why && (d.w > max_side || h > max_side))
        why = N_("too large");
    if (!why && !(why = read_whole(d, h, out)))
        *transparent = d.transparent;
    png_destroy_read_struct(d.png ? &d.png : nullptr, d.info ? &d.info : nullptr, nullptr);
    return why;
}

const char* png_read(const std::uint8_t* data, std::size_t size, int max_side, intake_image* out)
{
    png_decode d;
    int passes = 0;
    const char* why = start_decode(d, data, size, &passes);
    if (!why) {
        int h = static_cast<int>(png_get_image_height(d.png, d.info));
        if (passes == 1) {
            d.skipped.resize(static_cast<std::size_t>(d.w) * 4);
            *out = intake_reduce(intake_rows{d.w, h, &d, decode_row}, 1, max_side);
            why = d.why;
        } else {
            intake_image px;
            why = read_whole(d, h, &px);
            if (!why)
                *out = intake_reduce(intake_image_rows(px), 1, max_side);
        }
    }
    png_destroy_read_struct(d.png ? &d.png : nullptr, d.info ? &d.info : nullptr, nullptr);
    return why;
}
