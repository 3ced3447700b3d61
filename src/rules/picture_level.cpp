// picture_level.cpp -- a level made of the player's own pictures: a whole number of
// cells for each that keeps its proportions, packed on the board, shuffled as a
// level file's board is, and timed from the solver's moves
#include "rules/picture_level.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "rules/board.h"
#include "rules/level_run.h"
#include "rules/picture_intake.h"
#include "rules/solver.h"

namespace {

// Cells the pictures of a level may cover together at each difficulty, and
// the most one picture may take: few pictures fill the board, many share less.
constexpr double BOARD_SHARE[PICTURE_DIFFICULTIES] = {60, 48, 48};
constexpr double MAX_CELLS[PICTURE_DIFFICULTIES] = {63, 12, 12};
// Time for each solver move at each difficulty: the margins of the shipped
// levels' first, middle and late levels.
constexpr int PACE_LEVEL[PICTURE_DIFFICULTIES] = {1, 10, 15};
constexpr int MIN_SECONDS = 60;

// The shape nearest the proportions w : h with about `area` cells, at least
// two (a one-cell picture would stand whole on any shuffled board).
picture_shape shape_for(double aspect, double area)
{
    auto side = [](double v) { return std::clamp(static_cast<int>(std::lround(v)), 1, BOARD_SIDE); };
    picture_shape s;
    s.h = side(std::sqrt(area / aspect));
    s.w = side(s.h * aspect);
    if (s.w == BOARD_SIDE)
        s.h = side(BOARD_SIDE / aspect);
    if (s.h == BOARD_SIDE)
        s.w = side(BOARD_SIDE * aspect);
    // A strip too long for its share of the board is cut shorter.
    int longest = std::max(2, static_cast<int>(std::lround(area)));
    if (s.w * s.h > longest && s.h == 1)
        s.w = std::min(s.w, longest);
    if (s.w * s.h > longest && s.w == 1)
        s.h = std::min(s.h, longest);
    if (s.w * s.h < 2)
        (aspect >= 1 ? s.w : s.h) = 2;
    return s;
}

// First fit, largest first, row by row: true when every shape found a place.
bool pack(std::vector<picture_shape>& shapes)
{
    std::vector<size_t> order(shapes.size());
    for (size_t i = 0; i < order.size(); i++)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return shapes[a].w * shapes[a].h > shapes[b].w * shapes[b].h; });
    std::array<bool, BOARD_CELLS> used{};
    for (size_t i : order) {
        picture_shape& s = shapes[i];
        bool placed = false;
        for (int y = 0; y + s.h <= BOARD_SIDE && !placed; y++)
            for (int x = 0; x + s.w <= BOARD_SIDE && !placed; x++) {
                bool free = true;
                for (int r = 0; r < s.h && free; r++)
                    for (int c = 0; c < s.w && free; c++)
                        free = !used[static_cast<size_t>((y + r) * BOARD_SIDE + x + c)];
                if (!free)
                    continue;
                for (int r = 0; r < s.h; r++)
                    for (int c = 0; c < s.w; c++)
                        used[static_cast<size_t>((y + r) * BOARD_SIDE + x + c)] = true;
                s.x = x;
                s.y = y;
                placed = true;
            }
        if (!placed)
            return false;
    }
    return true;
}

}  // namespace

std::vector<picture_shape> picture_shapes(const std::vector<std::pair<int, int>>& sizes, int difficulty)
{
    if (sizes.empty() || sizes.size() > PICTURE_SLOTS)
        return {};
    int d = std::clamp(difficulty, 0, PICTURE_DIFFICULTIES - 1);
    std::vector<double> area(sizes.size(), std::min(MAX_CELLS[d], BOARD_SHARE[d] / static_cast<double>(sizes.size())));
    std::vector<picture_shape> shapes(sizes.size());
    // Until they pack, the picture that takes most cells gives up a quarter of
    // them; at two cells each (twenty at most) they always do.
    for (;;) {
        for (size_t i = 0; i < sizes.size(); i++)
            shapes[i] = shape_for(static_cast<double>(std::max(1, sizes[i].first)) / std::max(1, sizes[i].second), area[i]);
        if (pack(shapes))
            return shapes;
        size_t largest = 0;
        for (size_t i = 1; i < shapes.size(); i++)
            if (shapes[i].w * shapes[i].h > shapes[largest].w * shapes[largest].h)
                largest = i;
        int cells = shapes[largest].w * shapes[largest].h;
        double aspect = static_cast<double>(std::max(1, sizes[largest].first)) / std::max(1, sizes[largest].second);
        do
            area[largest] = std::min(area[largest], static_cast<double>(cells)) * 0.9;
        while (area[largest] > 1 && shape_for(aspect, area[largest]).w * shape_for(aspect, area[largest]).h >= cells);
    }
}

std::uint16_t picture_level_time(std::size_t moves, int difficulty)
{
    int d = std::clamp(difficulty, 0, PICTURE_DIFFICULTIES - 1);
    double seconds = std::ceil(static_cast<double>(moves) * SECONDS_PER_MOVE * time_margin(PACE_LEVEL[d]));
    return static_cast<std::uint16_t>(std::clamp(seconds, static_cast<double>(MIN_SECONDS), 65535.0));
}

std::vector<int> picture_repeats(const std::vector<intake_image>& images)
{
    std::vector<int> first(images.size(), -1);
    for (std::size_t i = 0; i < images.size(); i++)
        for (std::size_t j = 0; j < i && first[i] < 0 && !images[i].rgba.empty(); j++)
            if (first[j] < 0 && images[j].w == images[i].w && images[j].h == images[i].h && images[j].rgba == images[i].rgba)
                first[i] = static_cast<int>(j);
    return first;
}

void picture_level_lay(const std::vector<picture_shape>& shapes, int difficulty, const char* title,
                       const look_table& looks)
{
    // The same lines a level file holds, read by the same parser.
    level_reset();
    TileLooks = looks;
    std::vector<level_picture> pics;
    std::string name = std::string("name=") + title;
    level_parse_line(name.c_str(), 0, pics);
    level_parse_line(picture_tiles_turn(difficulty) ? "rotate=1" : "rotate=0", 0, pics);
    std::array<std::uint16_t, BOARD_CELLS> cells{};
    char line[96];
    // Every picture a goal, the largest first: the order a patient player
    // builds them in, so that the large ones find room.
    std::vector<size_t> order;
    for (size_t i = 0; i < shapes.size() && i < PICTURE_SLOTS; i++)
        order.push_back(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return shapes[a].w * shapes[a].h > shapes[b].w * shapes[b].h; });
    for (size_t i : order) {
        std::snprintf(line, sizeof line, "match=%d,%d", static_cast<int>(i) + 1, DIR_UPRIGHT);
        level_parse_line(line, 0, pics);
    }
    for (size_t i = 0; i < shapes.size() && i < PICTURE_SLOTS; i++) {
        const picture_shape& s = shapes[i];
        int n = static_cast<int>(i) + 1;
        std::snprintf(line, sizeof line, "pic=%d,%d,%d,%d,%d,picture%d", n, s.w, s.h, s.w * INTAKE_CELL_PX, s.h * INTAKE_CELL_PX, n);
        level_parse_line(line, 0, pics);
        for (int r = 0; r < s.h; r++)
            for (int c = 0; c < s.w; c++)
                cells[static_cast<size_t>((s.y + r) * BOARD_SIDE + s.x + c)] = picture_tile_id(n, s.w, c, r);
    }
    std::string data = "data=";
    for (std::uint16_t id : cells)
        data += std::to_string(id) + ",";
    level_parse_line(data.c_str(), 0, pics);
    BuildRandomBoard();

    // The solver plays a copy of the board; the level starts from the original.
    std::array<gridtile, BOARD_CELLS> grid = Grid;
    std::array<matchfail, GOAL_SLOTS> match = Match, fail = Fail;
    solver_result r = solve_board(4000);
    Grid = grid;
    Match = match;
    Fail = fail;
    ShowingMatch = 0;
    GameTimeTotal = picture_level_time(r.won ? r.moves.size() : 2 * BOARD_CELLS, difficulty);
}
