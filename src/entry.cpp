// entry.cpp -- the process entry: runs the game and passes its status to exit
#include "main.h"

// Returning from main runs the exit routine registered at start-up; the game's
// -1 becomes exit status 255.
int main(int argc, char* argv[])
{
    return SDL_main(argc, argv);
}
