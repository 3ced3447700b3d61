// picture_intake.cpp -- a player's picture file read as a careful program reads it: its
// header found and checked against the limits before decoding, wherever in the file
// it lies; PNG and WebP decoded here, JPEG, TIFF, HEIC and AVIF by the build's photo
// decoders (rules/picture_codecs.h), reduced to the size its tiles are drawn at and turned upright by the camera's orientation; GIF and BMP left
// to the display's library, within what its surfaces hold
#include "rules/picture_intake.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "rules/decode_budget.h"
#include "rules/picture_codecs.h"
#include "rules/picture_png.h"
#include "rules/picture_webp.h"
#include "rules/translate.h"

const char* const INTAKE_OTHER_DECODER = "decoded elsewhere";
const char* const INTAKE_NOT_A_PICTURE = N_("not a picture this game reads");

namespace {

std::uint32_t le16(const std::uint8_t* p) { return static_cast<std::uint32_t>(p[1] << 8 | p[0]); }
std::uint32_t le32(const std::uint8_t* p) { return le16(p + 2) << 16 | le16(p); }

// GIF: the first frame's size, which is what is decoded, whatever size the
// file's screen claims; extension blocks before it are skipped.
const char* probe_gif(intake_cursor& c, intake_header* out)
{
    const std::uint8_t* d = intake_fetch(c, 0, 13);
    if (!d)
        return c.why;
    std::uint64_t at = 13;
    if (d[10] & 0x80)
        at += 3u << ((d[10] & 7) + 1);  // the global colour table
    for (;;) {
        const std::uint8_t* b = intake_fetch(c, at, 1);
        if (!b)
            return c.why;
        if (*b == 0x2c) {
            if (!(b = intake_fetch(c, at, 10)))
                return c.why;
            out->w = static_cast<int>(le16(b + 5));
            out->h = static_cast<int>(le16(b + 7));
            return nullptr;
        }
        if (*b == 0x3b)
            return N_("a GIF with no picture in it");
        if (*b != 0x21)
            return N_("a damaged GIF");
        at += 2;  // the introducer and the label, then sub-blocks up to an empty one
        do {
            if (!(b = intake_fetch(c, at, 1)))
                return c.why;
            at += 1u + *b;
        } while (*b != 0);
    }
}

// BMP: the size, and what the display library's reader takes: the depths it
// knows, uncompressed, run-length or bit-field coded.
const char* probe_bmp(intake_cursor& c, intake_header* out)
{
    const std::uint8_t* d = intake_fetch(c, 0, 26);
    if (!d)
        return c.why;
    std::uint32_t bits = 0, compression = 0;
    if (le32(d + 14) == 12) {  // the old OS/2 header
        out->w = static_cast<int>(le16(d + 18));
        out->h = static_cast<int>(le16(d + 20));
        bits = le16(d + 24);
    } else {
        if (!(d = intake_fetch(c, 0, 34)))
            return c.why;
        std::int64_t w = static_cast<std::int32_t>(le32(d + 18)), h = static_cast<std::int32_t>(le32(d + 22));
        out->w = static_cast<int>(std::min<std::int64_t>(std::llabs(w), 1 << 30));
        out->h = static_cast<int>(std::min<std::int64_t>(std::llabs(h), 1 << 30));
        bits = le16(d + 28);
        compression = le32(d + 30);
    }
    if (compression == 4 || compression == 5)
        return N_("a BMP holding a JPEG or PNG, which this game does not read");
    if (compression > 3 || (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return N_("a kind of BMP this game does not read");
    return nullptr;
}

// A photo's header, read by this build's decoder of its format; without one,
// the file is refused before any of it is read.
const char* probe_photo(intake_format format, intake_cursor& c, intake_header* out)
{
    out->format = format;
    const photo_codec* codec = photo_codec_for(format);
    return codec ? codec->probe(c, out) : N_("a kind of photo this version of the game does not decode");
}

// The format from the first bytes, then its header.
const char* probe_format(intake_cursor& c, intake_header* out)
{
    static const std::uint8_t PNG[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(c.src->size, 12));
    const std::uint8_t* d = intake_fetch(c, 0, n);
    if (!d)
        return c.why;
    if (n >= 8 && std::memcmp(d, PNG, 8) == 0) {
        out->format = FMT_PNG;
        return png_probe(c, &out->w, &out->h, &out->decoder_bytes);
    }
    if (n >= 3 && d[0] == 0xff && d[1] == 0xd8 && d[2] == 0xff)
        return probe_photo(FMT_JPEG, c, out);
    if (n >= 6 && (std::memcmp(d, "GIF87a", 6) == 0 || std::memcmp(d, "GIF89a", 6) == 0)) {
        out->format = FMT_GIF;
        return probe_gif(c, out);
    }
    if (n >= 2 && d[0] == 'B' && d[1] == 'M') {
        out->format = FMT_BMP;
        return probe_bmp(c, out);
    }
    if (n >= 4 && (std::memcmp(d, "II*\0", 4) == 0 || std::memcmp(d, "MM\0*", 4) == 0 ||
                   std::memcmp(d, "II+\0", 4) == 0 || std::memcmp(d, "MM\0+", 4) == 0))
        return probe_photo(FMT_TIFF, c, out);
    if (n >= 12 && std::memcmp(d, "RIFF", 4) == 0 && std::memcmp(d + 8, "WEBP", 4) == 0) {
        out->format = FMT_WEBP;
        return webp_probe(c, &out->w, &out->h, &out->decoder_bytes);
    }
    // Without a HEIF decoder a type box cannot tell a photo from a movie.
    if (n >= 12 && std::memcmp(d + 4, "ftyp", 4) == 0 && photo_codec_for(FMT_HEIF))
        return photo_codec_for(FMT_HEIF)->probe(c, out);
    return INTAKE_NOT_A_PICTURE;
}

}  // namespace

const char* intake_probe(const intake_source& file, intake_header* out)
{
    *out = intake_header{};
    if (file.size == 0)
        return N_("an empty file");
    intake_cursor cursor;
    cursor.src = &file;
    if (const char* why = probe_format(cursor, out))
        return why;
    if (out->w <= 0 || out->h <= 0)
        return N_("a picture of no size");
    std::uint64_t pixels = static_cast<std::uint64_t>(out->w) * static_cast<std::uint64_t>(out->h);
    if (pixels > INTAKE_MAX_PIXELS)
        return N_("too large: more than 60 megapixels");
    if (out->w > INTAKE_MAX_LENGTH || out->h > INTAKE_MAX_LENGTH)
        return N_("too long a side: more than a million pixels");
    bool surface = out->format == FMT_GIF || out->format == FMT_BMP;
    if (surface && out->w > INTAKE_SURFACE_MAX_W)
        return N_("too wide for a GIF or BMP: more than 16,383 pixels across");
    if (surface && out->h > INTAKE_SURFACE_MAX_H)
        return N_("too tall for a GIF or BMP: more than 65,535 pixels high");
    if (surface)  // SDL_image's surface, four bytes a pixel at most
        out->decoder_bytes = pixels * 4 + (1u << 20);
    // Read for the larger art, the decode alone would pass all the memory
    // that decodes may take together.
    if (intake_decode_bytes(*out) > decode_budget_total())
        return N_("too large to decode in the memory a picture may take");
    return nullptr;
}

const char* intake_probe(const std::uint8_t* data, std::size_t size, intake_header* out)
{
    return intake_probe(intake_memory(data, size), out);
}

const char* intake_read(const std::uint8_t* data, std::size_t size, intake_header* header, intake_image* out,
                        int max_side)
{
    if (size > INTAKE_MAX_FILE_BYTES)
        return N_("too large a file");
    if (const char* why = intake_probe(data, size, header))
        return why;
    switch (header->format) {
    case FMT_PNG: return png_read(data, size, max_side, out);
    case FMT_WEBP: return webp_read(data, size, max_side, &header->orientation, out);
    case FMT_JPEG:
    case FMT_TIFF:
    case FMT_HEIF: return photo_codec_for(header->format)->read(data, size, *header, max_side, out);
    default: return INTAKE_OTHER_DECODER;
    }
}

std::uint64_t intake_decode_bytes(const intake_header& h)
{
    // Beside the decoder, the reduction: a row of the source, and the result's
    // sums, its pixels and their turned copy.
    int dw = 0, dh = 0;
    intake_reduced_size(h.w, h.h, 2 * INTAKE_MAX_SIDE, &dw, &dh);
    return h.decoder_bytes + static_cast<std::uint64_t>(h.w) * 4 +
           static_cast<std::uint64_t>(dw) * static_cast<std::uint64_t>(dh) * (12 + 4 + 4);
}

void intake_oriented_size(const intake_header& h, int* w, int* h_out)
{
    bool swap = h.orientation >= 5 && h.orientation <= 8;
    *w = swap ? h.h : h.w;
    *h_out = swap ? h.w : h.h;
}
