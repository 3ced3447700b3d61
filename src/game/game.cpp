// game.cpp -- screen mode 3: the game screen's handlers
// For now the game screen shows its background; the levels come with the board.
#include "game/game.h"

#include "common.h"

constexpr int GAME_BOARD_TILE = 2;

void game_new()
{
    GameMode = 20;  // the opening images, then level 1
    engineMode = MODE_GAME;
}

Uint8 levels_start(const char* buf)
{
    int i = levels_find(buf);
    if (i < 0)
        return 0;
    GameMode = 1;  // load the level
    GameLevel = static_cast<Uint8>(i + 2);
    engineMode = MODE_GAME;
    return 1;
}

void mode3_handle_keys(SDL_keysym* keysym)
{
    (void)keysym;
}

void mode3_mouse_click(int x, int y, int button, int type)
{
    (void)x;
    (void)y;
    (void)button;
    (void)type;
}

void mode3_mouse_movement(int x, int y)
{
    (void)x;
    (void)y;
}

void mode3_idle()
{
    ot_blit(GAME_BOARD_TILE, 0, 0, nullptr);
}
