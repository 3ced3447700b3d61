// main.cpp -- the shell: start-up, the table of screen modes, the main loop and the exit
#include "main.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "engine/engine.h"
#include "engine/loop.h"
#include "engine/scaler.h"
#include "engine/screen.h"
#include "game/game.h"
#include "rules/command_line.h"
#include "rules/passwords.h"
#include "rules/picture_set.h"
#include "rules/progress.h"
#include "screens/help.h"
#include "screens/logo.h"
#include "screens/pictures.h"
#include "screens/start.h"

static SDL_Surface* window_icon = nullptr;
// Whether the window has the input focus: a pad acts only then, as SDL2
// lets it, so that it never plays a game in the background (SDL 1.2 would).
static bool input_focus = true;

// ---------------------------------------------------------------- mode dispatch

// What each screen mode offers the loop; mode 1 has no motion handler, and
// only the game minds losing the focus. Every mode says whether its picture
// would change now without input (frame_due), so that an unchanging screen is
// not drawn again.
struct mode_handlers {
    void (*keys)(SDL_keysym*);
    void (*click)(int x, int y, int button, int type);
    void (*motion)(int x, int y);
    void (*focus_lost)();
    void (*idle)();
    bool (*frame_due)(Uint32 now);
};

static const mode_handlers MODES[] = {
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {mode1_handle_keys, mode1_mouse_click, nullptr, nullptr, mode1_idle, mode1_frame_due},
    {mode2_handle_keys, mode2_mouse_click, mode2_mouse_movement, nullptr, mode2_idle, mode2_frame_due},
    {mode3_handle_keys, mode3_mouse_click, mode3_mouse_movement, mode3_focus_lost, mode3_idle, mode3_frame_due},
};

static const mode_handlers* current_mode()
{
    if (engineMode >= MODE_LOGO && engineMode <= MODE_GAME)
        return &MODES[engineMode];
    return nullptr;
}

void handle_keys(SDL_keysym* keysym)
{
    if (const mode_handlers* m = current_mode())
        m->keys(keysym);
}

void handle_mouse_click(int x, int y, int button, int type)
{
    if (const mode_handlers* m = current_mode())
        m->click(static_cast<Uint16>(x), static_cast<Uint16>(y), static_cast<Uint8>(button), type);
}

// The pointer position is kept in every mode, even where no handler runs.
void handle_mouse_movement(int x, int y)
{
    mouse_x = static_cast<Uint16>(x);
    mouse_y = static_cast<Uint16>(y);
    const mode_handlers* m = current_mode();
    if (m && m->motion)
        m->motion(mouse_x, mouse_y);
}

// ---------------------------------------------------------------- start-up and loop

static void set_window_icon()
{
    window_icon = image_load_surface("data/base/CryptSLIDERS.png");
    if (!window_icon) {
        std::printf("Icon Fail: %s\n", SDL_GetError());
        return;
    }
    SDL_SetColorKey(window_icon, SDL_SRCCOLORKEY, SDL_MapRGB(window_icon->format, 255, 0, 255));
    SDL_WM_SetIcon(window_icon, nullptr);
}

// A start-up step failed: one line with SDL's reason, and the failure status.
static int start_failed(const char* call)
{
    std::printf("%s: %s\n", call, SDL_GetError());
    return -1;
}

// A game that needs OpenGL never lets SDL fall back on a driver that cannot
// show it: SDL 1.2 would try its text-mode and framebuffer drivers, which take
// the terminal over and then fail, SDL2 under sdl12-compat (1.2.50 on) its
// offscreen one, where the game would play unseen. A player's choice stands.
static void choose_video_driver()
{
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    if (chosen && chosen[0])
        return;
    setenv("SDL_VIDEODRIVER", SDL_Linked_Version()->patch >= 50 ? "x11,wayland,kmsdrm" : "x11", 1);
}

static int missing_file(const char* path)
{
    std::printf("Missing data file: %s\n", path);
    return -1;
}

int main_start()
{
    // The exit routine first, so that every exit from here on releases what was set up.
    static bool exit_registered = false;
    if (!exit_registered) {
        std::atexit(main_exit);
        exit_registered = true;
    }
    engineDone = 0;
    input_focus = true;
    engineMode = MODE_LOGO;
    GameLevel = 0;
    GameMode = 0;
    storage_start();
    photo_picker_start(picture_folder().c_str());
    OptionsLoad();
    language_start();
    progress_load();

    // Video: a double-buffered OpenGL window at the largest whole scale of
    // 640 x 480 the desktop takes, or full screen at the desktop's size.
    choose_video_driver();
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        std::printf("SDL_Init: %s: no display to show the game on\n", SDL_GetError());
        return -1;
    }
    scaler_init();
    set_window_icon();
    SDL_WM_SetCaption("CryptSLIDERS", "data/base/CryptSLIDERS.png");
    if (!scaler_set_mode(engineFullScreen == 1))
        return start_failed("SDL_SetVideoMode");
    pad_init();

    // Fonts are needed to play at all; without a sound device the game plays silently.
    sound_init();
    if (!font_init())
        return -1;
    font_rescale(frame_scale(scaler_frame));
    sound_set();

    // One black frame while the images load.
    ot_init(FRAME_W, FRAME_H);
    scaler_apply();
    ot_begin();
    ot_end();

    // Images, help and passwords; the game cannot be played without either file.
    if (!ot_build(OT_GAME_TILES, OT_GAME_TEXTURES)) {
        std::printf("ot_build: out of memory\n");
        return -1;
    }
    main_load_catalogue();
    if (!help_init())
        return missing_file(HELP_FILE);
    if (!levels_load())
        return missing_file(PASSWORD_FILE);
    mode1_time = static_cast<Uint32>(std::time(nullptr));
    return 0;
}

// A key pressed: the keypad's Enter is Return; a modifier alone reaches no
// screen; Alt+Return and F11 switch the screen in every mode, unseen by it.
static void key_pressed(SDL_keysym keysym)
{
    if (keysym.sym == SDLK_KP_ENTER)
        keysym.sym = SDLK_RETURN;
    if (key_is_modifier(keysym.sym))
        return;
    if (scaler_is_switch(keysym)) {
        key_repeat_stop();
        if (!screen_request_full()) {
            scaler_switch();
            OptionsSaveFullScreen();
        }
        return;
    }
    key_repeat_down(keysym.sym, SDL_GetTicks());
    handle_keys(&keysym);
}

// A key that a pad's button stands for, handed to the current mode with
// pad_pressed telling which button made it.
static void pad_key_handled(SDLKey key, Uint8 button)
{
    SDL_keysym keysym{};
    keysym.sym = key;
    pad_pressed = button;
    handle_keys(&keysym);
    pad_pressed = PAD_NONE;
}

// A pad's event: a press acts as its key, a release ends that pad's repeat
// of it. False when it stands for nothing (a stick within its dead zone, a
// button without a use, a press without the focus), so that an idle or
// drifting stick never asks for a frame.
static bool pad_event(const SDL_Event& event)
{
    pad_key k{};
    if (!pad_translate(event, k))
        return false;
    const Uint8 source = static_cast<Uint8>(1 + k.pad);
    if (!k.down) {
        key_repeat_up(k.key, SDL_GetTicks(), source);
        return false;
    }
    if (!input_focus)
        return false;
    key_repeat_down(k.key, SDL_GetTicks(), source, k.button);
    pad_key_handled(k.key, k.button);
    return true;
}

// The window lost the input focus or was iconified: no key is held any more,
// and the current mode may pause.
static void focus_lost()
{
    key_repeat_stop();
    const mode_handlers* m = current_mode();
    if (m && m->focus_lost)
        m->focus_lost();
}

// The game's window (or the page's tab) gained or lost the focus: a lost
// one pauses play.
static void focus_changed(bool gained)
{
    input_focus = gained;
    if (!input_focus)
        focus_lost();
}

bool main_events()
{
    bool any = false;
    pad_turn();
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        bool acted = true;
        scaler_map_event(&event);
        switch (event.type) {
        case SDL_KEYDOWN:
            key_pressed(event.key.keysym);
            break;
        case SDL_KEYUP:
            key_repeat_up(event.key.keysym.sym, SDL_GetTicks());
            break;
        case SDL_JOYAXISMOTION:
        case SDL_JOYHATMOTION:
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            acted = pad_event(event);
            break;
        case SDL_ACTIVEEVENT:
            if (event.active.state & (SDL_APPINPUTFOCUS | SDL_APPACTIVE))
                focus_changed(event.active.gain != 0);
            break;
        case SDL_MOUSEMOTION:
            handle_mouse_movement(event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            handle_mouse_click(event.button.x, event.button.y, event.button.button, event.type);
            break;
        case SDL_QUIT:
            engineDone = 1;
            break;
        case SDL_VIDEORESIZE:
            scaler_resize(event.resize.w, event.resize.h);
            break;
        default:
            // The page's tab hidden or left; fingers counted; the pointer
            // leaving and the rest change nothing.
            if (int change = screen_focus_change(event))
                focus_changed(change > 0);
            touch_event(event.type);
            break;
        }
        any = any || acted;
    }
    // A held arrow key's (or pad direction's) repeat, as one more press of it.
    SDL_keysym held{};
    Uint8 button = PAD_NONE;
    if (key_repeat_due(SDL_GetTicks(), &held.sym, &button)) {
        key_repeating = 1;
        pad_pressed = button;
        handle_keys(&held);
        pad_pressed = PAD_NONE;
        key_repeating = 0;
        any = true;
    }
    return any;
}

void main_draw()
{
    ot_begin();
    if (const mode_handlers* m = current_mode())
        m->idle();
}

bool main_turn()
{
    // Input: the whole queue before any drawing. Any event asks for a frame:
    // a handler may have changed the picture, and an uncovered or resized
    // window must be drawn again.
    static bool state_moved = true;
    bool input = main_events();
    if (engineDone)
        return false;
    // The page's later data has come: the 2x art it brought replaces the 1x
    // art drawn in its place.
    if (data_parts_arrived()) {
        scaler_remake();
        input = true;
    }
    // Draw: one whole frame of the current mode, presented, but only when it
    // would differ from the last: after input, or when the mode has a change
    // due. A still screen costs no drawing. A frame that takes the game to
    // another mode or scene is drawn again for the one it arrived at before it
    // is shown, so the screen never shows a scene already left (a passing
    // scene may draw nothing at all); one still moving after a few passes is
    // drawn on in the next turn.
    const mode_handlers* m = current_mode();
    if (input || state_moved || (m && m->frame_due(SDL_GetTicks()))) {
        state_moved = true;
        for (int pass = 0; pass < 4 && state_moved; pass++) {
            Uint8 mode = engineMode, game_mode = GameMode;
            main_draw();
            state_moved = engineMode != mode || GameMode != game_mode;
        }
        ot_end();
        if (engineMode == MODE_START)
            data_parts_fetch();
    }
    // Pace: a short sleep on the desktop, nothing where the browser calls
    // each turn; animations measure time themselves.
    loop_pace();
    return !engineDone;
}

void main_exit()
{
    ot_deinit();
    font_deinit();
    sound_deinit();
    pad_deinit();
    SDL_Quit();
    if (window_icon) {
        SDL_FreeSurface(window_icon);
        window_icon = nullptr;
    }
    images_forget();
}

int SDL_main(int argc, char* argv[])
{
    // Each message reaches a log at once, even when stdout is a pipe or a file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    // The usage, the version or a wrong option, before any window opens.
    command_line args = command_line_parse(argc, argv);
    int answered = command_line_answer(args, stdout, stderr);
    if (answered >= 0)
        return answered;
    int status = main_start();
    if (status != 0)
        return status;
    // Pictures or a folder on the command line: straight into their level, or
    // to the panel that says why none can be played.
    if (!args.paths.empty() && !pictures_play_paths(args.paths))
        start_show_pictures();
    loop_run(main_turn);
    return 0;
}
