// font.cpp -- strings rendered once into textures of their own, drawn as blended quads
#include "engine/font.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <vector>

#include "engine/misc.h"
#include "engine/opengl_tile.h"
#include "rules/translate.h"
#include "rules/utf8.h"

typeface* FONT1 = nullptr;
typeface* FONT2 = nullptr;
typeface* FONT3 = nullptr;

static const int FONT_SIZES[3] = {FONT1_SIZE, FONT2_SIZE, FONT3_SIZE};

// The fonts at their logical sizes, which FONT1 to FONT3 point to, and at the
// size texts are shown at (closed at scale 1); the texts made and not yet
// freed, to make again at a new scale.
static std::array<typeface, 3> logical_fonts{};
static std::array<typeface, 3> shown_fonts{};
static double font_scale = 1.0;
static std::vector<font_s*> live_texts;
// The font at the other sizes texts shrink to, to measure (logical) and to
// draw (shown, at the screen's scale), opened as asked for.
static std::map<int, typeface> logical_sizes, shown_sizes;

// Same results as next_power_of_two; the text module keeps its own copy.
static int nextpoweroftwo(int x)
{
    return next_power_of_two(x);
}

Uint8 font_init()
{
    typeface** handles[3] = {&FONT1, &FONT2, &FONT3};
    for (size_t i = 0; i < 3; i++) {
        if (!typeface_open(&logical_fonts[i], FONT_FILE, FONT_SIZES[i])) {
            std::printf("Font: %s cannot be opened at %d pixels\n", FONT_FILE, FONT_SIZES[i]);
            font_deinit();
            return 0;
        }
        *handles[i] = &logical_fonts[i];
    }
    return 1;
}

// The font that renders texts measured with one of FONT1 to FONT3.
static const typeface& shown_font(const typeface* font)
{
    for (size_t i = 0; i < 3; i++)
        if (font == &logical_fonts[i] && shown_fonts[i].face)
            return shown_fonts[i];
    return *font;
}

static void close_shown_fonts()
{
    for (typeface& f : shown_fonts)
        typeface_close(&f);
    for (auto& f : shown_sizes)
        typeface_close(&f.second);
    shown_sizes.clear();
}

// Which of the game's three fonts font is; -1 for another.
static int font_index(const typeface* font)
{
    for (int i = 0; i < 3; i++)
        if (font == &logical_fonts[static_cast<size_t>(i)])
            return i;
    return -1;
}

// The font at size pixels, to measure with; one of the three where it is
// theirs. A size that cannot be opened measures as closed.
static const typeface& logical_at(int size)
{
    for (size_t i = 0; i < 3; i++)
        if (logical_fonts[i].face && logical_fonts[i].size == size)
            return logical_fonts[i];
    auto found = logical_sizes.find(size);
    if (found == logical_sizes.end()) {
        found = logical_sizes.emplace(size, typeface{}).first;
        typeface_open(&found->second, FONT_FILE, size);
    }
    return found->second;
}

// The font a text measured at size pixels is drawn with at the screen's scale.
static const typeface& shown_at(int size)
{
    for (size_t i = 0; i < 3; i++)
        if (logical_fonts[i].face && logical_fonts[i].size == size)
            return shown_font(&logical_fonts[i]);
    if (font_scale == 1.0)
        return logical_at(size);
    auto found = shown_sizes.find(size);
    if (found == shown_sizes.end()) {
        found = shown_sizes.emplace(size, typeface{}).first;
        typeface_open(&found->second, FONT_FILE, static_cast<int>(size * font_scale + 0.5));
    }
    return found->second;
}

void font_rescale(double scale)
{
    close_shown_fonts();
    font_scale = scale > 0 ? scale : 1.0;
    if (font_scale != 1.0)
        for (size_t i = 0; i < 3; i++)
            typeface_open(&shown_fonts[i], FONT_FILE, static_cast<int>(FONT_SIZES[i] * font_scale + 0.5));
    // The old textures may have gone with the old OpenGL context; deleting a
    // name that no longer exists does nothing.
    std::vector<font_s*> texts = live_texts;
    for (font_s* f : texts) {
        font_s old = *f;
        font_free(f);
        font_make(f, old.font, old.text.c_str(), old.color, old.box);
        f->english = old.english;
    }
}

void font_retranslate()
{
    std::vector<font_s*> texts = live_texts;
    for (font_s* f : texts)
        if (!f->english.empty()) {
            font_s old = *f;
            font_free(f);
            font_say(f, old.font, old.english.c_str(), old.color, old.box);
        }
}

void font_deinit()
{
    close_shown_fonts();
    live_texts.clear();
    font_scale = 1.0;
    for (typeface& f : logical_fonts)
        typeface_close(&f);
    for (auto& f : logical_sizes)
        typeface_close(&f.second);
    logical_sizes.clear();
    FONT1 = FONT2 = FONT3 = nullptr;
}

int font_width(typeface* font, const std::string& text)
{
    return font ? typeface_width(*font, text) : 0;
}

std::string font_fit(typeface* font, const std::string& text, int width)
{
    const char* ellipsis = font && typeface_has(*font, 0x2026) ? "\xE2\x80\xA6" : "...";  // U+2026 in UTF-8
    return utf8_shorten(text, ellipsis, width, [font](const std::string& t) { return font_width(font, t); });
}

// Renders text into a new texture held by f, set to fit its box. An empty
// string, or a font that cannot render, leaves f as it was.
void font_make(font_s* f, typeface* font, const char* text, SDL_Color color, text_box box)
{
    if (!font || !text)
        return;
    int which = font_index(font);
    text_layout layout;
    if (which < 0) {
        layout.size = font->size;
        layout.lines[0] = text;
    } else {
        layout = text_fit(text, static_cast<text_font>(which), box,
                          [](int size, const std::string& t) { return typeface_width(logical_at(size), t); });
    }
    const typeface& measure = which < 0 ? *font : logical_at(layout.size);
    const typeface& shown = which < 0 ? shown_font(font) : shown_at(layout.size);
    text_coverage drawn[2] = {typeface_draw(shown, layout.lines[0]), typeface_draw(shown, layout.lines[1])};
    if (drawn[0].w == 0)
        return;
    const int lines = drawn[1].w > 0 ? 2 : 1;
    const int w = std::max(drawn[0].w, drawn[1].w);
    const int h = lines == 2 ? std::max(drawn[0].h, shown.height + drawn[1].h) : drawn[0].h;
    f->font = font;
    f->color = color;
    f->text = text;
    f->box = box;
    f->english.clear();
    f->scale = static_cast<float>(&shown == font ? 1.0 : font_scale);
    if (std::find(live_texts.begin(), live_texts.end(), f) == live_texts.end())
        live_texts.push_back(f);
    f->tw = std::max(typeface_width(measure, layout.lines[0]), typeface_width(measure, layout.lines[1]));
    f->th = measure.height * lines;
    f->w = static_cast<Uint16>(nextpoweroftwo(w));
    f->h = static_cast<Uint16>(nextpoweroftwo(h));

    // The text colour in every pixel of the text's box, its coverage as alpha;
    // the rest of the power-of-two texture transparent black. The lines are
    // centred on each other.
    std::vector<Uint8> pixels(static_cast<size_t>(f->w) * f->h * 4, 0);
    for (int line = 0; line < lines; line++) {
        const text_coverage& d = drawn[line];
        const int left = (w - d.w) / 2, top = line * shown.height;
        for (int y = 0; y < d.h; y++)
            for (int x = 0; x < d.w; x++) {
                Uint8* p = &pixels[(static_cast<size_t>(top + y) * f->w + left + x) * 4];
                p[0] = color.r;
                p[1] = color.g;
                p[2] = color.b;
                p[3] = std::max(p[3], d.alpha[static_cast<size_t>(y) * d.w + x]);
            }
    }

    GLuint name = 0;
    glGenTextures(1, &name);
    f->texture = static_cast<int>(name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // The pixels hold R, G, B, A in memory but go up as B, G, R, A: red and
    // blue of the text colour trade places on screen, so (0, 255, 255) shows
    // yellow. The screens choose their text colours with this in mind.
    ot_upload(f->w, f->h, pixels.data());
}

void font_say(font_s* f, typeface* font, const char* english, SDL_Color color)
{
    int which = font_index(font);
    font_say(f, font, english, color, which < 0 ? text_box{} : shown_text_box(english, static_cast<text_font>(which)));
}

void font_say(font_s* f, typeface* font, const char* english, SDL_Color color, text_box box)
{
    // english may be f's own kept message: copied before f is made anew.
    std::string message = english;
    font_make(f, font, tr(message.c_str()), color, box);
    f->english = message;
}

void font_make_for(font_s* f, typeface* font, const char* text, const char* english, SDL_Color color)
{
    int which = font_index(font);
    font_make(f, font, text, color, which < 0 ? text_box{} : shown_text_box(english, static_cast<text_font>(which)));
}

void font_free(font_s* f)
{
    live_texts.erase(std::remove(live_texts.begin(), live_texts.end(), f), live_texts.end());
    if (f->texture != 0) {
        GLuint name = static_cast<GLuint>(f->texture);
        glDeleteTextures(1, &name);
    }
    *f = font_s{};
}

// Draws the whole power-of-two texture with its top-left corner at (x, y); the
// text occupies its top-left tw x th pixels. Positions are 16-bit and wrap.
void font_display(const font_s* f, int x, int y)
{
    if (f->texture == 0)
        return;
    float fx = static_cast<Uint16>(x);
    float fy = static_cast<Uint16>(y);
    float w = f->scale > 0 ? f->w / f->scale : f->w, h = f->scale > 0 ? f->h / f->scale : f->h;
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(f->texture));
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_TRIANGLE_STRIP);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(fx, fy);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(fx + w, fy);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(fx, fy + h);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(fx + w, fy + h);
    glEnd();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}
