// pictures.cpp -- the "Your pictures" panel: which pictures were found where, why
// some were passed over, where to put them, and the three difficulties
#include "screens/pictures.h"

#include <sys/stat.h>

#include <array>
#include <cstdio>
#include <cstdlib>

#include "engine/engine.h"
#include "rules/picture_level.h"
#include "rules/picture_set.h"

namespace {

constexpr int PANEL_TILE = 36;
constexpr float PANEL_X = 64, PANEL_Y = 48;

// The buttons, in the order Up and Down go through them: the three
// difficulties left to right, then Play and Back.
const key_button BUTTONS[] = {{96, 228, 284, 320}, {254, 386, 284, 320}, {412, 544, 284, 320},
                              {226, 306, 384, 416}, {334, 414, 384, 416}};
constexpr int BUTTON_COUNT = 5;
constexpr int PLAY = 3, BACK = 4;
const SDL_Color WORDS = {150, 194, 214, 0};  // the panel's lettering (the font takes B, G, R)
const ot_rgba CHOSEN = {255, 214, 96, 255};
constexpr int LINE_WIDTH = 470;  // the message slot's inside

picture_scan found;
int difficulty = PICTURE_MEDIUM;
std::array<font_s, 3> lines{};
key_focus focus{};
// At the end of a set that passed pictures over, the message slot lists them
// in place of the three lines, until the difficulty changes or the panel opens anew.
std::array<font_s, 5> passed_lines{};
bool passed_shown = false;
size_t scan_skips = 0;  // of found.skipped, those the scan passed over; the rest failed at a load

// The path with the home directory written as "~".
std::string shown_path(const std::string& path)
{
    const char* home = std::getenv("HOME");
    std::string h = home ? home : "";
    if (!h.empty() && path.compare(0, h.size(), h) == 0 && (path.size() == h.size() || path[h.size()] == '/'))
        return "~" + path.substr(h.size());
    return path;
}

std::string short_name(const std::string& path)
{
    std::string name = path.substr(path.find_last_of('/') + 1);
    return name.size() > 28 ? name.substr(0, 25) + "..." : name;
}

// The three lines; the last in its short form when the long one is too wide.
void set_lines(const std::string& a, const std::string& b, const std::string& c, const std::string& c_short)
{
    const std::string* texts[] = {&a, &b, &c};
    for (size_t i = 0; i < lines.size(); i++) {
        font_free(&lines[i]);
        font_make(&lines[i], FONT1, texts[i]->c_str(), WORDS);
    }
    if (lines[2].tw > LINE_WIDTH) {
        font_free(&lines[2]);
        font_make(&lines[2], FONT1, c_short.c_str(), WORDS);
    }
}

// The words for what the scan found: how many pictures and levels, or where
// to put pictures; and a word on what was passed over.
void describe(const std::vector<std::string>& paths)
{
    std::string where = paths.empty() ? shown_path(picture_folder()) : paths.size() == 1 ? shown_path(paths[0]) : "";
    std::string first, second, skipped, skipped_short;
    if (found.files.empty()) {
        first = paths.empty() ? "Put your photos in the folder " + where : "None of these pictures can be played.";
        second = paths.empty() ? "(make it if it is not there), then come back here." : "";
    } else {
        int per = PICTURES_PER_LEVEL[difficulty];
        int count = static_cast<int>(found.files.size()), levels = (count + per - 1) / per;
        char text[160];
        std::snprintf(text, sizeof text, "%d picture%s%s%s", count, count == 1 ? "" : "s", where.empty() ? "" : " in ",
                      where.c_str());
        first = text;
        std::snprintf(text, sizeof text, "%d level%s of up to %d pictures each", levels, levels == 1 ? "" : "s", per);
        second = text;
    }
    if (!found.skipped.empty()) {
        const picture_skip& s = found.skipped.front();
        char more[32] = "", text[200];
        if (found.skipped.size() > 1)
            std::snprintf(more, sizeof more, " and %zu more", found.skipped.size() - 1);
        std::snprintf(text, sizeof text, "Passed over: %s (%s)%s", short_name(s.path).c_str(), s.why.c_str(), more);
        skipped = text;
        std::snprintf(text, sizeof text, "Passed over: %s%s", short_name(s.path).c_str(), more);
        skipped_short = text;
    }
    set_lines(first, second, skipped, skipped_short);
}

// "name: why" for one picture passed over, its name shortened until the line fits.
void passed_line(font_s* f, const picture_skip& s)
{
    std::string name = short_name(s.path);
    for (;;) {
        font_free(f);
        font_make(f, FONT2, (name + ": " + s.why).c_str(), WORDS);
        if (f->tw <= LINE_WIDTH || name.size() <= 8)
            return;
        name = name.substr(0, name.size() - 7) + "...";
    }
}

// The pictures passed over in the set, those that failed at a level's load
// (news to the player) before those the scan passed over: a heading, then each
// with its reason, as many as the slot holds, the last line "and N more" where
// they do not all fit.
void list_passed_over()
{
    std::vector<const picture_skip*> order;
    for (size_t i = 0; i < found.skipped.size(); i++)
        order.push_back(&found.skipped[(i + scan_skips) % found.skipped.size()]);
    font_free(&passed_lines[0]);
    font_make(&passed_lines[0], FONT1,
              found.files.empty() ? "None of these pictures can be played:" : "These pictures were passed over:", WORDS);
    const size_t slots = passed_lines.size() - 1, count = found.skipped.size();
    for (size_t i = 0; i < slots; i++) {
        font_s* f = &passed_lines[i + 1];
        font_free(f);
        if (i + 1 == slots && count > slots) {
            char more[32];
            std::snprintf(more, sizeof more, "and %zu more", count - i);
            font_make(f, FONT2, more, WORDS);
        } else if (i < count) {
            passed_line(f, *order[i]);
        }
    }
    passed_shown = true;
}

std::vector<std::string> scanned_paths;

void scan(const std::vector<std::string>& paths)
{
    scanned_paths = paths;
    // A missing picture folder is no fault: the panel says where to make it.
    struct stat st;
    std::string folder = picture_folder();
    if (paths.empty() && stat(folder.c_str(), &st) != 0)
        found = picture_scan{};
    else
        found = picture_scan_paths(paths.empty() ? std::vector<std::string>{folder} : paths);
    for (const picture_skip& s : found.skipped)
        picture_report(s.path, s.why.c_str());
    scan_skips = found.skipped.size();
}

// Into the game at the first level of the pictures found.
void play()
{
    picture_set_begin(found.files, difficulty);
    play_music(MUSIC_GAME);
    GameLevel = 0;
    GameMode = GM_LOAD;
    engineMode = MODE_GAME;
}

}  // namespace

void pictures_panel_open(const std::vector<std::string>& paths)
{
    passed_shown = false;
    scan(paths);
    focus = key_focus{PLAY, 0};
    describe(paths);
}

bool pictures_play_paths(const std::vector<std::string>& paths)
{
    passed_shown = false;
    scan(paths);
    difficulty = PICTURE_MEDIUM;
    if (found.files.empty()) {
        focus = key_focus{BACK, 0};
        describe(paths);
        return false;
    }
    play();
    return true;
}

void pictures_panel_passed_over(const std::string& path, const char* why)
{
    for (size_t i = 0; i < found.files.size(); i++)
        if (found.files[i].path == path) {
            found.files.erase(found.files.begin() + static_cast<long>(i));
            found.skipped.push_back({path, why});
            break;
        }
    describe(scanned_paths);
}

bool pictures_panel_set_over()
{
    if (found.skipped.empty())
        return false;
    focus = key_focus{static_cast<Uint8>(found.files.empty() ? BACK : PLAY), 0};
    list_passed_over();
    return true;
}

Uint8 pictures_panel_click(int x, int y, int button, int type)
{
    (void)button;
    if (static_cast<Uint8>(type) != SDL_MOUSEBUTTONUP)
        return 1;
    for (int d = 0; d < PICTURE_DIFFICULTIES; d++)
        if (on_button(BUTTONS[d], x, y)) {
            play_sound(SFX_CLICK);
            difficulty = d;
            passed_shown = false;
            describe(scanned_paths);
            return 1;
        }
    if (on_button(BUTTONS[PLAY], x, y)) {
        if (found.files.empty())
            return 1;  // nothing to play: the panel says where pictures go
        play_sound(SFX_CLICK);
        play();
        return 0;
    }
    if (on_button(BUTTONS[BACK], x, y)) {
        play_sound(SFX_CLICK);
        return 0;
    }
    return 1;
}

Uint8 pictures_panel_keys(SDL_keysym* keysym)
{
    SDLKey sym = keysym->sym;
    if (sym == SDLK_ESCAPE)
        return 0;
    if (key_focus_move(focus, sym, BUTTON_COUNT))
        return 1;
    if (sym == SDLK_LEFT || sym == SDLK_RIGHT) {
        difficulty = (difficulty + (sym == SDLK_LEFT ? PICTURE_DIFFICULTIES - 1 : 1)) % PICTURE_DIFFICULTIES;
        passed_shown = false;
        describe(scanned_paths);
        return 1;
    }
    if (!key_is_press(sym))
        return 1;
    // Return or Space presses the highlighted button, or Play while none is shown.
    const key_button& b = BUTTONS[focus.shown ? focus.index : PLAY];
    return pictures_panel_click((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, SDL_BUTTON_LEFT, SDL_MOUSEBUTTONUP);
}

void pictures_panel_motion(int x, int y)
{
    (void)x;
    (void)y;
    focus.shown = 0;
}

void pictures_panel_draw()
{
    ot_blit(PANEL_TILE, PANEL_X, PANEL_Y, nullptr);
    // The three lines 30 pixels apart, or the list of what was passed over:
    // its heading, then lines of the small font 19 pixels apart.
    auto show = [](const font_s& f, int y) {
        int left = 320 - f.tw / 2;
        if (f.texture != 0)
            font_display(&f, left < 70 ? 70 : left, y - f.th / 2);
    };
    for (size_t i = 0; i < lines.size() && !passed_shown; i++)
        show(lines[i], 158 + 30 * static_cast<int>(i));
    for (size_t i = 0; i < passed_lines.size() && passed_shown; i++)
        show(passed_lines[i], i == 0 ? 158 : 165 + 19 * static_cast<int>(i));
    // The chosen difficulty: a bar under its button.
    const key_button& b = BUTTONS[difficulty];
    ot_fill(static_cast<float>(b.x0 + 10), static_cast<float>(b.y1 + 5), static_cast<float>(b.x1 - 10),
            static_cast<float>(b.y1 + 9), &CHOSEN);
    key_focus_draw(focus, BUTTONS);
}
