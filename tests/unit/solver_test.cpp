// solver_test.cpp -- the solver wins under the level's rules and never by luck
#include <gtest/gtest.h>

#include "game/board.h"
#include "game/level_file.h"
#include "solver.h"

namespace {

// An empty level state: no pictures, no goals, an empty board, the start rules.
void clear_level()
{
    level_reset();
    Grid = {};
    Pictures = {};
    GameRotate = 0;
}

void declare(int n, int w, int h)
{
    Pictures[static_cast<size_t>(n - 1)] = pictures{"", static_cast<std::uint8_t>(w), static_cast<std::uint8_t>(h)};
}

void put(int cell, int id, int direction = DIR_UPRIGHT)
{
    Grid[static_cast<size_t>(cell)] = gridtile{static_cast<std::uint16_t>(id), static_cast<std::uint8_t>(direction), 0};
}

// Replays the moves on a fresh copy of the starting state the way the game
// handles releases; answers the outcome after the last move (1 won, -1 lost).
int replay(const std::vector<solver_move>& moves, const std::array<gridtile, BOARD_CELLS>& start,
           const std::array<matchfail, GOAL_SLOTS>& match, const std::array<matchfail, GOAL_SLOTS>& fail)
{
    Grid = start;
    Match = match;
    Fail = fail;
    int outcome = 0;
    for (const solver_move& m : moves) {
        EXPECT_EQ(outcome, 0) << "a move after the level was decided";
        gridtile& a = Grid[static_cast<size_t>(m.from)];
        EXPECT_EQ(a.locked, 0) << "a locked cell was moved";
        if (m.kind == solver_move::SWAP) {
            gridtile& b = Grid[static_cast<size_t>(m.to)];
            EXPECT_EQ(b.locked, 0) << "a tile was dropped on a locked cell";
            std::swap(a.id, b.id);
            std::swap(a.direction, b.direction);
        } else {
            EXPECT_NE(GameRotate, 0) << "a turn on a level without turning";
            a.direction = static_cast<std::uint8_t>((a.direction + 1) % 4);
        }
        outcome = solver_settle();
    }
    return outcome;
}

}  // namespace

TEST(Solver, StepsAroundAForbiddenPictureItWouldComplete)
{
    clear_level();
    declare(1, 2, 1);  // goal: 101 102
    declare(2, 2, 1);  // forbidden: 201 202
    declare(3, 1, 1);  // a second goal, so the first does not end the level
    Match[0] = {1, 0, DIR_UPRIGHT};
    Match[1] = {3, 0, DIR_UPRIGHT};
    Fail[0] = {2, 0, DIR_UPRIGHT};
    // Bringing 102 next to 101 drops 202 right of 201: the forbidden picture.
    put(0, 101);
    put(1, 202);
    put(2, 201);
    put(20, 102);
    put(40, 301);
    Grid[3] = gridtile{102, DIR_UPRIGHT, 0};  // the copy the solver will reach for first
    Grid[20] = gridtile{};
    auto start = Grid;
    auto match = Match, fail = Fail;
    solver_result r = solve_board();
    ASSERT_TRUE(r.won) << r.problem;
    EXPECT_EQ(replay(r.moves, start, match, fail), 1);
    EXPECT_EQ(Fail[0].matched, 0);
}

TEST(Solver, InOrderBuildsTheListInItsOrderAndTurnsTiles)
{
    clear_level();
    GameRotate = 1;
    MatchType = 3;
    declare(1, 2, 2);
    declare(2, 2, 2);
    Match[0] = {2, 0, DIR_UPSIDE};
    Match[1] = {1, 0, DIR_LEFT};
    const int cells[8] = {80, 70, 60, 50, 8, 17, 26, 35};
    const int ids[8] = {101, 102, 103, 104, 201, 202, 203, 204};
    for (int i = 0; i < 8; i++)
        put(cells[i], ids[i], i % 4);
    auto start = Grid;
    auto match = Match, fail = Fail;
    solver_result r = solve_board();
    ASSERT_TRUE(r.won) << r.problem;
    EXPECT_EQ(replay(r.moves, start, match, fail), 1);
}

TEST(Solver, ReportsLevelsThatCannotBeWon)
{
    clear_level();
    declare(1, 2, 1);
    Match[0] = {1, 0, DIR_UPRIGHT};
    put(5, 101);
    EXPECT_FALSE(solve_board().won) << "a tile is missing from the board";

    put(6, 102);
    Match[0].direction = DIR_UPSIDE;
    EXPECT_FALSE(solve_board().won) << "turned goal on a level without turning";

    Match[0].direction = DIR_UPRIGHT;
    MatchType = 0;
    EXPECT_FALSE(solve_board().won) << "a match rule that never wins";
}
