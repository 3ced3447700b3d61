// engine_fixture.h -- the real engine in a scratch working directory, driven by
// the tests through its own event queue, with both clocks held by the test
#pragma once

#include <gtest/gtest.h>

#include <SDL/SDL.h>

#include <array>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fake_clock.h"
#include "png_file.h"
#include "sound_spy.h"

#include "engine/engine.h"
#include "game/game.h"
#include "game/state.h"
#include "rules/level_file.h"
#include "screens/start.h"
#include "main.h"

// Modifier keys, each of which pressed alone does nothing.
inline const SDLKey LONE_MODIFIERS[] = {SDLK_LSHIFT, SDLK_RCTRL,    SDLK_LALT,    SDLK_MODE,
                                        SDLK_LSUPER, SDLK_CAPSLOCK, SDLK_NUMLOCK, SDLK_RMETA};

// Window centre of board cell (column x, row y).
inline int cell_x(int x) { return 79 + 33 * x; }
inline int cell_y(int y) { return 104 + 33 * y; }

// True when two colours differ by at most tol in red, green and blue.
bool near(rgba8 a, rgba8 b, int tol = 3);
std::ostream& operator<<(std::ostream& os, const rgba8& c);
// While keep_presented, each frame the game presents is kept, top row first.
extern bool keep_presented;
extern std::vector<rgba8> presented_frame;
// The screen (engineMode, GameMode) each frame was begun for, the last
// presented frame's, and how many levels have loaded.
using screen_state = std::pair<Uint8, Uint8>;
extern screen_state drawn_for, presented_for;
extern int levels_loaded;
// While non-zero, what OpenGL answers for its largest texture side.
extern int max_texture_size_stub;

// The keys the start screen and the game were handed, as the loop hands them:
// the key, the pad's button that made it (PAD_NONE for the keyboard), whether a repeat.
struct handed_key {
    SDLKey key;
    Uint8 button, repeat;
};
extern std::vector<handed_key> keys_handed;

// A whole file, "" when it cannot be read.
std::string slurp(const char* path);

// The engine started in a scratch directory whose data/ links to the built
// data tree file by file, so that a test can leave files out or write its own.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Paths under data/ to leave out ("base/CryptSLIDERS.png"; a directory
    // takes everything below it).
    virtual std::vector<std::string> left_out() const { return {}; }

    // Events queued as SDL delivers them; step() routes them.
    void push_key(SDLKey key, Uint8 type = SDL_KEYDOWN);
    void push_button(int x, int y, Uint8 type, Uint8 button = SDL_BUTTON_LEFT);
    void push_motion(int x, int y);
    void push_focus_lost(Uint8 state);  // SDL_APPINPUTFOCUS, SDL_APPACTIVE (iconified) or SDL_APPMOUSEFOCUS
    // A pad's events, as SDL delivers them from pad 0 (or another): a button by
    // its number (PAD_START, PAD_BACK and the cross's PAD_CROSS, up, down, left
    // and right, as the SDL in use numbers them), the hat, an axis.
    void push_pad(Uint8 type, int index, int value, Uint8 which = 0);
    void push_pad_button(int button, Uint8 type = SDL_JOYBUTTONDOWN) { push_pad(type, button, 0); }
    void push_hat(Uint8 value, Uint8 which = 0) { push_pad(SDL_JOYHATMOTION, 0, value, which); }
    void push_axis(Uint8 axis, int value, Uint8 which = 0) { push_pad(SDL_JOYAXISMOTION, axis, value, which); }
    void pad(int button) { push_pad_button(button), push_pad_button(button, SDL_JOYBUTTONUP), step(); }
    static const int PAD_START, PAD_BACK;
    static const std::array<int, 4> PAD_CROSS;

    // One turn of the main loop: the clocks move on, queued events are handled,
    // a frame is drawn and kept for pixel().
    void step(Uint32 ms = 20);
    void frame();                                     // a frame without events or time
    void draw(const std::function<void()>& blits);    // custom blits on a cleared frame
    void key(SDLKey k) { push_key(k), step(); }
    void click(int x, int y, Uint8 button = SDL_BUTTON_LEFT);  // press and release, one step
    rgba8 pixel(int x, int y) const { return last_frame.at(static_cast<size_t>(y * 640 + x)); }
    // Within x0 <= x < x1, y0 <= y < y1 of the last frame: how many pixels
    // differ from another frame by more than tol, and the box (x0, y0, x1, y1)
    // of the pixels for which wanted holds (x1 < 0 when none does).
    int differing(const std::vector<rgba8>& other, int tol = 10, int x0 = 0, int y0 = 0, int x1 = 640, int y1 = 480) const;
    std::array<int, 4> box(const std::function<bool(int x, int y)>& wanted, int x0 = 0, int y0 = 0, int x1 = 640,
                           int y1 = 480) const;
    void screenshot(const std::string& name) const;   // build/screenshots/NAME.png
    bool played(int effect) const;

    std::vector<rgba8> last_frame;  // 640 x 480, top row first
    int steps = 0;                  // loop turns so far

private:
    std::filesystem::path dir_, previous_;
};

// The game screen with small levels of the test's own: picture 1 (3 x 3, the
// goal) lies whole but for its first two tiles, which trade places; picture 2
// (2 x 1, forbidden) likewise in row 4.
class GameTest : public EngineTest {
protected:
    std::vector<std::string> left_out() const override
    {
        return {"level1", "level2", "level20", "level60", "opening", "closing"};
    }
    void SetUp() override;

    static rgba8 owl_colour(int c, int r);  // every cell of picture 1 its own colour
    static void write_level(int level, const std::string& extra = "", int time = 90);
    static void write_image(const std::string& path, rgba8 colour);  // full-screen, one colour

    // Enters the game at the level as an accepted password does.
    void enter_level(int level);
    // Steps on, leaving full-screen images and the help by a key, until play is
    // on; false when it is not reached.
    bool reach_play();
    void drag(int from_x, int from_y, int to_x, int to_y);
    // Keyboard play, or with by_pad the pad's: queues the arrows (the hat
    // left and down, the stick up, the direction button right) that take the
    // board cursor to cell (x, y) by way of the top-left corner, where they
    // stop; then a move (Space or A to lift and drop, Escape or B for a tile
    // still held after a refused lift) in one step. R or X turns.
    bool by_pad = false;
    void press(SDLKey key);
    void cursor_to(int x, int y);
    void key_move(int from_x, int from_y, int to_x, int to_y);
    // Enters the level (unless 0: the one loaded), plays for play_ms, completes
    // the goal picture and steps on through the banner and any win images to
    // the win screen.
    void win_level(int level, Uint32 play_ms = 20);
    // Steps while the game stays in the state (at most n steps, ms apart).
    void run_while(Uint8 mode, int n = 500, Uint32 ms = 20);
    // Works the solution out on the board as it lies, then plays it with the
    // mouse or with keys alone (or a pad's, by_pad), waiting out each showing;
    // halfway, the named screenshot.
    void play_solution(const std::string& halfway_shot = "", bool by_keys = false);
    static const gridtile& cell(int x, int y) { return Grid[static_cast<size_t>(y * 9 + x)]; }
};
