// help_config.cpp -- which help pages each level offers, read from the help file; free of SDL
#include "help_config.h"

#include <strings.h>

#include <cstdio>

help_table HELP{};

void help_parse_line(help_table& table, const char* line)
{
    static const char KEY[] = "data=";
    if (strncasecmp(line, KEY, sizeof KEY - 1) != 0)
        return;
    int level = 0, pages = 0;
    if (std::sscanf(line + sizeof KEY - 1, "%i,%i", &level, &pages) != 2)
        return;
    if (level < 1 || level > HELP_LEVELS)
        return;
    if (pages < 0)
        pages = 0;
    if (pages > HELP_PAGES)
        pages = HELP_PAGES;
    for (int l = level; l <= HELP_LEVELS; l++) {
        help_info& info = table[static_cast<size_t>(l - 1)];
        info.screens = static_cast<std::uint8_t>(pages);
        info.display = l == level ? 1 : 0;
    }
}
