// fuzz_level.h -- fuzz input read as a level file, through the loader's own door
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

#include "game/level_file.h"

// The engine keeps this setting; the shuffle only reads it.
std::int8_t randomize_board = 0;

// Starts from the state a fresh engine has (the loader resets only part of it)
// and reads the bytes as level 20's file; false when they cannot be opened as a file.
inline bool parse_level(const std::uint8_t* data, size_t size, std::vector<level_picture>& pics)
{
    Grid = {};
    Pictures = {};
    GameRotate = 0;
    GameTimeTotal = 0;
    level_reset();
    std::FILE* file = fmemopen(const_cast<std::uint8_t*>(data), size, "r");
    if (!file)
        return false;
    level_parse_file(file, 20, pics);
    std::fclose(file);
    return true;
}
