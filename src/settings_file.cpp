// settings_file.cpp -- the settings file's text: reading and writing its four values; free of SDL
#include "settings_file.h"

#include <cstdlib>

settings_values settings_read(std::FILE* file)
{
    settings_values v;
    char line[1024];
    if (std::fgets(line, sizeof line, file))
        v.sfx = static_cast<float>(std::atof(line));
    else
        return v;
    if (std::fgets(line, sizeof line, file))
        v.music = static_cast<float>(std::atof(line));
    else
        return v;
    if (std::fgets(line, sizeof line, file))
        v.full_screen = static_cast<std::uint8_t>(std::atoi(line));
    else
        return v;
    if (std::fgets(line, sizeof line, file))
        v.randomize = static_cast<std::int8_t>(std::atoi(line));
    return v;
}
