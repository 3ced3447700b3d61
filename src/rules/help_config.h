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

// Paging within a level's pages 1..screens; it stops at both ends.
std::uint8_t help_page_prev(std::uint8_t page);
std::uint8_t help_page_next(const help_table& table, int level, std::uint8_t page);
