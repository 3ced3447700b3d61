// clue.cpp -- a level's clue image, laid out from its goal lists and rules as the game's parser read them
#include <algorithm>

#include "clue_words.h"
#include "levelart.h"

using namespace paint;

namespace {

const Rgb kCarve = rgb(214, 194, 150);
const Rgb kWarn = rgb(236, 116, 92);

TextStyle style(double size, Face face, Rgb colour)
{
    TextStyle s;
    s.size = size;
    s.face = face;
    s.colour = colour;
    return s;
}

// A clue sentence as the drawing kit records it.
Words words_of(const Said& s)
{
    Words w(s.english);
    w.plural = s.plural;
    w.n = s.n;
    for (const Said::Arg& a : s.args)
        w.arg(a.text, a.look_up);
    return w;
}

struct Shown {
    const level_picture* p;
    int direction;
    Said note;
    double w() const { return direction % 2 ? p->w : p->h; }  // in cells, as it lies
    double h() const { return direction % 2 ? p->h : p->w; }
};

// The goals of one list that name a declared picture, with their notes.
std::vector<Shown> shown(const LevelArt& level, const std::vector<LevelArt::Goal>& goals, const std::vector<Said>& notes)
{
    std::vector<Shown> out;
    for (std::size_t i = 0; i < goals.size(); i++)
        if (const level_picture* p = level.picture(goals[i].id))
            out.push_back({p, goals[i].direction, i < notes.size() ? notes[i] : Said{}});
    return out;
}

constexpr double kNoteSize = 15;

// Width a picture's place in a row needs: the picture, or its English note if wider.
double slot_width(const Shown& s, double cell)
{
    double tw = 0, th = 0;
    if (!s.note.english.empty())
        text_size(english(s.note), kNoteSize, &tw, &th);
    return std::max(s.w() * cell, tw + 8);
}

// Draws one row of whole pictures, centred, with the largest cell (up to
// max_cell) that keeps it within 530 pixels and max_h; returns the y below its notes.
constexpr double kGap = 20, kRowWidth = 530;

double row_width(const std::vector<Shown>& items, double cell)
{
    double t = kGap * static_cast<double>(items.size() - 1);
    for (const Shown& s : items)
        t += slot_width(s, cell);
    return t;
}

double cells_high(const std::vector<Shown>& items)
{
    double cells_h = 1;
    for (const Shown& s : items)
        cells_h = std::max(cells_h, s.h());
    return cells_h;
}

// The largest cell, up to max_cell, that fits the row into its width and max_h.
double fit_cell(const std::vector<Shown>& items, double max_h, double max_cell)
{
    double cell = std::min(max_cell, max_h / cells_high(items));
    while (cell > 10 && row_width(items, cell) > kRowWidth)
        cell -= 0.5;
    return cell;
}

double row(cairo_t* cr, const std::vector<Shown>& items, double top, double max_h, double max_cell, bool forbidden)
{
    if (items.empty())
        return top;
    const double cell = fit_cell(items, max_h, max_cell), cells_h = cells_high(items);
    auto total = [&](double c) { return row_width(items, c); };
    double x = 320 - total(cell) / 2;
    const double row_h = cells_h * cell;
    bool notes = false;
    for (const Shown& s : items) {
        const double slot = slot_width(s, cell);
        const double w = s.w() * cell, h = s.h() * cell, px = x + (slot - w) / 2, y = top + (row_h - h) / 2;
        cairo_rectangle(cr, px + 3, y + 4, w, h);
        set(cr, kDeep, 0.7);
        cairo_fill(cr);
        draw_picture(cr, subject_for(s.p->filename), s.p->w, s.p->h, cell, px, y, s.direction);
        if (forbidden) {
            // A red rim and a bar across: pictures that must not stand whole.
            cairo_rectangle(cr, px - 2.5, y - 2.5, w + 5, h + 5);
            set(cr, kWarn);
            cairo_set_line_width(cr, 3);
            cairo_stroke(cr);
            cairo_move_to(cr, px + 4, y + h - 4);
            cairo_line_to(cr, px + w - 4, y + 4);
            set(cr, rgb(200, 40, 30), 0.85);
            cairo_set_line_width(cr, 4);
            cairo_stroke(cr);
        }
        if (!s.note.english.empty()) {
            // A note may spread into the gaps beside its picture's place.
            text(cr, words_of(s.note), x + slot / 2, top + row_h + 13, style(kNoteSize, Face::Embossed, kCarve),
                 {slot + kGap - 4, 20});
            notes = true;
        }
        x += slot + kGap;
    }
    return top + row_h + (notes ? 24 : 6);
}

// The pictures in one row, or in two when one row would make them small.
double rows(cairo_t* cr, const std::vector<Shown>& items, double top, double max_h, bool forbidden, double max_cell = 44)
{
    if (items.size() < 3 || fit_cell(items, max_h, max_cell) >= 30)
        return row(cr, items, top, max_h, max_cell, forbidden);
    const std::size_t half = (items.size() + 1) / 2;
    const std::vector<Shown> first(items.begin(), items.begin() + static_cast<long>(half));
    const std::vector<Shown> second(items.begin() + static_cast<long>(half), items.end());
    const double y = row(cr, first, top, (max_h - 30) / 2, 44, forbidden);
    return row(cr, second, y + 4, (max_h - 30) / 2, 44, forbidden);
}

}  // namespace

namespace {

// One clue image: the title, then the goals, the forbidden pictures or both,
// then whether tiles turn and the time.
ImagePtr clue_page(const LevelArt& level, int number, const ClueWords& words, const std::vector<Shown>& goals,
                   const std::vector<Shown>& fails)
{
    auto img = std::make_unique<Image>("level" + std::to_string(level.number) + "/clue" + std::to_string(number) + ".png",
                                       640, 480, false);
    cairo_t* cr = img->cr;
    // A dark slab under the frame the game lays over it (its opening is 26..614 x 26..454).
    cairo_rectangle(cr, 0, 0, 640, 480);
    set(cr, rgb(30, 27, 24));
    cairo_fill(cr);
    candle_light(cr, 320, 60, 420, 0.45);
    vignette(cr, 640, 480, 0.5);

    // TRANSLATORS: a clue image's title: the level's number and its title.
    Words title(N_("Chamber %d: %s"));
    title.arg(level.number).arg(level.name, Words::look_up);
    text(cr, title, 320, 62, style(30, Face::Brass, kCarve), {540, 36});
    // The rules and pictures are laid out on a recording surface first, then
    // centred between the title and the line at the bottom.
    cairo_surface_t* rec = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cairo_t* rc = cairo_create(rec);
    double y = 0;
    if (!goals.empty() || fails.empty()) {
        text(rc, words_of(words.match_rule), 320, y, style(24, Face::Embossed, kCarve), {560, 28});
        y = rows(rc, goals, y + 20, fails.empty() ? 220 : 112, false, fails.empty() ? 56 : 44) + 18;
    }
    if (!fails.empty()) {
        text(rc, words_of(words.fail_rule), 320, y, style(22, Face::Embossed, kWarn), {560, 26});
        rows(rc, fails, y + 18, goals.empty() ? 200.0 : 66.0, true);
    }
    cairo_destroy(rc);
    // Measured with the English words in place, so every language's words
    // lie where English's do.
    double ex, ey, ew, eh;
    cairo_recording_surface_ink_extents(rec, &ex, &ey, &ew, &eh);
    cairo_surface_t* measure = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cairo_t* mc = cairo_create(measure);
    words_replay(rec, mc);
    cairo_destroy(mc);
    double wx, wy, ww, wh;
    cairo_recording_surface_ink_extents(measure, &wx, &wy, &ww, &wh);
    cairo_surface_destroy(measure);
    if (wh > 0) {
        const double y0 = eh > 0 ? std::min(ey, wy) : wy, y1 = eh > 0 ? std::max(ey + eh, wy + wh) : wy + wh;
        ey = y0;
        eh = y1 - y0;
    }
    const double top = 92, bottom = 366, dy = top + std::max(0.0, (bottom - top - eh) / 2) - ey;
    cairo_set_source_surface(cr, rec, 0, dy);
    cairo_paint(cr);
    words_move(rec, cr, 0, dy);
    cairo_surface_destroy(rec);
    text(cr, words_of(words.turning_and_time), 320, 384, style(18, Face::Embossed, kCarve), {580, 24});
    // Below the text, down to the frame, the prompt band stays dark.
    cairo_rectangle(cr, 26, 400, 588, 60);
    set(cr, kDeep, 0.7);
    cairo_fill(cr);
    return img;
}

}  // namespace

std::vector<ImagePtr> clue_images(const LevelArt& level)
{
    // The words come from the parser's globals, as they stand after reading this level.
    const ClueWords words = clue_words();
    const std::vector<Shown> goals = shown(level, level.match, words.match_notes);
    const std::vector<Shown> fails = shown(level, level.fail, words.fail_notes);
    std::vector<ImagePtr> out;
    // Goals that need two rows leave no room for the forbidden pictures: they get a clue image of their own.
    if (!fails.empty() && goals.size() >= 3 && fit_cell(goals, 112, 44) < 30) {
        out.push_back(clue_page(level, 1, words, goals, {}));
        out.push_back(clue_page(level, 2, words, {}, fails));
    } else {
        out.push_back(clue_page(level, 1, words, goals, fails));
    }
    return out;
}
