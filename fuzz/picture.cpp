// picture.cpp -- fuzz target: any bytes as a player's picture file, through the
// intake as the game reads it: the header and its limits, judged alike from the
// whole file and from a few bytes with the rest read at offsets as the scan
// reads them; JPEG, PNG, TIFF, WebP, HEIC and AVIF decoded, the orientation applied, the
// image reduced and fitted to a picture's cells, and those cells compared,
// turned, as a level's tiles are; and the same bytes as one of the game's own
// images, read whole and laid into a texture
#include <algorithm>
#include <cstring>
#include <vector>

#include "fuzz_file.h"
#include "rules/image_decode.h"
#include "rules/picture_intake.h"
#include "rules/tile_looks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    // The scan's way: 16 bytes at hand, the rest read at offsets, 4 kB a call at most.
    auto read = [](void* ctx, std::uint64_t at, size_t n, std::uint8_t* out) {
        std::memcpy(out, static_cast<const std::uint8_t*>(ctx) + at, n = std::min<size_t>(n, 4096));
        return static_cast<long>(n);
    };
    intake_source scanned{size, data, std::min<size_t>(size, 16), read, const_cast<std::uint8_t*>(data)};
    intake_header a, b;
    const char* why_a = intake_probe(scanned, &a);
    const char* why_b = intake_probe(data, size, &b);
    check(why_a == why_b || (why_a && why_b && std::strcmp(why_a, why_b) == 0));
    check(a.format == b.format && a.w == b.w && a.h == b.h && a.orientation == b.orientation);

    image_rgba own;
    if (!image_decode(data, size, &own)) {
        check(own.w >= 1 && own.h >= 1 && own.w <= IMAGE_MAX_SIDE && own.h <= IMAGE_MAX_SIDE);
        check(own.rgba.size() == static_cast<size_t>(own.w) * static_cast<size_t>(own.h) * 4);
        std::vector<std::uint8_t> texture(64 * 32 * 4);
        image_texture_bgra(own, 64, 32, texture.data());
    }

    intake_header h;
    intake_image img;
    const char* why = intake_read(data, size, &h, &img);
    if (why)
        return 0;  // refused (or left to the display's decoder), with a reason
    check(static_cast<std::uint64_t>(h.w) * static_cast<std::uint64_t>(h.h) <= INTAKE_MAX_PIXELS);
    check(img.w >= 1 && img.h >= 1 && (img.w <= INTAKE_MAX_SIDE || img.h <= INTAKE_MAX_SIDE));
    check(img.w <= (img.h + 1) * INTAKE_MAX_ASPECT && img.h <= (img.w + 1) * INTAKE_MAX_ASPECT);  // a strip cropped
    check(img.rgba.size() == static_cast<size_t>(img.w) * static_cast<size_t>(img.h) * 4);
    // Both ways round: a strip cropped to a square, a square to a strip.
    intake_image wide = intake_fit(img, 2 * INTAKE_CELL_PX, INTAKE_CELL_PX);
    intake_image tall = intake_fit(img, INTAKE_CELL_PX, 3 * INTAKE_CELL_PX);
    check(wide.w == 2 * INTAKE_CELL_PX && wide.h == INTAKE_CELL_PX && wide.rgba.size() == size_t(wide.w) * wide.h * 4);
    check(tall.w == INTAKE_CELL_PX && tall.h == 3 * INTAKE_CELL_PX && tall.rgba.size() == size_t(tall.w) * tall.h * 4);
    for (size_t i = 3; i < wide.rgba.size(); i += 4)
        check(wide.rgba[i] == 255);  // transparency laid on the board's colour
    tile_looks_build({{101, 2, 1, INTAKE_CELL_PX, wide.rgba.data()}, {201, 1, 3, INTAKE_CELL_PX, tall.rgba.data()}}, true);
    return 0;
}
