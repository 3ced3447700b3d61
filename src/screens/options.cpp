// options.cpp -- the options panel: its two volume sliders and the language
#include "screens/options.h"

#include <string>
#include <vector>

#include "engine/engine.h"
#include "rules/settings_file.h"
#include "rules/translate.h"

// Panel geometry, window pixels, edges included.
constexpr int OPTIONS_PANEL_TILE = 7;
constexpr int OPTIONS_KNOB_TILE = 8;
constexpr float OPTIONS_PANEL_X = 64, OPTIONS_PANEL_Y = 48;
constexpr float TRACK_LEFT = 269;    // value 0
constexpr float TRACK_LENGTH = 214;  // value 1 at 483
constexpr float TRACK_RIGHT = TRACK_LEFT + TRACK_LENGTH;
constexpr float SFX_TRACK_Y = 188;
constexpr float MUSIC_TRACK_Y = 270;
constexpr int BACK_X0 = 296, BACK_X1 = 357, BACK_Y0 = 394, BACK_Y1 = 416;
// The language's row: its value centred between two arrow buttons.
constexpr int LANGUAGE_Y = 353;
constexpr int VALUE_X = 376;
constexpr key_button LANGUAGE_LEFT = {263, 291, 341, 365}, LANGUAGE_RIGHT = {461, 489, 341, 365};
// The knob image's size, used when its tile was never built.
constexpr float KNOB_W = 19, KNOB_H = 38;

// Which knob the player holds.
constexpr Uint8 HOLD_NONE = 0;
constexpr Uint8 HOLD_SFX = 1;
constexpr Uint8 HOLD_MUSIC = 2;

static Uint8 mouseDown = HOLD_NONE;

// Keys: Up and Down go over the two sliders, the language and the back
// button, Left and Right move the highlighted slider by a twentieth or choose
// the language before or after, Return presses back.
static const key_button OPTIONS_BUTTONS[] = {
    {static_cast<int>(TRACK_LEFT) - 14, static_cast<int>(TRACK_RIGHT) + 14, static_cast<int>(SFX_TRACK_Y) - 22,
     static_cast<int>(SFX_TRACK_Y) + 22},
    {static_cast<int>(TRACK_LEFT) - 14, static_cast<int>(TRACK_RIGHT) + 14, static_cast<int>(MUSIC_TRACK_Y) - 22,
     static_cast<int>(MUSIC_TRACK_Y) + 22},
    {LANGUAGE_LEFT.x0 - 6, LANGUAGE_RIGHT.x1 + 6, LANGUAGE_Y - 16, LANGUAGE_Y + 16},
    {BACK_X0, BACK_X1, BACK_Y0, BACK_Y1}};
constexpr Uint8 FOCUS_LANGUAGE = 2, FOCUS_BACK = 3, FOCUS_COUNT = 4;
constexpr float KEY_STEP = 0.05f;
static key_focus OptionsFocus{};

// The languages offered while the panel is open, the one shown, and its
// name; chosen takes effect when the panel closes.
static std::vector<std::string> offered;
static size_t chosen = 0;
static font_s chosen_name{};
static const SDL_Color WORDS = {150, 194, 214, 0};  // the panel's lettering (the font takes B, G, R)

// The panel opens: the languages there are, the player's choice shown.
static void languages_open()
{
    offered = language_offered();
    chosen = 0;
    for (size_t i = 0; i < offered.size(); i++)
        if (offered[i] == language_choice)
            chosen = i;
    if (offered[chosen] != language_choice) {  // a language the settings name but whose catalog went
        offered.push_back(language_choice);
        chosen = offered.size() - 1;
    }
    font_free(&chosen_name);
    // TRANSLATORS: the options' language when it is the system's (the computer's) own
    font_make_for(&chosen_name, FONT1, language_name(offered[chosen]).c_str(), N_("System's"), WORDS);
}

// The language before (-1) or after (1) the one shown, round the list.
static void language_step(int step)
{
    if (offered.empty())
        languages_open();
    chosen = (chosen + (step < 0 ? offered.size() - 1 : 1)) % offered.size();
    font_free(&chosen_name);
    font_make_for(&chosen_name, FONT1, language_name(offered[chosen]).c_str(), "System's", WORDS);
    play_sound(SFX_CLICK);
}

// The panel closes: the language shown is the game's from the next frame on.
static void options_close()
{
    mouseDown = HOLD_NONE;
    OptionsFocus = key_focus{};
    if (!offered.empty())
        language_change(offered[chosen]);
    offered.clear();
    font_free(&chosen_name);
}

struct knob_box {
    float x, y, w, h;  // top-left corner and size
};

// The knob of a slider: centred on its value along the track. A value out of
// 0..1 (hand-edited settings file) draws and hits at the nearest end.
static knob_box knob_at(float value, float track_y)
{
    float w = KNOB_W, h = KNOB_H;
    if (ot_tiles && ot_tile_count > static_cast<Uint32>(OPTIONS_KNOB_TILE)) {
        w = ot_tiles[OPTIONS_KNOB_TILE].width;
        h = ot_tiles[OPTIONS_KNOB_TILE].height;
    }
    float centre = TRACK_LEFT + TRACK_LENGTH * settings_volume_clamp(value);
    return knob_box{centre - w / 2, track_y - h / 2, w, h};
}

static bool in_knob(const knob_box& k, float x, float y)
{
    return x >= k.x && x <= k.x + k.w && y >= k.y && y <= k.y + k.h;
}

// The band a release sets a slider in: the track's length, the knob's height.
static bool in_track(const knob_box& k, float track_y, float x, float y)
{
    return x >= TRACK_LEFT && x <= TRACK_RIGHT && y >= track_y - k.h / 2 && y <= track_y + k.h / 2;
}

static void apply_sfx(float value)
{
    soundSFX = value;
    sound_set();
}

static void apply_music(float value)
{
    soundMusic = value;
    sound_set();
}

// Escape closes the panel without saving; the volumes and the language set so
// far stay in force.
Uint8 OptionsKeyEvent(SDL_keysym* keysym)
{
    SDLKey key = keysym->sym;
    if (key_repeating && key != SDLK_LEFT && key != SDLK_RIGHT)
        return 1;  // held, only the sliders' keys repeat
    if (key == SDLK_ESCAPE) {
        options_close();
        return 0;
    }
    if (key_focus_move(OptionsFocus, key, FOCUS_COUNT))
        return 1;
    if ((key == SDLK_LEFT || key == SDLK_RIGHT) && OptionsFocus.index == FOCUS_LANGUAGE) {
        if (!key_repeating)
            language_step(key == SDLK_RIGHT ? 1 : -1);
        return 1;
    }
    if ((key == SDLK_LEFT || key == SDLK_RIGHT) && OptionsFocus.index != FOCUS_BACK) {
        OptionsFocus.shown = 1;  // the effects slider is highlighted first
        float& volume = OptionsFocus.index == 0 ? soundSFX : soundMusic;
        float value = settings_volume_clamp(settings_volume_clamp(volume) + (key == SDLK_RIGHT ? KEY_STEP : -KEY_STEP));
        if (OptionsFocus.index == 0)
            apply_sfx(value);
        else
            apply_music(value);
        play_sound(SFX_CLICK);
        return 1;
    }
    if (key_is_press(key) && OptionsFocus.index == FOCUS_BACK) {
        const key_button& b = OPTIONS_BUTTONS[FOCUS_BACK];
        play_sound(SFX_CLICK);
        return OptionsMouseEvent((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP);
    }
    return 1;
}

Uint8 OptionsMouseEvent(int x, int y, int button, int type)
{
    (void)button;  // every button acts alike
    float fx = static_cast<Uint16>(x), fy = static_cast<Uint16>(y);
    knob_box sfx = knob_at(soundSFX, SFX_TRACK_Y);
    knob_box music = knob_at(soundMusic, MUSIC_TRACK_Y);
    int event = type;

    if (event == SDL_MOUSEBUTTONDOWN) {
        if (in_knob(sfx, fx, fy))
            mouseDown = HOLD_SFX;
        if (in_knob(music, fx, fy))
            mouseDown = HOLD_MUSIC;
        return 1;
    }
    if (event != SDL_MOUSEBUTTONUP)
        return 1;

    // A release ends any drag, and on a track sets that slider to the pointer.
    mouseDown = HOLD_NONE;
    if (in_track(sfx, SFX_TRACK_Y, fx, fy)) {
        apply_sfx((fx - TRACK_LEFT) / TRACK_LENGTH);
        play_sound(SFX_CLICK);
    }
    if (in_track(music, MUSIC_TRACK_Y, fx, fy)) {
        apply_music((fx - TRACK_LEFT) / TRACK_LENGTH);
        play_sound(SFX_CLICK);
    }
    const int px = static_cast<int>(fx), py = static_cast<int>(fy);
    if (on_button(LANGUAGE_LEFT, px, py) || on_button(LANGUAGE_RIGHT, px, py))
        language_step(on_button(LANGUAGE_LEFT, px, py) ? -1 : 1);
    if (fx >= BACK_X0 && fx <= BACK_X1 && fy >= BACK_Y0 && fy <= BACK_Y1) {
        options_close();
        OptionsSave();
        return 0;
    }
    return 1;
}

// The held knob follows the pointer across, anywhere on the screen, stopping at
// the track's ends; the volume changes as it moves, silently.
void OptionsMouseMovement(int x, int y)
{
    (void)y;
    OptionsFocus.shown = 0;
    if (mouseDown != HOLD_SFX && mouseDown != HOLD_MUSIC)
        return;
    float fx = static_cast<Uint16>(x);
    float value = 0.0f;
    if (fx >= TRACK_RIGHT)
        value = 1.0f;
    else if (fx > TRACK_LEFT)
        value = (fx - TRACK_LEFT) / TRACK_LENGTH;
    if (mouseDown == HOLD_SFX)
        apply_sfx(value);
    else
        apply_music(value);
}

void OptionsDisplay()
{
    ot_blit(OPTIONS_PANEL_TILE, OPTIONS_PANEL_X, OPTIONS_PANEL_Y, nullptr);
    knob_box sfx = knob_at(soundSFX, SFX_TRACK_Y);
    knob_box music = knob_at(soundMusic, MUSIC_TRACK_Y);
    ot_blit_trans(OPTIONS_KNOB_TILE, sfx.x, sfx.y, nullptr);
    ot_blit_trans(OPTIONS_KNOB_TILE, music.x, music.y, nullptr);
    if (offered.empty())
        languages_open();
    font_display(&chosen_name, VALUE_X - chosen_name.tw / 2, LANGUAGE_Y - chosen_name.th / 2);
    key_focus_draw(OptionsFocus, OPTIONS_BUTTONS);
}
