// translate.cpp -- the catalog in use
#include "rules/translate.h"

#include <utility>

static catalog current;
static std::string current_language;

void translate_use(catalog c, const std::string& language)
{
    current = std::move(c);
    current_language = language;
}

const std::string& translate_language()
{
    return current_language;
}

const char* tr(const char* english)
{
    return catalog_text(current, english);
}

const char* tr_n(const char* singular, const char* plural, unsigned long n)
{
    return catalog_plural(current, singular, plural, n);
}
