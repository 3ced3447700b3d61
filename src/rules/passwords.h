// passwords.h -- the level password list: parsing and look-up
#pragma once

#include <array>
#include <cstdint>

// Password table: entry i holds the password of level i + 1 (at most 15
// characters); an entry whose first character is 0 is empty.
constexpr int LEVEL_COUNT_MAX = 50;
constexpr int PASSWORD_SIZE = 16;
using password_table = std::array<std::array<char, PASSWORD_SIZE>, LEVEL_COUNT_MAX>;
extern password_table pws;

constexpr const char* PASSWORD_FILE = "data/levels.dat";

// Reads the password file into pws; 0 when it cannot be opened (pws stays empty).
std::uint8_t levels_load();

// Index 0..49 of the entry equal to buf without regard to case, or -1.
std::int8_t levels_find(const char* buf);

// Applies one line of the password file: "level=N,password" (the key in any
// case, N as scanf's %i reads it) with N in 1..50 and a password of 1 to 15
// characters stores the password for level N. Any other line, including one
// whose number or password cannot be read, changes nothing.
void levels_parse_line(password_table& table, const char* line);
