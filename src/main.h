// main.h -- the shell: start-up, the table of screen modes, the main loop and the exit
#pragma once

#include <SDL/SDL.h>

// Entry of the game proper: the command line, start-up, the loop, and the
// exit status (0 normal end, or the usage or version shown; 2 for an unknown
// option; -1 when video or fonts cannot start or a data file the game needs
// is missing; one line on stdout then says which).
int SDL_main(int argc, char* argv[]);

// The loop's phases, separate so that tests can drive the engine a step at a time.
int main_start();   // start-up; -1 on a fatal failure (reported on stdout), else 0
bool main_events(); // routes every queued event, and a held arrow's repeat, to the current mode; false when there was none
void main_draw();   // clears and draws the current mode's frame, without presenting it
bool main_turn();   // one loop turn: events, a frame when the picture would change, the pace (loop_pace); false to leave
void main_exit();   // releases renderer, fonts, sound and SDL; safe to call more than once

void handle_keys(SDL_keysym* keysym);
void handle_mouse_click(int x, int y, int button, int type);
void handle_mouse_movement(int x, int y);
