// pictures.cpp -- the "Your pictures" panel: which pictures were found where, why
// some were passed over, where to put them, and the three difficulties
#include "screens/pictures.h"

#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>

#include "engine/engine.h"
#include "rules/picture_level.h"
#include "rules/picture_set.h"
#include "rules/translate.h"
#include "screens/scan_worker.h"

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
constexpr int REASON_ROOM = 200; // the least a name keeps beside its reason, or the reason goes
constexpr Uint32 PROGRESS_MS = 100;  // the reading's count is drawn anew at most this often

picture_scan found;
bool reading = false;            // the scan runs on the worker; Play waits for its count
scan_progress shown_progress;    // the reading as the lines show it
Uint32 progress_time = 0;        // when they were made
int difficulty = PICTURE_MEDIUM;
std::array<font_s, 3> lines{};
key_focus focus{};
// At the end of a set that passed pictures over, the message slot lists them
// in place of the three lines, until the difficulty changes or the panel opens anew.
std::array<font_s, 5> passed_lines{};
bool passed_shown = false;
int photo_batches = 0;   // the batches of chosen photos the panel has read
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

// Stands for a name in a line made from a message, until the name is
// shortened to the room the rest of the line leaves it.
constexpr char NAME_MARK = '\x01';
constexpr const char* NAME_ARG = "\x01";

// A line made from a message and its arguments, one of them NAME_ARG: the
// name put in its place, shortened in the middle until the line fits.
std::string line_with(typeface* font, const std::string& made, const std::string& name)
{
    size_t at = made.find(NAME_MARK);
    if (at == std::string::npos)
        return made;
    std::string before = made.substr(0, at), after = made.substr(at + 1);
    return before + font_fit(font, name, LINE_WIDTH - font_width(font, before + after)) + after;
}

// A message's translation with its arguments put in.
template <typename... Args>
std::string format(const char* translated, Args... args)
{
    char text[512];
    std::snprintf(text, sizeof text, translated, args...);
    return text;
}

// One of the panel's three lines: its text, and the message it was made
// from, whose box it is set in.
struct panel_line {
    std::string text;
    const char* english = "";
};

void set_lines(const panel_line& a, const panel_line& b, const panel_line& c)
{
    const panel_line* texts[] = {&a, &b, &c};
    for (size_t i = 0; i < lines.size(); i++) {
        font_free(&lines[i]);
        font_make_for(&lines[i], FONT1, texts[i]->text.c_str(), texts[i]->english, WORDS);
    }
}

// The words for what the scan found: how many pictures and levels, or where
// to put pictures; and a word on what was passed over, with its reason while
// the name keeps some room beside it. While the scan runs, how far it is.
void describe(const std::vector<std::string>& paths)
{
    // Photos chosen in the page lie in a folder the player never sees: unnamed.
    std::string where = paths.empty()       ? (photo_picker_offered() ? "" : shown_path(picture_folder()))
                        : paths.size() == 1 ? shown_path(paths[0])
                                            : "";
    panel_line first, second, skipped;
    if (reading) {
        if (shown_progress.listed) {
            // TRANSLATORS: the pictures panel while it reads a folder: files read so far, files in all
            first.english = N_("Reading pictures: %zu of %zu");
            first.text = format(tr(first.english), shown_progress.checked, shown_progress.total);
        } else {
            first.english = N_("Reading pictures ...");
            first.text = tr(first.english);
        }
        if (!where.empty()) {
            // TRANSLATORS: under "Reading pictures": %s is the folder read
            second.english = N_("in %s");
            second.text = line_with(FONT1, format(tr(second.english), NAME_ARG), where);
        }
        set_lines(first, second, skipped);
        return;
    }
    if (found.files.empty() && paths.empty() && photo_picker_offered()) {
        // TRANSLATORS: the page's pictures panel; the next line is "or drop them here."
        first = {tr("Press Play to choose your photos,"), "Press Play to choose your photos,"};
        second = {tr("or drop them here."), "or drop them here."};
    } else if (found.files.empty() && paths.empty()) {
        // TRANSLATORS: %s is the player's pictures folder; the next line is "(make it if it is not there), then come back here."
        first.english = N_("Put your photos in the folder %s");
        first.text = line_with(FONT1, format(tr(first.english), NAME_ARG), where);
        second = {tr("(make it if it is not there), then come back here."),
                  "(make it if it is not there), then come back here."};
    } else if (found.files.empty()) {
        first = {tr("None of these pictures can be played."), "None of these pictures can be played."};
    } else {
        int per = PICTURES_PER_LEVEL[difficulty];
        int count = static_cast<int>(found.files.size()), levels = (count + per - 1) / per;
        const unsigned long n = static_cast<unsigned long>(count);
        if (where.empty()) {
            first.english = "%d picture";
            first.text = format(tr_n("%d picture", "%d pictures", n), count);
        } else {
            // TRANSLATORS: %d pictures found in the folder or file %s
            first.english = "%d picture in %s";
            first.text = line_with(FONT1, format(tr_n("%d picture in %s", "%d pictures in %s", n), count, NAME_ARG), where);
        }
        // TRANSLATORS: the levels the pictures make at the chosen difficulty, and the pictures a level holds at most
        second.english = "%d level of up to %d pictures each";
        second.text = format(tr_n("%d level of up to %d pictures each", "%d levels of up to %d pictures each",
                                  static_cast<unsigned long>(levels)),
                             levels, per);
    }
    if (!found.skipped.empty()) {
        // The first file passed over, with its reason while the name keeps
        // some room beside it, and how many more there are.
        const picture_skip& s = found.skipped.front();
        std::string name = s.path.substr(s.path.find_last_of('/') + 1), why = picture_skip_reason(s, true);
        const size_t more = found.skipped.size() - 1;
        // TRANSLATORS: the panel's last line: the name of a picture the game cannot play, then why
        const char* with = N_("Passed over: %s (%s)");
        const char* without = N_("Passed over: %s");
        if (more > 0) {
            // TRANSLATORS: as "Passed over: %s (%s)", with the number of other pictures passed over
            with = tr_n("Passed over: %s (%s) and %zu more", "Passed over: %s (%s) and %zu more", more);
            without = tr_n("Passed over: %s and %zu more", "Passed over: %s and %zu more", more);
        } else {
            with = tr(with);
            without = tr(without);
        }
        std::string line = format(with, NAME_ARG, why.c_str(), more);
        int room = LINE_WIDTH - font_width(FONT1, line) + font_width(FONT1, NAME_ARG);
        bool reason = room >= std::min(REASON_ROOM, font_width(FONT1, name));
        skipped.english = reason ? "Passed over: %s (%s)" : "Passed over: %s";
        skipped.text = line_with(FONT1, reason ? line : format(without, NAME_ARG, more), name);
    }
    set_lines(first, second, skipped);
}

// "name: why" for one picture passed over, its name shortened in the middle
// until the line fits.
void passed_line(font_s* f, const picture_skip& s)
{
    // TRANSLATORS: a picture passed over, in the list at the end of the player's pictures: its name, then why
    std::string line = format(tr("%s: %s"), NAME_ARG, picture_skip_reason(s, true).c_str());
    font_free(f);
    font_make_for(f, FONT2, line_with(FONT2, line, s.path.substr(s.path.find_last_of('/') + 1)).c_str(), "%s: %s", WORDS);
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
    font_say(&passed_lines[0], FONT1,
             found.files.empty() ? N_("None of these pictures can be played:") : N_("These pictures were passed over:"),
             WORDS);
    const size_t slots = passed_lines.size() - 1, count = found.skipped.size();
    for (size_t i = 0; i < slots; i++) {
        font_s* f = &passed_lines[i + 1];
        font_free(f);
        if (i + 1 == slots && count > slots) {
            // TRANSLATORS: the last line of the list of pictures passed over: how many more there are
            std::string more = format(tr_n("and %zu more", "and %zu more", count - i), count - i);
            font_make_for(f, FONT2, more.c_str(), "and %zu more", WORDS);
        } else if (i < count) {
            passed_line(f, *order[i]);
        }
    }
    passed_shown = true;
}

std::vector<std::string> scanned_paths;

// A scan's result taken over; every file passed over goes to stderr.
void scan_found(picture_scan result)
{
    reading = false;
    found = std::move(result);
    for (const picture_skip& s : found.skipped)
        picture_report(s.path, picture_skip_reason(s, false).c_str());
    scan_skips = found.skipped.size();
}

// Scans the paths, or the player's folder when there are none: on the worker
// when asked, the panel showing how far it is until the count stands, or at once.
void scan(const std::vector<std::string>& paths, bool on_worker)
{
    scanned_paths = paths;
    scan_worker_stop();
    // A missing picture folder is no fault: the panel says where to make it.
    struct stat st;
    std::string folder = picture_folder();
    std::vector<std::string> what = paths.empty() ? std::vector<std::string>{folder} : paths;
    if (paths.empty() && stat(folder.c_str(), &st) != 0) {
        scan_found(picture_scan{});
    } else if (on_worker) {
        reading = true;
        found = picture_scan{};
        shown_progress = scan_progress{};
        progress_time = SDL_GetTicks();
        scan_worker_start(what);
    } else {
        scan_found(picture_scan_paths(what));
    }
}

// The worker's news, at most every PROGRESS_MS: its count, or its result.
void follow_reading()
{
    Uint32 now = SDL_GetTicks();
    if (!reading || now - progress_time < PROGRESS_MS)
        return;
    progress_time = now;
    picture_scan result;
    scan_progress p = scan_worker_progress();
    if (scan_worker_take(&result))
        scan_found(std::move(result));
    else if (p.listed == shown_progress.listed && p.checked == shown_progress.checked)
        return;
    shown_progress = p;
    describe(scanned_paths);
}

void stop_reading()
{
    scan_worker_stop();
    reading = false;
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
    scan(paths, true);
    focus = key_focus{PLAY, 0};
    describe(paths);
}

bool pictures_play_paths(const std::vector<std::string>& paths)
{
    passed_shown = false;
    scan(paths, false);
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
    if (type != SDL_MOUSEBUTTONUP)
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
        if (!reading && found.files.empty() && scanned_paths.empty() && photo_picker_offered()) {
            play_sound(SFX_CLICK);
            photo_picker_open();
            return 1;
        }
        if (reading || found.files.empty())
            return 1;  // nothing to play yet, or the panel says where pictures go
        play_sound(SFX_CLICK);
        play();
        return 0;
    }
    if (on_button(BUTTONS[BACK], x, y)) {
        play_sound(SFX_CLICK);
        stop_reading();
        return 0;
    }
    return 1;
}

Uint8 pictures_panel_keys(SDL_keysym* keysym)
{
    SDLKey sym = keysym->sym;
    if (sym == SDLK_ESCAPE) {
        stop_reading();
        return 0;
    }
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

bool pictures_panel_reading()
{
    return reading;
}

bool pictures_panel_frame_due(Uint32 now)
{
    return (reading && now - progress_time >= PROGRESS_MS) || photo_picker_batches() != photo_batches;
}

void pictures_panel_draw()
{
    // Photos chosen or dropped in the page have been written to the folder.
    if (photo_picker_batches() != photo_batches) {
        photo_batches = photo_picker_batches();
        if (scanned_paths.empty()) {
            scan({}, false);
            describe({});
        }
    }
    follow_reading();
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
