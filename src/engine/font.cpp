// font.cpp -- strings rendered once into textures of their own, drawn as blended quads
#include "engine/font.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

#include "engine/misc.h"
#include "engine/opengl_tile.h"
#include "rules/utf8.h"

TTF_Font* FONT1 = nullptr;
TTF_Font* FONT2 = nullptr;
TTF_Font* FONT3 = nullptr;

static Uint8 font_initialized = 0;
static const int FONT_SIZES[3] = {FONT1_SIZE, FONT2_SIZE, FONT3_SIZE};

// The fonts at the size texts are shown at (the logical ones at scale 1), and
// the texts made and not yet freed, to make again at a new scale.
static double font_scale = 1.0;
static std::array<TTF_Font*, 3> shown_fonts{};
static std::vector<font_s*> live_texts;

// Same results as next_power_of_two; the text module keeps its own copy.
static int nextpoweroftwo(int x)
{
    return next_power_of_two(x);
}

Uint8 font_init()
{
    if (TTF_Init() == -1) {
        std::printf("TTF_Init: %s\n", SDL_GetError());
        return 0;
    }
    TTF_Font** handles[3] = {&FONT1, &FONT2, &FONT3};
    for (int i = 0; i < 3; i++) {
        *handles[i] = TTF_OpenFont(FONT_FILE, FONT_SIZES[i]);
        if (!*handles[i]) {
            std::printf("TTF_OpenFont: %s\n", SDL_GetError());
            return 0;
        }
    }
    font_initialized = 1;
    return 1;
}

// The font that renders texts measured with one of FONT1 to FONT3.
static TTF_Font* shown_font(TTF_Font* font)
{
    const TTF_Font* logical[3] = {FONT1, FONT2, FONT3};
    for (int i = 0; i < 3; i++)
        if (font == logical[i] && shown_fonts[static_cast<size_t>(i)])
            return shown_fonts[static_cast<size_t>(i)];
    return font;
}

static void close_shown_fonts()
{
    for (TTF_Font*& f : shown_fonts) {
        if (f)
            TTF_CloseFont(f);
        f = nullptr;
    }
}

void font_rescale(double scale)
{
    close_shown_fonts();
    font_scale = scale > 0 ? scale : 1.0;
    if (font_scale != 1.0)
        for (int i = 0; i < 3; i++)
            shown_fonts[static_cast<size_t>(i)] =
                TTF_OpenFont(FONT_FILE, static_cast<int>(FONT_SIZES[i] * font_scale + 0.5));
    // The old textures may have gone with the old OpenGL context; deleting a
    // name that no longer exists does nothing.
    std::vector<font_s*> texts = live_texts;
    for (font_s* f : texts) {
        font_s old = *f;
        font_free(f);
        font_make(f, old.font, old.text.c_str(), old.color);
    }
}

void font_deinit()
{
    if (!font_initialized)
        return;
    close_shown_fonts();
    live_texts.clear();
    font_scale = 1.0;
    TTF_CloseFont(FONT1);
    TTF_CloseFont(FONT2);
    TTF_CloseFont(FONT3);
    FONT1 = FONT2 = FONT3 = nullptr;
    TTF_Quit();
    font_initialized = 0;
}

// Byte masks of the texture surface: red in the lowest byte of each 32-bit pixel.
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
static const Uint32 TEXT_RMASK = 0x000000ff, TEXT_GMASK = 0x0000ff00, TEXT_BMASK = 0x00ff0000, TEXT_AMASK = 0xff000000;
#else
static const Uint32 TEXT_RMASK = 0xff000000, TEXT_GMASK = 0x00ff0000, TEXT_BMASK = 0x0000ff00, TEXT_AMASK = 0x000000ff;
#endif

// The text as SDL_ttf takes it: UCS-2, zero-terminated.
static std::vector<Uint16> ucs2_text(const std::string& text)
{
    std::vector<Uint16> units = utf8_to_ucs2(text);
    units.push_back(0);
    return units;
}

int font_width(TTF_Font* font, const std::string& text)
{
    int w = 0, h = 0;
    if (!font || TTF_SizeUNICODE(font, ucs2_text(text).data(), &w, &h) != 0)
        return 0;
    return w;
}

std::string font_fit(TTF_Font* font, const std::string& text, int width)
{
    const char* ellipsis = font && TTF_GlyphIsProvided(font, 0x2026) ? "\xE2\x80\xA6" : "...";  // U+2026 in UTF-8
    return utf8_shorten(text, ellipsis, width, [font](const std::string& t) { return font_width(font, t); });
}

// Renders text into a new texture held by f. An empty string, or a font that
// cannot render, leaves f as it was; when the texture surface cannot be made
// f is left empty, so it draws nothing.
void font_make(font_s* f, TTF_Font* font, const char* text, SDL_Color color)
{
    if (!font || !text)
        return;
    std::vector<Uint16> units = ucs2_text(text);
    SDL_Surface* rendered = TTF_RenderUNICODE_Blended(shown_font(font), units.data(), color);
    if (!rendered)
        return;
    f->font = font;
    f->color = color;
    f->text = text;
    f->scale = static_cast<float>(shown_font(font) == font ? 1.0 : font_scale);
    if (std::find(live_texts.begin(), live_texts.end(), f) == live_texts.end())
        live_texts.push_back(f);
    // Copy the rendered alpha instead of blending with it.
    SDL_SetAlpha(rendered, 0, 0);
    TTF_SizeUNICODE(font, units.data(), &f->tw, &f->th);
    f->w = static_cast<Uint16>(nextpoweroftwo(rendered->w));
    f->h = static_cast<Uint16>(nextpoweroftwo(rendered->h));

    SDL_Surface* pot = SDL_CreateRGBSurface(0, f->w, f->h, 32, TEXT_RMASK, TEXT_GMASK, TEXT_BMASK, TEXT_AMASK);
    if (!pot) {
        SDL_FreeSurface(rendered);
        font_free(f);
        return;
    }
    SDL_BlitSurface(rendered, nullptr, pot, nullptr);

    GLuint name = 0;
    glGenTextures(1, &name);
    f->texture = static_cast<int>(name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    // The surface holds R, G, B, A in memory but goes up as B, G, R, A: red and
    // blue of the text colour trade places on screen, so (0, 255, 255) shows
    // yellow. The screens choose their text colours with this in mind.
    ot_upload(f->w, f->h, pot->pixels);

    SDL_FreeSurface(pot);
    SDL_FreeSurface(rendered);
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
