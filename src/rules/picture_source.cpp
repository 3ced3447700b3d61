// picture_source.cpp -- a picture file's bytes as its readers ask for them: the first
// bytes in memory, any others fetched at their offset on demand, so that a header
// far into a file (after megabytes of metadata, or at its very end) costs a few
// small reads rather than the whole file
#include "rules/picture_source.h"
#include "rules/translate.h"

#include <algorithm>
#include <cstring>

namespace {

// Bytes read at once past the head: a camera's metadata segments are at most
// 64 kB each, so a walk over them reads each window once.
constexpr std::size_t WINDOW = 64 * 1024;

}  // namespace

intake_source intake_memory(const std::uint8_t* data, std::size_t size)
{
    intake_source s;
    s.size = size;
    s.head = data;
    s.head_size = size;
    return s;
}

long intake_copy(const intake_source& src, std::uint64_t at, std::size_t n, std::uint8_t* out)
{
    if (at >= src.size)
        return 0;
    n = static_cast<std::size_t>(std::min<std::uint64_t>(n, src.size - at));
    std::size_t done = 0;
    if (at < src.head_size) {
        done = static_cast<std::size_t>(std::min<std::uint64_t>(n, src.head_size - at));
        std::memcpy(out, src.head + at, done);
    }
    while (done < n && src.read) {
        long got = src.read(src.ctx, at + done, n - done, out + done);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return static_cast<long>(done);
}

const std::uint8_t* intake_fetch(intake_cursor& c, std::uint64_t at, std::size_t n)
{
    const intake_source& s = *c.src;
    if (at > s.size || n > s.size - at) {
        c.why = N_("cut short");
        return nullptr;
    }
    static const std::uint8_t nothing = 0;
    if (n == 0)
        return &nothing;
    if (at + n <= s.head_size)
        return s.head + at;
    if (at >= c.window_at && at + n <= c.window_at + c.window.size())
        return c.window.data() + (at - c.window_at);
    c.window.resize(static_cast<std::size_t>(std::min<std::uint64_t>(std::max(n, WINDOW), s.size - at)));
    long got = intake_copy(s, at, c.window.size(), c.window.data());
    c.window.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
    c.window_at = at;
    if (got < 0 || static_cast<std::size_t>(got) < n) {
        c.why = got < 0 ? N_("not readable") : N_("cut short");
        return nullptr;
    }
    return c.window.data();
}
