// assetgen.cpp -- writes every generated image and sound of the CryptSLIDERS data tree
//
//   assetgen --font FILE --soundfont FILE --art DIR [--debug DIR] [--sheet FILE]
//            [--only NAME,NAME...] OUTDIR
//
// Images come from the SVG drawings in the art directory and from the drawing
// code beside this file; labels are set in the game's font file; sounds are
// notes played through FluidSynth with a General MIDI soundfont. Nothing
// depends on the time or on a random seed that changes, so two runs write
// byte-identical files. --only limits the run to the named files (paths below
// OUTDIR, e.g. base/StartScreen.png); --debug writes each button-bearing image
// with its button rectangles outlined and its labels alone; --sheet writes a
// contact sheet of every image.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "assets.h"

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    fs::path out, font, soundfont, debug, sheet;
    std::vector<std::string> only;
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
        else if (a == "--only") {
            std::istringstream in(value());
            std::string n;
            while (std::getline(in, n, ','))
                if (!n.empty())
                    only.push_back(n);
        } else if (!a.empty() && a[0] != '-' && out.empty())
            out = a;
        else
            paint::fail("unknown argument " + a);
    }
    if (out.empty() || font.empty() || soundfont.empty() || art_dir.empty()) {
        std::fprintf(stderr, "usage: assetgen --font FILE --soundfont FILE --art DIR [--debug DIR] [--sheet FILE] "
                             "[--only NAME,...] OUTDIR\n");
        return 2;
    }
    auto want = [&](const std::string& n) { return only.empty() || std::find(only.begin(), only.end(), n) != only.end(); };

    paint::text_init(font);
    std::vector<ImageJob> jobs = screen_jobs();
    for (ImageJob& j : help_jobs())
        jobs.push_back(j);
    std::vector<ImagePtr> made;
    for (const ImageJob& j : jobs) {
        if (!want(j.name))
            continue;
        made.push_back(j.make());
        paint::save(*made.back(), out);
    }
    if (want("icons/CryptSLIDERS.svg")) {
        std::error_code ec;
        fs::create_directories(out / "icons", ec);
        fs::copy_file(art_dir / "icon.svg", out / "icons/CryptSLIDERS.svg", fs::copy_options::overwrite_existing, ec);
        if (ec)
            paint::fail("cannot copy the icon's SVG: " + ec.message());
    }
    if (!debug.empty())
        write_debug(made, debug);
    if (!sheet.empty())
        write_sheet(made, sheet);
    paint::text_done();

    make_sounds(out, soundfont, only);
    return 0;
}
