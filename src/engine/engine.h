// engine.h -- the engine as the screens and the game see it: the state every
// screen shares, and the renderer, the art set, images, text, the language, sound, settings, key highlight and pads
#pragma once

#include "engine/art_set.h"
#include "engine/data_parts.h"
#include "engine/font.h"
#include "engine/images.h"
#include "engine/keyboard.h"
#include "engine/language.h"
#include "engine/misc.h"
#include "engine/opengl_tile.h"
#include "engine/pad.h"
#include "engine/photo_picker.h"
#include "engine/picture_image.h"
#include "engine/settings.h"
#include "engine/sound.h"
#include "engine/state.h"
#include "engine/storage.h"
#include "engine/touch.h"
