// levelart.cpp -- draws every level's pictures, screen, clue and win images, and the opening and closing images
//
//   levelart --font FILE --art DIR [--sheets DIR [--frame FILE]] [--levels N,N...] [--part K/N]
//            [--scale 2] [--optimise] [--locale DIR --languages LL,LL... --records DIR] LEVEL_DATA OUTDIR
//
// Each level file LEVEL_DATA/level<N>/level.dat (N from 1 until one is missing)
// is read with the game's own parser; every picture it declares is drawn at
// the size it declares, and its clue image is laid out from its goal lists and
// rules, so the images cannot disagree with the level. Nothing depends on the
// time or on a changing seed: two runs write the same bytes. --levels limits
// the run to the named levels (the opening and closing images are always
// written); --part K/N takes every Nth level from the Kth, so that N runs
// share the work (the first writes the opening and closing); --sheets writes a contact sheet per level and one of the story,
// with the game's frame image (--frame) over the clue images. --scale 2 draws
// the set at twice the size from the same code, each file beside its 1x one
// as NAME@2x.png, the paintings as NAME@2x.webp. --optimise recompresses the
// clue images losslessly with optipng. The images are written without their
// words: those of English and of each of --languages (from the catalogs in
// --locale, level titles among them) go on overlays, OUTDIR/words/LL/NAME.webp (lossless),
// and every string drawn into a record in --records (as assetgen does).
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

#include "clue_words.h"
#include "levelart.h"
#include "rules/board.h"

namespace fs = std::filesystem;
using namespace paint;

const level_picture* LevelArt::picture(int n) const
{
    const level_picture* found = nullptr;
    for (const level_picture& p : pics)
        if (p.n == n)
            found = &p;  // a later line with the same number replaces the picture, as in the game
    return found;
}

namespace {

// Reads a level the way the game does; false when its file does not open.
bool read_level(const fs::path& data, int n, LevelArt* out)
{
    const fs::path file = data / ("level" + std::to_string(n)) / "level.dat";
    std::FILE* f = std::fopen(file.c_str(), "r");
    if (!f)
        return false;
    level_reset();
    std::vector<level_picture> pics;
    level_parse_file(f, n, pics);
    std::fclose(f);
    out->number = n;
    out->name = GameName;
    out->rotate = GameRotate != 0;
    out->time = GameTimeTotal;
    out->match_type = MatchType;
    out->match_counter = MatchCounter;
    out->fail_type = FailType;
    out->fail_counter = FailCounter;
    out->match.clear();
    out->fail.clear();
    for (const matchfail& e : Match)
        if (e.id)
            out->match.push_back({e.id, e.direction});
    for (const matchfail& e : Fail)
        if (e.id)
            out->fail.push_back({e.id, e.direction});
    out->pics = pics;
    return true;
}

// A picture file name that stays inside the level's folder.
bool plain_name(const char* name)
{
    return name[0] && name[0] != '.' && !std::strchr(name, '/') && !std::strchr(name, '\\');
}

ImagePtr picture_image(const LevelArt& level, const level_picture& p)
{
    auto img = std::make_unique<Image>("level" + std::to_string(level.number) + "/" + p.filename, p.tw, p.th, false);
    cairo_save(img->cr);
    // Drawn at 33 pixels a cell and stretched to the declared size, should it differ.
    cairo_scale(img->cr, p.tw / (33.0 * p.w), p.th / (33.0 * p.h));
    draw_picture(img->cr, subject_for(p.filename), p.w, p.h, 33, 0, 0);
    cairo_restore(img->cr);
    return img;
}

std::vector<int> parse_list(const std::string& s)
{
    std::vector<int> v;
    std::istringstream in(s);
    std::string item;
    while (std::getline(in, item, ','))
        if (!item.empty())
            v.push_back(std::atoi(item.c_str()));
    return v;
}

}  // namespace

int main(int argc, char** argv)
{
    fs::path font, data, out, sheets;
    std::vector<int> only;
    std::vector<std::string> languages;
    fs::path locale, records;
    int part = 1, parts = 1;
    bool optimise = false;
    for (int i = 1; i < argc; i++) {
        const std::string a = argv[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= argc)
                fail("missing value after " + a);
            return argv[++i];
        };
        if (a == "--font")
            font = value();
        else if (a == "--art")
            art_dir = value();
        else if (a == "--sheets")
            sheets = value();
        else if (a == "--frame")
            sheet_frame = value();
        else if (a == "--scale")
            art_scale = std::atoi(value().c_str());
        else if (a == "--locale")
            locale = value();
        else if (a == "--records")
            records = value();
        else if (a == "--languages") {
            std::istringstream in(value());
            for (std::string code; std::getline(in, code, ',');)
                if (!code.empty())
                    languages.push_back(code);
        } else if (a == "--optimise")
            optimise = true;
        else if (a == "--levels")
            only = parse_list(value());
        else if (a == "--part") {
            const std::string v = value();
            if (std::sscanf(v.c_str(), "%d/%d", &part, &parts) != 2 || parts < 1 || part < 1 || part > parts)
                fail("--part wants K/N with 1 <= K <= N, not " + v);
        }
        else if (!a.empty() && a[0] != '-' && data.empty())
            data = a;
        else if (!a.empty() && a[0] != '-' && out.empty())
            out = a;
        else
            fail("unknown argument " + a);
    }
    if (font.empty() || art_dir.empty() || data.empty() || out.empty() || art_scale < 1 || art_scale > 4 ||
        (art_scale != 1 && !sheets.empty())) {
        std::fprintf(stderr, "usage: levelart --font FILE --art DIR [--sheets DIR [--frame FILE]] [--levels N,...] [--part K/N] "
                             "[--scale 2 (no --sheets)] [--optimise] [--locale DIR --languages LL,... --records DIR] "
                             "LEVEL_DATA OUTDIR\n");
        return 2;
    }
    text_init(font);
    words_init(locale, languages, records, "levelart" + std::to_string(part));
    story_init();
    if (!sheets.empty())
        fs::create_directories(sheets);

    LevelArt level;
    for (int n = 1; n < 256 && read_level(data, n, &level); n++) {
        if (!only.empty() && std::find(only.begin(), only.end(), n) == only.end())
            continue;
        if ((n - 1) % parts != part - 1)
            continue;
        std::vector<ImagePtr> pictures;
        for (const level_picture& p : level.pics) {
            if (!plain_name(p.filename)) {
                std::fprintf(stderr, "levelart: level %d: picture file %s is not a plain name, skipped\n", n, p.filename);
                continue;
            }
            pictures.push_back(picture_image(level, p));
            save(*pictures.back(), out);
        }
        const bool last = n == LAST_LEVEL;  // its win leads to the closing images
        // The chamber and its open door are paintings: the 2x set may store
        // them lossily. The clue images carry words and stay lossless.
        std::vector<ImagePtr> screens;
        screens.push_back(screen_image(level));
        screens.back()->painted = true;
        for (ImagePtr& img : clue_images(level)) {
            img->optimise = optimise;
            screens.push_back(std::move(img));
        }
        screens.push_back(win_image(level, last));
        screens.back()->painted = true;
        for (ImagePtr& img : screens)
            save(*img, out);
        if (!sheets.empty()) {
            std::vector<const Image*> p, s;
            for (const ImagePtr& img : pictures)
                p.push_back(img.get());
            for (const ImagePtr& img : screens)
                s.push_back(img.get());
            level_sheet(level, p, s, sheets / ("level" + std::to_string(n) + ".png"));
        }
    }

    if (part != 1) {  // the first part writes the opening and closing images
        words_done();
        text_done();
        return 0;
    }
    std::vector<ImagePtr> story = opening_images();
    for (ImagePtr& img : closing_images())
        story.push_back(std::move(img));
    std::vector<const Image*> all;
    for (ImagePtr& img : story) {
        img->painted = true;
        save(*img, out);
        all.push_back(img.get());
    }
    if (!sheets.empty())
        story_sheet(all, sheets / "story.png");
    words_done();
    text_done();
    return 0;
}
