// level_file.cpp -- the level definition file: its lines read into the level's state
//
// Bad data never reaches memory it should not: every number is clamped to its
// field or checked against its table, every string is bounded, and a line whose
// fields cannot all be read is skipped rather than using stale values.
#include "rules/level_file.h"

#include <strings.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "rules/random.h"
#include "rules/tile_looks.h"
#include "rules/utf8.h"

char GameName[GAME_NAME_SIZE] = {};
std::uint8_t GameRotate = 0;
std::uint16_t GameTimeTotal = 0;
std::uint8_t MatchType = 1, MatchCounter = 1, FailType = 1, FailCounter = 1;
std::uint8_t GameMatchsCount = 0, GameFailsCount = 0;

namespace {

constexpr int MAX_PICTURE_SIDE = 9;       // a wider picture could never stand whole
constexpr int MAX_IMAGE_SIDE = 4096;      // largest picture image, in pixels
constexpr size_t IMAGE_PATH_MAX = 127;    // what the image loader's path buffer holds
constexpr size_t CELL_TEXT_MAX = 255;     // longest text between two commas of "data="

// atoi's reading (blanks, sign, decimal digits, none gives 0), clamped to lo..hi
// instead of overflowing.
long read_clamped(const char* s, long lo, long hi)
{
    long v = std::strtol(s, nullptr, 10);
    return v < lo ? lo : v > hi ? hi : v;
}

std::uint8_t read_u8(const char* s)
{
    return static_cast<std::uint8_t>(read_clamped(s, 0, 255));
}

void add_goal(std::array<matchfail, GOAL_SLOTS>& list, std::uint8_t& count, const char* value)
{
    int n = 0, d = DIR_UPRIGHT;
    int fields = std::sscanf(value, "%i,%i", &n, &d);
    if (fields < 1 || n < 1 || n > PICTURE_SLOTS || count >= GOAL_SLOTS)
        return;
    if (fields < 2)
        d = DIR_UPRIGHT;
    // Codes outside 0..3 are kept (such a goal is never whole) but clamped to 8 bits.
    list[count] = matchfail{static_cast<std::uint16_t>(n), 0, static_cast<std::uint8_t>(d < 0 ? 255 : d > 255 ? 255 : d)};
    count++;
}

void add_picture(const char* value, int level, std::vector<level_picture>& pics)
{
    int n, w, h, tw, th;
    char file[1024];  // as long as a line, so an over-long name is seen and refused
    if (std::sscanf(value, "%i,%i,%i,%i,%i,%1023s", &n, &w, &h, &tw, &th, file) != 6)
        return;
    if (n < 1 || n > PICTURE_SLOTS || w < 1 || w > MAX_PICTURE_SIDE || h < 1 || h > MAX_PICTURE_SIDE)
        return;
    if (tw < 1 || tw > MAX_IMAGE_SIDE || th < 1 || th > MAX_IMAGE_SIDE)
        return;
    size_t len = std::strlen(file);
    char path[1100];
    int path_len = std::snprintf(path, sizeof path, "data/level%i/%s", level, file);
    if (len >= sizeof Pictures[0].filename || path_len < 0 || static_cast<size_t>(path_len) > IMAGE_PATH_MAX)
        return;
    pictures& pic = Pictures[static_cast<size_t>(n - 1)];
    std::memcpy(pic.filename, file, len + 1);
    pic.w = static_cast<std::uint8_t>(w);
    pic.h = static_cast<std::uint8_t>(h);
    level_picture decl{n, w, h, tw, th, {}};
    std::memcpy(decl.filename, file, len + 1);
    pics.push_back(decl);
}

// Values closed by commas fill the cells from cell 0; an unclosed last value
// is dropped, and so is whatever follows the board's last cell.
void read_board(const char* value)
{
    // A value to be stored that is too long for the collecting buffer makes
    // the whole line suspect; values never stored cannot.
    size_t run = 0;
    int closed = 0;
    for (const char* p = value; *p && closed < BOARD_CELLS; p++) {
        if (*p != ',') {
            run++;
            continue;
        }
        if (run > CELL_TEXT_MAX)
            return;
        run = 0;
        closed++;
    }
    char text[CELL_TEXT_MAX + 1];
    size_t used = 0;
    int cell = 0;
    for (const char* p = value; *p && cell < BOARD_CELLS; p++) {
        if (*p != ',') {
            if (used < CELL_TEXT_MAX)  // only an unclosed last value, never stored, runs longer
                text[used++] = *p;
            continue;
        }
        text[used] = '\0';
        used = 0;
        gridtile& g = Grid[static_cast<size_t>(cell++)];
        g.id = static_cast<std::uint16_t>(read_clamped(text, 0, 65535));
        g.locked = 0;
        g.direction = GameRotate ? static_cast<std::uint8_t>(random_below(4)) : DIR_UPRIGHT;
    }
}

// Does the line begin with key, in any letter case?
bool has_key(const char* line, const char* key)
{
    return strncasecmp(line, key, std::strlen(key)) == 0;
}

}  // namespace

void level_reset()
{
    std::memset(GameName, 0, sizeof GameName);
    GameMatchsCount = GameFailsCount = 0;
    MatchType = MatchCounter = FailType = FailCounter = 1;
    TileLooks = look_table{};
    for (auto* list : {&Match, &Fail})
        for (matchfail& e : *list) {
            e.id = 0;
            e.matched = 0;
        }
}

void level_parse_line(const char* raw, int level, std::vector<level_picture>& pics)
{
    // The line without its end.
    char line[1024];
    std::snprintf(line, sizeof line, "%s", raw);
    line[std::strcspn(line, "\r\n")] = '\0';

    if (has_key(line, "name=")) {
        utf8_copy(GameName, sizeof GameName, line + 5);  // a longer title is cut to 63 bytes, between characters
    } else if (has_key(line, "rotate=")) {
        GameRotate = read_clamped(line + 7, -1, 1) != 0;  // any value but 0 turns the tiles
    } else if (has_key(line, "time=")) {
        GameTimeTotal = static_cast<std::uint16_t>(read_clamped(line + 5, 0, 65535));
    } else if (has_key(line, "mtype=")) {
        MatchType = read_u8(line + 6);
    } else if (has_key(line, "mcounter=")) {
        MatchCounter = read_u8(line + 9);
    } else if (has_key(line, "match=")) {
        add_goal(Match, GameMatchsCount, line + 6);
    } else if (has_key(line, "ftype=")) {
        FailType = read_u8(line + 6);
    } else if (has_key(line, "fcounter=")) {
        FailCounter = read_u8(line + 9);
    } else if (has_key(line, "fail=")) {
        add_goal(Fail, GameFailsCount, line + 5);
    } else if (has_key(line, "pic=")) {
        add_picture(line + 4, level, pics);
    } else if (has_key(line, "data=")) {
        read_board(line + 5);
    }
}

void level_parse_file(std::FILE* file, int level, std::vector<level_picture>& pics)
{
    char line[1024];
    while (std::fgets(line, sizeof line, file))
        level_parse_line(line, level, pics);
}
