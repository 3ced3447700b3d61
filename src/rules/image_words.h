// image_words.h -- the words of an image of the data tree, kept apart from it: the overlay
// file that holds them in a language, and the overlay laid over the image's pixels
#pragma once

#include <string>

#include "rules/image_decode.h"

// The overlay of the image file `file` in language lang: the file's path in
// the data tree (what follows its "data/" folder) below data/words/LANG/,
// as lossless WebP ("data/base/Start@2x.png" in "de":
// "data/words/de/base/Start@2x.webp"). Empty for a path outside a data tree,
// an empty language, or one too long to be an image's.
std::string image_words_path(const std::string& file, const std::string& lang);

// Lays overlay over image as a painter lays a transparent sheet over a
// canvas (both R, G, B, A with straight alpha). False, and image as it was,
// when their sizes differ.
bool image_words_blend(image_rgba* image, const image_rgba& overlay);

// The words of the image in file laid over its pixels: the overlay of
// language lang (a code such as "pt_BR", tried as itself, then as "pt"),
// else English's. Returns the overlay file laid, or empty where there is
// none that reads at the image's size (the image is as it was).
std::string image_words_add(const std::string& file, const std::string& lang, image_rgba* image);
