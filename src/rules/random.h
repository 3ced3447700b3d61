// random.h -- the game's one source of chance (the shuffle, the tiles' turns):
// a generator whose sequence the language fixes, so that a seed lays the same
// board on every platform, the page included, and the solver can play it
#pragma once

// Starts the sequence again from seed.
void random_seed(unsigned seed);

// The next number of the sequence, from 0 to n - 1 (n > 0).
int random_below(int n);

// The seed a board is laid with: CRYPTSLIDERS_SEED when it is set to a number
// (tests, and the page's address, make the board known that way), otherwise
// the clock.
unsigned random_board_seed();
