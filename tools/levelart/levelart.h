// levelart.h -- the level art generator: subjects of the pictures, pictures, story and clue images, contact sheets
#pragma once

#include <cairo.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "rules/level_file.h"
#include "paint.h"

// ---- subjects (relics.cpp, creatures.cpp)

// Draws a subject centred on (0, 0), in units where the shorter side of the
// picture's inside is 100: it covers -hw..hw across and -hh..hh down.
using SubjectDraw = void (*)(cairo_t* cr, double hw, double hh);

// One thing a level picture can show, found by the picture file's name.
struct Subject {
    std::string name;            // file name without ".png"
    paint::Rgb top, bottom;      // the background's tone, lit from above
    SubjectDraw draw;
};

std::vector<Subject> relic_subjects();
std::vector<Subject> creature_subjects();
// The subject for a picture file ("owl.png" gives the owl); an unknown name
// gets a written stone tablet of its own, so a new picture still builds.
Subject subject_for(const std::string& filename);

// Directory of the authored SVG drawings (the owl).
extern std::filesystem::path art_dir;

// Shape helpers for the subjects.
void fill_v(cairo_t* cr, paint::Rgb top, paint::Rgb bottom, double y0, double y1);  // fills the path
void fill_lit(cairo_t* cr, paint::Rgb c, double cx, double cy, double r);          // lit from the top-left
void stroke(cairo_t* cr, paint::Rgb c, double width, double alpha = 1.0);

// ---- pictures (picture.cpp)

// Draws a picture of cw x ch cells of `cell` pixels with its top-left corner
// at (x, y), turned by an orientation code: 1 upright, 2 a quarter turn
// clockwise, 3 upside down, 0 a quarter turn anticlockwise. A quarter turn
// covers ch x cw cells.
void draw_picture(cairo_t* cr, const Subject& s, int cw, int ch, double cell, double x, double y, int code = 1);

// ---- levels as read by the game's parser (levelart.cpp)

struct LevelArt {
    int number = 0;
    std::string name;
    bool rotate = false;
    int time = 0;
    int match_type = 1, match_counter = 1, fail_type = 1, fail_counter = 1;
    struct Goal {
        int id;
        int direction;
    };
    std::vector<Goal> match, fail;
    std::vector<level_picture> pics;
    const level_picture* picture(int n) const;  // the declared picture n, or nullptr
};

// ---- full-screen images (story.cpp, clue.cpp)

using ImagePtr = std::unique_ptr<paint::Image>;

// Shared backgrounds, drawn once per run.
void story_init();
ImagePtr screen_image(const LevelArt& level);
ImagePtr win_image(const LevelArt& level, bool last);
// clue1.png, and clue2.png when the goals leave no room for the forbidden pictures.
std::vector<ImagePtr> clue_images(const LevelArt& level);
std::vector<ImagePtr> opening_images();
std::vector<ImagePtr> closing_images();

// ---- contact sheets (sheets.cpp)

// The game's frame image, laid over clue images on the sheets as the game lays it; may be empty.
extern std::filesystem::path sheet_frame;

void level_sheet(const LevelArt& level, const std::vector<const paint::Image*>& pictures,
                 const std::vector<const paint::Image*>& screens, const std::filesystem::path& file);
void story_sheet(const std::vector<const paint::Image*>& images, const std::filesystem::path& file);
