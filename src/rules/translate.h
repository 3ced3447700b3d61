// translate.h -- the words the game shows, in the player's language: the
// catalog in use, and the calls that mark the game's English for xgettext
// (keywords tr, tr_n:1,2 and N_) and look it up
#pragma once

#include <string>

#include "rules/catalog.h"

// Takes c as the catalog every later lookup reads, and language as its code
// ("de", "pt_BR"; empty for English). The previous catalog is dropped: a
// pointer tr() returned before stays valid only until this call.
void translate_use(catalog c, const std::string& language);
// The code of the language in use; empty for English.
const std::string& translate_language();

// english in the language in use, or english itself where the catalog has no
// translation for it.
const char* tr(const char* english);
// The form for count n: singular and plural are English's, the catalog's
// plural rule picks among its forms (some languages have three or more).
const char* tr_n(const char* singular, const char* plural, unsigned long n);
// Marks English for the catalogs where it cannot be looked up yet (a table's
// initialiser); tr() looks it up where it is shown.
constexpr const char* N_(const char* english)
{
    return english;
}
