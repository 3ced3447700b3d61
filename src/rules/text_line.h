// text_line.h -- one line of a small text file of the player's, whole however it is damaged
#pragma once

#include <cstddef>
#include <cstdio>

// Reads the next line of file, through its '\n' or the end of the file, into
// buf without the '\n', cut to size - 1 bytes (size is at least 1). A line is
// always taken whole: a long one or one holding a NUL byte never spills into
// the next. Its text ends at the first NUL byte, so that what follows one is
// no part of any value; whole tells whether the line fitted the buffer.
// False at the end of the file.
bool text_line_read(std::FILE* file, char* buf, std::size_t size, bool* whole);
