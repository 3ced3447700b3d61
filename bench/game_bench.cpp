// game_bench: what the game itself costs, run from a directory that holds data/.
//
//   game_bench [IDLE_SECONDS]
//   game_bench scaled [NAME]   start-up, level loads and the full board's frame
//                              only, on a desktop that takes a window at twice
//                              the size, or full screen where the settings ask
//                              for it (drawn from the 2x art); the figures end
//                              in _NAME (_2x by default)
//
// Start-up to the first presented logo frame (and the decoding of every fixed
// image on its own, which the game does as each is first drawn), the load of
// every shipped level, the CPU time of a
// game-screen frame with a full board and of the overlays and the zoom, the
// idle cost of each screen under the real 10 ms loop, the time from a key to
// its presented frame, and the peak memory.
#include <SDL/SDL_opengl.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "bench_common.h"
#include "engine/engine.h"
#include "game/game.h"
#include "game/level.h"
#include "game/state.h"
#include "main.h"
#include "rules/level_file.h"
#include "screens/help.h"
#include "screens/start.h"

static double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// CPU time per frame of the current screen, drawn as the loop draws it (without
// the buffer swap and the sleep), the GL work finished each frame.
static double frame_cpu(int frames)
{
    main_draw();
    glFinish();
    double start = cpu_ms();
    for (int i = 0; i < frames; i++) {
        main_draw();
        glFinish();
    }
    return (cpu_ms() - start) / frames;
}

// The board filled with all 81 cells of level 20's pictures, turned every way,
// one in eight locked and tinted.
static void full_board()
{
    std::vector<Uint16> ids;
    for (int n = 1; n <= PICTURE_SLOTS; n++) {
        const pictures& p = Pictures[static_cast<size_t>(n - 1)];
        for (int k = 0; k < p.w * p.h; k++)
            ids.push_back(static_cast<Uint16>(100 * n + 1 + k));
    }
    for (int c = 0; c < BOARD_CELLS; c++)
        Grid[static_cast<size_t>(c)] = gridtile{ids.empty() ? Uint16{0} : ids[static_cast<size_t>(c) % ids.size()],
                                                static_cast<Uint8>(c % 4), static_cast<Uint8>(c % 8 == 0)};
}

// The wall-clock time of the last frame presented (the executable wraps the swap).
static std::atomic<double> last_present{0.0};
extern "C" void __real_SDL_GL_SwapBuffers(void);
extern "C" void __wrap_SDL_GL_SwapBuffers(void)
{
    __real_SDL_GL_SwapBuffers();
    last_present = wall_ms();
}

// A screen entered as the game enters it, so that the loop draws it at once.
static void enter_screen(Uint8 engine, Uint8 game)
{
    engineMode = engine;
    GameMode = game;
    SDL_Event e{};
    e.type = SDL_VIDEOEXPOSE;
    SDL_PushEvent(&e);
}

// CPU share of one screen under the real loop for a number of seconds.
static double idle_share(double seconds)
{
    double wall = wall_ms(), cpu = cpu_ms();
    while (wall_ms() - wall < seconds * 1000.0)
        main_turn();
    return (cpu_ms() - cpu) / (wall_ms() - wall);
}

// From a key press to the frame that shows it, under the real loop on the
// start screen's menu (where only input draws): keys pushed from another
// thread at random moments, as the window system delivers them, while the
// loop draws or sleeps. The median and the worst of the samples, in ms.
static std::pair<double, double> input_latency(int samples)
{
    std::atomic<double> pushed{0.0};
    std::atomic<bool> done{false};
    std::vector<double> waits;
    std::thread keys([&] {
        std::mt19937 random(7);
        for (int i = 0; i < samples; i++) {
            std::this_thread::sleep_for(std::chrono::microseconds(30000 + random() % 40000));
            SDL_Event e{};
            e.type = e.key.type = SDL_KEYDOWN;
            e.key.state = SDL_PRESSED;
            e.key.keysym.sym = SDLK_a;  // does nothing on the menu but ask for a frame
            pushed = wall_ms();
            SDL_PushEvent(&e);
            while (pushed != 0.0)
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        done = true;
    });
    while (!done) {
        main_turn();
        double p = pushed;
        if (p != 0.0 && last_present > p) {
            waits.push_back(last_present - p);
            pushed = 0.0;
        }
    }
    keys.join();
    return {median(waits), waits.empty() ? 0.0 : *std::max_element(waits.begin(), waits.end())};
}

// Level 20's full board in play, the clock stopped.
static void full_board_in_play()
{
    GameLevel = 20;
    level_load();
    full_board();
    engineMode = MODE_GAME;
    GameMode = GM_PLAY;
    GamePaused = 1;
    GameTimeRemaining = 600000;  // ms
}

int main(int argc, char** argv)
{
    bool scaled = argc > 1 && std::string(argv[1]) == "scaled";
    double idle_seconds = argc > 1 && !scaled ? std::atof(argv[1]) : 10.0;
    // Figures of the scaled run carry the frame's scale in their names.
    std::string at = scaled ? "_" + std::string(argc > 2 ? argv[2] : "2x") : "";
    double start = wall_ms();
    if (main_start() != 0 || engineDone)
        return 1;
    report(("game_start_ms" + at).c_str(), wall_ms() - start, "ms");
    main_turn();  // the first logo frame, presented
    report(("game_first_frame_epoch" + at).c_str(), epoch_ms(), "ms");
    // The data tree's share of start-up, each part loaded again on its own:
    // every fixed image, read and uploaded as its first blit does it; the help
    // images and file, the sounds, the fonts, the passwords.
    static const int FIXED_IMAGES[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 30, 31, 32, 33, 34, 35};
    double t = wall_ms();
    main_load_catalogue();
    for (int id : FIXED_IMAGES)
        ot_blit(static_cast<Uint32>(id), 0, 0, nullptr);
    glFinish();
    report(("catalogue_decode_ms" + at).c_str(), wall_ms() - t, "ms");
    t = wall_ms();
    help_init();
    sound_deinit();
    sound_init();
    font_deinit();
    font_init();
    levels_load();
    report(("other_data_ms" + at).c_str(), wall_ms() - t, "ms");

    // Every shipped level: parse, picture textures, cell tiles and shuffle.
    std::vector<double> loads;
    for (int level = 1; level <= 20; level++) {
        std::vector<double> runs;
        GameLevel = static_cast<Uint8>(level);
        for (int i = 0; i < 5; i++) {
            double t = wall_ms();
            if (!level_load())
                return 1;
            runs.push_back(wall_ms() - t);
        }
        loads.push_back(median(runs));
        report(("level_load_" + std::to_string(level) + at).c_str(), loads.back(), "ms");
    }
    report(("level_load_max" + at).c_str(), *std::max_element(loads.begin(), loads.end()), "ms");
    // What the board's first frame adds: level 20's ten pictures read and uploaded.
    std::vector<double> reads;
    GameLevel = 20;
    for (int i = 0; i < 5; i++) {
        level_load();
        double t = wall_ms();
        for (int n = 1; n <= 10; n++)
            ot_blit(static_cast<Uint32>(n + 9), 0, 0, nullptr);
        glFinish();
        reads.push_back(wall_ms() - t);
    }
    report(("level_pictures_read" + at).c_str(), median(reads), "ms");
    if (scaled) {
        full_board_in_play();
        report(("game_frame_cpu" + at).c_str(), frame_cpu(400), "ms");
        main_exit();
        return 0;
    }

    // Frames of the game screen with level 20's full board.
    full_board_in_play();
    report("game_frame_cpu", frame_cpu(400), "ms");
    GameMode = GM_HELP;
    report("help_frame_cpu", frame_cpu(400), "ms");
    GameMode = GM_OPTIONS;
    report("options_frame_cpu", frame_cpu(400), "ms");
    GameMode = GM_PLAY;
    MatchedX = 200;
    MatchedY = 200;
    MatchedDirection = 1;
    ShowingID = 0;
    ShowingMatch = 1;
    ShowingDirection = 1;
    ShowingNumber = 10;
    ShowingMS = SDL_GetTicks() + 100000;  // held at its largest
    report("zoom_frame_cpu", frame_cpu(400), "ms");
    ShowingMatch = 0;

    // The idle cost of each screen under the real loop: the logo's fades and
    // hold, the start screen and its password panel, play with the clock
    // running, and the panels over a stopped game.
    enter_screen(MODE_LOGO, 0);
    report("idle_logo", idle_share(std::min(idle_seconds, 3.0)), "share");
    enter_screen(MODE_START, 0);
    report("idle_start", idle_share(idle_seconds), "share");
    handle_mouse_click(330, 250, SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP);  // play: the password panel
    report("idle_password", idle_share(idle_seconds), "share");
    handle_mouse_click(320, 405, SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP);  // back
    enter_screen(MODE_GAME, GM_PLAY);
    GamePaused = 0;
    GameTimeStarting = SDL_GetTicks();
    report("idle_play", idle_share(idle_seconds), "share");
    GamePaused = 1;
    const struct {
        const char* name;
        Uint8 game;
    } panels[] = {{"idle_menu", GM_MENU}, {"idle_help", GM_HELP}, {"idle_options", GM_OPTIONS},
                  {"idle_win", GM_WIN}, {"idle_lose", GM_LOSE}};
    for (const auto& s : panels) {
        enter_screen(MODE_GAME, s.game);
        report(s.name, idle_share(idle_seconds), "share");
    }

    // Input: a key to its frame, against the old loop's frame interval (a frame
    // drawn every turn, then the 10 ms sleep).
    enter_screen(MODE_START, 0);
    main_turn();
    double turn = wall_ms();
    for (int i = 0; i < 50; i++) {
        main_draw();
        ot_end();
        SDL_Delay(10);
    }
    report("drawing_turn_ms", (wall_ms() - turn) / 50, "ms");
    auto [latency_median, latency_worst] = input_latency(100);
    report("input_latency_median", latency_median, "ms");
    report("input_latency_worst", latency_worst, "ms");
    report("peak_rss", static_cast<double>(status_kb("VmHWM:")), "kB");
    main_exit();
    return 0;
}
