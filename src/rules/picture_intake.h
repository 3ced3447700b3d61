// picture_intake.h -- a player's picture file read as a careful program reads it: its
// header found and checked against the limits before decoding, wherever in the file
// it lies; PNG and WebP decoded here, JPEG, TIFF, HEIC and AVIF by the build's photo
// decoders (rules/picture_codecs.h), reduced to the size its tiles are drawn at and turned upright by the camera's orientation; GIF and BMP left
// to the display's library, within what its surfaces hold
#pragma once

#include <cstddef>
#include <cstdint>

#include "rules/picture_header.h"
#include "rules/picture_resample.h"
#include "rules/picture_source.h"

// Limits checked on the header, before any pixel is decoded. No side may pass
// a million pixels either: a row of the longest is decoded whole. The memory
// a decode may take is the decoding budget's (rules/decode_budget.h).
constexpr std::uint64_t INTAKE_MAX_PIXELS = 60000000;  // 60 megapixels
constexpr int INTAKE_MAX_LENGTH = 1000000;
// GIF and BMP are decoded into the display library's surfaces, which SDL 1.2
// (and sdl12-compat) make at most this wide and tall.
constexpr int INTAKE_SURFACE_MAX_W = 16383;
constexpr int INTAKE_SURFACE_MAX_H = 65535;

// Reads the header of a file, fetching from it what lies past its first
// bytes: null when the picture may be decoded, else the reason in a few words
// ("cut short" only where the file ends before its header does).
const char* intake_probe(const intake_source& file, intake_header* out);
// The same for a file held whole in memory.
const char* intake_probe(const std::uint8_t* data, std::size_t size, intake_header* out);

// Bytes the picture's decode and reduction take at their peak, read for the
// larger art, the file's own apart: what it reserves of the decoding budget.
std::uint64_t intake_decode_bytes(const intake_header& h);

// A whole file to an oriented image whose shorter side is at most max_side
// (INTAKE_MAX_SIDE times the art's scale): null, or the reason it cannot be
// read. GIF and BMP answer INTAKE_OTHER_DECODER with the header filled, for a
// decoder of the display's side to hand its rows to intake_reduce.
extern const char* const INTAKE_OTHER_DECODER;
const char* intake_read(const std::uint8_t* data, std::size_t size, intake_header* header, intake_image* out,
                        int max_side = INTAKE_MAX_SIDE);

// The size in pixels after the orientation (5 to 8 exchange the sides).
void intake_oriented_size(const intake_header& h, int* w, int* h_out);
