// leveldump.cpp -- prints what the game reads from one level file, for level authors
//
//   leveldump FILE
//
// The file is read with the game's own parser into a fresh state (no level
// loaded before: rotate 0, time 0, no pictures, an empty board); nothing else is
// loaded and the board is not shuffled.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "rules/board.h"
#include "rules/level_file.h"

// The level number in the file's folder name ("level12/level.dat" gives 12),
// which bounds the picture paths as the game forms them; 1 when there is none.
static int level_of(const std::string& path)
{
    size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return 1;
    size_t start = path.rfind("level", slash);
    if (start == std::string::npos)
        return 1;
    int n = std::atoi(path.c_str() + start + 5);
    return n > 0 ? n : 1;
}

static void print_goals(const char* key, const std::array<matchfail, GOAL_SLOTS>& list)
{
    for (const matchfail& e : list)
        if (e.id != 0)
            std::printf("%s=%i,%i\n", key, e.id, e.direction);
}

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: leveldump FILE\n");
        return 1;
    }
    std::FILE* file = std::fopen(argv[1], "r");
    if (!file) {
        std::fprintf(stderr, "leveldump: cannot open %s\n", argv[1]);
        return 1;
    }
    level_reset();
    std::vector<level_picture> pics;
    level_parse_file(file, level_of(argv[1]), pics);
    std::fclose(file);

    std::printf("name=%s\n", GameName);
    std::printf("rotate=%i\n", GameRotate);
    std::printf("time=%i\n", GameTimeTotal);
    std::printf("rules=%i,%i,%i,%i\n", MatchType, MatchCounter, FailType, FailCounter);
    print_goals("match", Match);
    print_goals("fail", Fail);
    for (int n = 1; n <= PICTURE_SLOTS; n++) {
        const pictures& p = Pictures[static_cast<size_t>(n - 1)];
        if (p.w != 0)
            std::printf("pic=%i,%i,%i,%s\n", n, p.w, p.h, p.filename);
    }
    std::printf("data=");
    for (int i = 0; i < BOARD_CELLS; i++)
        std::printf(i ? ",%i" : "%i", Grid[static_cast<size_t>(i)].id);
    std::printf("\n");
    return 0;
}
