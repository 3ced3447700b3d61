// words.cpp -- the words of the generated images: recorded while an image is drawn, left out of
// the image, and painted per language onto a transparent overlay of its size, fitted to their room
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>

#include <webp/encode.h>

#include "rules/catalog.h"
#include "text_layout.h"

namespace fs = std::filesystem;

namespace paint {

Words& Words::arg(long number)
{
    args.push_back({std::to_string(number), false});
    return *this;
}

Words& Words::arg(const std::string& text, bool translate)
{
    args.push_back({text, translate});
    return *this;
}

Words tr_n(const char* singular, const char* plural, unsigned long n)
{
    Words w(singular);
    w.plural = plural;
    w.n = n;
    return w;
}

namespace {

// One text recorded on a surface: a line, or a column of paragraphs.
struct Word {
    cairo_surface_t* target;
    cairo_matrix_t m;  // the drawing's user units to the target's units
    std::vector<Para> parts;  // a line has one part, its size the style's
    TextStyle st;
    double x, y;  // a line: the anchor (x, centre y); a column: its top-left
    Room room;
    bool column;
};

std::vector<Word> words;

struct Language {
    std::string code;
    catalog texts;
    std::map<std::string, std::ofstream> records;  // by set ("" or "@2x")
};
std::vector<Language> languages;
fs::path record_dir;
std::string record_run;
int misfits = 0;  // texts that did not fit their room

// The text a language shows for w: its form, its conversions filled. Stops
// the generator for a translation that asks for an argument there is not.
std::string say(const Words& w, const catalog& c, const std::string& image, const std::string& lang)
{
    const std::string form = w.plural.empty() ? catalog_text(c, w.english.c_str())
                                              : catalog_plural(c, w.english.c_str(), w.plural.c_str(), w.n);
    std::string out;
    std::size_t next = 0;
    for (std::size_t i = 0; i < form.size(); i++) {
        if (form[i] != '%') {
            out += form[i];
            continue;
        }
        if (i + 1 < form.size() && form[i + 1] == '%') {
            out += '%';
            i++;
            continue;
        }
        // %[N$][0][width](d|i|u|s), with l or ll before d, i, u.
        std::size_t j = i + 1, index = next, digits = j, number = 0;
        while (digits < form.size() && std::isdigit(static_cast<unsigned char>(form[digits])) && number < 1000)
            number = number * 10 + static_cast<std::size_t>(form[digits++] - '0');
        if (digits < form.size() && form[digits] == '$' && number > 0) {
            index = number - 1;  // a place out of range is refused below
            j = digits + 1;
        } else {
            next++;
        }
        const bool zero = j < form.size() && form[j] == '0';
        std::size_t width = 0;
        while (j < form.size() && std::isdigit(static_cast<unsigned char>(form[j])) && width < 100)
            width = width * 10 + static_cast<std::size_t>(form[j++] - '0');
        while (j < form.size() && form[j] == 'l')
            j++;
        if (j >= form.size() || !std::strchr("dius", form[j]) || index >= w.args.size())
            fail("the " + lang + " words \"" + form + "\" of " + image + " ask for an argument that \"" + w.english +
                 "\" does not give");
        const Words::Arg& a = w.args[index];
        std::string v = a.look_up ? catalog_text(c, a.text.c_str()) : a.text;
        if (v.size() < width)
            v.insert(0, width - v.size(), zero ? '0' : ' ');
        out += v;
        i = j;
    }
    return out;
}

// The smallest size a text designed at size may take: a fraction of it, and
// never below 11 pixels of the 1x frame where it was designed larger.
constexpr double kLeast = 0.75;
double floor_size(double size) { return size > 11 ? std::max(size * kLeast, 11.0) : size; }

// A text laid out to fit its room: the layout, its ink box and its place.
struct Laid {
    std::vector<PangoLayout*> layouts;
    std::vector<double> ys;        // each layout's top (lines: its origin)
    double ox = 0;                 // the origin's x
    PangoRectangle ink{};          // the whole ink box, in the drawing's units, at the place
    double size = 0;               // the first part's size
    int lines = 0;
    void drop()
    {
        for (PangoLayout* l : layouts)
            g_object_unref(l);
        layouts.clear();
        ys.clear();
    }
};

// A line in its room: the designed size, smaller, then on two lines (which
// take the room's height above the line too, centred in all of it).
bool lay_line(cairo_t* cr, const Word& w, const std::string& s, Laid* out)
{
    const double room_w = w.room.w - (w.st.plate ? 36 : 0);
    const double plate_h = w.st.plate ? 10 : 0;  // the plate's margin above and below two lines
    for (int wrap = 0; wrap < 2; wrap++)
        for (double size = w.st.size; size >= floor_size(w.st.size) - 1e-9; size -= 0.5) {
            PangoLayout* l = text_layout(cr, s, size, wrap ? room_w : 0, w.st.align);
            PangoRectangle ink, logical;
            pango_layout_get_pixel_extents(l, &ink, &logical);
            const double room_h = wrap ? w.room.h + w.room.up - plate_h : w.room.h;
            const double cy = wrap ? w.y - w.room.up / 2 : w.y;
            if (ink.width <= room_w && ink.height <= room_h && (!wrap || pango_layout_get_line_count(l) <= 2)) {
                out->layouts = {l};
                out->ox = w.x - ink.x - ink.width * w.st.align;
                out->ys = {cy - ink.y - ink.height / 2.0};
                out->ink = {static_cast<int>(std::lround(out->ox + ink.x)), static_cast<int>(std::lround(out->ys[0] + ink.y)),
                            ink.width, ink.height};
                out->size = size;
                out->lines = pango_layout_get_line_count(l);
                return true;
            }
            g_object_unref(l);
            if (wrap == 0 && w.room.h + w.room.up < 2 * logical.height && size <= floor_size(w.st.size) + 1e-9)
                return false;  // no room for a second line
        }
    return false;
}

// How far a column's first letters may reach left of its width: the overhang
// of a round or slanted letter. The column's room begins that far left.
constexpr double kOverhang = 2;

// A column of paragraphs in its room, shrunk together until it fits.
bool lay_column(cairo_t* cr, const Word& w, const std::vector<std::string>& texts, Laid* out, double* english_bottom)
{
    double least = kLeast;  // the smallest scale every part may take
    for (const Para& p : w.parts)
        least = std::max(least, floor_size(p.size) / p.size);
    for (double k = 1; k >= least - 1e-9; k -= 0.02) {
        Laid laid;
        double y = w.y;
        bool fits = true;
        double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
        for (std::size_t i = 0; i < w.parts.size(); i++) {
            const double size = w.parts[i].size * k;
            y += i ? w.parts[i].gap : 0;
            PangoLayout* l = text_layout(cr, texts[i], size, w.room.w, 0);
            pango_layout_set_spacing(l, static_cast<int>(size * 0.12 * PANGO_SCALE));
            PangoRectangle ink, logical;
            pango_layout_get_pixel_extents(l, &ink, &logical);
            laid.layouts.push_back(l);
            laid.ys.push_back(y);
            laid.lines += pango_layout_get_line_count(l);
            if (ink.width > 0) {
                x0 = std::min(x0, w.x + ink.x);
                x1 = std::max(x1, w.x + ink.x + ink.width);
                y0 = std::min(y0, y + ink.y);
                y1 = std::max(y1, y + ink.y + ink.height);
            }
            fits = fits && ink.x >= -kOverhang && ink.x + ink.width <= w.room.w;
            y += logical.height;
        }
        if (english_bottom)
            *english_bottom = y;
        fits = fits && y1 <= w.y + w.room.h && y0 >= w.y;
        if (fits || english_bottom) {
            laid.ox = w.x;
            laid.ink = {static_cast<int>(std::floor(x0)), static_cast<int>(std::floor(y0)),
                        static_cast<int>(std::ceil(x1 - std::floor(x0))), static_cast<int>(std::ceil(y1 - std::floor(y0)))};
            laid.size = w.parts[0].size * k;
            *out = laid;
            return fits;
        }
        laid.drop();
    }
    return false;
}

// Paints a laid-out word.
void paint_word(cairo_t* cr, const Word& w, const Laid& laid)
{
    if (!w.column) {
        PangoRectangle ink, logical;
        pango_layout_get_pixel_extents(laid.layouts[0], &ink, &logical);
        if (w.st.plate) {
            // One line's plate is the room's height; two lines' reaches 5 px beyond their ink.
            const double top = laid.lines > 1 ? laid.ink.y - 5 : w.y - w.room.h / 2;
            const double h = laid.lines > 1 ? laid.ink.height + 10 : w.room.h;
            rounded_rect(cr, w.x - ink.width / 2.0 - 18, top, ink.width + 36, h, 8);
            set(cr, kDeep, 0.72);
            cairo_fill(cr);
        }
        draw_layout(cr, laid.layouts[0], laid.ox, laid.ys[0], ink, w.st);
        return;
    }
    for (std::size_t i = 0; i < laid.layouts.size(); i++)
        draw_paragraph(cr, laid.layouts[i], laid.ox, laid.ys[i], w.st.colour);
}

bool lay(cairo_t* cr, const Word& w, const std::vector<std::string>& texts, Laid* out)
{
    return w.column ? lay_column(cr, w, texts, out, nullptr) : lay_line(cr, w, texts[0], out);
}

void record(cairo_t* cr, const Word& w)
{
    words.push_back(w);
    words.back().target = cairo_get_target(cr);
    cairo_get_matrix(cr, &words.back().m);
}

// A rectangle of the drawing's units in the image's pixels.
void to_pixels(const cairo_matrix_t& m, double x, double y, double w, double h, double out[4])
{
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    for (int c = 0; c < 4; c++) {
        double px = x + (c & 1 ? w : 0), py = y + (c & 2 ? h : 0);
        cairo_matrix_transform_point(&m, &px, &py);
        x0 = std::min(x0, px), y0 = std::min(y0, py), x1 = std::max(x1, px), y1 = std::max(y1, py);
    }
    const double k = art_scale;
    out[0] = x0 * k, out[1] = y0 * k, out[2] = (x1 - x0) * k, out[3] = (y1 - y0) * k;
}

// An overlay written as WebP, lossless but for WebP's near-lossless
// preprocessing (level 40: a letter's edge may move a few levels of 255):
// words on a transparent sheet take a third of the bytes of the same pixels
// in PNG (2.9 MB for English's two sets, 8.2 MB as PNG).
void write_overlay(cairo_surface_t* s, const fs::path& file)
{
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const std::uint32_t px = reinterpret_cast<const std::uint32_t*>(data + y * stride)[x];
            const std::uint32_t a = px >> 24;
            std::uint8_t* o = &rgba[(static_cast<std::size_t>(y) * w + x) * 4];
            // cairo's pixels are premultiplied; WebP's are not.
            auto un = [&](int shift) { return a ? static_cast<std::uint8_t>(std::min<std::uint32_t>(255, (((px >> shift) & 0xff) * 255 + a / 2) / a)) : 0; };
            o[0] = un(16), o[1] = un(8), o[2] = un(0), o[3] = static_cast<std::uint8_t>(a);
        }
    WebPConfig config;
    WebPPicture pic;
    WebPMemoryWriter writer;
    WebPMemoryWriterInit(&writer);
    bool ok = WebPConfigInit(&config) && WebPConfigLosslessPreset(&config, 6) && WebPPictureInit(&pic);
    if (ok) {
        config.near_lossless = 40;
        pic.use_argb = 1;
        pic.width = w;
        pic.height = h;
        pic.writer = WebPMemoryWrite;
        pic.custom_ptr = &writer;
        ok = WebPPictureImportRGBA(&pic, rgba.data(), w * 4) && WebPEncode(&config, &pic);
        WebPPictureFree(&pic);
    }
    std::ofstream f(file, std::ios::binary);
    f.write(reinterpret_cast<const char*>(writer.mem), static_cast<std::streamsize>(writer.size));
    WebPMemoryWriterClear(&writer);
    if (!ok || !f)
        fail("cannot write " + file.string());
}

std::string escaped(const std::string& s)
{
    std::string out;
    for (char c : s)
        out += c == '\t' ? std::string("\\t") : c == '\n' ? std::string("\\n") : std::string(1, c);
    return out;
}

}  // namespace

void text(cairo_t* cr, const Words& s, double x, double cy, const TextStyle& st, Room room)
{
    Word w{cairo_get_target(cr), {}, {{s, st.size}}, st, x, cy, room, false};
    record(cr, w);
}

double paragraphs(cairo_t* cr, const std::vector<Para>& ps, double x, double y, double width, Rgb colour,
                  double height)
{
    TextStyle st;
    st.colour = colour;
    Word w{cairo_get_target(cr), {}, ps, st, x, y, {width, height}, true};
    record(cr, w);
    std::vector<std::string> english;
    for (const Para& p : ps)
        english.push_back(say(p.s, catalog{}, "", "en"));
    Laid laid;
    double bottom = y;
    lay_column(cr, w, english, &laid, &bottom);
    laid.drop();
    return bottom;
}

void words_replay(cairo_surface_t* from, cairo_t* cr)
{
    for (const Word& w : words)
        if (w.target == from) {
            cairo_save(cr);
            cairo_transform(cr, &w.m);
            std::vector<std::string> english;
            for (const Para& p : w.parts)
                english.push_back(say(p.s, catalog{}, "", "en"));
            Laid laid;
            if (lay(cr, w, english, &laid))
                paint_word(cr, w, laid);
            laid.drop();
            cairo_restore(cr);
        }
}

void words_move(cairo_surface_t* from, cairo_t* cr, double dx, double dy)
{
    cairo_matrix_t shift, ctm;
    cairo_matrix_init_translate(&shift, dx, dy);
    cairo_get_matrix(cr, &ctm);
    for (Word& w : words)
        if (w.target == from) {
            cairo_matrix_t moved;
            cairo_matrix_multiply(&moved, &w.m, &shift);
            cairo_matrix_multiply(&w.m, &moved, &ctm);
            w.target = cairo_get_target(cr);
        }
}

void words_forget(cairo_surface_t* surface)
{
    words.erase(std::remove_if(words.begin(), words.end(), [&](const Word& w) { return w.target == surface; }),
                words.end());
}

void words_init(const fs::path& locale_dir, const std::vector<std::string>& codes, const fs::path& records,
                const std::string& run)
{
    languages.clear();
    languages.push_back({"en", {}, {}});
    for (const std::string& code : codes) {
        if (code == "en")
            continue;
        Language lang{code, {}, {}};
        const fs::path mo = locale_dir / code / "LC_MESSAGES" / "cryptsliders.mo";
        if (!catalog_read(mo.string(), &lang.texts))
            fail("cannot read the " + code + " catalog " + mo.string());
        languages.push_back(std::move(lang));
    }
    record_dir = records;
    record_run = run;
}

void words_done()
{
    languages.clear();
    words.clear();
    if (misfits)
        fail(std::to_string(misfits) + " texts do not fit their room (named above)");
}

void words_save(const Image& img, const fs::path& out, const std::string& file_name)
{
    std::vector<const Word*> mine;
    for (const Word& w : words)
        if (w.target == img.surface)
            mine.push_back(&w);
    const std::string overlay_name = file_name.substr(0, file_name.rfind('.')) + ".webp";
    const std::string set = art_scale == 1 ? "" : "@" + std::to_string(art_scale) + "x";
    std::vector<std::string> english_texts;
    if (languages.empty())
        languages.push_back({"en", {}, {}});
    for (Language& lang : languages) {
        const fs::path file = out / "words" / lang.code / overlay_name;
        std::error_code ec;
        if (mine.empty()) {
            fs::remove(file, ec);
            continue;
        }
        std::ofstream* rec = nullptr;
        if (!record_dir.empty()) {
            auto it = lang.records.find(set);
            if (it == lang.records.end()) {
                fs::create_directories(record_dir, ec);
                const fs::path p = record_dir / (lang.code + set + "-" + record_run + ".tsv");
                it = lang.records.emplace(set, std::ofstream(p)).first;
                if (!it->second)
                    fail("cannot write " + p.string());
            }
            rec = &it->second;
        }
        cairo_surface_t* s = art_surface(CAIRO_FORMAT_ARGB32, img.w, img.h);
        cairo_t* cr = cairo_create(s);
        std::vector<std::string> all;
        for (const Word* w : mine) {
            std::vector<std::string> texts;
            for (const Para& p : w->parts)
                texts.push_back(say(p.s, lang.texts, overlay_name, lang.code));
            all.insert(all.end(), texts.begin(), texts.end());
            cairo_save(cr);
            cairo_set_matrix(cr, &w->m);
            Laid laid;
            if (!lay(cr, *w, texts, &laid)) {
                // Told for every text that does not fit; the run fails at its end.
                std::fprintf(stderr, "assetgen: the %s words \"%s\" do not fit their room of %ld x %ld in %s\n",
                             lang.code.c_str(), texts[0].c_str(), std::lround(w->room.w), std::lround(w->room.h),
                             overlay_name.c_str());
                misfits++;
                cairo_restore(cr);
                continue;
            }
            paint_word(cr, *w, laid);
            cairo_restore(cr);
            double box[4], ink[4];
            const double bx = w->column ? w->x - kOverhang : w->x - w->room.w * w->st.align;
            const double by = w->column ? w->y : w->y - w->room.h / 2 - w->room.up;
            to_pixels(w->m, bx, by, w->room.w + (w->column ? kOverhang : 0), w->room.h + w->room.up, box);
            to_pixels(w->m, laid.ink.x, laid.ink.y, laid.ink.width, laid.ink.height, ink);
            for (std::size_t i = 0; rec && i < w->parts.size(); i++) {
                char line[160];
                std::snprintf(line, sizeof line, "\t%.0f\t%.0f\t%.0f\t%.0f\t%.0f\t%.0f\t%.0f\t%.0f\t%.2f\t%d\n",
                              std::floor(box[0]), std::floor(box[1]), std::ceil(box[2]), std::ceil(box[3]),
                              std::floor(ink[0]), std::floor(ink[1]), std::ceil(ink[2]), std::ceil(ink[3]),
                              laid.size * art_scale, laid.lines);
                *rec << overlay_name << '\t' << escaped(w->parts[i].s.english) << line;
            }
            laid.drop();
        }
        cairo_destroy(cr);
        cairo_surface_flush(s);
        // A language that says every word as English does shows English's overlay.
        if (lang.code == "en")
            english_texts = all;
        if (lang.code != "en" && all == english_texts) {
            fs::remove(file, ec);
        } else {
            fs::create_directories(file.parent_path(), ec);
            write_overlay(s, file);
        }
        cairo_surface_destroy(s);
    }
}

}  // namespace paint
