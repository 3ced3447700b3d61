// help_config.cpp -- fuzz target: any bytes as the help file, then the opening rule and paging for every level
#include "fuzz_file.h"
#include "rules/help_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    help_table table{};
    fuzz_lines(data, size, [&](const char* line) { help_parse_line(table, line); });
    // Every page the game can reach is one the level shows (each has an image);
    // paging reaches both ends of its pages. Level 0 is a level of the
    // player's pictures, with tiles upright or turned.
    for (int level = -1; level <= HELP_LEVELS + 1; level++)
        for (bool turning : {false, true}) {
            help_pages shown = help_level_pages(table, level, turning);
            std::uint8_t page = help_first_page(table, level);
            check(shown.count <= HELP_PAGES && (page == 0 || help_page_place(shown, page) >= 1));
            for (int i = 0; i < 7; i++)
                page = help_page_step(shown, page, 1);
            check(shown.count == 0 || help_page_place(shown, page) == shown.count);
            for (int i = 0; i < 7; i++)
                page = help_page_step(shown, page, -1);
            check(shown.count == 0 || help_page_place(shown, page) == 1);
        }
    return 0;
}
