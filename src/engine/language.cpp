// language.cpp -- the language the game speaks: the player's choice or the
// system's, its catalog found and read, and the languages there are to choose
#include "engine/language.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include "engine/font.h"
#include "engine/scaler.h"
#include "engine/screen.h"
#include "rules/catalog.h"
#include "rules/translate.h"

std::string language_choice;

// The languages the game has catalogs for, each named in itself. English is
// the game's own and needs none.
struct language_entry {
    const char* code;
    const char* name;
};
static const language_entry LANGUAGES[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"fr", "Fran\xC3\xA7" "ais"}, {"es", "Espa\xC3\xB1ol"}};

std::string language_dir()
{
    const char* dir = std::getenv("CRYPTSLIDERS_LOCALEDIR");
    return dir && dir[0] ? dir : "locale";
}

static std::string catalog_path(const std::string& code)
{
    return language_dir() + "/" + code + "/LC_MESSAGES/cryptsliders.mo";
}

// The catalog of one of the codes, the first that reads, taken into use; English where none does.
static void use_first(const std::vector<std::string>& codes)
{
    for (const std::string& code : codes) {
        if (code == "en" || code.compare(0, 3, "en_") == 0)
            break;  // the game's own words
        catalog c;
        if (catalog_read(catalog_path(code), &c)) {
            translate_use(std::move(c), code);
            screen_words();
            return;
        }
    }
    translate_use(catalog{}, "");
    screen_words();
}

static void use_choice()
{
    if (!language_choice.empty())
        use_first({language_choice});
    else
        use_first(catalog_languages(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                    std::getenv("LANG")));
}

void language_start()
{
    // The messages' locale only. The catalogs and the font take UTF-8 in any
    // locale, and a UTF-8 character type would have SDL 2 (under
    // sdl12-compat) title the window in an encoding named after the locale,
    // which tools that read WM_NAME (xdotool, older window managers) cannot
    // read. The numbers' locale stays C: the settings file keeps its point.
    std::setlocale(LC_MESSAGES, "");
    use_choice();
}

std::vector<std::string> language_offered()
{
    std::vector<std::string> codes = {"", "en"};
    for (const language_entry& l : LANGUAGES)
        if (std::string(l.code) != "en") {
            catalog c;
            if (catalog_read(catalog_path(l.code), &c))
                codes.push_back(l.code);
        }
    return codes;
}

std::string language_name(const std::string& code)
{
    if (code.empty())
        return tr("System's");
    for (const language_entry& l : LANGUAGES)
        if (code == l.code)
            return l.name;
    return code;
}

void language_change(const std::string& code)
{
    if (code == language_choice)
        return;
    language_choice = code;
    use_choice();
    // Images lay the language's painted words over their art as they load;
    // texts made from a message are looked up again.
    scaler_remake();
    font_retranslate();
}
