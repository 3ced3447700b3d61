// settings_file.cpp -- the settings file's text: reading and writing its six values
#include "rules/settings_file.h"

#include "rules/file_replace.h"
#include "rules/text_line.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>

// A volume line as atof reads it; beyond the float range it becomes an
// infinity instead of an undefined conversion.
static float settings_float(const char* line)
{
    double d = std::strtod(line, nullptr);
    if (d > FLT_MAX)
        return HUGE_VALF;
    if (d < -FLT_MAX)
        return -HUGE_VALF;
    return static_cast<float>(d);
}

// A flag line as atoi reads it, kept to its low 8 bits; strtol saturates where
// atoi's overflow would be undefined.
static long settings_long(const char* line)
{
    return std::strtol(line, nullptr, 10);
}

settings_values settings_read(std::FILE* file)
{
    // The values by their line's place: each line is read whole, so that a
    // damaged one (too long, a NUL byte) leaves the lines after it in place.
    settings_values v;
    char line[256];
    bool whole = true;
    if (text_line_read(file, line, sizeof line, &whole))
        v.sfx = settings_float(line);
    else
        return v;
    if (text_line_read(file, line, sizeof line, &whole))
        v.music = settings_float(line);
    else
        return v;
    if (text_line_read(file, line, sizeof line, &whole))
        v.full_screen = static_cast<std::uint8_t>(settings_long(line));
    else
        return v;
    if (text_line_read(file, line, sizeof line, &whole))
        v.randomize = static_cast<std::int8_t>(settings_long(line));
    else
        return v;
    if (text_line_read(file, line, sizeof line, &whole))
        v.window_scale = static_cast<std::uint8_t>(settings_long(line));
    else
        return v;
    if (text_line_read(file, line, sizeof line, &whole) && whole && settings_language_valid(line))
        v.language = line;
    return v;
}

bool settings_language_valid(const std::string& text)
{
    if (text.empty() || text.size() > SETTINGS_LANGUAGE_MAX)
        return false;
    for (char c : text)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '@'))
            return false;
    return true;
}

int settings_format(const settings_values& v, char* buf, std::size_t size)
{
    // A missing line reads back as 0, so the flags are written only as far as
    // the last one that is set, in their order. A code that could not be read
    // back is not written.
    if (settings_language_valid(v.language))
        return std::snprintf(buf, size, "%01.02f\n%01.02f\n%i\n%i\n%i\n%s\n", v.sfx, v.music, v.full_screen, v.randomize,
                             v.window_scale, v.language.c_str());
    if (v.window_scale != 0)
        return std::snprintf(buf, size, "%01.02f\n%01.02f\n%i\n%i\n%i\n", v.sfx, v.music, v.full_screen, v.randomize,
                             v.window_scale);
    if (v.randomize != 0)
        return std::snprintf(buf, size, "%01.02f\n%01.02f\n%i\n%i\n", v.sfx, v.music, v.full_screen, v.randomize);
    if (v.full_screen != 0)
        return std::snprintf(buf, size, "%01.02f\n%01.02f\n%i\n", v.sfx, v.music, v.full_screen);
    return std::snprintf(buf, size, "%01.02f\n%01.02f\n", v.sfx, v.music);
}

bool settings_write(const char* path, const settings_values& v)
{
    // Six short lines; "nan" and large values (up to 3.4e38 with two decimals) still fit.
    char text[256];
    int len = settings_format(v, text, sizeof text);
    if (len < 0 || static_cast<std::size_t>(len) >= sizeof text)
        return false;
    return file_replace(path, text, static_cast<std::size_t>(len));
}

float settings_volume_clamp(float volume)
{
    if (!(volume >= 0.0f))  // also catches NaN
        return 0.0f;
    if (volume > 1.0f)
        return 1.0f;
    return volume;
}
