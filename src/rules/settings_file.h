// settings_file.h -- the settings file's text: reading and writing its six values
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

// The values the settings file holds, with their defaults.
struct settings_values {
    float sfx = 1.0f;
    float music = 0.75f;
    std::uint8_t full_screen = 0;
    std::int8_t randomize = 0;
    std::uint8_t window_scale = 0;  // the window's whole scale; 0 chooses by the desktop
    std::string language;           // the player's language ("de", "pt_BR"); empty follows the system
};

// The longest language code the file keeps.
constexpr std::size_t SETTINGS_LANGUAGE_MAX = 15;

// Whether text can stand as a language code: 1 to SETTINGS_LANGUAGE_MAX ASCII
// letters, '_' and '@' (such as a catalog's directory is named).
bool settings_language_valid(const std::string& text);

// Reads up to six lines; a missing line leaves its default, a line that holds
// no number gives 0, and a damaged one (too long, a NUL byte) is read from its
// start and costs no other line. Values are taken as read (the mixer clamps
// volumes); a sixth line that is no language code reads as the system's.
settings_values settings_read(std::FILE* file);

// The file's text: both volumes with two decimals, then the full-screen flag,
// the board setting, the window scale and the language, as far as the last of
// them that is set (a missing line reads as 0, or as the system's language).
// Versions before the language read five lines and pass the sixth by. Returns the
// length written (the text is cut to size - 1 characters, like snprintf).
int settings_format(const settings_values& v, char* buf, std::size_t size);

// Replaces the settings file whole through file_replace (see there); false
// when it could not be written, the old file then being left as it was.
bool settings_write(const char* path, const settings_values& v);

// A volume as the mixer and the sliders use it: within 0..1, and 0 for a
// value that is not a number.
float settings_volume_clamp(float volume);
