// picture_codecs.cpp -- the desktop's decoders of JPEG (libjpeg), TIFF (libtiff)
// and HEIC and AVIF (libheif) behind the intake's table
#include "rules/picture_codecs.h"

#include "rules/picture_heif.h"
#include "rules/picture_jpeg.h"
#include "rules/picture_tiff.h"

namespace {

const char* jpeg_header(intake_cursor& c, intake_header* out)
{
    out->format = FMT_JPEG;
    return jpeg_probe(c, &out->w, &out->h, &out->orientation, &out->decoder_bytes);
}

const char* jpeg_pixels(const std::uint8_t* data, std::size_t size, const intake_header& header, int max_side,
                        intake_image* out)
{
    return jpeg_read(data, size, header.orientation, max_side, out);
}

const char* tiff_header(intake_cursor& c, intake_header* out)
{
    out->format = FMT_TIFF;
    return tiff_probe(c, &out->w, &out->h, &out->orientation, &out->decoder_bytes);
}

const char* tiff_pixels(const std::uint8_t* data, std::size_t size, const intake_header&, int max_side,
                        intake_image* out)
{
    return tiff_read(data, size, max_side, out);
}

// A file with a type box may be a movie or another ISO file, which is no
// picture; the header is left as it was then.
const char* heif_header(intake_cursor& c, intake_header* out)
{
    const char* why = heif_probe(c, &out->heif);
    if (why == HEIF_NOT_HEIF)
        return INTAKE_NOT_A_PICTURE;
    out->format = FMT_HEIF;
    out->w = out->heif.w;
    out->h = out->heif.h;
    out->orientation = out->heif.orientation;
    out->decoder_bytes = heif_decode_bytes(out->heif);
    return why;
}

// Decoded as stored; the reduction turns it as its boxes say.
const char* heif_pixels_read(const std::uint8_t* data, std::size_t size, const intake_header& header, int max_side,
                             intake_image* out)
{
    heif_pixels pixels;
    if (const char* why = heif_decode(data, size, header.heif, &pixels))
        return why;
    *out = intake_reduce(intake_rows{pixels.w, pixels.h, &pixels, heif_row}, header.orientation, max_side);
    return nullptr;
}

const photo_codec JPEG_CODEC{jpeg_header, jpeg_pixels};
const photo_codec TIFF_CODEC{tiff_header, tiff_pixels};
const photo_codec HEIF_CODEC{heif_header, heif_pixels_read};

}  // namespace

const photo_codec* photo_codec_for(intake_format format)
{
    switch (format) {
    case FMT_JPEG: return &JPEG_CODEC;
    case FMT_TIFF: return &TIFF_CODEC;
    case FMT_HEIF: return &HEIF_CODEC;
    default: return nullptr;
    }
}
