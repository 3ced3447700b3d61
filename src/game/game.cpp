// game.cpp -- the ways into the game screen from the start screen
#include "game/game.h"

#include "common.h"
#include "game/state.h"
#include "progress.h"

void game_new()
{
    GameHasBeenWon = 0;  // a game after a won game plays from level 1 again
    GameMode = GM_NEW_GAME;
    engineMode = MODE_GAME;
}

Uint8 levels_start(const char* buf)
{
    int i = levels_find(buf);
    if (i < 0)
        return 0;
    GameHasBeenWon = 0;  // a level after a won game has a password and a next level again
    GameMode = GM_LOAD;
    GameLevel = static_cast<Uint8>(i + 2);  // the password of level n opens level n + 1
    engineMode = MODE_GAME;
    return 1;
}

const char* game_continue_password()
{
    for (int level = progress_reached(); level >= 1; level--)
        if (level <= LEVEL_COUNT_MAX && pws[static_cast<size_t>(level - 1)][0] != 0)
            return pws[static_cast<size_t>(level - 1)].data();
    return "";
}
