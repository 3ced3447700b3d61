// picture_image.h -- a player's picture file to a reduced, upright image: JPEG, PNG,
// TIFF and WebP through the rules' intake, GIF and BMP through SDL_image, every one
// checked against the intake's limits before it is decoded
#pragma once

#include <string>

#include "rules/picture_intake.h"

// Null and the image, its shorter side at most max_side, or the reason the
// file cannot be used, in a few words.
const char* picture_image_read(const std::string& path, intake_image* out, int max_side = INTAKE_MAX_SIDE);
