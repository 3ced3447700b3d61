// level_run.cpp -- loading a level file into the game's state as the game does, without a display
#include "rules/level_run.h"

#include <cstdio>
#include <cstdlib>

#include "rules/board.h"
#include "rules/random.h"

bool load_level_file(const std::string& data_dir, int level, unsigned seed, std::vector<level_picture>* pics)
{
    level_reset();
    random_seed(seed);
    std::string path = data_dir + "/level" + std::to_string(level) + "/level.dat";
    std::FILE* file = std::fopen(path.c_str(), "r");
    if (!file)
        return false;
    std::vector<level_picture> read;
    level_parse_file(file, level, read);
    std::fclose(file);
    BuildRandomBoard();
    if (pics)
        *pics = read;
    return true;
}

double time_margin(int level)
{
    if (level <= 1)
        return 3.0;
    if (level >= 20)
        return 1.3;
    return 3.0 - (3.0 - 1.3) * (level - 1) / 19.0;
}
