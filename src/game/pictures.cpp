// pictures.cpp -- a level of the player's own pictures on the game screen: its
// pictures read and cut into tiles, its clue image drawn at run time, its best time
#include "game/pictures.h"

#include <malloc.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "engine/engine.h"
#include "game/level.h"
#include "game/state.h"
#include "rules/decode_budget.h"
#include "rules/picture_level.h"
#include "rules/picture_set.h"
#include "rules/random.h"
#include "rules/translate.h"
#include "rules/utf8.h"
#include "screens/pictures.h"

namespace {

// Texts of the clue image.
std::array<font_s, 3> clue_words{};
const char* title_english = "";  // the message the title was made from
const SDL_Color CARVE = {150, 194, 214, 0};  // the clue images' lettering (the font takes B, G, R)

// The picture's texture holds the whole picture, its tiles each cell, as a
// level file's pictures do; where the art is drawn at twice the size, so are
// the pictures (fitted to that size), onto the same tiles.
void build_picture(int n, const picture_shape& s, const intake_image& fitted, int art)
{
    int w = s.w * INTAKE_CELL_PX, h = s.h * INTAKE_CELL_PX;
    Uint32 tex = static_cast<Uint32>(n + 9);
    sdl_loadpixels(tex, next_power_of_two(w), next_power_of_two(h), fitted.rgba.data(), w * art, h * art, art);
    ot_build_tile(static_cast<int>(tex), static_cast<int>(tex), 0, 0, static_cast<float>(w), static_cast<float>(h));
    for (int r = 0; r < s.h; r++)
        for (int c = 0; c < s.w; c++)
            ot_build_tile(picture_tile_id(n, s.w, c, r), static_cast<int>(tex), static_cast<float>(c * INTAKE_CELL_PX),
                          static_cast<float>(r * INTAKE_CELL_PX), INTAKE_CELL_PX, INTAKE_CELL_PX);
}

// A picture of the level passed over: on stderr, and named on the panel.
void pass_over(const picture_file& f, const char* why)
{
    picture_report(f.path, why);
    pictures_panel_passed_over(f.path, why);
}

}  // namespace

// One picture read within its share of the decoding budget, waiting for it
// while other pictures hold it. Running out of memory, or any other failure a
// library throws, passes the picture over, never the game.
static const char* read_picture(const picture_file& f, intake_image* out, int max_side)
{
    try {
        decode_share share(f.size + f.decode_bytes);
        const char* why = picture_image_read(f.path, out, max_side);
#ifdef __GLIBC__
        // What a large decode freed in this thread's arena goes back to the
        // system before the share does, so the next decode's bytes are not
        // counted on top of it. Small decodes (a JPEG read at an eighth) keep
        // theirs for the next one: trimming after each costs a quarter more time.
        constexpr std::uint64_t TRIM_AFTER_BYTES = 32u << 20;
        if (f.decode_bytes >= TRIM_AFTER_BYTES)
            malloc_trim(0);
#endif
        return why;
    } catch (const std::bad_alloc&) {
        *out = intake_image{};
        return "not enough memory to read it";
    } catch (...) {
        *out = intake_image{};
        return "its decoder failed";
    }
}

// Decoding is nearly all of a level's loading: the pictures are read on as
// many threads as there are cores (up to four), each taking the next picture
// not yet taken.
void read_pictures(const std::vector<picture_file>& files, std::vector<intake_image>& images,
                   std::vector<const char*>& why, int art)
{
    images.assign(files.size(), intake_image{});
    why.assign(files.size(), nullptr);
#ifdef __GLIBC__
    // The decoders' large buffers mapped apart and handed back as each picture
    // is done: glibc's threshold for that rises with the first one freed, and
    // what is freed below it stays in each thread's own arena, beyond the budget.
    // Held at 8 MB: smaller buffers (a JPEG decoded at an eighth, a reduction's
    // sums) are each mapped and cleared afresh below it, a third more time.
    mallopt(M_MMAP_THRESHOLD, 8 << 20);
#endif
    size_t threads = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 4);
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i; (i = next++) < files.size();)
            why[i] = read_picture(files[i], &images[i], INTAKE_MAX_SIDE * art);
    };
    std::vector<std::thread> helpers;
    try {
        for (size_t t = 1; t < threads && t < files.size(); t++)
            helpers.emplace_back(work);
    } catch (const std::exception&) {
        // No more threads to be had: those running, and this one, read them all.
    }
    work();
    for (std::thread& h : helpers)
        h.join();
}

namespace {

// The current level of the set: its pictures that read, the same photo only
// once; false when none of them can be read.
bool load_group()
{
    std::vector<picture_file> files = picture_set_group();
    std::vector<intake_image> read, images;
    std::vector<const char*> why;
    const int art = artset_scale();  // the pictures are read for the art drawn now
    read_pictures(files, read, why, art);
    std::vector<int> repeats = picture_repeats(read);
    std::vector<std::pair<int, int>> sizes;
    for (size_t i = 0; i < files.size(); i++) {
        if (why[i]) {
            pass_over(files[i], why[i]);
        } else if (repeats[i] >= 0) {
            std::string same = "the same picture as " + files[static_cast<size_t>(repeats[i])].name;
            pass_over(files[i], same.c_str());
        } else {
            sizes.emplace_back(read[i].w, read[i].h);
            images.push_back(std::move(read[i]));
        }
    }
    if (images.empty())
        return false;
    int difficulty = picture_set_difficulty();
    std::vector<picture_shape> shapes = picture_shapes(sizes, difficulty);
    // The pixels the tiles are cut from decide which tiles look alike.
    std::vector<intake_image> fitted;
    std::vector<look_picture> looks;
    for (size_t i = 0; i < shapes.size(); i++) {
        const picture_shape& s = shapes[i];
        fitted.push_back(intake_fit(images[i], s.w * INTAKE_CELL_PX * art, s.h * INTAKE_CELL_PX * art));
        images[i] = intake_image{};
    }
    for (size_t i = 0; i < shapes.size(); i++)
        looks.push_back({picture_tile_id(static_cast<int>(i) + 1, shapes[i].w, 0, 0), shapes[i].w, shapes[i].h,
                         INTAKE_CELL_PX * art, fitted[i].rgba.data()});
    // Made at its length, then cut between characters to what a title holds.
    char made[256], title[GAME_NAME_SIZE];
    // TRANSLATORS: the title of a level made of the player's own pictures: this level's number, the number of levels
    title_english = picture_set_levels() > 1 ? N_("Your pictures %d of %d") : N_("Your pictures");
    std::snprintf(made, sizeof made, tr(title_english), picture_set_level() + 1, picture_set_levels());
    utf8_copy(title, sizeof title, made);
    random_seed(random_board_seed());
    picture_level_lay(shapes, difficulty, title, tile_looks_build(looks, picture_tiles_turn(difficulty)));
    for (size_t i = 0; i < shapes.size(); i++)
        build_picture(static_cast<int>(i) + 1, shapes[i], fitted[i], art);
    font_free(&GameNameFont);
    font_make_for(&GameNameFont, FONT1, GameName, title_english, SDL_Color{0, 0, 0, 0});
    return true;
}

}  // namespace

Uint8 picture_level_load()
{
    do {
        if (load_group())
            return 1;
    } while (picture_set_next());  // a level none of whose pictures read is passed over
    return 0;
}

Uint8 picture_clue_load(int clue)
{
    if (clue != 1 || !game_load_fullscreen("data/base/ClueBackground.png"))
        return 0;
    // TRANSLATORS: the clue's foot: how the tiles lie, then the level's time, as 2:30
    static const char* const TURNING[] = {N_("Tiles lie upright   -   Time %s"), N_("Tiles lie upright   -   Time %s"),
                                          N_("Tiles lie turned: the right button turns them   -   Time %s")};
    const char* turning = TURNING[picture_set_difficulty()];
    char time[16], line[192];
    game_clock_text(GameTimeTotal, time, sizeof time);
    std::snprintf(line, sizeof line, tr(turning), time);
    for (font_s& f : clue_words)
        font_free(&f);
    font_make_for(&clue_words[0], FONT3, GameName, title_english, CARVE);
    font_say(&clue_words[1], FONT1, N_("Make every picture whole"), CARVE);
    font_make_for(&clue_words[2], FONT1, line, turning, CARVE);
    return 1;
}

// The pictures in one row, or two when one would make them small, centred
// between the words, each at the largest cell size that fits.
void picture_clue_draw()
{
    // The goal pictures in the order of their files.
    std::vector<int> shown;
    for (int n = 1; n <= PICTURE_SLOTS; n++)
        for (const matchfail& e : Match)
            if (e.id == n) {
                shown.push_back(n);
                break;
            }
    constexpr float ROW_WIDTH = 540, GAP = 16, TOP = 118, BOTTOM = 366;
    size_t per_row = shown.size() > 4 ? (shown.size() + 1) / 2 : shown.size();
    size_t rows = shown.empty() ? 1 : (shown.size() + per_row - 1) / per_row;
    float row_h = (BOTTOM - TOP - GAP * static_cast<float>(rows - 1)) / static_cast<float>(rows);
    // One cell size for all, so that the pictures keep their sizes' proportions.
    float cell = 44;
    for (size_t r = 0; r < rows; r++) {
        float cells_w = 0, cells_h = 0;
        for (size_t k = r * per_row; k < std::min(shown.size(), (r + 1) * per_row); k++) {
            const pictures& p = Pictures[static_cast<size_t>(shown[k] - 1)];
            cells_w += p.w;
            cells_h = std::max<float>(cells_h, p.h);
        }
        size_t n = std::min(shown.size(), (r + 1) * per_row) - r * per_row;
        cell = std::min({cell, (ROW_WIDTH - GAP * static_cast<float>(n - 1)) / cells_w, row_h / cells_h});
    }
    float scale = cell / INTAKE_CELL_PX;
    for (size_t r = 0; r < rows; r++) {
        size_t first = r * per_row, last = std::min(shown.size(), first + per_row);
        float width = GAP * static_cast<float>(last - first - 1), top = TOP + static_cast<float>(r) * (row_h + GAP);
        for (size_t k = first; k < last; k++)
            width += Pictures[static_cast<size_t>(shown[k] - 1)].w * cell;
        float x = 320 - width / 2;
        for (size_t k = first; k < last; k++) {
            const pictures& p = Pictures[static_cast<size_t>(shown[k] - 1)];
            float y = top + (row_h - p.h * cell) / 2;
            static const ot_rgba SHADOW = {12, 10, 8, 255};
            ot_fill(x + 3, y + 4, x + 3 + p.w * cell, y + 4 + p.h * cell, &SHADOW);
            ot_blit_scale(static_cast<Uint32>(shown[k] + 9), x, y, nullptr, scale);
            x += p.w * cell + GAP;
        }
    }
    game_display_centred(&clue_words[0], 320, 58);
    game_display_centred(&clue_words[1], 320, 96);
    game_display_centred(&clue_words[2], 320, 386);
}
