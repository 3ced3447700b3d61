// picture_header.h -- what the header of a player's picture file says: its format,
// size, turn and the memory its decoder takes, as the intake and the photo
// decoders fill it
#pragma once

#include <cstdint>

#include "rules/picture_heif.h"

enum intake_format : std::uint8_t { FMT_NONE, FMT_PNG, FMT_JPEG, FMT_GIF, FMT_BMP, FMT_TIFF, FMT_WEBP, FMT_HEIF };

// What the header says.
struct intake_header {
    intake_format format = FMT_NONE;
    int w = 0, h = 0;     // stored size in pixels (a GIF's: its first frame's)
    int orientation = 1;  // EXIF orientation 1..8 (1: as stored)
    // Bytes the format's decoder holds at its peak, reading for the larger
    // art, beside the reduction's and the file's own: each reader says.
    std::uint64_t decoder_bytes = 0;
    heif_facts heif;  // HEIC and AVIF: what their boxes say
};

// Why a file of no format this game knows is refused: the intake's answer, and
// a photo decoder's for a file that proves not to be its own.
extern const char* const INTAKE_NOT_A_PICTURE;
