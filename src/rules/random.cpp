// random.cpp -- the game's one source of chance: the minimal standard generator
#include "rules/random.h"

#include <cstdlib>
#include <ctime>
#include <random>

static std::minstd_rand generator;

void random_seed(unsigned seed)
{
    generator.seed(seed);
}

int random_below(int n)
{
    return static_cast<int>(generator() % static_cast<unsigned>(n));
}

unsigned random_board_seed()
{
    const char* text = std::getenv("CRYPTSLIDERS_SEED");
    char* end = nullptr;
    if (text && *text) {
        unsigned long seed = std::strtoul(text, &end, 10);
        if (*end == '\0')
            return static_cast<unsigned>(seed);
    }
    return static_cast<unsigned>(std::time(nullptr));
}
