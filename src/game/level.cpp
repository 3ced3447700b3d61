// level.cpp -- loading a level: its file, its pictures' textures and tiles, its title, the shuffle
#include "game/level.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/engine.h"
#include "game/game.h"
#include "rules/level_file.h"
#include "rules/random.h"
#include "rules/translate.h"

font_s GameNameFont{};

// Texture and tile n + 9 hold the whole picture; its cells are tiles 100n + 1
// upward, cut row by row in floating point so no pixel is lost to rounding.
// The image itself is read when the board first shows it, after the level's
// chamber and clue images.
static void build_picture(int level, const level_picture& p)
{
    int tex = p.n + 9;
    char path[128];
    std::snprintf(path, sizeof path, "data/level%i/%s", level, p.filename);
    image_defer(static_cast<Uint32>(tex), next_power_of_two(p.tw), next_power_of_two(p.th), path);
    ot_build_tile(tex, tex, 0, 0, static_cast<float>(p.tw), static_cast<float>(p.th));
    float cw = static_cast<float>(p.tw) / static_cast<float>(p.w);
    float ch = static_cast<float>(p.th) / static_cast<float>(p.h);
    for (int r = 0; r < p.h; r++)
        for (int c = 0; c < p.w; c++)
            ot_build_tile(picture_tile_id(p.n, p.w, c, r), tex, static_cast<float>(c) * cw, static_cast<float>(r) * ch,
                          cw, ch);
}

Uint8 level_load()
{
    level_reset();
    random_seed(random_board_seed());
    char path[64];
    std::snprintf(path, sizeof path, "data/level%i/level.dat", GameLevel);
    std::FILE* file = std::fopen(path, "r");
    if (!file)
        return 0;
    std::vector<level_picture> pics;
    level_parse_file(file, GameLevel, pics);
    std::fclose(file);

    for (const level_picture& p : pics)
        build_picture(GameLevel, p);
    font_free(&GameNameFont);
    // The title as the catalogs know it, from the level file's English.
    font_say(&GameNameFont, FONT1, GameName, SDL_Color{0, 0, 0, 0}, LEVEL_TITLE_BOX);
    BuildRandomBoard();
    return 1;
}
