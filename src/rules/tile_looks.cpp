// tile_looks.cpp -- which tiles of a level look alike: classes of (tile, turn)
// whose pixels are identical, so that a picture made whole as the player sees
// it (a flat sky, a plain border) stands whole for the game too
#include "rules/tile_looks.h"

#include <cstring>
#include <unordered_map>

look_table TileLooks{};

namespace {

// Looks of pairs without a class: the id and the turn, below every class's value.
constexpr std::uint32_t CLASS_BASE = 1u << 20;

// One (tile, turn) of a picture being compared.
struct pair_ref {
    const look_picture* pic;
    int c, r, turns;
};

// The RGBA of pixel (x, y) of the cell turned `turns` quarter turns clockwise.
const std::uint8_t* turned_pixel(const pair_ref& p, int x, int y)
{
    int n = p.pic->px - 1, sx = x, sy = y;
    switch (p.turns) {
    case 1:
        sx = y, sy = n - x;
        break;
    case 2:
        sx = n - x, sy = n - y;
        break;
    case 3:
        sx = n - y, sy = x;
        break;
    default:
        break;
    }
    std::size_t row = static_cast<std::size_t>(p.pic->w) * static_cast<std::size_t>(p.pic->px);
    std::size_t at = (static_cast<std::size_t>(p.r * p.pic->px + sy)) * row + static_cast<std::size_t>(p.c * p.pic->px + sx);
    return p.pic->rgba + at * 4;
}

std::uint64_t pair_hash(const pair_ref& p)
{
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (int y = 0; y < p.pic->px; y++)
        for (int x = 0; x < p.pic->px; x++) {
            const std::uint8_t* px = turned_pixel(p, x, y);
            for (int k = 0; k < 4; k++)
                hash = (hash ^ px[k]) * 0x100000001b3ull;
        }
    return hash;
}

bool same_pixels(const pair_ref& a, const pair_ref& b)
{
    if (a.pic->px != b.pic->px)
        return false;
    for (int y = 0; y < a.pic->px; y++)
        for (int x = 0; x < a.pic->px; x++)
            if (std::memcmp(turned_pixel(a, x, y), turned_pixel(b, x, y), 4) != 0)
                return false;
    return true;
}

std::uint16_t tile_of(const pair_ref& p)
{
    return static_cast<std::uint16_t>(p.pic->first + p.r * p.pic->w + p.c);
}

}  // namespace

std::uint32_t tile_look(std::uint16_t id, int turns)
{
    turns &= 3;
    std::uint16_t cls = id < LOOK_TILES ? TileLooks.cls[id][static_cast<std::size_t>(turns)] : 0;
    return cls != 0 ? CLASS_BASE + cls : static_cast<std::uint32_t>(id) * 4 + static_cast<std::uint32_t>(turns);
}

bool tile_looks_as(std::uint16_t id, std::uint8_t d, std::uint16_t want, std::uint8_t dir)
{
    if (d > 3 || dir > 3)
        return false;
    return tile_look(id, d - dir) == tile_look(want, 0);
}

int tile_turns_to(std::uint16_t id, std::uint8_t d, std::uint16_t want, std::uint8_t dir)
{
    for (int t = 0; t < 4 && d <= 3; t++)
        if (tile_looks_as(id, static_cast<std::uint8_t>((d + t) % 4), want, dir))
            return t;
    return -1;
}

look_table tile_looks_build(const std::vector<look_picture>& pictures, bool turning)
{
    std::vector<pair_ref> pairs;
    for (const look_picture& p : pictures) {
        if (!p.rgba || p.w <= 0 || p.h <= 0 || p.px <= 0 || p.first + p.w * p.h > LOOK_TILES)
            continue;
        for (int r = 0; r < p.h; r++)
            for (int c = 0; c < p.w; c++)
                for (int t = 0; t < (turning ? 4 : 1); t++)
                    pairs.push_back({&p, c, r, t});
    }
    // Each pair joins the first earlier pair of the same pixels; the pairs
    // that some other pair joined, and those that joined them, make a class.
    std::vector<std::size_t> leader(pairs.size());
    std::vector<int> members(pairs.size(), 0);
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> seen;
    for (std::size_t i = 0; i < pairs.size(); i++) {
        leader[i] = i;
        std::vector<std::size_t>& same_hash = seen[pair_hash(pairs[i])];
        for (std::size_t j : same_hash)
            if (same_pixels(pairs[i], pairs[j])) {
                leader[i] = j;
                break;
            }
        if (leader[i] == i)
            same_hash.push_back(i);
        members[leader[i]]++;
    }
    look_table table{};
    std::vector<std::uint16_t> number(pairs.size(), 0);
    std::uint16_t classes = 0;
    for (std::size_t i = 0; i < pairs.size(); i++) {
        std::size_t l = leader[i];
        if (members[l] < 2)
            continue;
        if (number[l] == 0)
            number[l] = ++classes;
        table.cls[tile_of(pairs[i])][static_cast<std::size_t>(pairs[i].turns)] = number[l];
    }
    return table;
}
