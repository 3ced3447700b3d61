// picture_codecs_none.cpp -- the page's table of photo decoders, empty: a JPEG,
// TIFF, HEIC or AVIF is refused by the intake, for the page hands the player's
// photos to the browser's own decoders and links none of their libraries
#include "rules/picture_codecs.h"

const photo_codec* photo_codec_for(intake_format) { return nullptr; }
