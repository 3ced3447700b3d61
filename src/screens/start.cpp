// start.cpp -- screen mode 2: the start screen's menu, the password panel and the options over it
#include "screens/start.h"

#include <cstdio>
#include <cstring>

#include "engine/engine.h"
#include "rules/password_line.h"
#include "rules/passwords.h"
#include "rules/progress.h"
#include "screens/options.h"
#include "screens/pictures.h"

// Sub-screens, and what each draws and accepts:
//   MENU     the start screen image with its four buttons: play, your pictures, options, quit
//   PASSWORD the dimmed start screen, the panel, the typed line with its cursor
//   OPTIONS  the dimmed start screen, the options panel, which takes every event
//   PICTURES the dimmed start screen, the "Your pictures" panel, which takes every event
constexpr Uint8 START_MENU = 1;
constexpr Uint8 START_PASSWORD = 2;
constexpr Uint8 START_OPTIONS = 3;
constexpr Uint8 START_PICTURES = 4;

constexpr int START_TILE = 3;
constexpr int PANEL_TILE = 6;
constexpr float PANEL_X = 64, PANEL_Y = 48;
constexpr int LINE_CENTRE_Y = 287;        // vertical centre of the password line
constexpr Uint32 CURSOR_BLINK_MS = 500;   // the cursor changes state after more than this
static const ot_rgba DIM = {127, 127, 127, 255};

// The buttons: rectangles of the images, edges included, top to bottom (the
// order Up and Down go through them).
static const key_button MENU_BUTTONS[] = {
    {254, 422, 226, 257}, {254, 422, 266, 297}, {254, 422, 306, 337}, {254, 422, 346, 377}};
constexpr int MENU_COUNT = 4;
static const key_button& MENU_PLAY = MENU_BUTTONS[0];
static const key_button& MENU_PICTURES = MENU_BUTTONS[1];
static const key_button& MENU_OPTIONS = MENU_BUTTONS[2];
static const key_button& MENU_QUIT = MENU_BUTTONS[3];
static const key_button PANEL_BUTTONS[] = {{182, 451, 95, 140}, {275, 363, 324, 356}, {292, 350, 394, 416}};
static const key_button& PANEL_NEW_GAME = PANEL_BUTTONS[0];
static const key_button& PANEL_OK = PANEL_BUTTONS[1];
static const key_button& PANEL_BACK = PANEL_BUTTONS[2];

static Uint8 StartMode = START_MENU;
static char PWInput[PW_INPUT_SIZE] = "";
static font_s PWInputFont{};
static font_s PWInputSpace{};
static Uint32 PWInputTime = 0;
static Uint8 PWInputMode = 0;
static Uint8 PWInputOffered = 0;  // 1 while the line holds the offered password, untouched
static Uint8 PWInputChoosing = 0; // 1 while a pad chooses the line's last letter
static int PWChoiceX = 0;         // where that letter starts, from the line's left
static const SDL_Color PWInputColor = {255, 255, 255, 0};

// The keys' highlight, back on its first button (OK on the panel) whenever
// the sub-screen changes.
static key_focus StartFocus{};
static Uint8 StartFocusMode = 0;

static key_focus& start_focus()
{
    if (StartFocusMode != StartMode) {
        StartFocus = key_focus{static_cast<Uint8>(StartMode == START_PASSWORD ? 1 : 0), 0};
        StartFocusMode = StartMode;
    }
    return StartFocus;
}

// ---------------------------------------------------------------- ways into the game

void game_new()
{
    GameMode = GM_NEW_GAME;
    engineMode = MODE_GAME;
}

Uint8 levels_start(const char* buf)
{
    int i = levels_find(buf);
    if (i < 0)
        return 0;
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

// ---------------------------------------------------------------- the password panel

// The line's text again, after every change (an empty line renders as nothing).
// Width of text in the password font.
static bool PWInputMeasure(const char* text, int* width)
{
    *width = font_width(FONT3, text);
    return FONT3 != nullptr;
}

static void PWInputRender()
{
    font_free(&PWInputFont);
    font_make(&PWInputFont, FONT3, PWInput, PWInputColor);
    char kept[PW_INPUT_SIZE];
    std::snprintf(kept, sizeof kept, "%s", PWInput);
    pw_line_backspace(kept);
    PWChoiceX = 0;
    if (PWInputChoosing && kept[0] != 0)
        PWInputMeasure(kept, &PWChoiceX);
}

// Types one character, dropped silently when the line would grow too wide.
static void PWInputAdd(Uint8 key)
{
    pw_line_add(PWInput, static_cast<char>(key), PWInputMeasure);
    PWInputRender();
}

// The panel opens with the password that goes on from the furthest level won
// typed in, so that Return continues at once; the first key typed or erased
// replaces it whole.
static void PWInputOffer()
{
    std::snprintf(PWInput, sizeof PWInput, "%s", game_continue_password());
    PWInputOffered = PWInput[0] != 0;
    PWInputChoosing = 0;
    PWInputRender();
}

static void PWInputTake()
{
    if (PWInputOffered)
        std::memset(PWInput, 0, sizeof PWInput);
    PWInputOffered = 0;
    PWInputChoosing = 0;
}

// Return or OK: an accepted password starts its level with the game's music;
// anything else leaves the panel as it is, without a sound.
static void PWInputTry()
{
    if (!levels_start(PWInput))
        return;
    play_sound(SFX_CLICK);
    play_music(MUSIC_GAME);
    StartMode = START_MENU;
}

// A password by pad: Up and Down choose the line's last letter (the first
// press begins a new one: a with Up, z with Down), Right or A keeps it, and
// the next Up or Down begins the next; Left or B takes the last letter back,
// and B on an empty line goes back to the menu. A on a line with no letter
// being chosen tries it, as Return does; on an empty line it shows the
// highlight, which Up and Down then move over the buttons, A presses, and
// Left or Right leave for the letters again. Start tries the line at once, or
// presses the highlighted button.
static void PWInputPad(key_focus& focus)
{
    Uint8 b = pad_pressed;
    bool up_down = b == PAD_UP || b == PAD_DOWN;
    if (key_repeating && !(up_down && PWInputChoosing))
        return;  // held, the pad turns letters only
    if (focus.shown) {
        if (up_down)
            key_focus_move(focus, b == PAD_UP ? SDLK_UP : SDLK_DOWN, 3);
        else if (b == PAD_A || b == PAD_START)
            key_focus_press(focus, PANEL_BUTTONS, mode2_mouse_click);
        else if (b == PAD_B)
            StartMode = START_MENU;
        else if (b == PAD_LEFT || b == PAD_RIGHT)
            focus.shown = 0;
        return;
    }
    if (up_down && PWInputChoosing) {
        pw_line_turn(PWInput, b == PAD_UP ? 1 : -1, PWInputMeasure);
    } else if (up_down) {
        PWInputTake();
        PWInputChoosing = pw_line_add(PWInput, b == PAD_UP ? 'a' : 'z', PWInputMeasure);
    } else if ((b == PAD_A || b == PAD_RIGHT) && PWInputChoosing) {
        PWInputChoosing = 0;
    } else if (b == PAD_LEFT || b == PAD_B) {
        if (PWInput[0] == 0 && b == PAD_B)
            StartMode = START_MENU;
        PWInputTake();
        pw_line_backspace(PWInput);
    } else if ((b == PAD_A || b == PAD_START) && PWInput[0] == 0) {
        focus.shown = 1;  // an empty line is no password: the buttons instead
    } else if (b == PAD_A || b == PAD_START) {
        PWInputTry();
    }
    PWInputRender();
}

void mode2_handle_keys(SDL_keysym* keysym)
{
    SDLKey sym = keysym->sym;
    if (key_repeating && StartMode != START_OPTIONS && !(StartMode == START_PASSWORD && pad_pressed))
        return;  // a held key acts once on the menu and the password panel
    key_focus& focus = start_focus();
    switch (StartMode) {
    case START_MENU:
        if (sym == SDLK_ESCAPE && pad_pressed == PAD_NONE)
            engineDone = 1;  // the pad's B never quits
        else if (key_focus_move(focus, keysym->sym, MENU_COUNT))
            break;
        else if (key_presses_focus(focus, sym))
            key_focus_press(focus, MENU_BUTTONS, mode2_mouse_click);
        else if (key_is_press(sym))
            focus.shown = 1;  // the first Return shows where the next one acts
        break;
    case START_PASSWORD:
        if (pad_pressed) {
            PWInputPad(focus);
            break;
        }
        // Space presses the highlighted button; without the highlight it
        // types a space, as a letter key types its letter. A key ends a
        // pad's choice of letter, keeping the letter.
        PWInputChoosing = 0;
        if (key_focus_move(focus, keysym->sym, 3)) {
            break;
        } else if (key_is_press(sym) && focus.shown) {
            key_focus_press(focus, PANEL_BUTTONS, mode2_mouse_click);
        } else if (sym == SDLK_RETURN) {
            PWInputTry();
        } else if (sym == SDLK_ESCAPE) {
            StartMode = START_MENU;  // the text stays until the panel opens again
        } else if (sym == SDLK_BACKSPACE) {
            PWInputTake();
            pw_line_backspace(PWInput);
            PWInputRender();
        } else if (char c = pw_key_char(sym)) {
            PWInputTake();
            PWInputAdd(static_cast<Uint8>(c));
        }
        break;
    case START_OPTIONS:
        if (!OptionsKeyEvent(keysym))
            StartMode = START_MENU;
        break;
    case START_PICTURES:
        if (!pictures_panel_keys(keysym))
            StartMode = START_MENU;
        break;
    default:
        break;
    }
}

void start_show_pictures()
{
    play_music(MUSIC_START);
    StartMode = START_PICTURES;
    engineMode = MODE_START;
}

// Buttons act on the release of any button; presses matter only to the options.
void mode2_mouse_click(int x, int y, int button, int type)
{
    Uint16 px = static_cast<Uint16>(x), py = static_cast<Uint16>(y);
    if (type == SDL_MOUSEBUTTONDOWN) {
        if (StartMode == START_OPTIONS)
            OptionsMouseEvent(px, py, button, type);
        return;
    }
    switch (StartMode) {
    case START_MENU:
        if (on_button(MENU_PLAY, px, py)) {
            play_sound(SFX_CLICK);
            PWInputOffer();
            font_free(&PWInputSpace);
            font_make(&PWInputSpace, FONT3, PW_CURSOR, PWInputColor);
            StartMode = START_PASSWORD;
        } else if (on_button(MENU_PICTURES, px, py)) {
            play_sound(SFX_CLICK);
            pictures_panel_open();
            StartMode = START_PICTURES;
        } else if (on_button(MENU_OPTIONS, px, py)) {
            play_sound(SFX_CLICK);
            StartMode = START_OPTIONS;
        } else if (on_button(MENU_QUIT, px, py)) {
            play_sound(SFX_CLICK);
            engineDone = 1;
        }
        break;
    case START_PASSWORD:
        if (on_button(PANEL_NEW_GAME, px, py)) {
            // The game starts its own music with the opening images.
            play_sound(SFX_CLICK);
            game_new();
            StartMode = START_MENU;
        } else if (on_button(PANEL_OK, px, py)) {
            PWInputTry();
        } else if (on_button(PANEL_BACK, px, py)) {
            play_sound(SFX_CLICK);
            StartMode = START_MENU;
        }
        break;
    case START_OPTIONS:
        if (!OptionsMouseEvent(px, py, button, type)) {
            play_sound(SFX_CLICK);
            StartMode = START_MENU;
        }
        break;
    case START_PICTURES:
        if (!pictures_panel_click(px, py, button, type))
            StartMode = START_MENU;
        break;
    default:
        break;
    }
}

void mode2_mouse_movement(int x, int y)
{
    start_focus().shown = 0;
    if (StartMode == START_OPTIONS)
        OptionsMouseMovement(static_cast<Uint16>(x), static_cast<Uint16>(y));
    if (StartMode == START_PICTURES)
        pictures_panel_motion(x, y);
}

// The typed line with its blinking cursor, centred on x = 320. Its height is
// taken from the cursor so that the line does not move as the text changes.
static void PWInputDisplay()
{
    Uint16 x = static_cast<Uint16>((640 - PWInputFont.tw - PWInputSpace.tw) / 2);
    Uint16 y = static_cast<Uint16>(LINE_CENTRE_Y - PWInputSpace.th / 2);
    Uint32 now = SDL_GetTicks();
    if (now - PWInputTime > CURSOR_BLINK_MS) {
        PWInputTime = now;
        PWInputMode = !PWInputMode;
    }
    font_display(&PWInputFont, x, y);
    if (PWInputChoosing)  // the pad's letter in the frame of the keys' highlight, in place of the cursor
        key_frame_draw(x + PWChoiceX, y + 6, x + PWInputFont.tw, y + PWInputSpace.th - 6);
    else if (PWInputMode == 1)
        font_display(&PWInputSpace, x + PWInputFont.tw, y);
}

bool mode2_frame_due(Uint32 now)
{
    if (StartMode == START_PICTURES)
        return pictures_panel_frame_due(now);
    return StartMode == START_PASSWORD && now - PWInputTime > CURSOR_BLINK_MS;
}

void mode2_idle()
{
    switch (StartMode) {
    case START_MENU:
        ot_blit(START_TILE, 0, 0, nullptr);
        key_focus_draw(start_focus(), MENU_BUTTONS);
        break;
    case START_PASSWORD:
        ot_blit(START_TILE, 0, 0, &DIM);
        ot_blit(PANEL_TILE, PANEL_X, PANEL_Y, nullptr);
        PWInputDisplay();
        key_focus_draw(start_focus(), PANEL_BUTTONS);
        break;
    case START_OPTIONS:
        ot_blit(START_TILE, 0, 0, &DIM);
        OptionsDisplay();
        break;
    case START_PICTURES:
        ot_blit(START_TILE, 0, 0, &DIM);
        pictures_panel_draw();
        break;
    default:
        break;  // no screen: nothing drawn
    }
}
