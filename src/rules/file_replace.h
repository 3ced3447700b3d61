// file_replace.h -- replacing a small file of the player's whole, so that it is never seen half written
#pragma once

#include <cstddef>

// An exclusive lock on the directory that holds a player's file (through any
// symbolic link), held while the record lives. Every write of the game's takes
// it, so that two games never write at once and none clears away the other's
// temporary file in the middle of a write; a game that reads, merges and
// writes a file holds it throughout. Where the directory cannot be locked, or
// another game has held the lock for two seconds (a line on stderr says so),
// fd is -1 and writing goes on without it.
struct file_lock {
    explicit file_lock(const char* path);
    ~file_lock();
    file_lock(const file_lock&) = delete;
    file_lock& operator=(const file_lock&) = delete;
    int fd = -1;
};

// Replaces the file at path with len bytes of text: the text goes to a hidden
// temporary file beside it (".NAME.unfinished-" and six letters or digits),
// is flushed to the disk, then renamed over the old file. A symbolic link is
// written through to its target; a file the player made read-only is left
// alone. Under the lock, temporary files that an earlier write left behind
// are removed; no other file is. Answers false when any step fails, with a
// line on stderr that says why; the old file is then left exactly as it was
// and no temporary file remains.
bool file_replace(const char* path, const char* text, std::size_t len);

// The same, for a caller that holds the lock on the file's directory.
bool file_replace_locked(const file_lock& lock, const char* path, const char* text, std::size_t len);
