// help.cpp -- the help pages shown in a framed panel over the game
#include "screens/help.h"

#include <cstdio>

#include "engine/engine.h"
#include "rules/level_file.h"
#include "rules/translate.h"

constexpr int HELP_FRAME_TILE = 20;  // pages follow as tiles 21 to 25
constexpr float HELP_X = 64, HELP_Y = 48;              // the panel, centred in the window
constexpr int HELP_CAPTION_X = 320, HELP_CAPTION_Y = 372;  // the caption's centre

Uint8 current_help_screen = 1;
static font_s help_font{};
static char help_caption_text[160] = "";

// The pages the level shows; a level of the player's pictures shows the
// turning page where its tiles turn.
static help_pages level_pages(int level)
{
    return help_level_pages(HELP, level, GameRotate != 0);
}

// The caption "Help screen (place/pages)" for the pages shown, in the middle font.
static void help_font_build(const help_pages& pages)
{
    if (pages.count == 0)
        return;
    // TRANSLATORS: under the help pages: the page shown, the level's number of pages
    const char* english = N_("Help screen (%i/%i)");
    std::snprintf(help_caption_text, sizeof help_caption_text, tr(english), help_page_place(pages, current_help_screen),
                  pages.count);
    font_free(&help_font);
    // Red and blue trade places on the way to the screen: this shows yellow.
    font_make_for(&help_font, FONT2, help_caption_text, english, SDL_Color{0, 255, 255, 0});
}

Uint8 help_init()
{
    current_help_screen = 1;
    for (help_info& info : HELP)
        info = help_info{0, 0};
    static const char* const FILES[] = {"data/help/helpbase.png", "data/help/help1.png", "data/help/help2.png",
                                        "data/help/help3.png",    "data/help/help4.png", "data/help/help5.png"};
    for (int i = 0; i <= HELP_PAGES; i++)
        image_defer(static_cast<Uint32>(HELP_FRAME_TILE + i), 512, 512, FILES[i]);
    for (int i = 0; i <= HELP_PAGES; i++)
        ot_build_tile(HELP_FRAME_TILE + i, HELP_FRAME_TILE + i, 0, 0, 512, 384);

    std::FILE* file = std::fopen(HELP_FILE, "r");
    if (!file)
        return 0;
    // A line longer than the buffer is read in pieces, each taken as a line.
    char line[1024];
    while (std::fgets(line, sizeof line, file))
        help_parse_line(HELP, line);
    std::fclose(file);
    help_font_build(level_pages(1));
    return 1;
}

// Levels arrive as int but are read as 8 bits, like every level number.
Uint8 help_should_display(int level)
{
    Uint8 l = static_cast<Uint8>(level);
    Uint8 page = help_first_page(HELP, l);
    if (page == 0)
        return 0;
    current_help_screen = page;
    help_font_build(level_pages(l));
    return 1;
}

// Opening and paging alike: the page `step` places on among the level's pages.
static void help_turn_page(int level, int step)
{
    help_pages pages = level_pages(static_cast<Uint8>(level));
    current_help_screen = help_page_step(pages, current_help_screen, step);
    help_font_build(pages);
}

void help_open(int level)
{
    help_turn_page(level, 0);  // the page last shown, where the level shows it
}

void help_prev(int level)
{
    help_turn_page(level, -1);
}

void help_next(int level)
{
    help_turn_page(level, 1);
}

const char* help_caption()
{
    return help_caption_text;
}

// Frame, page and caption; the page is drawn only when its image exists.
void help_display()
{
    ot_blit(HELP_FRAME_TILE, HELP_X, HELP_Y, nullptr);
    if (current_help_screen >= 1 && current_help_screen <= HELP_PAGES)
        ot_blit_trans(HELP_FRAME_TILE + current_help_screen, HELP_X, HELP_Y, nullptr);
    font_display(&help_font, HELP_CAPTION_X - help_font.tw / 2, HELP_CAPTION_Y - help_font.th / 2);
}
