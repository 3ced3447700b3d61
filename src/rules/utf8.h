// utf8.h -- text as the game draws it: UTF-8 decoded to the UCS-2 the text
// renderer takes, cut only between characters, shortened in the middle
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// What stands for bytes that are no character.
constexpr std::uint16_t UCS2_REPLACEMENT = 0xFFFD;
// What stands for a character UCS-2 cannot hold (beyond U+FFFF) or the text
// renderer would act on: a noncharacter that no font maps, so it draws as the
// font's missing glyph, a box.
constexpr std::uint16_t UCS2_BOX = 0xFFFF;

// The character at the front of text (not empty) and how many bytes it takes
// (at least 1). Bytes that are no well-formed UTF-8 answer U+FFFD, one for
// each longest start of a well-formed sequence (an overlong, a surrogate, a
// sequence cut short, a lead byte past U+10FFFF), as Unicode advises.
std::uint32_t utf8_next(std::string_view text, std::size_t* used);

// The text's characters as UCS-2, no terminator: bad bytes as U+FFFD,
// characters beyond U+FFFF and the byte-order marks U+FEFF and U+FFFE (which
// UCS-2 text renderers take as marks, skipped or swapping the bytes of all
// that follows) as UCS2_BOX, so that every character draws as one glyph.
std::vector<std::uint16_t> utf8_to_ucs2(std::string_view text);

// The length of the longest start of text of at most max_bytes bytes that
// ends between two characters.
std::size_t utf8_fit(std::string_view text, std::size_t max_bytes);

// Copies text into out (size bytes, terminator included), cut between characters.
void utf8_copy(char* out, std::size_t size, std::string_view text);

// Measures a text, in pixels.
using utf8_measure_fn = std::function<int(const std::string&)>;

// The text as it is when it measures at most width; otherwise its first and
// last characters (as many of each, the first one more when odd) around the
// ellipsis, as many as fit; the ellipsis alone when none do.
std::string utf8_shorten(std::string_view text, std::string_view ellipsis, int width, const utf8_measure_fn& measure);
