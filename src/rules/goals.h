// goals.h -- the match and fail rules that win or lose a level by its pictures
#pragma once

#include <cstdint>

// What one goal step decides. When both hold, the win is reported first and
// the loss after it, so the loss decides the screen that follows.
struct goal_outcome {
    bool won = false;
    bool lost = false;  // lost with the fail banner
};

// Marks the first unmatched entry of the fail list, then of the match list,
// naming picture number n in orientation d, and applies MatchType and FailType.
goal_outcome goal_rules(int n, std::uint8_t d);
