// file_replace.h -- replacing a small file of the player's whole, so that it is never seen half written
#pragma once

#include <cstddef>

// Replaces the file at path with len bytes of text: the text goes to a
// temporary file beside it, is flushed to the disk, then renamed over the old
// file. A symbolic link is written through to its target; a file the player
// made read-only is left alone (a line on stderr says so); temporary files
// that an earlier write left behind are removed. Answers false when any step
// fails; the old file is then left exactly as it was and no temporary file remains.
bool file_replace(const char* path, const char* text, std::size_t len);
