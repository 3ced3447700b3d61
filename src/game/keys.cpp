// keys.cpp -- keyboard play on the game screen: the board cursor and the tile it
// lifts, the keys of the play buttons, and the highlight over the panels' buttons.
// Every action goes through the mouse handler at the cell or button it names,
// so keys follow exactly the rules of the mouse.
#include "engine/engine.h"
#include "game/buttons.h"
#include "game/game.h"
#include "game/state.h"

static int CursorX = 4, CursorY = 4;  // the board cursor's cell
static Uint8 CursorShown = 0;         // from the first arrow press until the pointer moves over the board
static Uint8 KeyHeld = 0;             // the dragged tile was picked up by keys

constexpr float LIFT = 4.0f;  // a lifted tile stands this far up and left of its cell
static const ot_rgba SHADOW = {12, 8, 4, 255};

static int cell_centre_x(int x) { return 79 + CELL_SIZE * x; }
static int cell_centre_y(int y) { return 104 + CELL_SIZE * y; }

// A click of the given button at the cursor's cell, as the mouse makes it.
static void click_cursor(Uint8 button, int type)
{
    mode3_mouse_click(cell_centre_x(CursorX), cell_centre_y(CursorY), button, type);
}

static void click_button(const key_button& b)
{
    mode3_mouse_click((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP);
}

// The held tile was picked up by keys (a drag ended anywhere ends that too).
static bool holding_by_keys()
{
    if (DragDropGridID == -1)
        KeyHeld = 0;
    return KeyHeld != 0;
}

bool game_keys_play(SDLKey key)
{
    int dx = key == SDLK_LEFT ? -1 : key == SDLK_RIGHT ? 1 : 0;
    int dy = key == SDLK_UP ? -1 : key == SDLK_DOWN ? 1 : 0;
    bool on_board = dx != 0 || dy != 0 || key == SDLK_SPACE || key == SDLK_RETURN || key == SDLK_r ||
                    key == SDLK_DELETE;
    if (on_board && !CursorShown) {
        CursorShown = 1;  // the first key shows where the cursor is; the next ones act
        return true;
    }
    if (dx != 0 || dy != 0) {
        CursorX = CursorX + dx < 0 ? 0 : CursorX + dx >= BOARD_SIDE ? BOARD_SIDE - 1 : CursorX + dx;
        CursorY = CursorY + dy < 0 ? 0 : CursorY + dy >= BOARD_SIDE ? BOARD_SIDE - 1 : CursorY + dy;
    } else if (key == SDLK_SPACE || key == SDLK_RETURN) {
        if (DragDropGridID == -1) {
            click_cursor(SDL_BUTTON_LEFT, SDL_MOUSEBUTTONDOWN);  // a locked cell gives nothing to hold
            KeyHeld = DragDropGridID != -1;
        } else {
            click_cursor(SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP);
            KeyHeld = 0;
        }
    } else if (key == SDLK_r || key == SDLK_DELETE) {
        click_cursor(SDL_BUTTON_RIGHT, SDL_MOUSEBUTTONUP);
    } else if (key == SDLK_ESCAPE && holding_by_keys()) {
        DragDropGridID = -1;  // put back: no move (Escape during a drag opens the menu, as ever)
        KeyHeld = 0;
    } else if (key == SDLK_c) {
        click_button(PLAY_CLUES);
    } else if (key == SDLK_h || key == SDLK_F1) {
        click_button(PLAY_HELP);
    } else {
        return false;
    }
    return true;
}

// The panels' buttons in the order Up and Down go through them, and the one
// highlighted first: the one Return pressed before there were keys for them.
struct panel_buttons {
    Uint8 mode;
    const key_button* buttons;
    int count;
    Uint8 first;
};
static const key_button HELP_KEYS[] = {HELP_BACK, HELP_FORWARD, HELP_CLOSE};
static const key_button LOSE_KEYS[] = {LOSE_RETRY, LOSE_QUIT};
static const key_button WIN_KEYS[] = {WIN_CONTINUE};
static const key_button MENU_KEYS[] = {MENU_RESTART, MENU_OPTIONS, MENU_QUIT, MENU_RESUME};
static const panel_buttons PANELS[] = {
    {GM_HELP, HELP_KEYS, 3, 2}, {GM_LOSE, LOSE_KEYS, 2, 0}, {GM_WIN, WIN_KEYS, 1, 0}, {GM_MENU, MENU_KEYS, 4, 3}};

static key_focus PanelFocus{};
static Uint8 PanelFocusMode = 0;

// The panel now open, with its highlight (reset when another panel opens).
static const panel_buttons* open_panel()
{
    for (const panel_buttons& p : PANELS)
        if (p.mode == GameMode) {
            if (PanelFocusMode != GameMode)
                PanelFocus = key_focus{p.first, 0};
            PanelFocusMode = GameMode;
            return &p;
        }
    PanelFocusMode = 0;
    return nullptr;
}

bool game_keys_panel(SDLKey key)
{
    const panel_buttons* p = open_panel();
    if (!p)
        return false;
    if (key_focus_move(PanelFocus, key, p->count))
        return true;
    if (key_presses_focus(PanelFocus, key)) {
        click_button(p->buttons[PanelFocus.index]);
        return true;
    }
    return false;  // Return or Space without the highlight keeps its own meaning
}

void game_keys_motion(int x, int y)
{
    if (board_cell_at(x, y) >= 0 && !holding_by_keys())
        CursorShown = 0;  // a tile lifted by keys stays at the cursor
    PanelFocus.shown = 0;
}

bool game_keys_lifted()
{
    return holding_by_keys() && CursorShown;
}

void game_keys_draw()
{
    if (GameMode == GM_PLAY) {
        if (CursorShown && ShowingMatch == 0) {
            int x0 = cell_centre_x(CursorX) - CELL_SIZE / 2, y0 = cell_centre_y(CursorY) - CELL_SIZE / 2;
            key_frame_draw(x0, y0, x0 + CELL_SIZE - 1, y0 + CELL_SIZE - 1);
            if (game_keys_lifted()) {  // the lifted tile over the frame, with its shadow
                const gridtile& g = Grid[static_cast<size_t>(DragDropGridID)];
                float x = cell_centre_x(CursorX) - LIFT, y = cell_centre_y(CursorY) - LIFT;
                ot_fill(x - 12.0f, y - 12.0f, x + 20.0f, y + 20.0f, &SHADOW);
                ot_blit_rotate(g.id, x, y, nullptr, 90.0f * g.direction, 0);
            }
        }
        return;
    }
    if (const panel_buttons* p = open_panel())
        key_focus_draw(PanelFocus, p->buttons);
}
