// solver.h -- finds moves that win the level lying on the board, under its rules
#pragma once

#include <cstdint>
#include <vector>

// One player action on the board: a drag from one cell onto another, or a
// right-button turn of one cell.
struct solver_move {
    enum kind_t : std::uint8_t { SWAP, TURN } kind;
    int from;  // board index; the turned cell for TURN
    int to;    // board index the dragged tile is dropped on; unused for TURN
};

struct solver_result {
    bool won = false;
    std::vector<solver_move> moves;
    const char* problem = "";  // why no win was found
};

// Plays the level from the board, goals and rules as they stand (loaded and
// shuffled), changing them as the game would, until the level is won. Every
// move is checked with the game's own picture test and goal rules, so a move
// that would complete a forbidden picture (or one out of order) is never made.
solver_result solve_board(int move_limit = 2000);

// What the game does after each release on the board: recognise completed goal
// pictures one after another and apply the rules. 1 won, -1 lost, 0 neither.
int solver_settle();
