// flow.cpp -- the game screen's state machine: loading and introducing a level,
// play with its timer, the showing of a completed picture, the panels over the game
#include <cstdarg>
#include <cstdio>
#include <ctime>

#include "engine/engine.h"
#include "game/game.h"
#include "game/level.h"
#include "game/pictures.h"
#include "game/state.h"
#include "rules/goals.h"
#include "rules/level_file.h"
#include "rules/picture_set.h"
#include "rules/translate.h"
#include "screens/help.h"
#include "screens/options.h"

Uint8 GameScene = 0, GameClue = 0;
Uint32 GameSceneTime = 0;
Uint8 GameDisplayHelp = 0;
Uint32 GameTimeRemaining = 0, GameTimeStarting = 0;
Uint8 GamePaused = 0;
ot_rgba MatchedTile = {127, 127, 127, 127};

static Uint32 now_seconds()
{
    return static_cast<Uint32>(std::time(nullptr));
}

// Milliseconds left on the level timer. It runs on SDL's tick clock, which
// only moves forward: setting the calendar clock, a time-zone step or a
// suspend neither ends the level nor stops its clock. Stopping later than the
// time-out (a slow frame, or an event handled before the frame's check) leaves
// no time rather than wrapping round.
static Uint32 ms_left()
{
    if (GamePaused == 1)
        return GameTimeRemaining;
    Uint32 elapsed = SDL_GetTicks() - GameTimeStarting;
    return elapsed >= GameTimeRemaining ? 0 : GameTimeRemaining - elapsed;
}

void GameTimePause()
{
    if (GamePaused == 1) {
        GameTimeStarting = SDL_GetTicks();
        GamePaused = 0;
        return;
    }
    GameTimeRemaining = ms_left();
    GamePaused = 1;
}

// Whole seconds, rounded up: the clock shows the full time until a whole
// second has gone, and 0:00 only when time is up.
Uint32 game_time_left()
{
    return (ms_left() + 999) / 1000;
}

Uint8 game_load_fullscreen(const char* format, ...)
{
    char path[128];
    va_list args;
    va_start(args, format);
    std::vsnprintf(path, sizeof path, format, args);
    va_end(args);
    if (!sdl_loadimg(TILE_FULLSCREEN, 1024, 512, "%s", path))
        return 0;
    ot_build_tile(TILE_FULLSCREEN, TILE_FULLSCREEN, 0, 0, 640, 480);
    return 1;
}

void GameTimeDeInit()
{
    font_free(&GameTime);
}

// State 1: the level file (or the player's pictures), the pictures and a
// fresh board. A missing file ends the game at the start screen; a set of
// pictures none of which can be read from here on ends at its panel, which
// names them.
static bool load_level()
{
    GameScene = 0;
    GameClue = 0;
    GameWin = 0;
    DragDropGridID = -1;
    ShowingMatch = 0;
    if (!picture_set_active() && data_parts_waiting())
        return false;  // the level's files are on their way: the loading frame waits
    if (picture_set_active() && !picture_level_load()) {
        GameEnd();
        return false;
    }
    if (!picture_set_active() && !level_load()) {
        GameTimeDeInit();
        engineMode = MODE_START;
        return false;
    }
    GameMode = GM_SCREEN_NEXT;
    GameTimeDeInit();  // the clock is rendered anew in the first frame of play
    game_record_level();
    return true;
}

// The introduction is over: the timer is set to the level's time, stopped,
// and the clue images follow.
static void level_start()
{
    MatchedTile = ot_rgba{127, 127, 127, 127};
    WinLoseMode = 0;
    WinLoseCounter = 0.0f;
    WinLoseMS = 0;
    GamePaused = 0;
    GameTimeStarting = SDL_GetTicks();
    GameTimeRemaining = GameTimeTotal * 1000u;
    if (help_should_display(GameLevel) == 1)
        GameDisplayHelp = 1;
    GameMode = GM_CLUE_NEXT;
    GameTimePause();
}

// State 2: the next introduction image, or the level's start when there is none.
static void next_screen_image()
{
    GameScene++;
    if (game_load_fullscreen("data/level%i/screen%i.png", GameLevel, GameScene)) {
        GameSceneTime = now_seconds();
        GameMode = GM_SCREEN;
        ot_blit(TILE_FULLSCREEN, 0, 0, nullptr);
        return;
    }
    level_start();
}

static void clue_frame()
{
    ot_blit(TILE_FULLSCREEN, 0, 0, nullptr);
    if (picture_set_active())
        picture_clue_draw();
    ot_blit_trans(TILE_FRAME, 0, 0, nullptr);
    game_record_clue_draw();
    GameAnyKeyDraw();
}

// State 8: the next clue image; after the last, the help when due, else play.
static void next_clue_image()
{
    GameClue++;
    if (picture_set_active() ? picture_clue_load(GameClue)
                             : game_load_fullscreen("data/level%i/clue%i.png", GameLevel, GameClue)) {
        GameMode = GM_CLUE;
        clue_frame();
        return;
    }
    if (GameDisplayHelp == 1) {
        GameMode = GM_HELP;
    } else {
        GameMode = GM_PLAY;
        GameTimePause();
    }
}

// One step of the zoom of a completed picture: it grows to twice its size,
// then shrinks tinted; at the end the goal rules decide on it.
static void showing_step(Uint32 now)
{
    if (now - ShowingMS > 19) {
        ShowingMS = now;
        if (ShowingDirection == 1) {
            if (ShowingNumber == 10)
                ShowingDirection = 2;
            else
                ShowingNumber++;
        } else if (ShowingNumber == 0) {
            ShowingMatch = 0;
            // A move that both wins and loses loses: the screen and the record
            // say the same.
            goal_outcome outcome = goal_rules(ShowingID + 1, MatchedDirection);
            if (outcome.lost)
                GameLost(TILE_FAIL);
            else if (outcome.won)
                GameWon();
        } else {
            ShowingNumber--;
        }
    }
    if (ShowingMatch == 1) {
        float scale = static_cast<float>(1.0 + 0.1 * ShowingNumber);
        const ot_rgba* tint = ShowingDirection == 1 ? nullptr : &MatchedTile;
        ot_blit_rotate_scale(ShowingID + 10u, MatchedX, MatchedY, tint, 90.0f * MatchedDirection, 0, scale);
    } else if (GameMode == GM_PLAY) {
        MatchGrid(1);  // a move may have completed more than one picture
    }
}

// While the page fetches the levels: a line that says so.
static void loading_frame()
{
    static font_s loading{};
    if (loading.texture == 0)
        font_say(&loading, FONT1, N_("Loading the levels ..."), SDL_Color{140, 180, 200, 255});  // parchment, as blue, green, red
    game_display_centred(&loading, 320, 240);
}

static void play_frame(Uint32 now)
{
    // A tile never leaves a locked picture: a drag ends when a turn elsewhere
    // completes the picture its cell belongs to.
    if (DragDropGridID != -1 && Grid[static_cast<size_t>(DragDropGridID)].locked == 1)
        DragDropGridID = -1;
    if (game_long_press_due(now))
        game_long_press();
    DisplayGameScreen(nullptr);
    if (DragDropGridID != -1 && !game_keys_lifted()) {
        const gridtile& g = Grid[static_cast<size_t>(DragDropGridID)];
        ot_blit_rotate(g.id, mouse_x, mouse_y, nullptr, 90.0f * g.direction, 0);
    }
    if (ShowingMatch == 1)
        showing_step(now);
    if (GameMode == GM_PLAY && GamePaused != 1 && ms_left() == 0)
        GameLost(TILE_TIMES_UP);
    game_focus_pause();
}

bool mode3_frame_due(Uint32 now)
{
    switch (GameMode) {
    case GM_LOAD:
    case GM_SCREEN_NEXT:
    case GM_CLUE_NEXT:
    case GM_WIN_NEXT:
    case GM_NEW_GAME:
    case GM_SEQ_NEXT:
        return true;
    case GM_SCREEN:
        return now_seconds() > GameSceneTime + 3;
    case GM_PLAY:
        if ((ShowingMatch == 1 && now - ShowingMS > 19) || game_long_press_due(now))
            return true;
        return game_time_left() != GameTimeCounter || GameTime.texture == 0;
    case GM_CLUE:
    case GM_WIN_IMAGE:
        return game_prompt_due(now);
    case GM_BANNER:
        return now - WinLoseMS > (WinLoseMode == 0 ? 10u : 1500u);
    case GM_WIN_FADE_IN:
    case GM_WIN_FADE_OUT:
    case GM_SEQ_FADE_IN:
    case GM_SEQ_FADE_OUT:
        return now - WinMS > 49;
    default:
        return false;  // panels and the last opening or closing image wait for input
    }
}

void mode3_idle()
{
    Uint32 now = SDL_GetTicks();
    switch (GameMode) {
    case GM_LOAD:
        if (load_level())
            next_screen_image();
        else if (engineMode == MODE_GAME)
            loading_frame();
        break;
    case GM_SCREEN_NEXT:
        next_screen_image();
        break;
    case GM_SCREEN:
        if (now_seconds() > GameSceneTime + 3)
            GameMode = GM_SCREEN_NEXT;
        ot_blit(TILE_FULLSCREEN, 0, 0, nullptr);
        break;
    case GM_PLAY:
        play_frame(now);
        break;
    case GM_HELP:
        DisplayGameScreen(&DIM_COLOUR);
        help_display();
        break;
    case GM_LOSE:
        game_lose_frame();
        break;
    case GM_WIN:
        game_win_frame();
        break;
    case GM_CLUE_NEXT:
        next_clue_image();
        break;
    case GM_CLUE:
        clue_frame();
        break;
    case GM_MENU:
        DisplayGameScreen(&DIM_COLOUR);
        ot_blit(TILE_MENU, 164, 69, nullptr);
        break;
    case GM_OPTIONS:
        DisplayGameScreen(&DIM_COLOUR);
        OptionsDisplay();
        break;
    case GM_BANNER:
        game_banner_frame(now);
        break;
    case GM_WIN_NEXT:
    case GM_WIN_FADE_IN:
    case GM_WIN_IMAGE:
    case GM_WIN_FADE_OUT:
        game_win_images_frame(now);
        break;
    case GM_NEW_GAME:
    case GM_SEQ_NEXT:
    case GM_SEQ_FADE_IN:
    case GM_SEQ_IMAGE:
    case GM_SEQ_FADE_OUT:
        game_sequence_frame(now);
        break;
    default:
        break;  // no such state: the frame stays cleared
    }
    game_keys_draw();
}
