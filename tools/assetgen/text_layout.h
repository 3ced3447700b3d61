// text_layout.h -- the drawing kit's text as pango layouts, shared by the labels and the words' overlays
#pragma once

#include <pango/pangocairo.h>

#include "paint.h"

namespace paint {

// A layout of s at size in the game's font, its context updated to cr's
// transformation (null: as it was last). width > 0 wraps words within it,
// laid out as align says (0 left, 0.5 centred, 1 right). The caller unrefs it.
PangoLayout* text_layout(cairo_t* cr, const std::string& s, double size, double width = 0, double align = 0);
// Paints layout with its top-left at (ox, oy) in the style's face; ink is
// the layout's ink box.
void draw_layout(cairo_t* cr, PangoLayout* layout, double ox, double oy, const PangoRectangle& ink, const TextStyle& st);
// A paragraph's layout painted with its shadow.
void draw_paragraph(cairo_t* cr, PangoLayout* layout, double x, double y, Rgb colour);

}  // namespace paint
