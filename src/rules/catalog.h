// catalog.h -- the game's words in the player's language: a GNU message
// catalog (.mo, as msgfmt writes it) read by the game itself, so that the
// desktop and the page (which has no libintl) look words up the same way;
// the plural rule of the catalog's header evaluated for counts; and the
// languages to look for, from the environment as every program reads it
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

// One language's catalog: each message (a singular, or a singular and its
// plural joined by a NUL, as in the file) with its translations, and the
// catalog's plural rule. Empty, every word is the English one.
struct catalog {
    std::unordered_map<std::string, std::vector<std::string>> texts;
    std::string plural_rule = "n != 1";  // a C expression of n, from the header's Plural-Forms
    int plurals = 2;                     // its nplurals
};

// The largest catalog read, and the most messages taken from one.
constexpr std::size_t CATALOG_MAX_BYTES = 8u << 20;
constexpr std::size_t CATALOG_MAX_MESSAGES = 100000;

// A .mo file's bytes read into out; false (and out left empty) for anything
// that is not a whole catalog: a wrong magic number or major revision, a
// table or string outside the file. Translations left empty are not taken,
// nor ones of a printf format that would read an argument the English does
// not give, or read one as another kind (the English is used there).
bool catalog_parse(const unsigned char* data, std::size_t size, catalog* out);
bool catalog_read(const std::string& path, catalog* out);

// The translation of msgid, or msgid itself.
const char* catalog_text(const catalog& c, const char* msgid);

// The form for count n of a message with a plural; English's rule where the
// catalog has none for it.
const char* catalog_plural(const catalog& c, const char* singular, const char* plural, unsigned long n);

// Which of the plurals forms the rule picks for n: the rule as a C
// expression of n (?:, ||, &&, comparisons, + - * / %, !, parentheses,
// numbers), 0 where it does not read, divides by zero or picks a form beyond
// the last.
int catalog_plural_index(const std::string& rule, unsigned long n, int plurals);

// The languages to look for, best first, each as ll_CC then ll (codeset and
// modifier dropped): LANGUAGE's colon-separated list where the locale is not
// C or POSIX, else the locale from LC_ALL, LC_MESSAGES or LANG, the first
// one set. Empty for English. Null arguments are unset variables.
std::vector<std::string> catalog_languages(const char* language, const char* lc_all, const char* lc_messages,
                                           const char* lang);
