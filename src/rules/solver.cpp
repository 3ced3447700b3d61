// solver.cpp -- finds moves that win the level lying on the board, under its rules
//
// The plan is the one a patient player follows: take the goal pictures one at a
// time (in list order where the order matters), choose for each the area of the
// board that already holds most of it, and bring its tiles in one swap each,
// turning them upright as needed. Before a move is kept it is tried on a copy of
// the state; if it would complete a forbidden picture, a tile of that picture is
// first moved out of the way.
#include "rules/solver.h"

#include <algorithm>
#include <array>

#include "rules/board.h"
#include "rules/goals.h"
#include "rules/level_file.h"
#include "rules/tile_looks.h"

namespace {

struct snapshot {
    std::array<gridtile, BOARD_CELLS> grid;
    std::array<matchfail, GOAL_SLOTS> match, fail;
};

snapshot save()
{
    return {Grid, Match, Fail};
}

void restore(const snapshot& s)
{
    Grid = s.grid;
    Match = s.match;
    Fail = s.fail;
}

struct solver_state {
    solver_result result;
    std::array<bool, BOARD_CELLS> fixed{};  // cells of the goal being built that are already right
    int limit = 0;
    int outcome = 0;  // of the last settle
};

// A move under the game's own rules; false when the game would refuse it.
bool apply(const solver_move& m)
{
    return m.kind == solver_move::SWAP ? board_swap(m.from, m.to) : board_turn(m.from);
}

bool movable(int c)
{
    return Grid[static_cast<size_t>(c)].locked == 0;
}

// Moves one tile of the picture that the last trial completed out of the way:
// to an empty cell no goal is being built on, or by a turn.
bool break_picture(solver_state& st, const snapshot& trial, const solver_move& wanted)
{
    for (int c = 0; c < BOARD_CELLS; c++) {
        bool newly_locked = trial.grid[static_cast<size_t>(c)].locked == 1 && Grid[static_cast<size_t>(c)].locked == 0;
        if (!newly_locked || st.fixed[static_cast<size_t>(c)] || c == wanted.from || c == wanted.to)
            continue;
        for (int e = BOARD_CELLS - 1; e >= 0; e--) {
            const gridtile& g = Grid[static_cast<size_t>(e)];
            if (g.id == 0 && movable(e) && !st.fixed[static_cast<size_t>(e)] && e != wanted.from && e != wanted.to &&
                trial.grid[static_cast<size_t>(e)].locked == 0) {
                solver_move away{solver_move::SWAP, c, e};
                if (!apply(away))
                    return false;
                st.result.moves.push_back(away);
                return true;
            }
        }
    }
    return false;
}

// Makes a move unless it would lose the level; breaks up what it would
// complete first. False when no safe way was found.
bool move(solver_state& st, const solver_move& m)
{
    for (int attempt = 0; attempt < 8; attempt++) {
        if (static_cast<int>(st.result.moves.size()) >= st.limit)
            return false;
        snapshot before = save();
        if (!apply(m)) {
            st.result.problem = "a move from or onto a locked cell";
            return false;
        }
        int outcome = solver_settle();
        if (outcome >= 0) {
            st.result.moves.push_back(m);
            st.outcome = outcome;
            return true;
        }
        snapshot trial = save();
        restore(before);
        if (!break_picture(st, trial, m))
            return false;
        if (solver_settle() != 0)  // moving a tile away completes nothing
            return false;
    }
    return false;
}

// Goal entries to complete, in the order to build them.
std::vector<int> chosen_entries()
{
    std::vector<int> entries;
    for (int i = 0; i < GOAL_SLOTS; i++)
        if (Match[static_cast<size_t>(i)].id != 0)
            entries.push_back(i);
    if (MatchType == 2) {
        // Any MatchCounter of them will do: the smallest pictures first.
        auto size = [](int i) {
            const pictures& p = Pictures[static_cast<size_t>(Match[static_cast<size_t>(i)].id - 1) % PICTURE_SLOTS];
            return p.w * p.h;
        };
        std::stable_sort(entries.begin(), entries.end(), [&](int a, int b) { return size(a) < size(b); });
        size_t need = MatchCounter == 0 ? 1 : MatchCounter;
        if (entries.size() > need)
            entries.resize(need);
    }
    return entries;
}

// Whether the goal pictures still to build after `entry` find room, first fit
// and largest first, among the cells neither locked nor taken.
bool rest_fits(int entry, std::array<bool, BOARD_CELLS> taken)
{
    for (int c = 0; c < BOARD_CELLS; c++)
        taken[static_cast<size_t>(c)] = taken[static_cast<size_t>(c)] || Grid[static_cast<size_t>(c)].locked == 1;
    std::vector<int> rest;
    for (int i : chosen_entries())
        if (i != entry && Match[static_cast<size_t>(i)].matched == 0)
            rest.push_back(i);
    auto cells_of = [](int i) {
        const pictures& p = Pictures[static_cast<size_t>(Match[static_cast<size_t>(i)].id - 1) % PICTURE_SLOTS];
        return p.w * p.h;
    };
    std::stable_sort(rest.begin(), rest.end(), [&](int a, int b) { return cells_of(a) > cells_of(b); });
    std::array<picture_cell, BOARD_CELLS> layout{};
    for (int i : rest) {
        const matchfail& m = Match[static_cast<size_t>(i)];
        bool placed = false;
        for (int pos = 0; pos < BOARD_CELLS && !placed; pos++) {
            int n = picture_layout(static_cast<std::uint16_t>(m.id - 1), m.direction, pos % BOARD_SIDE, pos / BOARD_SIDE, layout);
            bool free = n > 0;
            for (int k = 0; k < n && free; k++)
                free = !taken[static_cast<size_t>(layout[static_cast<size_t>(k)].index)];
            for (int k = 0; k < n && free; k++)
                taken[static_cast<size_t>(layout[static_cast<size_t>(k)].index)] = true;
            placed = free;
        }
        if (!placed)
            return false;
    }
    return true;
}

// The area for a goal picture that already holds most of it, avoiding locked
// cells; where one exists, an area that leaves room for the goals after it.
int choose_area(int entry, std::array<picture_cell, BOARD_CELLS>& cells)
{
    const matchfail& e = Match[static_cast<size_t>(entry)];
    int best = -1, best_count = 0;
    bool best_leaves_room = false;
    std::array<picture_cell, BOARD_CELLS> layout{};
    for (int top = 0; top < BOARD_SIDE; top++)
        for (int left = 0; left < BOARD_SIDE; left++) {
            int n = picture_layout(static_cast<std::uint16_t>(e.id - 1), e.direction, left, top, layout);
            if (n == 0)
                continue;
            int score = 0;
            bool free = true;
            for (int k = 0; k < n && free; k++) {
                const gridtile& g = Grid[static_cast<size_t>(layout[static_cast<size_t>(k)].index)];
                free = g.locked == 0;
                int turns = tile_turns_to(g.id, g.direction, layout[static_cast<size_t>(k)].id, e.direction);
                score += turns == 0 ? 3 : turns > 0 ? 2 : g.direction == e.direction;
            }
            if (!free || (best_leaves_room && score <= best))
                continue;
            std::array<bool, BOARD_CELLS> taken{};
            for (int k = 0; k < n; k++)
                taken[static_cast<size_t>(layout[static_cast<size_t>(k)].index)] = true;
            bool room = rest_fits(entry, taken);
            if ((room && !best_leaves_room) || (room == best_leaves_room && score > best)) {
                best = score;
                best_count = n;
                best_leaves_room = room;
                cells = layout;
            }
        }
    return best < 0 ? 0 : best_count;
}

// How many quarter turns the tile in cell c needs to show what a goal cell
// needs (its own tile, or one that looks the same), -1 when it never will.
int turns_needed(int c, const picture_cell& want, std::uint8_t d)
{
    const gridtile& g = Grid[static_cast<size_t>(c)];
    return tile_turns_to(g.id, g.direction, want.id, d);
}

// The cell holding a tile a goal cell needs: movable, not part of what is
// being built. Preferred: one already turned right, and one that does not
// already stand right in a cell of the area still to be built (where tiles
// look alike, another may serve there).
int find_source(const solver_state& st, const std::array<picture_cell, BOARD_CELLS>& cells, int n, int k, std::uint8_t d)
{
    std::array<bool, BOARD_CELLS> standing{};
    for (int j = k + 1; j < n; j++)
        standing[static_cast<size_t>(cells[static_cast<size_t>(j)].index)] =
            turns_needed(cells[static_cast<size_t>(j)].index, cells[static_cast<size_t>(j)], d) >= 0;
    int target = cells[static_cast<size_t>(k)].index, found = -1, found_rank = 4;
    for (int c = 0; c < BOARD_CELLS; c++) {
        int turns = turns_needed(c, cells[static_cast<size_t>(k)], d);
        if (c == target || turns < 0 || !movable(c) || st.fixed[static_cast<size_t>(c)])
            continue;
        int rank = (turns != 0) + 2 * standing[static_cast<size_t>(c)];
        if (rank < found_rank)
            found = c, found_rank = rank;
    }
    return found;
}

bool build_entry(solver_state& st, int entry)
{
    const matchfail e = Match[static_cast<size_t>(entry)];
    std::array<picture_cell, BOARD_CELLS> cells{};
    int n = choose_area(entry, cells);
    if (n == 0) {
        st.result.problem = "no free area on the board for a goal picture";
        return false;
    }
    st.fixed = {};
    for (int k = 0; k < n && st.outcome == 0 && Match[static_cast<size_t>(entry)].matched == 0; k++) {
        const picture_cell& pc = cells[static_cast<size_t>(k)];
        if (turns_needed(pc.index, pc, e.direction) < 0) {
            int src = find_source(st, cells, n, k, e.direction);
            if (src < 0) {
                st.result.problem = "a goal picture's tile is not on the board";
                return false;
            }
            if (!move(st, {solver_move::SWAP, src, pc.index})) {
                if (st.result.problem[0] == 0)
                    st.result.problem = "every way forward completes a forbidden picture";
                return false;
            }
        }
        for (int turns = 0; turns < 4 && st.outcome == 0 && Grid[static_cast<size_t>(pc.index)].locked == 0 &&
                            turns_needed(pc.index, pc, e.direction) > 0;
             turns++) {
            if (GameRotate == 0) {
                st.result.problem = "a goal asks for a turn on a level without turning";
                return false;
            }
            if (!move(st, {solver_move::TURN, pc.index, pc.index})) {
                if (st.result.problem[0] == 0)
                    st.result.problem = "every way forward completes a forbidden picture";
                return false;
            }
        }
        st.fixed[static_cast<size_t>(pc.index)] = true;
    }
    return true;
}

}  // namespace

int solver_settle()
{
    while (MatchGrid(1)) {
        ShowingMatch = 0;
        goal_outcome o = goal_rules(ShowingID + 1, MatchedDirection);
        if (o.lost)
            return -1;
        if (o.won)
            return 1;
    }
    return 0;
}

solver_result solve_board(int move_limit)
{
    solver_state st;
    st.limit = move_limit;
    if (MatchType < 1 || MatchType > 3) {
        st.result.problem = "the match rule never wins";
        return st.result;
    }
    for (int entry : chosen_entries()) {
        if (st.outcome != 0)
            break;
        if (Match[static_cast<size_t>(entry)].matched == 1)
            continue;
        if (!build_entry(st, entry))
            return st.result;
    }
    st.result.won = st.outcome == 1;
    if (!st.result.won && st.result.problem[0] == 0)
        st.result.problem = "all goals built but the level is not won";
    return st.result;
}
