// help_config.cpp -- which help pages each level offers, read from the help file
#include "rules/help_config.h"

#include <strings.h>

#include <algorithm>
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

help_pages help_level_pages(const help_table& table, int level, bool turning)
{
    help_pages pages;
    int last = 0;
    if (level >= 1 && level <= HELP_LEVELS)
        last = table[static_cast<size_t>(level - 1)].screens;
    else if (level == 0)
        last = table[0].screens;
    for (int p = 1; p <= last && p <= HELP_PAGES; p++)
        pages.page[static_cast<size_t>(pages.count++)] = static_cast<std::uint8_t>(p);
    if (level == 0 && turning && last < HELP_TURNING_PAGE)
        pages.page[static_cast<size_t>(pages.count++)] = HELP_TURNING_PAGE;
    return pages;
}

std::uint8_t help_page_step(const help_pages& pages, std::uint8_t page, int step)
{
    if (pages.count == 0)
        return page;
    int at = 0;  // the last page shown not after `page`
    for (int i = 1; i < pages.count; i++)
        if (pages.page[static_cast<size_t>(i)] <= page)
            at = i;
    at = std::clamp(at + step, 0, pages.count - 1);
    return pages.page[static_cast<size_t>(at)];
}

int help_page_place(const help_pages& pages, std::uint8_t page)
{
    for (int i = 0; i < pages.count; i++)
        if (pages.page[static_cast<size_t>(i)] == page)
            return i + 1;
    return 0;
}
