// assetgen.cpp -- writes every generated image and sound of the CryptSLIDERS data tree
//
//   assetgen --font FILE --soundfont FILE --art DIR [--debug DIR] [--sheet FILE]
//            [--icons DIR --icon-name NAME] [--only NAME,NAME...] [--scale 2]
//            [--locale DIR --languages LL,LL... --records DIR] OUTDIR
//
// Images come from the SVG drawings in the art directory and from the drawing
// code beside this file; labels are set in the game's font file; sounds are
// notes played through FluidSynth with a General MIDI soundfont. Nothing
// depends on the time or on a random seed that changes, so two runs write
// byte-identical files. --only limits the run to the named files (paths below
// OUTDIR, e.g. base/StartScreen.png); --debug writes each button-bearing image
// with its button rectangles outlined and its labels alone; --sheet writes a
// contact sheet of every image; --icons writes the desktop icons in the
// layout of the hicolor icon theme, outside the data tree, which holds only
// what the game itself reads. --scale 2 draws the set at twice the size
// instead ("base/StartScreen@2x.png"), from the same code: images only, as
// the icons and sounds have one size. The images are written without their
// words; each language's words (English, and each of --languages from the
// catalogs in --locale) go on an overlay, OUTDIR/words/LL/NAME.webp (lossless), and a
// record of every string drawn to --records.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "assets.h"

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    fs::path out, font, soundfont, debug, sheet, icons;
    std::string icon_name;
    std::vector<std::string> only, languages;
    fs::path locale, records;
    for (int i = 1; i < argc; i++) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                paint::fail("missing value after " + a);
            return argv[++i];
        };
        if (a == "--font")
            font = value();
        else if (a == "--soundfont")
            soundfont = value();
        else if (a == "--art")
            art_dir = value();
        else if (a == "--debug")
            debug = value();
        else if (a == "--sheet")
            sheet = value();
        else if (a == "--icons")
            icons = value();
        else if (a == "--icon-name")
            icon_name = value();
        else if (a == "--scale")
            paint::art_scale = std::atoi(value().c_str());
        else if (a == "--locale")
            locale = value();
        else if (a == "--records")
            records = value();
        else if (a == "--languages" || a == "--only") {
            std::vector<std::string>& list = a == "--only" ? only : languages;
            std::istringstream in(value());
            std::string n;
            while (std::getline(in, n, ','))
                if (!n.empty())
                    list.push_back(n);
        } else if (!a.empty() && a[0] != '-' && out.empty())
            out = a;
        else
            paint::fail("unknown argument " + a);
    }
    const bool base_set = paint::art_scale == 1;
    if (out.empty() || font.empty() || soundfont.empty() || art_dir.empty() || icons.empty() != icon_name.empty() ||
        paint::art_scale < 1 || paint::art_scale > 4 || (!base_set && !(icons.empty() && debug.empty() && sheet.empty()))) {
        std::fprintf(stderr, "usage: assetgen --font FILE --soundfont FILE --art DIR [--debug DIR] [--sheet FILE] "
                             "[--icons DIR --icon-name NAME] [--only NAME,...] [--scale 2 (no --debug, --sheet, --icons)] "
                             "[--locale DIR --languages LL,... --records DIR] OUTDIR\n");
        return 2;
    }
    auto want = [&](const std::string& n) { return only.empty() || std::find(only.begin(), only.end(), n) != only.end(); };

    paint::text_init(font);
    paint::words_init(locale, languages, records, "assetgen");
    std::vector<ImageJob> jobs = screen_jobs();
    for (ImageJob& j : help_jobs())
        jobs.push_back(j);
    std::vector<ImagePtr> made;
    for (const ImageJob& j : jobs) {
        // The window icon has its one size.
        if (!want(j.name) || (!base_set && j.name == "base/CryptSLIDERS.png"))
            continue;
        made.push_back(j.make());
        paint::save(*made.back(), out);
    }
    if (!icons.empty())
        write_icons(icons, icon_name);
    if (!debug.empty())
        write_debug(made, debug);
    if (!sheet.empty())
        write_sheet(made, sheet);
    paint::words_done();
    paint::text_done();

    if (base_set)
        make_sounds(out, soundfont, only);
    return 0;
}
