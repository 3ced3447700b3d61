// help.cpp -- the help pages shown in a framed panel over the game
#include "help.h"

#include <cstdio>

#include "common.h"
#include "main.h"

constexpr int HELP_FRAME_TILE = 20;  // pages follow as tiles 21 to 25

Uint8 current_help_screen = 1;
static font_s help_font{};

// The caption "Help screen (page/pages)" for a level, in the middle font.
static void help_font_build(Uint8 level)
{
    if (level < 1 || level > HELP_LEVELS)
        return;
    char text[64];
    std::snprintf(text, sizeof text, "Help screen (%i/%i)", current_help_screen, HELP[level - 1].screens);
    font_free(&help_font);
    font_make(&help_font, FONT2, text, SDL_Color{0, 255, 255, 0});
}

Uint8 help_init()
{
    for (help_info& info : HELP)
        info = help_info{0, 0};
    static const char* const FILES[] = {"data/help/helpbase.png", "data/help/help1.png", "data/help/help2.png",
                                        "data/help/help3.png",    "data/help/help4.png", "data/help/help5.png"};
    for (int i = 0; i <= HELP_PAGES; i++)
        sdl_loadimg(static_cast<Uint32>(HELP_FRAME_TILE + i), 512, 512, "%s", FILES[i]);
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
    help_font_build(1);
    return 1;
}

// Placeholders until the help panel is built: nothing opens by itself, nothing is drawn.
Uint8 help_should_display(int level)
{
    (void)level;
    return 0;
}

void help_prev(int level)
{
    (void)level;
}

void help_next(int level)
{
    (void)level;
}

void help_display() {}
