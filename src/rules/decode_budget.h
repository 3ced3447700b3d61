// decode_budget.h -- the memory that decoding the player's pictures may take at
// once, shared by the threads that decode them: each decode reserves its
// estimated peak before it starts and waits for its turn while that would pass
// the budget
#pragma once

#include <cstdint>

// All decodes together: with the game's own 110 MB or so, a level of large
// pictures keeps the whole game under 300 MB.
constexpr std::uint64_t DECODE_BUDGET_BYTES = 184u << 20;

// The budget in force; a picture whose estimate alone is larger cannot be read.
std::uint64_t decode_budget_total();
// Another budget, for a machine or a test that wants one (not while shares are held).
void decode_budget_set_total(std::uint64_t bytes);
// Bytes held by the shares alive now.
std::uint64_t decode_budget_in_use();

// A share of the budget, held while it lives. Taking it waits until the bytes
// are free; a share of more than the whole budget waits for all of it.
struct decode_share {
    explicit decode_share(std::uint64_t bytes);
    ~decode_share();
    decode_share(const decode_share&) = delete;
    decode_share& operator=(const decode_share&) = delete;
    std::uint64_t bytes;
};
