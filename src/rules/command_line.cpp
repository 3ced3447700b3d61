// command_line.cpp -- the game's command line: its options, the pictures or folder it names, and the usage
#include "rules/command_line.h"

#include <cstring>

#ifndef CRYPT_VERSION
#define CRYPT_VERSION "unknown"
#endif

command_line command_line_parse(int argc, const char* const* argv)
{
    command_line c;
    auto ask = [&c](command_line::request r) { c.asks = r > c.asks ? r : c.asks; };
    bool options = true;
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        if (!options || a[0] != '-' || a[1] == '\0') {
            c.paths.emplace_back(a);
        } else if (std::strcmp(a, "--") == 0) {
            options = false;
        } else if (std::strcmp(a, "-h") == 0 || std::strcmp(a, "--help") == 0) {
            ask(command_line::USAGE);
        } else if (std::strcmp(a, "--version") == 0) {
            ask(command_line::VERSION);
        } else if (c.asks != command_line::BAD) {
            ask(command_line::BAD);
            c.problem = a;
        }
    }
    return c;
}

// The usage: how to start the game, its options and the environment it reads.
static void command_line_usage(std::FILE* out)
{
    std::fputs("Usage: cryptsliders [OPTION]... [--] [PICTURE]...\n"
               "  or:  cryptsliders [OPTION]... [--] FOLDER\n"
               "CryptSLIDERS, a picture puzzle of sliding and turning tiles in a crypt.\n"
               "Without arguments the game starts at its logo; with pictures (PNG, JPEG, WebP,\n"
               "HEIC, AVIF, GIF, BMP, TIFF) or one folder of them, straight into a level made\n"
               "of them.\n"
               "\n"
               "  -h, --help     show this help and exit\n"
               "      --version  show the version and exit\n"
               "  --             end of the options: what follows is a picture or folder,\n"
               "                 even one whose name begins with '-'\n"
               "\n"
               "Environment:\n"
               "  HOME, XDG_CONFIG_HOME   where your pictures directory is (user-dirs.dirs)\n"
               "  XDG_DATA_HOME           where the cryptsliders launcher keeps your settings\n"
               "                          and progress (default ~/.local/share/cryptsliders)\n"
               "  LANGUAGE, LC_ALL, LC_MESSAGES, LANG\n"
               "                          the language the game speaks, unless one is chosen\n"
               "                          in its options (German, French and Spanish)\n"
               "  CRYPTSLIDERS_LOCALEDIR  where the catalogs of its words lie (the launcher\n"
               "                          sets it; by default ./locale)\n"
               "  SDL_VIDEODRIVER         the display to open (by default one that shows\n"
               "                          OpenGL: x11; under sdl12-compat x11, wayland or kmsdrm)\n"
               "  SDL_AUDIODRIVER         the sound device's driver (dummy: silence)\n"
               "  SDL12COMPAT_USE_GAME_CONTROLLERS\n"
               "                          under sdl12-compat, 0 shows every pad as a plain\n"
               "                          joystick (the game sets 1 when it is unset)\n"
               "\n"
               "The manual page cryptsliders(6) tells the rest.\n",
               out);
}

int command_line_answer(const command_line& c, std::FILE* out, std::FILE* err)
{
    switch (c.asks) {
    case command_line::USAGE:
        command_line_usage(out);
        return 0;
    case command_line::VERSION:
        std::fprintf(out, "CryptSLIDERS %s\n", CRYPT_VERSION);
        return 0;
    case command_line::BAD:
        std::fprintf(err, "cryptsliders: unknown option '%s'\n", c.problem.c_str());
        command_line_usage(err);
        return 2;
    case command_line::PLAY:
        break;
    }
    return -1;
}
