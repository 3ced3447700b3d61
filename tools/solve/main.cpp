// solve: proves the levels winnable and reports how many moves they take.
//
//   solve DATA_DIR [FIRST [LAST]]
//   solve --moves DATA_DIR LEVEL SEED
//
// Each level is shuffled with several fixed seeds, as the game shuffles it, and
// played by the solver; the line for a level gives the longest solution found.
// With --moves the level is shuffled once with SEED, as the game shuffles it
// when CRYPTSLIDERS_SEED is SEED, and the moves that win it are printed, one a
// line, at the centres of their cells in the 640 x 480 frame:
//   drag FROM_X FROM_Y TO_X TO_Y      a tile dragged onto another
//   turn X Y                          a tile turned (the right button)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "rules/board.h"
#include "rules/level_run.h"
#include "rules/solver.h"

constexpr unsigned SHUFFLES = 10;

// The centre of the board cell at index in the frame.
static int cell_x(int index)
{
    return BOARD_LEFT + CELL_SIZE * (index % BOARD_SIDE) + CELL_SIZE / 2;
}

static int cell_y(int index)
{
    return BOARD_TOP + CELL_SIZE * (index / BOARD_SIDE) + CELL_SIZE / 2;
}

static int print_moves(const std::string& data, int level, unsigned seed)
{
    if (!load_level_file(data, level, seed)) {
        std::fprintf(stderr, "solve: level %d: no level file in %s\n", level, data.c_str());
        return 1;
    }
    solver_result r = solve_board();
    if (!r.won) {
        std::fprintf(stderr, "solve: level %d not solved: %s\n", level, r.problem);
        return 1;
    }
    for (const solver_move& m : r.moves) {
        if (m.kind == solver_move::TURN)
            std::printf("turn %d %d\n", cell_x(m.from), cell_y(m.from));
        else
            std::printf("drag %d %d %d %d\n", cell_x(m.from), cell_y(m.from), cell_x(m.to), cell_y(m.to));
    }
    return 0;
}

int main(int argc, char** argv)
{
    if (argc == 5 && std::string(argv[1]) == "--moves")
        return print_moves(argv[2], std::atoi(argv[3]), static_cast<unsigned>(std::strtoul(argv[4], nullptr, 10)));
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: solve DATA_DIR [FIRST [LAST]]\n       solve --moves DATA_DIR LEVEL SEED\n");
        return 2;
    }
    std::string data = argv[1];
    int first = argc > 2 ? std::atoi(argv[2]) : 1;
    int last = argc > 3 ? std::atoi(argv[3]) : (argc > 2 ? first : 20);
    int status = 0;
    for (int level = first; level <= last; level++) {
        size_t worst = 0;
        bool all_won = true;
        for (unsigned seed = 1; seed <= SHUFFLES; seed++) {
            if (!load_level_file(data, level, seed)) {
                std::printf("level %d: no level file\n", level);
                all_won = false;
                break;
            }
            solver_result r = solve_board();
            if (!r.won) {
                std::printf("level %d: not solved (shuffle %u): %s\n", level, seed, r.problem);
                all_won = false;
                break;
            }
            worst = std::max(worst, r.moves.size());
        }
        if (!all_won) {
            status = 1;
            continue;
        }
        double need = static_cast<double>(worst) * SECONDS_PER_MOVE;
        std::printf("level %2d: %3zu moves, %4.0f s at 3 s a move, time %5u s, %.1fx (wanted %.1fx)\n", level, worst,
                    need, GameTimeTotal, GameTimeTotal / need, time_margin(level));
    }
    return status;
}
