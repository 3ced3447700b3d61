// command_line.h -- the game's command line: its options, the pictures or folder it names, and the usage
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// What the command line asks for. Options may stand anywhere before "--";
// every other argument, and all after "--", is a picture or folder to play
// ("-" alone too: a file of that name).
struct command_line {
    // In rising weight: a wrong option outweighs the rest, the usage the version.
    enum request { PLAY, VERSION, USAGE, BAD } asks = PLAY;
    std::vector<std::string> paths;  // the pictures or folder, in order
    std::string problem;             // for BAD: the argument that is no option of the game's
};

command_line command_line_parse(int argc, const char* const* argv);

// Answers a command line that does not ask to play, without a display or the
// data: the usage or the version on out (status 0), or the problem and the
// usage on err (status 2, as for a wrong command line of most tools). -1 for
// one that asks to play.
int command_line_answer(const command_line& c, std::FILE* out, std::FILE* err);
