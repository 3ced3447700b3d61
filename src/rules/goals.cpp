// goals.cpp -- the match and fail rules that win or lose a level by its pictures
#include "rules/goals.h"

#include "rules/board.h"
#include "rules/level_file.h"

namespace {

using goal_list = std::array<matchfail, GOAL_SLOTS>;

void mark_first(goal_list& list, int n, std::uint8_t d)
{
    for (matchfail& e : list)
        if (e.id == n && e.direction == d && e.matched == 0) {
            e.matched = 1;
            return;
        }
}

int done_count(const goal_list& list)
{
    int done = 0;
    for (const matchfail& e : list)
        done += e.id != 0 && e.matched == 1;
    return done;
}

int entry_count(const goal_list& list)
{
    int total = 0;
    for (const matchfail& e : list)
        total += e.id != 0;
    return total;
}

// At least `counter` entries done; a counter of 0 counts like 1.
bool reached(const goal_list& list, std::uint8_t counter)
{
    return done_count(list) >= (counter == 0 ? 1 : counter);
}

// Match rule 3: the done entries must form an unbroken run from entry 0.
// Returns whether the order was kept; sets all_done when every entry is done.
bool in_order(const goal_list& list, bool* all_done)
{
    int total = 0, done = 0;
    bool started = false, open = true;
    for (size_t i = 0; i < list.size(); i++) {
        const matchfail& e = list[i];
        if (e.id == 0)
            continue;
        total++;
        if (e.matched != 1) {
            if (started)
                open = false;
            continue;
        }
        done++;
        if (!open || (!started && i != 0))
            return false;
        started = true;
    }
    *all_done = done > 0 && done == total;
    return true;
}

}  // namespace

goal_outcome goal_rules(int n, std::uint8_t d)
{
    goal_outcome out;
    mark_first(Fail, n, d);
    mark_first(Match, n, d);

    switch (MatchType) {
    case 1:
        out.won = done_count(Match) == entry_count(Match);
        break;
    case 2:
        out.won = reached(Match, MatchCounter);
        break;
    case 3: {
        bool all_done = false;
        if (in_order(Match, &all_done))
            out.won = all_done;
        else
            out.lost = true;
        break;
    }
    default:
        break;
    }

    switch (FailType) {
    case 1:
        out.lost = out.lost || done_count(Fail) > 0;
        break;
    case 2:
        out.lost = out.lost || reached(Fail, FailCounter);
        break;
    case 3:
        out.lost = out.lost || (done_count(Fail) > 0 && done_count(Fail) == entry_count(Fail));
        break;
    default:
        break;
    }
    return out;
}
