// picture.cpp -- fuzz target: any bytes as a player's picture file, through the
// intake as the game reads it: header and limits, JPEG, WebP, HEIC and AVIF
// decoded, the orientation applied, the image reduced and fitted to a picture's cells
#include "fuzz_file.h"
#include "rules/picture_intake.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    intake_header h;
    intake_image img;
    const char* why = intake_read(data, size, &h, &img);
    if (why)
        return 0;  // refused (or left to the display's decoder), with a reason
    check(static_cast<std::uint64_t>(h.w) * static_cast<std::uint64_t>(h.h) <= INTAKE_MAX_PIXELS);
    check(img.w >= 1 && img.h >= 1 && (img.w <= INTAKE_MAX_SIDE || img.h <= INTAKE_MAX_SIDE));
    check(img.rgba.size() == static_cast<size_t>(img.w) * static_cast<size_t>(img.h) * 4);
    // Both ways round: a strip cropped to a square, a square to a strip.
    intake_image a = intake_fit(img, 2 * INTAKE_CELL_PX, INTAKE_CELL_PX);
    intake_image b = intake_fit(img, INTAKE_CELL_PX, 3 * INTAKE_CELL_PX);
    check(a.w == 2 * INTAKE_CELL_PX && a.h == INTAKE_CELL_PX && a.rgba.size() == size_t(a.w) * a.h * 4);
    check(b.w == INTAKE_CELL_PX && b.h == 3 * INTAKE_CELL_PX && b.rgba.size() == size_t(b.w) * b.h * 4);
    for (size_t i = 3; i < a.rgba.size(); i += 4)
        check(a.rgba[i] == 255);  // transparency laid on the board's colour
    return 0;
}
