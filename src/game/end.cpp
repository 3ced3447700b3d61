// end.cpp -- the end of a level (banners, lose and win screens, win images, the
// next level) and the opening and closing images around a whole game
#include "engine/engine.h"
#include "game/game.h"
#include "game/state.h"
#include "rules/level_file.h"
#include "rules/picture_set.h"
#include "rules/translate.h"
#include "screens/pictures.h"
#include "screens/start.h"

Uint8 GameNextMode = 0, GameWin = 0, GameHasBeenWon = 0, WinLoseID = 0, WinLoseMode = 0;
float WinLoseCounter = 0.0f, WinLoseX = 0.0f, WinLoseY = 0.0f;
Uint32 WinLoseMS = 0, WinMS = 0;
ot_rgba WinRGBA = {0, 0, 0, 0};
font_s GameWonPassword{};

// The time line lies between the panel's art and its button.
constexpr int WIN_RECORD_Y = 366;       // under the password's box
constexpr int WON_GAME_RECORD_Y = 376;  // under the closing words

// The password stored for a level, or "" when the level has none or lies
// outside the table.
static const char* level_password(int level)
{
    if (level < 1 || level > LEVEL_COUNT_MAX)
        return "";
    return pws[static_cast<size_t>(level - 1)].data();
}

// Whatever was under way in play ends with the level: a drag, a showing.
static void leave_play()
{
    DragDropGridID = -1;
    ShowingMatch = 0;
}

void GameWon()
{
    leave_play();
    GameMode = GM_BANNER;
    GameNextMode = GM_WIN_NEXT;
    WinLoseID = TILE_SUCCESS;
    if (GamePaused == 0)
        GameTimePause();
    font_free(&GameWonPassword);
    // A level of the player's pictures needs no password for the next one;
    // a password is the same in every language.
    const SDL_Color shown = {0, 255, 255, 255};
    if (!picture_set_active())
        font_make(&GameWonPassword, FONT3, level_password(GameLevel), shown);
    else if (picture_set_level() + 1 < picture_set_levels())
        // TRANSLATORS: in the password's place on the win panel, when the next level needs none
        font_say(&GameWonPassword, FONT3, N_("None needed"), shown);
    else
        // TRANSLATORS: in the password's place on the win panel, after the last level of the player's pictures
        font_say(&GameWonPassword, FONT3, N_("That was the last"), shown);
    game_record_win();
    play_sound(SFX_WON);
    if (GameLevel == LAST_LEVEL)
        GameHasBeenWon = 1;
}

void GameLost(int id)
{
    leave_play();
    WinLoseID = static_cast<Uint8>(id);
    GameMode = GM_BANNER;
    GameNextMode = GM_LOSE;
    if (GamePaused == 0)
        GameTimePause();
    play_sound(SFX_LOST);
}

// The start screen; at the end of a set of the player's pictures that passed
// some over, its panel naming them.
void GameEnd()
{
    leave_play();
    GameHasBeenWon = 0;  // the next game, new or by a password, has its levels and passwords again
    bool named = picture_set_active() && pictures_panel_set_over();
    picture_set_end();
    GameTimeDeInit();
    if (named) {
        start_show_pictures();  // with the start screen's music
        return;
    }
    play_music(MUSIC_START);
    engineMode = MODE_START;
}

void NextLevel()
{
    if (picture_set_active()) {
        if (picture_set_next())
            GameMode = GM_LOAD;  // the set's next pictures, with no password between
        else
            GameEnd();
    } else if (GameHasBeenWon) {
        GameMode = GM_NEW_GAME;  // the closing images
    } else if (level_password(GameLevel)[0] == 0) {
        GameEnd();  // no password stored: no level follows this one
    } else {
        GameLevel++;
        GameMode = GM_LOAD;
    }
}

// State 15: the banner grows from nothing to full size over the undimmed
// board, holds for a second and a half, then the lose screen or the win images.
void game_banner_frame(Uint32 now)
{
    DisplayGameScreen(nullptr);
    const ot_tile& t = ot_tiles[WinLoseID];
    if (WinLoseMode == 0 && now - WinLoseMS > 10) {
        WinLoseMS = now;
        WinLoseCounter += 0.05f;
        WinLoseX = (640.0f - t.width * WinLoseCounter) * 0.5f;
        WinLoseY = (480.0f - t.height * WinLoseCounter) * 0.5f;
        if (WinLoseCounter >= 1.0f)
            WinLoseMode = 1;
    }
    if (WinLoseMode == 1 && now - WinLoseMS > 1500)
        GameMode = GameNextMode;
    ot_blit_trans_scale(WinLoseID, WinLoseX, WinLoseY, WinLoseCounter);
}

void game_lose_frame()
{
    DisplayGameScreen(&DIM_COLOUR);
    ot_blit(TILE_LOSE, 64, 48, nullptr);
}

void game_win_frame()
{
    DisplayGameScreen(&DIM_COLOUR);
    if (GameHasBeenWon) {
        ot_blit(TILE_GAME_WON, 64, 48, nullptr);
        game_record_win_draw(WON_GAME_RECORD_Y);
        return;
    }
    ot_blit(TILE_WIN, 64, 48, nullptr);
    font_display(&GameWonPassword, 320 - GameWonPassword.tw / 2, 303 - GameWonPassword.th / 2);
    game_record_win_draw(WIN_RECORD_Y);
}

// One fade step every 50 ms: in until opaque, out until black, then the next state.
static void fade_frame(Uint32 now, bool in, Uint8 done_mode)
{
    if (now - WinMS > 49) {
        WinMS = now;
        if (in) {
            rgba_inc(&WinRGBA);
            if (WinRGBA.a == 255)
                GameMode = done_mode;
        } else {
            rgba_dec(&WinRGBA);
            if (WinRGBA.a == 0)
                GameMode = done_mode;
        }
    }
    ot_blit(TILE_FULLSCREEN, 0, 0, &WinRGBA);
}

// Starts fading in the image just loaded into the full-screen slot.
static void begin_fade_in(Uint32 now, Uint8 mode)
{
    rgba_reset(&WinRGBA);
    GameMode = mode;
    WinMS = now;
    ot_blit(TILE_FULLSCREEN, 0, 0, &WinRGBA);
}

// States 16 to 19: the level's win images, each faded in, held until a key
// or click, and faded out; then the win screen.
void game_win_images_frame(Uint32 now)
{
    switch (GameMode) {
    case GM_WIN_NEXT:
        GameWin++;
        if (game_load_fullscreen("data/level%i/win%i.png", GameLevel, GameWin))
            begin_fade_in(now, GM_WIN_FADE_IN);
        else
            GameMode = GM_WIN;
        break;
    case GM_WIN_FADE_IN:
        fade_frame(now, true, GM_WIN_IMAGE);
        break;
    case GM_WIN_IMAGE:
        ot_blit(TILE_FULLSCREEN, 0, 0, nullptr);
        GameAnyKeyDraw();
        break;
    case GM_WIN_FADE_OUT:
        fade_frame(now, false, GM_WIN_NEXT);
        break;
    default:
        break;
    }
}

// States 20 to 24: a new game with its opening images, or after the last
// level the closing images and the way back to the start screen.
void game_sequence_frame(Uint32 now)
{
    switch (GameMode) {
    case GM_NEW_GAME:
        play_music(MUSIC_GAME);
        GameWin = 0;
        GameLevel = 1;
        GameMode = GM_SEQ_NEXT;
        game_sequence_frame(now);
        break;
    case GM_SEQ_NEXT: {
        GameWin++;
        Uint8 loaded = GameHasBeenWon
                           ? game_load_fullscreen("data/closing/closingsq%i.png", GameWin)
                           : game_load_fullscreen("data/opening/opnseq%i.png", GameWin);
        if (loaded) {
            begin_fade_in(now, GM_SEQ_FADE_IN);
        } else if (GameHasBeenWon) {
            GameEnd();
        } else {
            GameWin = 0;
            GameMode = GM_LOAD;
        }
        break;
    }
    case GM_SEQ_FADE_IN:
        fade_frame(now, true, GM_SEQ_IMAGE);
        break;
    case GM_SEQ_IMAGE:
        ot_blit(TILE_FULLSCREEN, 0, 0, nullptr);
        break;
    case GM_SEQ_FADE_OUT:
        fade_frame(now, false, GM_SEQ_NEXT);
        break;
    default:
        break;
    }
}
