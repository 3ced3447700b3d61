// picture_codecs.h -- the decoders of the photo formats that need a library of
// their own (JPEG, TIFF, HEIC and AVIF), as one table the intake asks: the
// desktop's build carries them all, the page's none (the browser decodes photos)
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/picture_header.h"
#include "rules/picture_resample.h"
#include "rules/picture_source.h"

struct photo_codec {
    // The header read from the file: its format, size, orientation and the
    // bytes its decoder holds filled; null, or the reason it cannot be read
    // (INTAKE_NOT_A_PICTURE where the file is of another kind after all).
    const char* (*probe)(intake_cursor& c, intake_header* out);
    // The whole file decoded, reduced to max_side and turned as the header says.
    const char* (*read)(const std::uint8_t* data, std::size_t size, const intake_header& header, int max_side,
                        intake_image* out);
};

// The decoder of FMT_JPEG, FMT_TIFF or FMT_HEIF in this build, or null where
// it carries none.
const photo_codec* photo_codec_for(intake_format format);
