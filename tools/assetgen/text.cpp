// text.cpp -- labels in the game's own font (pango on a fontconfig set holding only that file), and SVG drawings
#include <fontconfig/fontconfig.h>
#include <librsvg/rsvg.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <algorithm>

#include "text_layout.h"

namespace paint {

namespace {
PangoFontMap* font_map = nullptr;
PangoContext* context = nullptr;
std::string family;
int weight = PANGO_WEIGHT_NORMAL;
}  // namespace

PangoLayout* text_layout(cairo_t* cr, const std::string& s, double size, double width, double align)
{
    if (!context)
        fail("text drawn before text_init");
    if (cr)
        pango_cairo_update_context(cr, context);
    PangoLayout* layout = pango_layout_new(context);
    PangoFontDescription* desc = pango_font_description_new();
    pango_font_description_set_family(desc, family.c_str());
    pango_font_description_set_weight(desc, static_cast<PangoWeight>(weight));
    pango_font_description_set_absolute_size(desc, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, desc);
    pango_font_description_free(desc);
    pango_layout_set_text(layout, s.c_str(), -1);
    if (width > 0) {
        pango_layout_set_width(layout, static_cast<int>(width * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD);
        pango_layout_set_alignment(layout, align < 0.25 ? PANGO_ALIGN_LEFT : align > 0.75 ? PANGO_ALIGN_RIGHT
                                                                                      : PANGO_ALIGN_CENTER);
    }
    return layout;
}


void text_init(const std::filesystem::path& font_file)
{
    // A font configuration that knows the game's font file and nothing else:
    // every label is set in exactly the face the game renders its texts with.
    FcConfig* config = FcConfigCreate();
    if (!config || !FcConfigAppFontAddFile(config, reinterpret_cast<const FcChar8*>(font_file.c_str())))
        fail("cannot load the font " + font_file.string());
    FcFontSet* set = FcConfigGetFonts(config, FcSetApplication);
    FcChar8* fam = nullptr;
    int fc_weight = FC_WEIGHT_REGULAR;
    if (!set || set->nfont < 1 || FcPatternGetString(set->fonts[0], FC_FAMILY, 0, &fam) != FcResultMatch)
        fail("no font family in " + font_file.string());
    FcPatternGetInteger(set->fonts[0], FC_WEIGHT, 0, &fc_weight);
    family = reinterpret_cast<const char*>(fam);
    weight = fc_weight >= FC_WEIGHT_BOLD ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL;

    font_map = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    if (!font_map)
        fail("pango has no FreeType font map");
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(font_map), config);
    FcConfigDestroy(config);  // the font map holds its own reference
    context = pango_font_map_create_context(font_map);
    // Fixed rasterising options, whatever the machine's desktop settings say.
    cairo_font_options_t* opts = cairo_font_options_create();
    cairo_font_options_set_antialias(opts, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(opts, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(opts, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(context, opts);
    cairo_font_options_destroy(opts);
}

void text_done()
{
    if (context)
        g_object_unref(context);
    if (font_map)
        g_object_unref(font_map);
    context = nullptr;
    font_map = nullptr;
}

void text_size(const std::string& s, double size, double* w, double* h)
{
    PangoLayout* layout = text_layout(nullptr, s, size);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    *w = ink.width;
    *h = ink.height;
    g_object_unref(layout);
}

double fit_size(const std::string& s, double max_size, double w, double h)
{
    double size = max_size;
    for (; size > 6; size -= 0.5) {
        double tw, th;
        text_size(s, size, &tw, &th);
        if (tw <= w && th <= h)
            break;
    }
    return size;
}

void draw_layout(cairo_t* cr, PangoLayout* layout, double ox, double oy, const PangoRectangle& ink, const TextStyle& st)
{
    auto draw_at = [&](double dx, double dy) {
        cairo_move_to(cr, ox + dx, oy + dy);
        pango_cairo_show_layout(cr, layout);
    };
    cairo_save(cr);
    switch (st.face) {
    case Face::Engraved:
        // Cut into the surface: the lower lip of each stroke catches the light.
        set(cr, kBrassHi, 0.55);
        draw_at(0, 1);
        set(cr, st.colour);
        draw_at(0, 0);
        break;
    case Face::Embossed:
        set(cr, kDeep, 0.8);
        draw_at(1.5, 2);
        set(cr, scale(st.colour, 1.3), 0.9);
        draw_at(-0.6, -0.6);
        set(cr, st.colour);
        draw_at(0, 0);
        break;
    case Face::Brass: {
        set(cr, kDeep, 0.85);
        draw_at(2, 3);
        set(cr, kBrassShadow);
        draw_at(1, 1.5);
        cairo_move_to(cr, ox, oy);
        pango_cairo_layout_path(cr, layout);
        cairo_pattern_t* g = brass_linear(0, oy + ink.y, 0, oy + ink.y + ink.height);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        set(cr, kBrassShadow, 0.7);
        cairo_set_line_width(cr, std::max(0.6, st.size / 60));
        cairo_stroke(cr);
        break;
    }
    case Face::Plain:
        set(cr, st.colour);
        draw_at(0, 0);
        break;
    }
    cairo_restore(cr);
}

void text_now(cairo_t* cr, const std::string& s, double x, double cy, const TextStyle& st)
{
    PangoLayout* layout = text_layout(cr, s, st.size);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    draw_layout(cr, layout, x - ink.x - ink.width * st.align, cy - ink.y - ink.height / 2.0, ink, st);
    g_object_unref(layout);
}

void draw_paragraph(cairo_t* cr, PangoLayout* layout, double x, double y, Rgb colour)
{
    cairo_save(cr);
    set(cr, kDeep, 0.7);
    cairo_move_to(cr, x + 1, y + 1);
    pango_cairo_show_layout(cr, layout);
    set(cr, colour);
    cairo_move_to(cr, x, y);
    pango_cairo_show_layout(cr, layout);
    cairo_restore(cr);
}

void svg(cairo_t* cr, const std::filesystem::path& file, double x, double y, double w, double h)
{
    GError* err = nullptr;
    RsvgHandle* handle = rsvg_handle_new_from_file(file.c_str(), &err);
    if (!handle)
        fail("cannot read " + file.string() + ": " + (err ? err->message : "?"));
    RsvgRectangle viewport{x, y, w, h};
    if (!rsvg_handle_render_document(handle, cr, &viewport, &err))
        fail("cannot render " + file.string() + ": " + (err ? err->message : "?"));
    g_object_unref(handle);
}

}  // namespace paint
