// picture_set.h -- the player's picture files: where they are looked for, which of
// them can be read (and why the others cannot), and the set being played, a level
// of up to ten of them at a time
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One picture file that passed the checks on its header.
struct picture_file {
    std::string path;
    std::string name;          // the file's own name, without its folder
    std::uint64_t size = 0;    // bytes
    int w = 0, h = 0;          // pixels, as it stands upright
    std::uint64_t decode_bytes = 0;  // its decode's peak beside the file's own bytes (intake_decode_bytes)
};

// A file passed over, and why, in a few words.
// why is English, marked for the catalogs; where it names another file
// (other), it holds one "%s" for its name.
struct picture_skip {
    std::string path;
    std::string why;
    std::string other = "";
};

// Why a file was passed over, in the language in use or, for the log, in English.
std::string picture_skip_reason(const picture_skip& s, bool translated);

struct picture_scan {
    std::vector<picture_file> files;  // in the order given, a folder's by name
    std::vector<picture_skip> skipped;
};

// The player's picture folder: CryptSLIDERS inside the XDG pictures directory
// (from $XDG_CONFIG_HOME/user-dirs.dirs, as xdg-user-dir reads it), or inside
// ~/Pictures where none is set.
std::string picture_folder();

// Every path a picture or a folder of them (not descended further); hidden
// files are passed over silently, everything else unusable is listed with
// its reason, as is a file named again (by its path or by a link to it).
// Nothing is written and no file but a regular one is opened.
picture_scan picture_scan_paths(const std::vector<std::string>& paths);

// The same scan in two steps, for a caller that checks the files one by one:
// first what there is to check, in the scan's order (each path that is no
// folder, each folder's files by name; a folder that cannot be read is an
// entry passed over already, with why set), then each entry checked in turn.
struct picture_entry {
    std::string path;
    const char* why = nullptr;
};
std::vector<picture_entry> picture_list_paths(const std::vector<std::string>& paths);
void picture_check_entry(const picture_entry& entry, picture_scan& scan);
// The scan's last step: a file named twice, by the same path or by two names
// of one file (a link), is one picture; the names after the first are passed over.
void picture_scan_finish(picture_scan& scan);

// The whole file, checked again as it is read: null, or why it cannot be.
const char* picture_read_file(const std::string& path, std::vector<std::uint8_t>* out);

// One line on stderr naming the file and why it was passed over.
void picture_report(const std::string& path, const char* why);

// The set being played: its files, the difficulty, and which level of it.
void picture_set_begin(const std::vector<picture_file>& files, int difficulty);
void picture_set_end();
bool picture_set_active();
int picture_set_difficulty();
int picture_set_level();   // 0 for the first
int picture_set_levels();
std::vector<picture_file> picture_set_group();  // the current level's files
bool picture_set_next();   // on to the next level; false after the last

// The name of the current level's set in the progress file: 16 hex digits
// from its files' names and sizes.
std::string picture_set_key();
