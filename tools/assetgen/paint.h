// paint.h -- drawing kit of the asset generator: palette, stone, brass, buttons, labels, SVG
#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace paint {

constexpr double PI = 3.14159265358979323846;

struct Words;

[[noreturn]] void fail(const std::string& what);

// Small deterministic generator (Numerical Recipes LCG constants): every
// random-looking detail comes from a fixed seed, so two runs give equal bytes.
struct Lcg {
    std::uint32_t state;
    explicit Lcg(std::uint32_t seed) : state(seed * 2654435761u + 12345u) {}
    std::uint32_t next() { return state = state * 1664525u + 1013904223u; }
    double unit() { return (next() >> 8) / 16777216.0; }  // [0, 1)
    double range(double a, double b) { return a + (b - a) * unit(); }
};

struct Rgb {
    double r, g, b;
};
constexpr Rgb rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
Rgb mix(Rgb a, Rgb b, double t);
Rgb scale(Rgb c, double k);

// The crypt's palette. The darkest shade is kDeep: the game's loader makes pure
// black transparent in images without an alpha channel.
constexpr Rgb kDeep = rgb(12, 10, 8);
constexpr Rgb kStoneDark = rgb(30, 26, 23);
constexpr Rgb kStone = rgb(66, 59, 52);
constexpr Rgb kStoneLight = rgb(118, 106, 90);
constexpr Rgb kBrassHi = rgb(255, 232, 168);
constexpr Rgb kBrassLight = rgb(236, 196, 112);
constexpr Rgb kBrass = rgb(190, 142, 62);
constexpr Rgb kBrassDark = rgb(112, 76, 28);
constexpr Rgb kBrassShadow = rgb(58, 38, 14);
constexpr Rgb kParchment = rgb(226, 208, 168);
constexpr Rgb kInk = rgb(46, 30, 14);
constexpr Rgb kCandle = rgb(255, 176, 84);

void set(cairo_t* cr, Rgb c, double a = 1.0);

// A button or any other rectangle in image pixels, bounds inclusive as the
// game tests them: x0..x1 and y0..y1 both belong to it.
struct Rect {
    int x0, y0, x1, y1;
    double w() const { return x1 - x0 + 1; }
    double h() const { return y1 - y0 + 1; }
    double cx() const { return (x0 + x1 + 1) / 2.0; }
    double cy() const { return (y0 + y1 + 1) / 2.0; }
};

struct Button {
    Rect r;
    std::string label;
};

// The size the art is drawn at: 1 for the game's 640 x 480 frame, 2 for the
// set drawn at twice the size. Every drawing works in the frame's units; a
// surface holds art_scale device pixels per unit.
extern int art_scale;
// An image surface of w x h units at art_scale, cleared.
cairo_surface_t* art_surface(cairo_format_t format, int w, int h);

// An image being drawn: cairo surface plus what the contact sheet and the
// debug variants need to know about it.
struct Image {
    Image(std::string name, int w, int h, bool alpha);
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    std::string name;  // path below the data tree, e.g. "base/StartScreen.png"
    int w, h;          // in the frame's units; the surface holds art_scale times as many pixels
    bool alpha;
    bool painted = false;   // a painting without words or hard edges: lossy WebP in the 2x set
    // Recompressed losslessly by optipng (level 1) once written as PNG: 9 %
    // off art of flat colours and words, but seconds an image at 2x, and only
    // 3 % off the stone, whose grain is noise that no deflate setting packs.
    bool optimise = false;
    cairo_surface_t* surface;
    cairo_t* cr;
    std::vector<Button> buttons;
    cairo_surface_t* labels;  // the button labels alone, for the alignment check
};

// Writes the image as PNG below out, without its words, and each language's
// overlay of them (words.cpp) as out/words/LANG/NAME.webp. Opaque images are written without an
// alpha channel and with pure black lifted to kDeep. In the 2x set the file
// takes "@2x" before its extension, and a painted image is written as lossy
// WebP ("NAME@2x.webp").
void save(Image& img, const std::filesystem::path& out);
// The file name an image of the data tree gets in the current set.
std::string art_file_name(const std::string& name, bool painted);

// ---- shapes
void rounded_rect(cairo_t* cr, double x, double y, double w, double h, double r);
cairo_pattern_t* brass_linear(double x0, double y0, double x1, double y1);

// Carved stone blocks filling the rectangle, lit from the top-left.
struct StoneStyle {
    Rgb base = kStone;
    double course = 44;       // block height
    double min_len = 60, max_len = 150;
    double contrast = 1.0;
    bool blocks = true;       // false: one smooth slab
};
void stone(Image& img, double x, double y, double w, double h, std::uint32_t seed, const StoneStyle& st = {});
// Warm light falling from a point; strength 0..1.
void candle_light(cairo_t* cr, double x, double y, double radius, double strength);
// Darkens the corners of an image.
void vignette(cairo_t* cr, double w, double h, double strength);

// Brass frame of thickness t inside the rectangle.
void brass_frame(cairo_t* cr, double x, double y, double w, double h, double t);
// A recess cut into stone: dark floor, shadowed top-left lip, lit bottom-right lip.
void recess(cairo_t* cr, double x, double y, double w, double h, double r, Rgb floor = kStoneDark);
void rivet(cairo_t* cr, double x, double y, double r);
// A candle on a brass dish; an unlit one trails a wisp of smoke instead of a flame.
void candle(cairo_t* cr, double x, double base_y, double height, double width, bool lit = true);

// A brass push button filling rect, bevelled with a pressed-looking lower edge,
// its label engraved. Also recorded on the image for the debug variant.
void button(Image& img, const Rect& r, const Words& label);
// Arrow button (dir -1 back, +1 forward) without a text label.
void arrow_button(Image& img, const Rect& r, int dir);

// ---- text in the game's font
void text_init(const std::filesystem::path& font_file);
void text_done();

enum class Face { Engraved, Embossed, Plain, Brass };
struct TextStyle {
    double size = 20;  // pixels: the size the words are designed at
    Face face = Face::Engraved;
    Rgb colour = kInk;
    double align = 0.5;  // 0 left, 0.5 centre, 1 right of x
    bool plate = false;  // a dark rounded plate behind the line, as wide as its words
};
// Ink width and height of s at size.
void text_size(const std::string& s, double size, double* w, double* h);
// Largest size up to max_size that fits s into w x h.
double fit_size(const std::string& s, double max_size, double w, double h);
// Draws s at once, in English, with its ink box aligned on x and centred
// vertically on cy: names and numbers that no language changes, and the
// contact sheets.
void text_now(cairo_t* cr, const std::string& s, double x, double cy, const TextStyle& st);

// ---- words: the images are saved without them; each language's words are
// painted onto a transparent overlay of the image (words.cpp)

// Marks English for the catalogs (xgettext's keyword N_).
constexpr const char* N_(const char* english)
{
    return english;
}

// What a text says: English (the catalogs' msgid, marked for xgettext with
// N_ or tr_n), maybe with printf conversions (%d, %s, %02d, %1$s) filled from
// args; an argument given as Words::look_up is English looked up too (a level
// title), any other is written as it is (a number, a password).
struct Words {
    Words(const char* english) : english(english) {}
    Words(std::string english) : english(std::move(english)) {}
    std::string english, plural;  // plural: English's plural form, chosen by n
    unsigned long n = 0;
    struct Arg {
        std::string text;
        bool look_up;
    };
    std::vector<Arg> args;
    Words& arg(long number);
    Words& arg(const std::string& text, bool look_up);
    static constexpr bool look_up = true;
};
// The form for count n, English's two forms marked for xgettext.
Words tr_n(const char* singular, const char* plural, unsigned long n);

// The room a text may fill, in the units of the cairo context it is drawn
// with: w across (aligned on x as the style aligns the text), h centred on
// the line, and up more above it; a second line is taken where h + up holds
// two, centred in all of it.
struct Room {
    double w, h;
    double up = 0;
};
// Records a line of words with its ink box aligned on x and centred on cy.
// In a language whose words are wider than the room, the size drops down to
// 3/4 of the designed size (never below 11 px where the design is larger),
// then a second line is tried; words that still do not fit stop the generator.
void text(cairo_t* cr, const Words& s, double x, double cy, const TextStyle& st, Room room);
// One paragraph of a column (see paragraphs).
struct Para {
    Words s;
    double size;
    double gap = 0;  // space above it, below the paragraph before
};
// Records paragraphs wrapped within width from (x, y) down, each below the one
// before, in one room of width x height: in a language that needs more lines
// they shrink together. Returns the y below them in English.
double paragraphs(cairo_t* cr, const std::vector<Para>& ps, double x, double y, double width, Rgb colour,
                  double height);
// Paints with cr the English words recorded on surface from, as they would
// have been drawn there: for measuring a layout whose ink includes them.
void words_replay(cairo_surface_t* from, cairo_t* cr);
// The words recorded on surface from are moved to the surface cr draws on,
// as the surface is painted there with its origin at (dx, dy).
void words_move(cairo_surface_t* from, cairo_t* cr, double dx, double dy);
// Languages the overlays are made for: "en", then each code whose catalog is
// read from locale_dir/CODE/LC_MESSAGES/cryptsliders.mo; record_dir gets a
// table of every string drawn, per language and set, named
// LANG[@2x]-run.tsv.
void words_init(const std::filesystem::path& locale_dir, const std::vector<std::string>& languages,
                const std::filesystem::path& record_dir, const std::string& run);
void words_done();
// Writes the overlays of the words recorded on img (as file_name, the base's
// name in its set, as .webp) and their records. They are forgotten with the
// image; the contact sheets lay them over it again with words_replay.
void words_save(const Image& img, const std::filesystem::path& out, const std::string& file_name);
// Forgets the words recorded on a surface about to be freed.
void words_forget(cairo_surface_t* surface);

// ---- SVG drawings (librsvg)
void svg(cairo_t* cr, const std::filesystem::path& file, double x, double y, double w, double h);

}  // namespace paint
