// typeface.cpp -- the game's font through FreeType: opened at a pixel size, texts measured
// and drawn into 8-bit coverage with the metrics the game's layouts were made with
//
// The title plates, the password line and every shortened name were laid out
// with SDL_ttf 2.0's measures, so these are its measures: whole pixels from the
// hinted glyph metrics, the pen moved by rounded-up advances, a line as high as
// the rounded ascent and descent plus the baseline's row.
#include "rules/typeface.h"

#include <algorithm>

#include <ft2build.h>
#include FT_FREETYPE_H

#include "rules/utf8.h"

namespace {

FT_Library library = nullptr;  // opened with the first font, kept for the process

int floor26(FT_Pos x)
{
    return static_cast<int>((x & -64) / 64);
}

int ceil26(FT_Pos x)
{
    return static_cast<int>(((x + 63) & -64) / 64);
}

FT_Face face_of(const typeface& t)
{
    return static_cast<FT_Face>(t.face);
}

// One character's glyph loaded (hinted) into the face's slot, with its box
// in whole pixels relative to the pen and the baseline.
struct glyph_box {
    FT_UInt index = 0;  // 0: the font's missing glyph
    int minx = 0, maxx = 0, miny = 0, maxy = 0;
    int advance = 0;
};

bool load_glyph(FT_Face face, std::uint16_t unit, glyph_box* g)
{
    g->index = FT_Get_Char_Index(face, unit);
    if (FT_Load_Glyph(face, g->index, FT_LOAD_DEFAULT) != 0)
        return false;
    const FT_Glyph_Metrics& m = face->glyph->metrics;
    g->minx = floor26(m.horiBearingX);
    g->maxx = g->minx + ceil26(m.width);
    g->maxy = floor26(m.horiBearingY);
    g->miny = g->maxy - ceil26(m.height);
    g->advance = ceil26(m.horiAdvance);
    return true;
}

// The pen's move between two glyphs beyond their advances.
int kerning(const typeface& t, FT_UInt prev, FT_UInt next)
{
    FT_Vector delta{0, 0};
    if (!t.kerning || prev == 0 || next == 0)
        return 0;
    FT_Get_Kerning(face_of(t), prev, next, FT_KERNING_DEFAULT, &delta);
    return static_cast<int>(delta.x >> 6);
}

// The text's characters as the measure and the drawing take them: UCS-2 up to
// the first NUL.
std::vector<std::uint16_t> units_of(std::string_view text)
{
    std::vector<std::uint16_t> units = utf8_to_ucs2(text);
    for (std::size_t i = 0; i < units.size(); i++)
        if (units[i] == 0) {
            units.resize(i);
            break;
        }
    return units;
}

// The units' box: its width, or -1 when a glyph does not load, and its
// height, a line's, or from the ascent down to the lowest ink where a glyph
// reaches below the line.
int measure(const typeface& t, const std::vector<std::uint16_t>& units, int* height)
{
    int x = 0, minx = 0, maxx = 0, miny = 0;
    FT_UInt prev = 0;
    for (std::uint16_t unit : units) {
        glyph_box g;
        if (!load_glyph(face_of(t), unit, &g))
            return -1;
        x += kerning(t, prev, g.index);
        minx = std::min(minx, x + g.minx);
        maxx = std::max(maxx, x + std::max(g.advance, g.maxx));
        miny = std::min(miny, g.miny);
        x += g.advance;
        prev = g.index;
    }
    *height = std::max(t.ascent - miny, t.height);
    return maxx - minx;
}

}  // namespace

bool typeface_open(typeface* t, const char* path, int size)
{
    *t = typeface{};
    if (size <= 0 || (!library && FT_Init_FreeType(&library) != 0))
        return false;
    FT_Face face = nullptr;
    if (FT_New_Face(library, path, 0, &face) != 0)
        return false;
    // A Unicode map where the font has one (Windows Unicode or symbol, ISO or
    // Apple Unicode, the first of them), else FreeType's own choice.
    for (FT_Int i = 0; i < face->num_charmaps; i++) {
        FT_CharMap map = face->charmaps[i];
        if ((map->platform_id == 3 && (map->encoding_id == 1 || map->encoding_id == 0)) ||
            (map->platform_id == 2 && map->encoding_id == 1) || map->platform_id == 0) {
            FT_Set_Charmap(face, map);
            break;
        }
    }
    // Only an outline font scales to any size; a bitmap-only one is refused.
    if (!FT_IS_SCALABLE(face) || FT_Set_Char_Size(face, 0, static_cast<FT_F26Dot6>(size) * 64, 0, 0) != 0) {
        FT_Done_Face(face);
        return false;
    }
    FT_Fixed scale = face->size->metrics.y_scale;
    t->face = face;
    t->size = size;
    t->ascent = ceil26(FT_MulFix(face->ascender, scale));
    t->descent = ceil26(FT_MulFix(face->descender, scale));
    t->height = t->ascent - t->descent + 1;
    t->kerning = FT_HAS_KERNING(face);
    return true;
}

void typeface_close(typeface* t)
{
    if (t->face)
        FT_Done_Face(face_of(*t));
    *t = typeface{};
}

bool typeface_has(const typeface& t, std::uint32_t ch)
{
    return t.face && FT_Get_Char_Index(face_of(t), ch) != 0;
}

text_size typeface_size(const typeface& t, std::string_view text)
{
    text_size size;
    if (t.face && (size.w = measure(t, units_of(text), &size.h)) < 0)
        size = text_size{};
    return size;
}

int typeface_width(const typeface& t, std::string_view text)
{
    return typeface_size(t, text).w;
}

// Every pixel of the text's box takes the coverage of each glyph over it
// or'ed in (where glyphs overlap, their bits mix rather than add). A glyph's
// rows land at its place in the box read as one run of pixels: what passes a
// row's right edge goes on at the next row's left, and nothing is written
// outside the box.
text_coverage typeface_draw(const typeface& t, std::string_view text)
{
    text_coverage out;
    std::vector<std::uint16_t> units = units_of(text);
    int h = 0, w = t.face ? measure(t, units, &h) : 0;
    if (w <= 0 || h <= 0)
        return out;
    out.w = w;
    out.h = h;
    out.alpha.assign(static_cast<std::size_t>(w) * out.h, 0);
    const long long end = static_cast<long long>(w) * out.h;
    FT_Face face = face_of(t);
    int x = 0;
    FT_UInt prev = 0;
    for (std::size_t i = 0; i < units.size(); i++) {
        glyph_box g;
        if (!load_glyph(face, units[i], &g) || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
            return text_coverage{};
        x += kerning(t, prev, g.index);
        // A first glyph reaching left of its pen moves the pen right, as the
        // width measured from its ink allows.
        if (i == 0 && g.minx < 0)
            x -= g.minx;
        const FT_Bitmap& bm = face->glyph->bitmap;
        // Only 8-bit coverage is drawn: an outline font renders nothing else.
        if (bm.pixel_mode == FT_PIXEL_MODE_GRAY && bm.buffer) {
            int cols = std::min(static_cast<int>(bm.width), g.maxx - g.minx);
            int top = t.ascent - g.maxy;
            for (int row = 0; row < static_cast<int>(bm.rows); row++) {
                int y = row + top;
                if (y < 0 || y >= out.h)
                    continue;
                const unsigned char* src = bm.buffer + static_cast<long long>(bm.pitch) * row;
                long long at = static_cast<long long>(y) * w + x + g.minx;
                for (int c = 0; c < cols && at + c < end; c++)
                    if (at + c >= 0)
                        out.alpha[static_cast<std::size_t>(at + c)] |= src[c];
            }
        }
        x += g.advance;
        prev = g.index;
    }
    return out;
}
