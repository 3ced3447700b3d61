// font_web.js -- the SDL_ttf calls the game makes that the page's SDL lacks (it
// takes UTF-8 only), made of those it has: the UCS-2 text turned to UTF-8 first
mergeInto(LibraryManager.library, {
  // The text as the page's TTF_* take it, in a buffer the caller frees.
  $ttfUtf8: function(ucs2) {
    return allocateUTF8(UTF16ToString(ucs2));
  },

  TTF_SizeUNICODE__deps: ['$ttfUtf8', 'TTF_SizeText', 'free'],
  TTF_SizeUNICODE: function(font, text, w, h) {
    var utf8 = ttfUtf8(text);
    var status = _TTF_SizeText(font, utf8, w, h);
    _free(utf8);
    return status;
  },

  TTF_RenderUNICODE_Blended__deps: ['$ttfUtf8', 'TTF_RenderText_Blended', 'free'],
  TTF_RenderUNICODE_Blended: function(font, text, color) {
    var utf8 = ttfUtf8(text);
    var surface = _TTF_RenderText_Blended(font, utf8, color);
    _free(utf8);
    return surface;
  },

  // The page draws with the browser's fonts, which fall back on another font
  // for a character theirs lacks: every character is drawn.
  TTF_GlyphIsProvided: function(font, ch) {
    return 1;
  },
});
