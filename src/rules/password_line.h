// password_line.h -- the password typed on the start screen: which keys type what, and its limits
#pragma once

#include <cstddef>

constexpr std::size_t PW_INPUT_SIZE = 32;  // bytes, terminator included: at most 30 characters
constexpr int PW_LINE_WIDTH = 290;         // pixels the line may take, cursor included
constexpr int PW_FONT_SIZE = 48;           // points: the large font the line is set in
constexpr const char* PW_CURSOR = "_";

// The character a key code types: the letters a to z (the key code is
// lowercase whatever Shift does) and space; 0 for every other key.
char pw_key_char(int sym);

// Measures text as it would show; false when it cannot be measured.
using pw_measure_fn = bool (*)(const char* text, int* width);

// Appends key to line when the line with it and the cursor still fits the
// buffer and at most PW_LINE_WIDTH pixels; otherwise the key is dropped.
// Answers whether it was appended.
bool pw_line_add(char (&line)[PW_INPUT_SIZE], char key, pw_measure_fn measure);

// Turns the line's last character, a letter, step letters on through a to z
// and round, passing over letters that would make the line too wide. False
// when the line ends in no letter or no other letter fits.
bool pw_line_turn(char (&line)[PW_INPUT_SIZE], int step, pw_measure_fn measure);

// Removes the last character, if any.
void pw_line_backspace(char (&line)[PW_INPUT_SIZE]);
