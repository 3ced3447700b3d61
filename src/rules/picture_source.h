// picture_source.h -- a picture file's bytes as its readers ask for them: the first
// bytes in memory, any others fetched at their offset on demand, so that a header
// far into a file (after megabytes of metadata, or at its very end) costs a few
// small reads rather than the whole file
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The most bytes one picture file may have, and the most memory its decode
// may take: checked before anything is decoded.
constexpr std::uint64_t INTAKE_MAX_FILE_BYTES = 256u << 20;
constexpr std::uint64_t INTAKE_MAX_DECODE_BYTES = 256u << 20;

// A file of `size` bytes whose first head_size bytes lie at head. read, where
// set, fills out with up to n bytes from offset `at` and answers how many it
// gave (0 at the file's end, -1 when it cannot be read); a file wholly in
// memory has none. Safe on several threads as long as read is.
struct intake_source {
    std::uint64_t size = 0;
    const std::uint8_t* head = nullptr;
    std::size_t head_size = 0;
    long (*read)(void* ctx, std::uint64_t at, std::size_t n, std::uint8_t* out) = nullptr;
    void* ctx = nullptr;
};

intake_source intake_memory(const std::uint8_t* data, std::size_t size);

// Copies up to n bytes from offset at into out: how many (fewer only at the
// file's end), or -1 when the file cannot be read.
long intake_copy(const intake_source& src, std::uint64_t at, std::size_t n, std::uint8_t* out);

// A reader's walk through a source. Bytes past the head are read a window of
// at least 64 kB at a time, so a walk over small records costs few reads.
struct intake_cursor {
    const intake_source* src = nullptr;
    std::vector<std::uint8_t> window;
    std::uint64_t window_at = 0;
    const char* why = nullptr;  // why the last fetch failed
};

// n bytes at offset at, valid until the next fetch; null when they cannot be
// had, with why set: "cut short" where the file ends first, "not readable"
// where a read fails.
const std::uint8_t* intake_fetch(intake_cursor& c, std::uint64_t at, std::size_t n);
