// help_config.h -- which help pages each level offers, read from the help file
#pragma once

#include <array>
#include <cstdint>

// One level's help: pages 1 to screens, and whether the help opens by itself.
struct help_info {
    std::uint8_t screens;
    std::uint8_t display;
};

constexpr int HELP_LEVELS = 50;
constexpr int HELP_PAGES = 5;  // page images that exist
using help_table = std::array<help_info, HELP_LEVELS>;
extern help_table HELP;

constexpr const char* HELP_FILE = "data/help/help.dat";

// Applies one line of the help file: "data=L,N" (the key in any case, numbers
// as scanf's %i reads them) gives levels L to 50 N pages and opens the help by
// itself on level L only. L outside 1..50, or a line whose two numbers cannot
// be read, changes nothing; N is clamped to the 0..5 pages that exist.
void help_parse_line(help_table& table, const char* line);

// The page the help opens at by itself when a level starts: the first page
// that is new at this level (1 on level 1), or 0 when the level does not open
// it. The page is kept within the level's own pages, and a level without pages
// does not open the help.
std::uint8_t help_first_page(const help_table& table, int level);

// The page on turning tiles, first offered where tiles first turn.
constexpr std::uint8_t HELP_TURNING_PAGE = 4;

// The pages a level's help shows, in order: a level's pages 1..screens; a
// level of the player's pictures (level 0) asks only to swap tiles, and turn
// them where they turn, so it shows the first level's pages and, with
// turning, the page on turning.
struct help_pages {
    std::array<std::uint8_t, HELP_PAGES> page{};
    int count = 0;
};
help_pages help_level_pages(const help_table& table, int level, bool turning);

// Paging within the pages shown: the page `step` places on from `page` (-1
// back, 1 forward, 0 the page itself), stopping at both ends. A page not
// shown counts as the last shown page before it (the first, when none is
// before it). With no pages, the page stays.
std::uint8_t help_page_step(const help_pages& pages, std::uint8_t page, int step);
// The place of a page among the pages shown, from 1 (0 when not shown).
int help_page_place(const help_pages& pages, std::uint8_t page);
