// picture_jpeg.cpp -- a JPEG picture: its size and orientation from the markers before
// its frame header, however much metadata lies before it, and its pixels decoded by
// libjpeg at a reduced scale where that suffices
#include "rules/picture_jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>

#include "rules/picture_exif.h"
#include "rules/translate.h"

namespace {

std::size_t be16(const std::uint8_t* p) { return static_cast<std::size_t>(p[0] << 8 | p[1]); }

// Decoded at 1/8, 1/4 or 1/2 of its size where the shorter side still reaches
// the largest size shown: most of a camera's pixels are never looked at.
unsigned scale_down(unsigned w, unsigned h, int max_side)
{
    unsigned shorter = std::min(w, h), need = std::min(shorter, static_cast<unsigned>(max_side));
    for (unsigned d : {8u, 4u, 2u})
        if ((shorter + d - 1) / d >= need)
            return d;
    return 1;
}

// What the decoder holds at its peak: the reduced picture, and a progressive
// file's coefficients at full size (two bytes a sample, for as many samples as
// its components' sampling gives a pixel), which it keeps until the last scan.
std::uint64_t decoder_bytes(const std::uint8_t* frame, std::size_t len, bool progressive, unsigned w, unsigned h)
{
    unsigned d = scale_down(w, h, 2 * INTAKE_MAX_SIDE);
    std::uint64_t bytes = static_cast<std::uint64_t>((w + d - 1) / d) * ((h + d - 1) / d) * 4 + (1u << 20);
    if (!progressive || len < 6)
        return bytes;
    unsigned sum = 0, most_h = 1, most_v = 1;
    for (std::size_t k = 0; k < frame[5] && 6 + 3 * k + 2 < len; k++) {
        unsigned hv = frame[6 + 3 * k + 1], sh = std::max(1u, hv >> 4), sv = std::max(1u, hv & 15u);
        sum += sh * sv, most_h = std::max(most_h, sh), most_v = std::max(most_v, sv);
    }
    return bytes + static_cast<std::uint64_t>(w) * h * 2 * sum / (most_h * most_v);
}

struct jpeg_fail {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    const char* why;
};

[[noreturn]] void jpeg_fail_exit(j_common_ptr c)
{
    jpeg_fail* f = reinterpret_cast<jpeg_fail*>(c->err);
    std::longjmp(f->jump, 1);
}

// A file that ends before its picture does is refused, not shown half grey;
// other warnings (a stray byte, say) are no reason to.
void jpeg_warning(j_common_ptr c, int level)
{
    jpeg_fail* f = reinterpret_cast<jpeg_fail*>(c->err);
    if (level < 0 && f->mgr.msg_code == JWRN_JPEG_EOF) {
        f->why = N_("cut short");
        std::longjmp(f->jump, 1);
    }
}

// A progressive file may hold any number of scans; real ones hold a dozen.
void jpeg_scan_limit(j_common_ptr c)
{
    j_decompress_ptr d = reinterpret_cast<j_decompress_ptr>(c);
    if (d->input_scan_number > 100) {
        reinterpret_cast<jpeg_fail*>(c->err)->why = N_("a damaged JPEG (too many scans)");
        std::longjmp(reinterpret_cast<jpeg_fail*>(c->err)->jump, 1);
    }
}

// Adobe's CMYK JPEGs store the inks inverted: each channel times the key.
void cmyk_to_rgba(std::uint8_t* px, int w)
{
    for (int x = 0; x < w; x++, px += 4) {
        for (int c = 0; c < 3; c++)
            px[c] = static_cast<std::uint8_t>(px[c] * px[3] / 255);
        px[3] = 255;
    }
}

// Decoded at 1/8, 1/4 or 1/2 of its size where the shorter side still reaches
// the largest size shown: most of a camera's pixels are never looked at. The
// pixels live in the caller's frame, which the error's jump does not leave.
const char* decode(const std::uint8_t* data, std::size_t size, int max_side, intake_image* px)
{
    jpeg_decompress_struct cinfo;
    jpeg_fail fail;
    jpeg_progress_mgr progress;
    cinfo.err = jpeg_std_error(&fail.mgr);
    fail.mgr.error_exit = jpeg_fail_exit;
    fail.mgr.emit_message = jpeg_warning;
    fail.why = N_("a damaged JPEG");
    jpeg_create_decompress(&cinfo);
    if (setjmp(fail.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return fail.why;
    }
    progress.progress_monitor = jpeg_scan_limit;
    cinfo.progress = &progress;
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.scale_num = 1;
    cinfo.scale_denom = scale_down(cinfo.image_width, cinfo.image_height, max_side);
    bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
    jpeg_start_decompress(&cinfo);
    px->w = static_cast<int>(cinfo.output_width);
    px->h = static_cast<int>(cinfo.output_height);
    px->rgba.resize(static_cast<std::size_t>(px->w) * px->h * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = px->rgba.data() + static_cast<std::size_t>(cinfo.output_scanline) * px->w * 4;
        jpeg_read_scanlines(&cinfo, &row, 1);
        if (cmyk)
            cmyk_to_rgba(row, px->w);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return nullptr;
}

}  // namespace

const char* jpeg_probe(intake_cursor& c, int* w, int* h, int* orientation, std::uint64_t* held)
{
    std::uint64_t at = 2;
    for (;;) {
        const std::uint8_t* m = intake_fetch(c, at, 4);
        if (!m)
            return c.why;
        if (m[0] != 0xff)
            return N_("a damaged JPEG");
        std::uint8_t marker = m[1];
        if (marker == 0xff) {  // a fill byte
            at++;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xd0 && marker <= 0xd7)) {
            at += 2;
            continue;
        }
        if (marker == 0xda || marker == 0xd9)
            return N_("a damaged JPEG");  // image data before any frame header
        std::size_t len = be16(m + 2);
        if (len < 2)
            return N_("a damaged JPEG");
        bool frame = marker >= 0xc0 && marker <= 0xcf && marker != 0xc4 && marker != 0xc8 && marker != 0xcc;
        if (frame || marker == 0xe1) {
            const std::uint8_t* seg = intake_fetch(c, at + 4, len - 2);
            if (!seg)
                return c.why;
            if (marker == 0xe1 && len - 2 > 6 && std::memcmp(seg, "Exif\0\0", 6) == 0)
                *orientation = exif_orientation(seg, len - 2);
            if (frame) {
                if (len - 2 < 5)
                    return N_("a damaged JPEG");
                // libjpeg reads the sequential and progressive kinds, Huffman or
                // arithmetic coded, of 8 bits a sample.
                bool known = marker <= 0xc2 || marker == 0xc9 || marker == 0xca;
                if (!known)
                    return N_("a lossless or hierarchical JPEG, which this game does not read");
                if (seg[0] != 8)
                    return N_("a JPEG of 12 or more bits a sample, which this game does not read");
                *h = static_cast<int>(be16(seg + 1));
                *w = static_cast<int>(be16(seg + 3));
                bool progressive = marker == 0xc2 || marker == 0xca;
                *held = decoder_bytes(seg, len - 2, progressive, static_cast<unsigned>(*w), static_cast<unsigned>(*h));
                return nullptr;
            }
        }
        at += 2 + len;
    }
}

const char* jpeg_read(const std::uint8_t* data, std::size_t size, int orientation, int max_side, intake_image* out)
{
    intake_image px;
    if (const char* why = decode(data, size, max_side, &px))
        return why;
    *out = intake_reduce(intake_image_rows(px), orientation, max_side);
    return nullptr;
}
