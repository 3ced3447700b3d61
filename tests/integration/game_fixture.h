// game_fixture.h -- the engine on the game screen with small levels of the test's own
#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "engine_fixture.h"
#include "main.h"
#include "sound_spy.h"

#include "common.h"
#include "game/game.h"
#include "game/level_file.h"
#include "game/state.h"
#include "solver.h"

// Window centre of board cell (column x, row y).
inline int cell_x(int x) { return 79 + 33 * x; }
inline int cell_y(int y) { return 104 + 33 * y; }

// Colour of cell (c, r) of the test pictures: every cell its own.
inline rgba8 owl_colour(int c, int r)
{
    int k = r * 3 + c;
    return rgba8{static_cast<std::uint8_t>(40 + 25 * k), static_cast<std::uint8_t>(220 - 20 * k), 90, 255};
}
inline rgba8 key_colour(int c) { return c == 0 ? rgba8{230, 60, 200, 255} : rgba8{60, 200, 230, 255}; }

// The game screen driven as the main loop drives it, with the test's clocks.
class GameDriver : public EngineTest {
protected:
    // Enters the game screen at the level, as an accepted password does.
    void enter_level(int level)
    {
        GameLevel = static_cast<Uint8>(level);
        GameMode = GM_LOAD;
        engineMode = MODE_GAME;
    }

    // One turn of the main loop: the clocks move on, queued events are handled, a frame is drawn.
    void step(Uint32 ms = 20)
    {
        steps++;
        fake_clock_advance(ms);
        main_events();
        frame();
    }

    // Runs frames, leaving full-screen images by a key and closing the help,
    // until play is on; false when play is not reached.
    bool reach_play()
    {
        for (int i = 0; i < 100 && !(GameMode == GM_PLAY && engineMode == MODE_GAME); i++) {
            if (GameMode == GM_SCREEN || GameMode == GM_CLUE || GameMode == GM_HELP)
                push_key(SDLK_RETURN);
            step();
        }
        step();
        return GameMode == GM_PLAY && engineMode == MODE_GAME;
    }

    // A left-button drag from one cell to another, as the player does it.
    void drag(int from_x, int from_y, int to_x, int to_y)
    {
        push_button(cell_x(from_x), cell_y(from_y), SDL_MOUSEBUTTONDOWN);
        push_motion(cell_x(to_x), cell_y(to_y));
        push_button(cell_x(to_x), cell_y(to_y), SDL_MOUSEBUTTONUP);
        step();
    }

    // A click (press and release) of the left button at a window pixel.
    void click(int x, int y)
    {
        push_button(x, y, SDL_MOUSEBUTTONDOWN);
        push_button(x, y, SDL_MOUSEBUTTONUP);
        step();
    }

    void key(SDLKey k)
    {
        push_key(k);
        step();
    }

    // Frames ms apart until the state changes from the given one (at most n).
    void run_while(Uint8 mode, int n = 500, Uint32 ms = 20)
    {
        for (int i = 0; i < n && GameMode == mode; i++)
            step(ms);
    }

    int steps = 0;  // main loop turns so far

    // Works the solution out on the board as it lies (leaving the board as it
    // was), then plays it with the mouse, waiting out each showing; with a
    // name, the board halfway through is saved as that screenshot.
    void play_solution(int level, const std::string& halfway_shot = "")
    {
        auto grid = Grid;
        auto match = Match;
        auto fail = Fail;
        solver_result r = solve_board();
        Grid = grid;
        Match = match;
        Fail = fail;
        ASSERT_TRUE(r.won) << "level " << level << ": " << r.problem;
        for (size_t n = 0; n < r.moves.size(); n++) {
            const solver_move& m = r.moves[n];
            if (n == r.moves.size() / 2 && !halfway_shot.empty())
                screenshot(halfway_shot);
            for (int i = 0; i < 100 && ShowingMatch == 1; i++)
                step();
            ASSERT_EQ(GameMode, GM_PLAY) << "level " << level << " was decided before its last move";
            int fx = cell_x(m.from % 9), fy = cell_y(m.from / 9);
            if (m.kind == solver_move::TURN) {
                push_button(fx, fy, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
                push_button(fx, fy, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT);
            } else {
                int tx = cell_x(m.to % 9), ty = cell_y(m.to / 9);
                push_button(fx, fy, SDL_MOUSEBUTTONDOWN);
                push_motion(tx, ty);
                push_button(tx, ty, SDL_MOUSEBUTTONUP);
            }
            step();
        }
    }

    const gridtile& cell(int x, int y) const { return Grid[static_cast<size_t>(y * 9 + x)]; }

    bool played(int effect) const
    {
        for (int e : sound_spy.effects)
            if (e == effect)
                return true;
        return false;
    }
};

// Levels on disk: picture 1 (3 x 3, the goal) lies whole but for its first two
// tiles, which trade places; picture 2 (2 x 1, forbidden) likewise in row 4.
class GameTest : public GameDriver {
protected:
    // The levels these tests write, and the story sequences they lay out, start empty.
    std::vector<std::string> left_out() const override
    {
        return {"level1", "level2", "level20", "level60", "opening", "closing"};
    }
    void SetUp() override
    {
        GameDriver::SetUp();
        ASSERT_EQ(start_status, 0);
        randomize_board = -1;  // the board stays as the level file lays it
        GameRotate = 0;        // what a fresh process inherits as "the level before"
        sound_spy_clear();
        write_level(1, "");
    }

    static void write_level(int level, const std::string& extra, int time = 90)
    {
        std::string dir = "data/level" + std::to_string(level);
        std::filesystem::create_directories(dir);
        write_png(dir + "/owl.png", 99, 99, false, [](int x, int y) { return owl_colour(x / 33, y / 33); });
        write_png(dir + "/key.png", 66, 33, false, [](int x, int) { return key_colour(x / 33); });
        write_text(dir + "/level.dat", "name=Test crypt " + std::to_string(level) + "\n" +
                                           "time=" + std::to_string(time) + "\n" +
                                           "match=1\nfail=2\n"
                                           "pic=1,3,3,99,99,owl.png\npic=2,2,1,66,33,key.png\n" +
                                           board_line() + extra);
    }

    // All 81 cells, each value followed by a comma as the file format wants.
    static std::string board_line()
    {
        int cells[81] = {};
        const int owl[9] = {102, 101, 103, 104, 105, 106, 107, 108, 109};
        for (int i = 0; i < 9; i++)
            cells[i / 3 * 9 + i % 3] = owl[i];
        cells[36] = 202;
        cells[37] = 201;
        std::string line = "data=";
        for (int c : cells)
            line += std::to_string(c) + ",";
        return line + "\n";
    }

    // A full-screen image of one colour, for the numbered sequences.
    static void write_image(const std::string& path, rgba8 colour)
    {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        write_png(path, 640, 480, false, [colour](int, int) { return colour; });
    }

};
