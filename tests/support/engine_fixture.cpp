// engine_fixture.cpp -- the real engine in a scratch working directory, driven by
// the tests through its own event queue, with both clocks held by the test
#include "engine_fixture.h"

#include <GL/gl.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "rules/solver.h"

namespace fs = std::filesystem;

void EngineTest::SetUp()
{
    char pattern[] = "/tmp/cryptsliders-test-XXXXXX";
    dir_ = mkdtemp(pattern);
    previous_ = fs::current_path();
    const fs::path source = fs::path(CRYPT_BUILD_DIR) / "data";
    const std::vector<std::string> out = left_out();
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        const std::string rel = entry.path().lexically_relative(source).generic_string();
        if (std::any_of(out.begin(), out.end(), [&](const std::string& o) { return rel == o || rel.rfind(o + "/", 0) == 0; }))
            continue;
        if (entry.is_directory())
            fs::create_directories(dir_ / "data" / rel);
        else
            fs::create_symlink(entry.path(), dir_ / "data" / rel);
    }
    fs::current_path(dir_);
    fake_clock = {true, 100000, 1000000};
    sound_spy_clear();
    ASSERT_EQ(main_start(), 0);
}

void EngineTest::TearDown()
{
    main_exit();
    fake_clock.enabled = false;
    fs::current_path(previous_);
    fs::remove_all(dir_);
}

void EngineTest::push_key(SDLKey key, Uint8 type)
{
    SDL_Event e{};
    e.type = e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

void EngineTest::push_button(int x, int y, Uint8 type, Uint8 button)
{
    SDL_Event e{};
    e.type = e.button.type = type;
    e.button.button = button;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

void EngineTest::push_motion(int x, int y)
{
    SDL_Event e{};
    e.type = e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

void EngineTest::push_focus_lost(Uint8 state)
{
    SDL_Event e{};
    e.type = e.active.type = SDL_ACTIVEEVENT;
    e.active.gain = 0;
    e.active.state = state;
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

// Linux numbers an Xbox pad's Back and Start 6 and 7 and its cross's buttons
// left, right, up, down from 11; SDL2's game controller, which the game asks
// sdl12-compat for, 4 and 6, and up, down, left, right from 11.
static const bool CONTROLLER = pad_controller_numbering(SDL_Linked_Version()->major, SDL_Linked_Version()->minor,
                                                        SDL_Linked_Version()->patch, "1");
const int EngineTest::PAD_START = CONTROLLER ? 6 : 7;
const int EngineTest::PAD_BACK = CONTROLLER ? 4 : 6;
const std::array<int, 4> EngineTest::PAD_CROSS = CONTROLLER ? std::array<int, 4>{11, 12, 13, 14}
                                                             : std::array<int, 4>{13, 14, 11, 12};

void EngineTest::push_pad(Uint8 type, int index, int value, Uint8 which)
{
    SDL_Event e{};
    e.type = type;
    e.jbutton.which = which;  // where every joystick event keeps it
    if (type == SDL_JOYAXISMOTION)
        e.jaxis.axis = static_cast<Uint8>(index), e.jaxis.value = static_cast<Sint16>(value);
    else if (type == SDL_JOYHATMOTION)
        e.jhat.hat = static_cast<Uint8>(index), e.jhat.value = static_cast<Uint8>(value);
    else
        e.jbutton.button = static_cast<Uint8>(index), e.jbutton.state = type == SDL_JOYBUTTONDOWN;
    ASSERT_EQ(SDL_PushEvent(&e), 0);
}

void EngineTest::step(Uint32 ms)
{
    steps++;
    fake_clock_advance(ms);
    main_events();
    frame();
}

void EngineTest::click(int x, int y, Uint8 button)
{
    push_button(x, y, SDL_MOUSEBUTTONDOWN, button);
    push_button(x, y, SDL_MOUSEBUTTONUP, button);
    step();
}

// The frame drawn so far, read back from the back buffer, top row first.
static std::vector<rgba8> read_back()
{
    std::vector<rgba8> raw(640 * 480), frame(640 * 480);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, 640, 480, GL_RGBA, GL_UNSIGNED_BYTE, raw.data());
    for (int y = 0; y < 480; y++)  // GL rows run bottom-up
        std::copy_n(&raw[static_cast<size_t>((479 - y) * 640)], 640, &frame[static_cast<size_t>(y * 640)]);
    return frame;
}

// The test executables link with --wrap=SDL_GL_SwapBuffers: each frame the game
// presents can be kept, as it was just before it went to the screen.
bool keep_presented = false;
std::vector<rgba8> presented_frame;

screen_state drawn_for{}, presented_for{};
int levels_loaded = 0;

extern "C" void __real_SDL_GL_SwapBuffers(void);
extern "C" void __wrap_SDL_GL_SwapBuffers(void)
{
    if (keep_presented)
        presented_frame = read_back();
    presented_for = drawn_for;
    __real_SDL_GL_SwapBuffers();
}

int max_texture_size_stub = 0;
extern "C" void __real_glGetIntegerv(GLenum name, GLint* value);
extern "C" void __wrap_glGetIntegerv(GLenum name, GLint* value)
{
    __real_glGetIntegerv(name, value);
    if (name == GL_MAX_TEXTURE_SIZE && max_texture_size_stub)
        *value = max_texture_size_stub;
}

// Linked with --wrap for the game's level_load, picture_level_load and ot_begin (their C++ names).
extern "C" Uint8 __real__Z10level_loadv();
extern "C" Uint8 __wrap__Z10level_loadv()
{
    levels_loaded++;
    return __real__Z10level_loadv();
}
extern "C" Uint8 __real__Z18picture_level_loadv();
extern "C" Uint8 __wrap__Z18picture_level_loadv()
{
    levels_loaded++;
    return __real__Z18picture_level_loadv();
}
extern "C" void __real__Z8ot_beginv();
extern "C" void __wrap__Z8ot_beginv()
{
    drawn_for = {engineMode, GameMode};
    __real__Z8ot_beginv();
}

// Linked with --wrap for the start screen's and the game's key handlers (their C++ names).
std::vector<handed_key> keys_handed;
#define KEYS_HANDED_TO(handler)                                                  \
    extern "C" void __real_##handler(SDL_keysym* k);                             \
    extern "C" void __wrap_##handler(SDL_keysym* k)                              \
    {                                                                            \
        keys_handed.push_back({k->sym, pad_pressed, key_repeating});             \
        __real_##handler(k);                                                     \
    }
KEYS_HANDED_TO(_Z17mode2_handle_keysP10SDL_keysym)
KEYS_HANDED_TO(_Z17mode3_handle_keysP10SDL_keysym)

void EngineTest::draw(const std::function<void()>& blits)
{
    ot_begin();
    blits();
    last_frame = read_back();
    ot_end();
}

void EngineTest::frame()
{
    draw([] { main_draw(); });
}

void EngineTest::screenshot(const std::string& name) const
{
    fs::path dir = fs::path(CRYPT_BUILD_DIR) / "screenshots";
    fs::create_directories(dir);
    std::vector<rgba8> opaque = last_frame;
    for (rgba8& c : opaque)
        c.a = 255;
    save_rgba_png((dir / (name + ".png")).string(), 640, 480, opaque);
}

int EngineTest::differing(const std::vector<rgba8>& other, int tol, int x0, int y0, int x1, int y1) const
{
    int n = 0;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            n += !near(pixel(x, y), other[static_cast<size_t>(y * 640 + x)], tol);
    return n;
}

std::array<int, 4> EngineTest::box(const std::function<bool(int x, int y)>& wanted, int x0, int y0, int x1, int y1) const
{
    std::array<int, 4> b = {640, 480, -1, -1};
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            if (wanted(x, y))
                b = {std::min(b[0], x), std::min(b[1], y), std::max(b[2], x), std::max(b[3], y)};
    return b;
}

bool EngineTest::played(int effect) const
{
    return std::find(sound_spy.effects.begin(), sound_spy.effects.end(), effect) != sound_spy.effects.end();
}

bool near(rgba8 a, rgba8 b, int tol)
{
    return std::abs(a.r - b.r) <= tol && std::abs(a.g - b.g) <= tol && std::abs(a.b - b.b) <= tol;
}

std::string slurp(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::ostream& operator<<(std::ostream& os, const rgba8& c)
{
    return os << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

// ---------------------------------------------------------------- the game screen

void GameTest::SetUp()
{
    EngineTest::SetUp();
    randomize_board = -1;  // the board stays as the level file lays it
    GameRotate = 0;        // what a fresh process inherits as "the level before"
    write_level(1);
}

rgba8 GameTest::owl_colour(int c, int r)
{
    int k = r * 3 + c;
    return rgba8{static_cast<std::uint8_t>(40 + 25 * k), static_cast<std::uint8_t>(220 - 20 * k), 90, 255};
}

void GameTest::write_level(int level, const std::string& extra, int time)
{
    std::string dir = "data/level" + std::to_string(level);
    fs::create_directories(dir);
    write_png(dir + "/owl.png", 99, 99, false, [](int x, int y) { return owl_colour(x / 33, y / 33); });
    write_png(dir + "/key.png", 66, 33, false,
              [](int x, int) { return x < 33 ? rgba8{230, 60, 200, 255} : rgba8{60, 200, 230, 255}; });
    // All 81 cells, each value closed by a comma.
    int cells[81] = {102, 101, 103};
    for (int i = 3; i < 9; i++)
        cells[i / 3 * 9 + i % 3] = 101 + i;
    cells[36] = 202;
    cells[37] = 201;
    std::string board = "data=";
    for (int c : cells)
        board += std::to_string(c) + ",";
    write_text(dir + "/level.dat", "name=Test crypt " + std::to_string(level) + "\ntime=" + std::to_string(time) +
                                       "\nmatch=1\nfail=2\npic=1,3,3,99,99,owl.png\npic=2,2,1,66,33,key.png\n" + board +
                                       "\n" + extra);
}

void GameTest::write_image(const std::string& path, rgba8 colour)
{
    fs::create_directories(fs::path(path).parent_path());
    write_png(path, 640, 480, false, [colour](int, int) { return colour; });
}

void GameTest::enter_level(int level)
{
    GameLevel = static_cast<Uint8>(level);
    GameMode = GM_LOAD;
    engineMode = MODE_GAME;
}

bool GameTest::reach_play()
{
    for (int i = 0; i < 100 && !(GameMode == GM_PLAY && engineMode == MODE_GAME); i++) {
        if (GameMode == GM_SCREEN || GameMode == GM_CLUE || GameMode == GM_HELP)
            push_key(SDLK_RETURN);
        step();
    }
    step();
    return GameMode == GM_PLAY && engineMode == MODE_GAME;
}

void GameTest::drag(int from_x, int from_y, int to_x, int to_y)
{
    push_button(cell_x(from_x), cell_y(from_y), SDL_MOUSEBUTTONDOWN);
    push_motion(cell_x(to_x), cell_y(to_y));
    push_button(cell_x(to_x), cell_y(to_y), SDL_MOUSEBUTTONUP);
    step();
}

void GameTest::press(SDLKey key)
{
    const Uint8 hat = key == SDLK_LEFT ? SDL_HAT_LEFT : key == SDLK_DOWN ? SDL_HAT_DOWN : 0;
    const int button = key == SDLK_RIGHT ? PAD_CROSS[3] : key == SDLK_SPACE ? 0 : key == SDLK_r ? 2 : 1;
    if (!by_pad)
        push_key(key);
    else if (hat)
        push_hat(hat), push_hat(SDL_HAT_CENTERED);
    else if (key == SDLK_UP)
        push_axis(1, -32768), push_axis(1, 0);
    else
        push_pad_button(button), push_pad_button(button, SDL_JOYBUTTONUP);
}

void GameTest::cursor_to(int x, int y)
{
    for (int i = 0; i <= BOARD_SIDE; i++)
        press(SDLK_LEFT), press(SDLK_UP);
    for (int i = 0; i < x; i++)
        press(SDLK_RIGHT);
    for (int i = 0; i < y; i++)
        press(SDLK_DOWN);
}

void GameTest::key_move(int from_x, int from_y, int to_x, int to_y)
{
    cursor_to(from_x, from_y);
    press(SDLK_SPACE);
    step();  // SDL 1.2's queue holds 128 events
    cursor_to(to_x, to_y);
    press(SDLK_SPACE);
    step();
    if (DragDropGridID != -1)
        press(SDLK_ESCAPE), step();
}

void GameTest::win_level(int level, Uint32 play_ms)
{
    if (level)
        enter_level(level);
    ASSERT_TRUE(reach_play());
    step(play_ms);
    drag(0, 0, 1, 0);
    for (int i = 0; i < 400 && GameMode != GM_WIN; i++) {
        if (GameMode == GM_WIN_IMAGE)
            push_key(SDLK_SPACE);
        step();
    }
    step();
    ASSERT_EQ(GameMode, GM_WIN);
}

void GameTest::run_while(Uint8 mode, int n, Uint32 ms)
{
    for (int i = 0; i < n && GameMode == mode; i++)
        step(ms);
}

void GameTest::play_solution(const std::string& halfway_shot, bool by_keys)
{
    auto grid = Grid;
    auto match = Match;
    auto fail = Fail;
    solver_result r = solve_board();
    Grid = grid, Match = match, Fail = fail;
    ASSERT_TRUE(r.won) << "level " << int(GameLevel) << ": " << r.problem;
    for (size_t n = 0; n < r.moves.size(); n++) {
        const solver_move& m = r.moves[n];
        if (n == r.moves.size() / 2 && !halfway_shot.empty())
            screenshot(halfway_shot);
        for (int i = 0; i < 100 && ShowingMatch == 1; i++)
            step();
        ASSERT_EQ(GameMode, GM_PLAY) << "level " << int(GameLevel) << " was decided before its last move";
        int fx = cell_x(m.from % 9), fy = cell_y(m.from / 9);
        if (by_keys && m.kind == solver_move::TURN) {
            cursor_to(m.from % 9, m.from / 9);
            press(SDLK_r);
        } else if (by_keys) {
            key_move(m.from % 9, m.from / 9, m.to % 9, m.to / 9);
            continue;
        } else if (m.kind == solver_move::TURN) {
            push_button(fx, fy, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
            push_button(fx, fy, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
        } else {
            push_button(fx, fy, SDL_MOUSEBUTTONDOWN);
            push_motion(cell_x(m.to % 9), cell_y(m.to / 9));
            push_button(cell_x(m.to % 9), cell_y(m.to / 9), SDL_MOUSEBUTTONUP);
        }
        step();
    }
}
