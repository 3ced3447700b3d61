// language.h -- the language the game speaks: the player's choice or the
// system's, its catalog found and read, and the languages there are to choose
#pragma once

#include <string>
#include <vector>

// The player's choice from the settings file: a language code, or empty for
// the system's language.
extern std::string language_choice;

// Where the catalogs lie: CRYPTSLIDERS_LOCALEDIR where set (the launcher
// points it at the installed catalogs), else "locale" in the working
// directory, beside "data" (the build tree).
std::string language_dir();

// Takes the locale's messages from the environment (never its numbers: the
// settings file keeps its decimal point), then the catalog of
// language_choice or of the system's first language that has one; English
// where none reads.
void language_start();

// The languages the options offer, in their order: "" (the system's), then
// English and each language whose catalog reads.
std::vector<std::string> language_offered();

// A language's name in itself ("Deutsch"); the system's in the language in use.
std::string language_name(const std::string& code);

// The player chose code: its catalog taken into use, and every image and
// text made again in it, for the next frame. Nothing happens when it is
// the choice already made.
void language_change(const std::string& code);
