// decode_budget.cpp -- the memory that decoding the player's pictures may take at
// once, shared by the threads that decode them: each decode reserves its
// estimated peak before it starts and waits for its turn while that would pass
// the budget
#include "rules/decode_budget.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace {

std::mutex guard;
std::condition_variable freed;
std::uint64_t total = DECODE_BUDGET_BYTES;
std::uint64_t in_use = 0;

}  // namespace

std::uint64_t decode_budget_total()
{
    std::lock_guard<std::mutex> hold(guard);
    return total;
}

void decode_budget_set_total(std::uint64_t bytes)
{
    std::lock_guard<std::mutex> hold(guard);
    total = bytes;
}

std::uint64_t decode_budget_in_use()
{
    std::lock_guard<std::mutex> hold(guard);
    return in_use;
}

decode_share::decode_share(std::uint64_t want)
{
    std::unique_lock<std::mutex> hold(guard);
    bytes = std::min(want, total);
    freed.wait(hold, [this] { return in_use + bytes <= total; });
    in_use += bytes;
}

decode_share::~decode_share()
{
    {
        std::lock_guard<std::mutex> hold(guard);
        in_use -= bytes;
    }
    freed.notify_all();
}
