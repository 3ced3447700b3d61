// checkdata: checks the run-time data tree the way the game will read it.
//
//   checkdata DATA_DIR
//
// Loads every level through the game's own parser and checks its pictures,
// goals and board, the password list, the help schedule, the story images,
// and that the solver wins every level within its time. Prints one line per
// problem and exits 1 when there is any.
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "rules/board.h"
#include "rules/help_config.h"
#include "rules/image_decode.h"
#include "rules/level_file.h"
#include "rules/password_line.h"
#include "rules/passwords.h"
#include "rules/level_run.h"
#include "rules/solver.h"
#include "rules/typeface.h"

namespace {

constexpr int LEVELS = 20;
constexpr unsigned SHUFFLES = 10;
int problems = 0;

void problem(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
void problem(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    std::vprintf(fmt, args);
    va_end(args);
    std::printf("\n");
    problems++;
}

// What a level author should know, though the level plays.
void warning(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
void warning(const char* fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    std::printf("warning: ");
    std::vprintf(fmt, args);
    va_end(args);
    std::printf("\n");
}

bool image_size(const std::string& path, int* w, int* h)
{
    image_rgba image;
    if (image_decode_file(path.c_str(), &image))
        return false;
    *w = image.w;
    *h = image.h;
    return true;
}

void check_image(const std::string& path, int w, int h)
{
    int iw = 0, ih = 0;
    if (!image_size(path, &iw, &ih))
        problem("%s: missing or does not load", path.c_str());
    else if (iw != w || ih != h)
        problem("%s: %dx%d, wanted %dx%d", path.c_str(), iw, ih, w, h);
}

// What the level file says, line by line, beyond what the parser keeps.
struct level_text {
    bool rotate = false, time = false;
    int cells = 0;  // values the last "data=" line stores
};

level_text read_text(const std::string& path)
{
    level_text t;
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (!f)
        return t;
    char line[1024];
    while (std::fgets(line, sizeof line, f)) {
        if (strncasecmp(line, "rotate=", 7) == 0)
            t.rotate = true;
        if (strncasecmp(line, "time=", 5) == 0)
            t.time = true;
        if (strncasecmp(line, "data=", 5) == 0) {
            t.cells = 0;
            for (const char* p = line; *p; p++)
                t.cells += *p == ',';
        }
    }
    std::fclose(f);
    return t;
}

struct level_facts {
    bool rotate = false, fail = false, rules = false;  // turning, forbidden pictures, rules 2 and 3
};

// The game's font at a size, opened once, to measure texts as the game
// shows them; null (and one problem) when it cannot be opened.
const typeface* game_font(const std::string& data, int size)
{
    static std::map<int, typeface> fonts;
    auto found = fonts.find(size);
    if (found != fonts.end())
        return found->second.face ? &found->second : nullptr;
    typeface& font = fonts[size];
    if (!typeface_open(&font, (data + "/base/LithosPro-Regular.otf").c_str(), size)) {
        problem("%s/base/LithosPro-Regular.otf: cannot measure texts at %d points", data.c_str(), size);
        return nullptr;
    }
    return &font;
}

level_facts check_level(const std::string& data, int level)
{
    level_facts facts;
    std::string dir = data + "/level" + std::to_string(level);
    std::vector<level_picture> pics;
    if (!load_level_file(data, level, 1, &pics)) {
        problem("level %d: %s/level.dat does not open", level, dir.c_str());
        return facts;
    }
    level_text text = read_text(dir + "/level.dat");
    if (!text.rotate || !text.time)
        problem("level %d: sets no rotate= or no time=, so it would inherit them from the level before", level);
    if (text.cells < BOARD_CELLS)
        problem("level %d: data= gives %d cells of 81; the rest would be inherited", level, text.cells);
    if (GameName[0] == 0)
        problem("level %d: has no name", level);
    // The title measured as the game draws it, from UTF-8.
    const typeface* small = game_font(data, TITLE_FONT_SIZE);
    int title_w = small ? typeface_width(*small, GameName) : 0;
    if (title_w > TITLE_PLATE_WIDTH)
        problem("level %d: its title is %d pixels wide; the name plate takes %d", level, title_w, TITLE_PLATE_WIDTH);

    std::set<int> declared;
    for (const level_picture& p : pics) {
        declared.insert(p.n);
        if (p.tw != 33 * p.w || p.th != 33 * p.h)
            problem("level %d: picture %d is %dx%d pixels for %dx%d cells", level, p.n, p.tw, p.th, p.w, p.h);
        check_image(dir + "/" + p.filename, p.tw, p.th);
    }

    // Which ids the board may hold, and how many of each it holds.
    std::vector<int> count(65536, 0);
    for (const gridtile& g : Grid)
        count[g.id]++;
    for (int id = 1; id < 65536; id++) {
        if (count[static_cast<size_t>(id)] == 0)
            continue;
        int n = id / 100, k = id % 100 - 1;
        bool ok = declared.count(n) && k >= 0 && k < Pictures[static_cast<size_t>(n - 1)].w * Pictures[static_cast<size_t>(n - 1)].h;
        if (!ok)
            problem("level %d: the board holds tile %d, which no declared picture has", level, id);
    }
    auto check_goals = [&](const std::array<matchfail, GOAL_SLOTS>& list, const char* what) {
        for (const matchfail& e : list) {
            if (e.id == 0)
                continue;
            if (!declared.count(e.id)) {
                problem("level %d: %s picture %d is not declared", level, what, e.id);
                continue;
            }
            const pictures& p = Pictures[static_cast<size_t>(e.id - 1)];
            for (int c = 0; c < p.w * p.h; c++)
                if (count[static_cast<size_t>(100 * e.id + 1 + c)] == 0)
                    problem("level %d: tile %d of %s picture %d is not on the board", level, 100 * e.id + 1 + c, what, e.id);
            if (e.direction != DIR_UPRIGHT && GameRotate == 0)
                problem("level %d: %s picture %d is asked turned on a level without turning", level, what, e.id);
        }
    };
    check_goals(Match, "goal");
    check_goals(Fail, "forbidden");
    for (const matchfail& m : Match)
        for (const matchfail& f : Fail)
            if (m.id != 0 && m.id == f.id && m.direction == f.direction) {
                warning("level %d: picture %d is both a goal and forbidden as it stands: completing it loses the level",
                        level, m.id);
                break;
            }
    facts.rotate = GameRotate != 0;
    facts.rules = MatchType == 2 || MatchType == 3;
    for (const matchfail& e : Fail)
        facts.fail = facts.fail || e.id != 0;

    // The story images: at least one screen, clue and win image, full size.
    for (const char* kind : {"screen", "clue", "win"}) {
        std::string first = dir + "/" + kind + "1.png";
        check_image(first, 640, 480);
        for (int i = 2; i < 10; i++) {
            std::string more = dir + "/" + kind + std::to_string(i) + ".png";
            int w, h;
            if (!image_size(more, &w, &h))
                break;
            if (w != 640 || h != 480)
                problem("%s: %dx%d, wanted 640x480", more.c_str(), w, h);
        }
    }

    // Winnable in time, over several shuffles.
    size_t worst = 0;
    for (unsigned seed = 1; seed <= SHUFFLES; seed++) {
        load_level_file(data, level, seed);
        solver_result r = solve_board();
        if (!r.won) {
            problem("level %d: the solver cannot win it (shuffle %u): %s", level, seed, r.problem);
            return facts;
        }
        worst = std::max(worst, r.moves.size());
    }
    load_level_file(data, level, 1);
    double need = static_cast<double>(worst) * SECONDS_PER_MOVE * time_margin(level);
    if (GameTimeTotal < need)
        problem("level %d: %u s is too short: %zu moves need %.0f s with a %.1fx margin", level, GameTimeTotal, worst,
                need, time_margin(level));
    return facts;
}

void check_passwords(const std::string& data)
{
    std::FILE* f = std::fopen((data + "/levels.dat").c_str(), "r");
    if (!f) {
        problem("%s/levels.dat does not open", data.c_str());
        return;
    }
    password_table table{};
    char line[1024];
    while (std::fgets(line, sizeof line, f))
        levels_parse_line(table, line);
    std::fclose(f);
    // Each must fit the start screen's password line with its cursor, or it cannot be typed.
    const typeface* font = game_font(data, PW_FONT_SIZE);
    std::set<std::string> seen;
    for (int level = 1; level < LEVELS; level++) {
        std::string pw = table[static_cast<size_t>(level - 1)].data();
        if (pw.empty()) {
            problem("levels.dat: level %d has no password, so level %d cannot be reached", level, level + 1);
            continue;
        }
        bool letters = pw.size() >= 4 && pw.size() <= 12;
        for (char c : pw)
            letters = letters && c >= 'a' && c <= 'z';
        if (!letters)
            problem("levels.dat: password \"%s\" of level %d is not 4 to 12 lowercase letters", pw.c_str(), level);
        int w = font ? typeface_width(*font, pw + PW_CURSOR) : 0;
        if (w > PW_LINE_WIDTH)
            problem("levels.dat: password \"%s\" of level %d is %d pixels wide with the cursor; the line takes %d",
                    pw.c_str(), level, w, PW_LINE_WIDTH);
        if (!seen.insert(pw).second)
            problem("levels.dat: password \"%s\" is used twice", pw.c_str());
    }
}

// Help opens on level 1 and where a mechanic first appears: forbidden
// pictures (page 3), turning (page 4), the rules "at least N" and "in order" (page 5).
void check_help(const std::string& data, const std::vector<level_facts>& facts)
{
    std::FILE* f = std::fopen((data + "/help/help.dat").c_str(), "r");
    if (!f) {
        problem("%s/help/help.dat does not open", data.c_str());
        return;
    }
    help_table table{};
    char line[1024];
    while (std::fgets(line, sizeof line, f))
        help_parse_line(table, line);
    std::fclose(f);
    auto first = [&](bool level_facts::*what) {
        for (size_t i = 0; i < facts.size(); i++)
            if (facts[i].*what)
                return static_cast<int>(i) + 1;
        return 0;
    };
    struct expected {
        int level, pages;
        const char* why;
    };
    const expected want[] = {{1, 2, "the first level"},
                             {first(&level_facts::fail), 3, "the first forbidden picture"},
                             {first(&level_facts::rotate), 4, "the first turning level"},
                             {first(&level_facts::rules), 5, "the first \"at least\" or \"in order\" rule"}};
    for (const expected& e : want) {
        if (e.level == 0)
            continue;
        const help_info& h = table[static_cast<size_t>(e.level - 1)];
        if (h.display != 1 || h.screens != e.pages)
            problem("help.dat: level %d (%s) should open the help with %d pages; it has %d pages%s", e.level, e.why,
                    e.pages, h.screens, h.display ? "" : " and does not open");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: checkdata DATA_DIR\n");
        return 2;
    }
    std::string data = argv[1];
    std::vector<level_facts> facts;
    for (int level = 1; level <= LEVELS; level++)
        facts.push_back(check_level(data, level));
    check_passwords(data);
    check_help(data, facts);
    check_image(data + "/opening/opnseq1.png", 640, 480);
    check_image(data + "/closing/closingsq1.png", 640, 480);
    if (problems == 0)
        std::printf("checkdata: %d levels, passwords, help and story images are in order\n", LEVELS);
    return problems == 0 ? 0 : 1;
}
