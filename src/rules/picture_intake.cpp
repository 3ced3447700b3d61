// picture_intake.cpp -- a player's picture file read as a careful program reads it: its
// header checked against the limits before decoding, JPEG, WebP, HEIC and AVIF decoded
// here (JPEG at a reduced scale where that suffices), the camera's orientation applied,
// and any image reduced with an area filter to the size its tiles are drawn at
#include "rules/picture_intake.h"

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>
#include <libexif/exif-data.h>
#include <webp/decode.h>
#include <webp/demux.h>

#include "rules/decode_budget.h"

const char* const INTAKE_OTHER_DECODER = "decoded elsewhere";

namespace {

std::uint32_t be16(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[0] << 8 | p[1]); }
std::uint32_t le16(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[1] << 8 | p[0]); }
std::uint32_t be32(const std::uint8_t* p) { return be16(p) << 16 | be16(p + 2); }
std::uint32_t le32(const std::uint8_t* p) { return le16(p + 2) << 16 | le16(p); }

// ---------------------------------------------------------------- headers

// The camera's orientation from an EXIF block ("Exif\0\0" and a TIFF
// structure), read by libexif; 1 when there is none or it makes no sense.
int exif_orientation(const std::uint8_t* data, std::size_t size)
{
    if (size < 6 || size > 0xffff * 4u)
        return 1;
    ExifData* ed = exif_data_new();
    if (!ed)
        return 1;
    exif_data_unset_option(ed, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(ed, data, static_cast<unsigned>(size));
    int o = 1;
    ExifEntry* e = exif_data_get_entry(ed, EXIF_TAG_ORIENTATION);
    if (e && e->format == EXIF_FORMAT_SHORT && e->components >= 1 && e->data && e->size >= 2) {
        int v = exif_get_short(e->data, exif_data_get_byte_order(ed));
        if (v >= 1 && v <= 8)
            o = v;
    }
    exif_data_unref(ed);
    return o;
}

// JPEG: the markers up to the first frame header give the size; an APP1
// segment before it may hold the orientation.
const char* probe_jpeg(const std::uint8_t* d, std::size_t size, intake_header* out)
{
    std::size_t at = 2;
    for (;;) {
        while (at < size && d[at] == 0xff && at + 1 < size && d[at + 1] == 0xff)
            at++;  // fill bytes
        if (at + 4 > size)
            return "cut short";
        if (d[at] != 0xff)
            return "a damaged JPEG";
        std::uint8_t m = d[at + 1];
        if (m == 0x01 || (m >= 0xd0 && m <= 0xd7)) {
            at += 2;
            continue;
        }
        std::size_t len = be16(d + at + 2);
        if (len < 2)
            return "a damaged JPEG";
        if (m == 0xda || m == 0xd9)
            return "a damaged JPEG";  // image data before any frame header
        const std::uint8_t* seg = d + at + 4;
        std::size_t seg_len = len - 2;
        if (at + 2 + len > size)
            return "cut short";
        if (m == 0xe1 && seg_len > 6 && std::memcmp(seg, "Exif\0\0", 6) == 0)
            out->orientation = exif_orientation(seg, seg_len);
        bool frame = m >= 0xc0 && m <= 0xcf && m != 0xc4 && m != 0xc8 && m != 0xcc;
        if (frame) {
            if (seg_len < 5)
                return "a damaged JPEG";
            out->h = static_cast<int>(be16(seg + 1));
            out->w = static_cast<int>(be16(seg + 3));
            return nullptr;
        }
        at += 2 + len;
    }
}

// TIFF: the first directory's width and length entries.
const char* probe_tiff(const std::uint8_t* d, std::size_t size, intake_header* out)
{
    bool le = d[0] == 'I';
    auto u16 = [&](std::size_t at) { return le ? le16(d + at) : be16(d + at); };
    auto u32 = [&](std::size_t at) { return le ? le32(d + at) : be32(d + at); };
    std::size_t ifd = u32(4);
    if (ifd > size || size - ifd < 2)
        return "cut short";
    std::size_t n = u16(ifd);
    for (std::size_t i = 0; i < n; i++) {
        std::size_t e = ifd + 2 + 12 * i;
        if (e > size || size - e < 12)
            return "cut short";
        std::uint32_t tag = u16(e), type = u16(e + 2);
        std::uint32_t v = type == 3 ? u16(e + 8) : type == 4 ? u32(e + 8) : 0;
        if (tag == 256)
            out->w = static_cast<int>(std::min<std::uint32_t>(v, 1u << 30));
        else if (tag == 257)
            out->h = static_cast<int>(std::min<std::uint32_t>(v, 1u << 30));
    }
    return nullptr;
}

const char* probe_format(const std::uint8_t* d, std::size_t size, intake_header* out)
{
    static const std::uint8_t PNG[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (size >= 8 && std::memcmp(d, PNG, 8) == 0) {
        out->format = FMT_PNG;
        if (size < 24 || std::memcmp(d + 12, "IHDR", 4) != 0)
            return size < 24 ? "cut short" : "a damaged PNG";
        out->w = static_cast<int>(std::min<std::uint32_t>(be32(d + 16), 1u << 30));
        out->h = static_cast<int>(std::min<std::uint32_t>(be32(d + 20), 1u << 30));
        return nullptr;
    }
    if (size >= 3 && d[0] == 0xff && d[1] == 0xd8 && d[2] == 0xff) {
        out->format = FMT_JPEG;
        return probe_jpeg(d, size, out);
    }
    if (size >= 6 && (std::memcmp(d, "GIF87a", 6) == 0 || std::memcmp(d, "GIF89a", 6) == 0)) {
        out->format = FMT_GIF;
        if (size < 10)
            return "cut short";
        out->w = static_cast<int>(le16(d + 6));
        out->h = static_cast<int>(le16(d + 8));
        return nullptr;
    }
    if (size >= 2 && d[0] == 'B' && d[1] == 'M') {
        out->format = FMT_BMP;
        if (size < 26)
            return "cut short";
        if (le32(d + 14) == 12) {
            out->w = static_cast<int>(le16(d + 18));
            out->h = static_cast<int>(le16(d + 20));
        } else {
            std::int64_t w = static_cast<std::int32_t>(le32(d + 18)), h = static_cast<std::int32_t>(le32(d + 22));
            out->w = static_cast<int>(std::min<std::int64_t>(std::llabs(w), 1 << 30));
            out->h = static_cast<int>(std::min<std::int64_t>(std::llabs(h), 1 << 30));
        }
        return nullptr;
    }
    if (size >= 8 && (std::memcmp(d, "II*\0", 4) == 0 || std::memcmp(d, "MM\0*", 4) == 0)) {
        out->format = FMT_TIFF;
        return probe_tiff(d, size, out);
    }
    if (size >= 12 && std::memcmp(d, "RIFF", 4) == 0 && std::memcmp(d + 8, "WEBP", 4) == 0) {
        out->format = FMT_WEBP;
        WebPBitstreamFeatures f;
        if (WebPGetFeatures(d, size, &f) != VP8_STATUS_OK)
            return "a damaged WebP picture";
        out->w = f.width;
        out->h = f.height;
        out->lossless = f.format == 2;
        return nullptr;
    }
    if (size >= 12 && std::memcmp(d + 4, "ftyp", 4) == 0) {
        const char* why = heif_probe(d, size, &out->heif);
        if (why != HEIF_NOT_HEIF) {
            out->format = FMT_HEIF;
            out->w = out->heif.w;
            out->h = out->heif.h;
            out->orientation = out->heif.orientation;
            return why;
        }
    }
    return "not a picture this game reads";
}

// ---------------------------------------------------------------- JPEG

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
        f->why = "cut short";
        std::longjmp(f->jump, 1);
    }
}

// A progressive file may hold any number of scans; real ones hold a dozen.
void jpeg_scan_limit(j_common_ptr c)
{
    j_decompress_ptr d = reinterpret_cast<j_decompress_ptr>(c);
    if (d->input_scan_number > 100) {
        reinterpret_cast<jpeg_fail*>(c->err)->why = "a damaged JPEG (too many scans)";
        std::longjmp(reinterpret_cast<jpeg_fail*>(c->err)->jump, 1);
    }
}

struct decoded {
    int w = 0, h = 0;
    bool cmyk = false;
    std::vector<std::uint8_t> px;  // 4 bytes a pixel
};

void decoded_row(const void* ctx, int y, std::uint8_t* out)
{
    const decoded& d = *static_cast<const decoded*>(ctx);
    const std::uint8_t* in = d.px.data() + static_cast<std::size_t>(y) * d.w * 4;
    if (!d.cmyk) {
        std::memcpy(out, in, static_cast<std::size_t>(d.w) * 4);
        return;
    }
    // Adobe's CMYK JPEGs store the inks inverted: each channel times the key.
    for (int x = 0; x < d.w; x++, in += 4, out += 4) {
        for (int c = 0; c < 3; c++)
            out[c] = static_cast<std::uint8_t>(in[c] * in[3] / 255);
        out[3] = 255;
    }
}

// Decoded at 1/8, 1/4 or 1/2 of its size where the shorter side still reaches
// the largest size shown: most of a camera's pixels are never looked at.
unsigned jpeg_scale(unsigned w, unsigned h, int max_side)
{
    unsigned shorter = std::min(w, h), need = std::min(shorter, static_cast<unsigned>(max_side));
    for (unsigned d : {8u, 4u, 2u})
        if ((shorter + d - 1) / d >= need)
            return d;
    return 1;
}

const char* read_jpeg(const std::uint8_t* data, std::size_t size, decoded* out, int max_side)
{
    jpeg_decompress_struct cinfo;
    jpeg_fail fail;
    jpeg_progress_mgr progress;
    cinfo.err = jpeg_std_error(&fail.mgr);
    fail.mgr.error_exit = jpeg_fail_exit;
    fail.mgr.emit_message = jpeg_warning;
    fail.why = "a damaged JPEG";
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
    cinfo.scale_denom = jpeg_scale(cinfo.image_width, cinfo.image_height, max_side);
    out->cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = out->cmyk ? JCS_CMYK : JCS_EXT_RGBA;
    jpeg_start_decompress(&cinfo);
    out->w = static_cast<int>(cinfo.output_width);
    out->h = static_cast<int>(cinfo.output_height);
    out->px.resize(static_cast<std::size_t>(out->w) * out->h * 4);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->px.data() + static_cast<std::size_t>(cinfo.output_scanline) * out->w * 4;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return nullptr;
}

// ---------------------------------------------------------------- WebP

// Lossy and lossless alike; its EXIF chunk, if any, gives the orientation.
const char* read_webp(const std::uint8_t* data, std::size_t size, decoded* out, int* orientation)
{
    out->px.resize(static_cast<std::size_t>(out->w) * out->h * 4);
    if (!WebPDecodeRGBAInto(data, size, out->px.data(), out->px.size(), out->w * 4))
        return "a damaged or cut WebP picture";
    WebPData whole = {data, size};
    if (WebPDemuxer* demux = WebPDemux(&whole)) {
        WebPChunkIterator it;
        if (WebPDemuxGetChunk(demux, "EXIF", 1, &it)) {
            const std::uint8_t* e = it.chunk.bytes;
            std::size_t n = it.chunk.size;
            // The chunk holds the TIFF structure, sometimes with the JPEG prefix.
            if (n > 6 && std::memcmp(e, "Exif\0\0", 6) == 0) {
                *orientation = exif_orientation(e, n);
            } else {
                std::vector<std::uint8_t> block(6 + n);
                std::memcpy(block.data(), "Exif\0\0", 6);
                std::memcpy(block.data() + 6, e, n);
                *orientation = exif_orientation(block.data(), block.size());
            }
            WebPDemuxReleaseChunkIterator(&it);
        }
        WebPDemuxDelete(demux);
    }
    return nullptr;
}

// ---------------------------------------------------------------- resampling

struct tap {
    int i;
    float w;
};

// For each of n_dst samples along one axis, the source samples (from src0,
// n_src of them) it is made of: the area it covers when reducing, the two
// nearest when enlarging.
std::vector<std::vector<tap>> axis_taps(int src0, int n_src, int n_dst)
{
    std::vector<std::vector<tap>> taps(static_cast<std::size_t>(n_dst));
    double scale = static_cast<double>(n_src) / n_dst;
    for (int k = 0; k < n_dst; k++) {
        std::vector<tap>& t = taps[static_cast<std::size_t>(k)];
        if (scale >= 1.0) {
            double a = k * scale, b = a + scale;
            for (int i = static_cast<int>(a); i < n_src && i < b; i++) {
                double cover = std::min<double>(i + 1, b) - std::max<double>(i, a);
                if (cover > 0)
                    t.push_back({src0 + i, static_cast<float>(cover / scale)});
            }
        } else {
            double x = (k + 0.5) * scale - 0.5;
            int i0 = static_cast<int>(std::floor(x));
            float f = static_cast<float>(x - i0);
            int lo = std::clamp(i0, 0, n_src - 1), hi = std::clamp(i0 + 1, 0, n_src - 1);
            t.push_back({src0 + lo, 1 - f});
            t.push_back({src0 + hi, f});
        }
    }
    return taps;
}

// The crop (x0, y0, cw, ch) of the rows resampled to dw x dh, transparency
// laid on the backdrop: each row read in turn, resampled across, and added
// into the rows of the result it weighs in, so that only the result is held.
intake_image resample(const intake_rows& rows, int x0, int y0, int cw, int ch, int dw, int dh)
{
    std::vector<std::vector<tap>> across = axis_taps(x0, cw, dw), down = axis_taps(y0, ch, dh);
    std::vector<std::vector<tap>> uses(static_cast<std::size_t>(ch));  // per source row: result rows, weights
    for (int j = 0; j < dh; j++)
        for (const tap& t : down[static_cast<std::size_t>(j)])
            uses[static_cast<std::size_t>(t.i - y0)].push_back({j, t.w});
    std::vector<float> sums(static_cast<std::size_t>(dh) * dw * 3), wide(static_cast<std::size_t>(dw) * 3);
    std::vector<std::uint8_t> line(static_cast<std::size_t>(rows.w) * 4);
    for (int y = 0; y < ch; y++) {
        rows.row(rows.ctx, y0 + y, line.data());
        for (int x = 0; x < rows.w; x++) {
            std::uint8_t* p = &line[static_cast<std::size_t>(x) * 4];
            if (p[3] != 255)
                for (int c = 0; c < 3; c++)
                    p[c] = static_cast<std::uint8_t>((p[c] * p[3] + INTAKE_BACKDROP[c] * (255 - p[3]) + 127) / 255);
        }
        std::fill(wide.begin(), wide.end(), 0.0f);
        for (int k = 0; k < dw; k++)
            for (const tap& t : across[static_cast<std::size_t>(k)])
                for (int c = 0; c < 3; c++)
                    wide[static_cast<std::size_t>(k) * 3 + c] += t.w * line[static_cast<std::size_t>(t.i) * 4 + c];
        for (const tap& u : uses[static_cast<std::size_t>(y)]) {
            float* out = &sums[static_cast<std::size_t>(u.i) * dw * 3];
            for (std::size_t v = 0; v < wide.size(); v++)
                out[v] += u.w * wide[v];
        }
    }
    intake_image img;
    img.w = dw;
    img.h = dh;
    img.rgba.resize(static_cast<std::size_t>(dw) * dh * 4);
    for (std::size_t i = 0; i < static_cast<std::size_t>(dw) * dh; i++) {
        for (int c = 0; c < 3; c++)
            img.rgba[i * 4 + c] = static_cast<std::uint8_t>(std::clamp(sums[i * 3 + c] + 0.5f, 0.0f, 255.0f));
        img.rgba[i * 4 + 3] = 255;
    }
    return img;
}

// The size an image is reduced to: its shorter side at most max_side.
void reduced_size(int w, int h, int max_side, int* dw, int* dh)
{
    int shorter = std::min(w, h);
    double s = shorter > max_side ? static_cast<double>(max_side) / shorter : 1.0;
    *dw = std::max(1, static_cast<int>(std::lround(w * s)));
    *dh = std::max(1, static_cast<int>(std::lround(h * s)));
}

// Turns the image as the camera's orientation code says it should stand.
intake_image orient(const intake_image& s, int o)
{
    if (o <= 1 || o > 8)
        return s;
    bool swap = o >= 5;
    intake_image d;
    d.w = swap ? s.h : s.w;
    d.h = swap ? s.w : s.h;
    d.rgba.resize(s.rgba.size());
    for (int y = 0; y < d.h; y++)
        for (int x = 0; x < d.w; x++) {
            int sx = x, sy = y;
            switch (o) {
            case 2: sx = s.w - 1 - x; break;
            case 3: sx = s.w - 1 - x, sy = s.h - 1 - y; break;
            case 4: sy = s.h - 1 - y; break;
            case 5: sx = y, sy = x; break;
            case 6: sx = y, sy = s.h - 1 - x; break;
            case 7: sx = s.w - 1 - y, sy = s.h - 1 - x; break;
            case 8: sx = s.w - 1 - y, sy = x; break;
            default: break;
            }
            std::memcpy(&d.rgba[(static_cast<std::size_t>(y) * d.w + x) * 4],
                        &s.rgba[(static_cast<std::size_t>(sy) * s.w + sx) * 4], 4);
        }
    return d;
}

void image_row(const void* ctx, int y, std::uint8_t* out)
{
    const intake_image& img = *static_cast<const intake_image*>(ctx);
    std::memcpy(out, img.rgba.data() + static_cast<std::size_t>(y) * img.w * 4, static_cast<std::size_t>(img.w) * 4);
}

}  // namespace

const char* intake_probe(const std::uint8_t* data, std::size_t size, intake_header* out)
{
    *out = intake_header{};
    if (size == 0)
        return "an empty file";
    if (const char* why = probe_format(data, size, out))
        return why;
    if (out->w <= 0 || out->h <= 0)
        return "a picture of no size";
    std::uint64_t pixels = static_cast<std::uint64_t>(out->w) * static_cast<std::uint64_t>(out->h);
    if (pixels > INTAKE_MAX_PIXELS)
        return "too large: more than 60 megapixels";
    // Read for the larger art, the decode alone would pass all the memory
    // that decodes may take together.
    if (intake_decode_bytes(*out, 2 * INTAKE_MAX_SIDE) > decode_budget_total())
        return "too large to decode in the memory a picture may take";
    return nullptr;
}

const char* intake_read(const std::uint8_t* data, std::size_t size, intake_header* header, intake_image* out,
                        int max_side)
{
    if (size > INTAKE_MAX_FILE_BYTES)
        return "too large a file";
    if (const char* why = intake_probe(data, size, header))
        return why;
    if (header->format == FMT_HEIF) {
        heif_pixels pixels;
        if (const char* why = heif_decode(data, size, header->heif, &pixels))
            return why;
        *out = intake_reduce(intake_rows{pixels.w, pixels.h, &pixels, heif_row}, header->orientation, max_side);
        return nullptr;
    }
    if (header->format != FMT_JPEG && header->format != FMT_WEBP)
        return INTAKE_OTHER_DECODER;
    decoded d;
    d.w = header->w;
    d.h = header->h;
    const char* why = header->format == FMT_JPEG ? read_jpeg(data, size, &d, max_side)
                                                 : read_webp(data, size, &d, &header->orientation);
    if (why)
        return why;
    *out = intake_reduce(intake_rows{d.w, d.h, &d, decoded_row}, header->orientation, max_side);
    return nullptr;
}

std::uint64_t intake_decode_bytes(const intake_header& h, int max_side)
{
    // The size handed to the reduction, and what the decoder holds at its peak
    // (measured with each library on camera-sized pictures).
    std::uint64_t w = static_cast<std::uint64_t>(h.w), ht = static_cast<std::uint64_t>(h.h), decoder = 0;
    switch (h.format) {
    case FMT_JPEG: {  // at its reduced scale, with libjpeg's few rows
        unsigned d = jpeg_scale(static_cast<unsigned>(h.w), static_cast<unsigned>(h.h), max_side);
        w = (w + d - 1) / d;
        ht = (ht + d - 1) / d;
        decoder = w * ht * 4 + (1u << 20);
        break;
    }
    case FMT_WEBP:  // RGBA, and a lossless one through its own ARGB picture beside it
        decoder = w * ht * (h.lossless ? 9 : 4);
        break;
    case FMT_HEIF:
        decoder = heif_decode_bytes(h.heif);
        break;
    default:  // SDL_image's surface, four bytes a pixel at most
        decoder = w * ht * 4 + (1u << 20);
        break;
    }
    // The reduction: a row of the source, the result's sums, the result turned.
    int dw = 0, dh = 0;
    reduced_size(static_cast<int>(w), static_cast<int>(ht), max_side, &dw, &dh);
    return decoder + w * 4 + static_cast<std::uint64_t>(dw) * static_cast<std::uint64_t>(dh) * (12 + 4 + 4);
}

intake_image intake_reduce(const intake_rows& rows, int orientation, int max_side)
{
    int dw = 0, dh = 0;
    reduced_size(rows.w, rows.h, max_side, &dw, &dh);
    return orient(resample(rows, 0, 0, rows.w, rows.h, dw, dh), orientation);
}

intake_image intake_fit(const intake_image& src, int dw, int dh)
{
    // The largest centred area of the wanted proportions.
    int cw = src.w, ch = src.h;
    if (static_cast<long>(src.w) * dh > static_cast<long>(src.h) * dw)
        cw = std::max(1, static_cast<int>(static_cast<long>(src.h) * dw / dh));
    else
        ch = std::max(1, static_cast<int>(static_cast<long>(src.w) * dh / dw));
    return resample(intake_rows{src.w, src.h, &src, image_row}, (src.w - cw) / 2, (src.h - ch) / 2, cw, ch, dw, dh);
}

void intake_oriented_size(const intake_header& h, int* w, int* h_out)
{
    bool swap = h.orientation >= 5 && h.orientation <= 8;
    *w = swap ? h.h : h.w;
    *h_out = swap ? h.w : h.h;
}
