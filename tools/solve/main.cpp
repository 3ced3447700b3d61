// solve: proves the levels winnable and reports how many moves they take.
//
//   solve DATA_DIR [FIRST [LAST]]
//
// Each level is shuffled with several fixed seeds, as the game shuffles it, and
// played by the solver; the line for a level gives the longest solution found.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "rules/level_run.h"
#include "rules/solver.h"

constexpr unsigned SHUFFLES = 10;

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: solve DATA_DIR [FIRST [LAST]]\n");
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
