// help_config.cpp -- which help pages each level offers, read from the help file
#include "rules/help_config.h"

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

std::uint8_t help_first_page(const help_table& table, int level)
{
    if (level < 1 || level > HELP_LEVELS)
        return 0;
    const help_info& info = table[static_cast<size_t>(level - 1)];
    if (!info.display || info.screens == 0)
        return 0;
    int page = level == 1 ? 1 : table[static_cast<size_t>(level - 2)].screens + 1;
    // A file whose later line offers no more pages than the one before would
    // open past the level's last page.
    if (page > info.screens)
        page = info.screens;
    return static_cast<std::uint8_t>(page);
}

std::uint8_t help_page_prev(std::uint8_t page)
{
    return page > 1 ? static_cast<std::uint8_t>(page - 1) : page;
}

std::uint8_t help_page_next(const help_table& table, int level, std::uint8_t page)
{
    if (level < 1 || level > HELP_LEVELS)
        return page;
    return table[static_cast<size_t>(level - 1)].screens > page ? static_cast<std::uint8_t>(page + 1) : page;
}
