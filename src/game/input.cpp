// input.cpp -- keys, clicks and motion on the game screen: moving and turning
// tiles, the buttons of the game screen and its panels, leaving full-screen images
#include <cstdlib>

#include "engine/engine.h"
#include "game/buttons.h"
#include "game/game.h"
#include "rules/level_file.h"
#include "game/state.h"
#include "screens/help.h"
#include "screens/options.h"

Sint16 DragDropGridID = -1;
static Uint8 FocusLost = 0;  // the focus went while a picture zoomed

// A finger held still on a tile turns it, as the right button does: a touch
// screen has no other. It may wander a little and still be held still.
constexpr Uint32 LONG_PRESS_MS = 500;
constexpr int LONG_PRESS_SLOP = 8;  // in the frame's pixels

static struct {
    bool held = false;    // a press on a tile that has not moved off it
    bool turned = false;  // the press turned its tile: its release drops nothing
    Uint32 since = 0;
    int x = 0, y = 0, cell = -1;
} press;

namespace {

// Leaving play for a panel or for the clue images stops the timer and drops any drag.
void pause_play(Uint8 mode)
{
    DragDropGridID = -1;
    GameMode = mode;
    GameTimePause();
}

// Back to play from a panel: the timer runs again.
void resume_play()
{
    GameMode = GM_PLAY;
    GameTimePause();
}

void close_help()
{
    GameDisplayHelp = 0;
    resume_play();
}

void open_help()
{
    help_open(GameLevel);
    GameDisplayHelp = 1;
    pause_play(GM_HELP);
}

void open_clues()
{
    GameClue = 0;
    pause_play(GM_CLUE_NEXT);
}

// A press, a drop or a turn on board cell c, at (x, y).
void board_action(int c, int x, int y, Uint8 button, int type)
{
    gridtile& cell = Grid[static_cast<size_t>(c)];
    if (type == SDL_MOUSEBUTTONDOWN) {
        // A tile lifted by keys waits for the release, which drops it here.
        if (button == SDL_BUTTON_LEFT && cell.locked == 0 && !game_keys_lifted()) {
            DragDropGridID = static_cast<Sint16>(c);
            press.held = true;
            press.turned = false;
            press.since = SDL_GetTicks();
            press.x = x;
            press.y = y;
            press.cell = c;
        }
        return;
    }
    if (type != SDL_MOUSEBUTTONUP)
        return;
    bool turned_by_press = button == SDL_BUTTON_LEFT && press.turned;
    press.held = press.turned = false;
    if (turned_by_press) {
        DragDropGridID = -1;  // the finger lifted after its turn drops nothing
    } else if (button == SDL_BUTTON_LEFT) {
        if (DragDropGridID != -1 && board_swap(DragDropGridID, c))
            play_sound(SFX_SWAP);
        DragDropGridID = -1;
    } else if (button == SDL_BUTTON_RIGHT && GameRotate != 0) {
        board_turn(c);
    }
    MatchGrid(1);
}

// A release on a button: the click sounds and the button acts.
bool pressed(const key_button& b, int x, int y)
{
    if (!on_button(b, x, y))
        return false;
    play_sound(SFX_CLICK);
    return true;
}

void play_click(int x, int y, Uint8 button, int type)
{
    int c = board_cell_at(x, y);
    if (c >= 0) {
        board_action(c, x, y, button, type);
        return;
    }
    if (type != SDL_MOUSEBUTTONUP)
        return;
    press.held = press.turned = false;
    if (!game_keys_lifted())
        DragDropGridID = -1;  // a drag released off the board moves nothing
    if (pressed(PLAY_HELP, x, y))
        open_help();
    if (pressed(PLAY_CLUES, x, y))
        open_clues();
    if (pressed(PLAY_MENU, x, y))
        pause_play(GM_MENU);
}

// The released buttons of the panels; presses do nothing. The areas of one
// panel do not overlap, so at most one acts.
void panel_click(int x, int y)
{
    switch (GameMode) {
    case GM_HELP:
        if (pressed(HELP_BACK, x, y))
            help_prev(GameLevel);
        if (pressed(HELP_FORWARD, x, y))
            help_next(GameLevel);
        if (pressed(HELP_CLOSE, x, y))
            close_help();
        break;
    case GM_LOSE:
        if (pressed(LOSE_RETRY, x, y))
            GameMode = GM_LOAD;
        if (pressed(LOSE_QUIT, x, y))
            GameEnd();
        break;
    case GM_WIN:
        if (pressed(WIN_CONTINUE, x, y))
            NextLevel();
        break;
    case GM_MENU:
        if (pressed(MENU_RESTART, x, y))
            GameMode = GM_LOAD;
        if (pressed(MENU_OPTIONS, x, y))
            GameMode = GM_OPTIONS;
        if (pressed(MENU_QUIT, x, y))
            GameEnd();
        if (pressed(MENU_RESUME, x, y))
            resume_play();
        break;
    default:
        break;
    }
}

}  // namespace

bool game_focus_pause()
{
    bool pause = FocusLost && GameMode == GM_PLAY && ShowingMatch == 0;
    if (pause)
        pause_play(GM_MENU);
    if (GameMode != GM_PLAY || pause)
        FocusLost = 0;
    return pause;
}

void mode3_focus_lost()
{
    FocusLost = GameMode == GM_PLAY;
    game_focus_pause();
}

void mode3_handle_keys(SDL_keysym* keysym)
{
    if (ShowingMatch == 1)
        return;  // nothing interrupts the zoom of a completed picture
    if (key_repeating && GameMode != GM_PLAY && GameMode != GM_OPTIONS)
        return;  // a held key acts once on images and panels
    SDLKey key = keysym->sym;
    switch (GameMode) {
    case GM_SCREEN:
        GameMode = GM_SCREEN_NEXT;
        break;
    case GM_PLAY:
        // The pad's Start pauses; its B only puts a lifted tile back.
        if (pad_pressed == PAD_START)
            pause_play(GM_MENU);
        else if (!game_keys_play(key) && key == SDLK_ESCAPE && pad_pressed != PAD_B)
            pause_play(GM_MENU);
        break;
    case GM_HELP:
        if (game_keys_panel(key))
            break;
        if (key == SDLK_ESCAPE || key_is_press(key) || key == SDLK_F1 || key == SDLK_h)
            close_help();  // the keys (and the pad's Back) that open it close it too
        else if (key == SDLK_RIGHT)
            help_next(GameLevel);
        else if (key == SDLK_LEFT)
            help_prev(GameLevel);
        break;
    case GM_LOSE:
        if (game_keys_panel(key))
            break;
        if (key_is_press(key))
            GameMode = GM_LOAD;
        else if (key == SDLK_ESCAPE)
            GameEnd();
        break;
    case GM_WIN:
        if (game_keys_panel(key))
            break;
        if (key_is_press(key) || key == SDLK_ESCAPE)
            NextLevel();
        break;
    case GM_CLUE:
        GameMode = GM_CLUE_NEXT;
        play_sound(SFX_CLICK);
        break;
    case GM_MENU:
        if (game_keys_panel(key))
            break;
        if (key == SDLK_ESCAPE)
            resume_play();
        break;
    case GM_OPTIONS:
        if (OptionsKeyEvent(keysym) == 0)
            GameMode = GM_MENU;
        break;
    case GM_WIN_IMAGE:
        GameMode = GM_WIN_FADE_OUT;
        play_sound(SFX_CLICK);
        break;
    case GM_SEQ_IMAGE:
        GameMode = GM_SEQ_FADE_OUT;
        play_sound(SFX_CLICK);
        break;
    default:
        break;
    }
}

void mode3_mouse_click(int x, int y, int button, int type)
{
    if (ShowingMatch == 1)
        return;
    int px = static_cast<Uint16>(x), py = static_cast<Uint16>(y);
    Uint8 b = static_cast<Uint8>(button);
    int t = type;
    switch (GameMode) {
    case GM_SCREEN:
        if (t == SDL_MOUSEBUTTONUP)
            GameMode = GM_SCREEN_NEXT;
        break;
    case GM_CLUE:
    case GM_WIN_IMAGE:
    case GM_SEQ_IMAGE:
        if (t != SDL_MOUSEBUTTONDOWN) {
            GameMode = GameMode == GM_CLUE ? GM_CLUE_NEXT : GameMode == GM_WIN_IMAGE ? GM_WIN_FADE_OUT : GM_SEQ_FADE_OUT;
            play_sound(SFX_CLICK);
        }
        break;
    case GM_OPTIONS:
        if (OptionsMouseEvent(px, py, b, t) == 0) {
            GameMode = GM_MENU;
            play_sound(SFX_CLICK);
        }
        break;
    case GM_PLAY:
        play_click(px, py, b, t);
        break;
    case GM_HELP:
    case GM_LOSE:
    case GM_WIN:
    case GM_MENU:
        if (t == SDL_MOUSEBUTTONUP)
            panel_click(px, py);
        break;
    default:
        break;
    }
}

bool game_long_press_due(Uint32 now)
{
    return press.held && !press.turned && touch_down() && now - press.since >= LONG_PRESS_MS && GameMode == GM_PLAY &&
           DragDropGridID == press.cell;
}

void game_long_press()
{
    press.turned = true;
    DragDropGridID = -1;
    if (GameRotate != 0)
        board_turn(press.cell);
    MatchGrid(1);
}

void mode3_mouse_movement(int x, int y)
{
    if (press.held && (std::abs(x - press.x) > LONG_PRESS_SLOP || std::abs(y - press.y) > LONG_PRESS_SLOP))
        press.held = false;
    game_keys_motion(x, y);
    if (GameMode == GM_OPTIONS)
        OptionsMouseMovement(x, y);
}
