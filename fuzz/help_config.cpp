// help_config.cpp -- fuzz target: any bytes as the help file, then the opening rule and paging for every level
#include "fuzz_file.h"
#include "rules/help_config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    help_table table{};
    fuzz_lines(data, size, [&](const char* line) { help_parse_line(table, line); });
    // Every page the game can reach has an image: 1 to 5, and within the level's count.
    for (int level = -1; level <= HELP_LEVELS + 1; level++) {
        std::uint8_t page = help_first_page(table, level);
        if (page == 0)
            continue;
        const int screens = table[static_cast<size_t>(level - 1)].screens;
        check(page <= screens && page <= HELP_PAGES);
        for (int i = 0; i < 7; i++)
            page = help_page_next(table, level, page);
        check(page == screens);
        for (int i = 0; i < 7; i++)
            page = help_page_prev(page);
        check(page == 1);
    }
    return 0;
}
