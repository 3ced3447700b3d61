// display.cpp -- drawing the game screen (background, board, title, clock) and
// the pulsing prompt under full-screen images
#include <cstdio>

#include "engine/engine.h"
#include "game/game.h"
#include "game/level.h"
#include "game/state.h"
#include "rules/level_file.h"
#include "rules/translate.h"

font_s GameTime{};
Uint32 GameTimeCounter = 0;
static font_s GameAnyKeyFont{};
static Uint32 GameAnyKeyMS = 0;
static Uint32 GameAnyKeyColor = 0;
static Uint32 GameAnyKeyDirection = 0;  // 0 brightening, 1 darkening

constexpr int CLOCK_X = 483, CLOCK_Y = 105;
constexpr int TITLE_X = 320, TITLE_Y = 20;
constexpr int PROMPT_X = 320, PROMPT_Y = 430;

void game_clock_text(long r, char* buf, size_t size)
{
    if (r < 0)
        r = 0;
    long m = r / 60;
    std::snprintf(buf, size, "%li:%02li", m, r - 60 * m);
}

void game_display_centred(const font_s* f, int x, int y)
{
    int left = x - f->tw / 2;
    font_display(f, left < 0 ? 0 : left, y - f->th / 2);
}

// The clock is rendered when the seconds it shows change, and at once when it
// is empty (a new level), so play never starts with a blank clock.
static void display_clock()
{
    Uint32 left = game_time_left();
    if (left != GameTimeCounter || GameTime.texture == 0) {
        font_free(&GameTime);
        char text[32];
        game_clock_text(static_cast<long>(left), text, sizeof text);
        font_make(&GameTime, FONT1, text, SDL_Color{0, 255, 255, 255});
        GameTimeCounter = left;
    }
    game_display_centred(&GameTime, CLOCK_X, CLOCK_Y);
}

void DisplayGameScreen(const ot_rgba* rgb)
{
    ot_blit(TILE_BOARD, 0, 0, rgb);
    if (rgb) {
        ot_blit_trans(TILE_COVER, 46, 58, rgb);  // the board lies under its lid
    } else {
        for (int i = 0; i < BOARD_SIDE; i++)
            for (int j = 0; j < BOARD_SIDE; j++) {
                int c = i * BOARD_SIDE + j;
                const gridtile& g = Grid[static_cast<size_t>(c)];
                if (g.id == 0 || c == DragDropGridID)
                    continue;
                ot_blit_rotate(g.id, static_cast<float>(79 + CELL_SIZE * j), static_cast<float>(104 + CELL_SIZE * i),
                               g.locked == 1 ? &MatchedTile : nullptr, 90.0f * g.direction, 0);
            }
    }
    if (GameName[0] != 0)
        game_display_centred(&GameNameFont, TITLE_X, TITLE_Y);
    display_clock();
}

bool game_prompt_due(Uint32 now)
{
    return now - GameAnyKeyMS > 49;
}

// "Press a key or button to continue ..." pulsing from dark to bright and back about once a second.
void GameAnyKeyDraw()
{
    Uint32 now = SDL_GetTicks();
    if (now - GameAnyKeyMS > 49) {
        GameAnyKeyMS = now;
        if (GameAnyKeyDirection == 0) {
            if (GameAnyKeyColor == 250) {
                GameAnyKeyColor = 225;
                GameAnyKeyDirection = 1;
            } else {
                GameAnyKeyColor += 25;
            }
        } else if (GameAnyKeyColor == 0) {
            GameAnyKeyColor = 25;
            GameAnyKeyDirection = 0;
        } else {
            GameAnyKeyColor -= 25;
        }
        font_free(&GameAnyKeyFont);
        Uint8 c = static_cast<Uint8>(GameAnyKeyColor);
        font_say(&GameAnyKeyFont, FONT1, N_("Press a key or button to continue ..."), SDL_Color{0, c, c, 255});
    }
    game_display_centred(&GameAnyKeyFont, PROMPT_X, PROMPT_Y);
}
