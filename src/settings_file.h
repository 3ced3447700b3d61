// settings_file.h -- the settings file's text: reading and writing its four values; free of SDL
#pragma once

#include <cstdint>
#include <cstdio>

// The values the settings file holds, with their defaults.
struct settings_values {
    float sfx = 1.0f;
    float music = 0.75f;
    std::uint8_t full_screen = 0;
    std::int8_t randomize = 0;
};

// Reads up to four lines; a missing line leaves its default, a line that holds
// no number gives 0. Values are taken as read (the mixer clamps volumes).
settings_values settings_read(std::FILE* file);
