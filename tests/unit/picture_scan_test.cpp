// picture_scan_test.cpp -- a player's picture files judged by a header that lies far
// into the file: a camera's JPEG with its frame header after its metadata, at every
// offset about the end of the scan's first read and hundreds of kilobytes past it
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "rules/picture_set.h"

namespace fs = std::filesystem;

namespace {

// A JPEG's markers as a camera writes them, up to the frame header of a 24 x
// 16 picture lying on its side: its EXIF (orientation 6), then APP2 segments
// of `metadata` bytes in all, as a print profile or extended XMP lies there.
std::string jpeg_with_metadata(std::size_t metadata)
{
    auto segment = [](int marker, const std::string& body) {
        std::size_t n = body.size() + 2;
        return std::string{'\xff', static_cast<char>(marker), static_cast<char>(n >> 8), static_cast<char>(n)} + body;
    };
    std::string f = "\xff\xd8" + segment(0xe1, std::string("Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 32));
    for (std::size_t left = metadata, n; left > 0; left -= n)
        f += segment(0xe2, std::string(n = std::min<std::size_t>(left, 65533), 'm'));
    return f + segment(0xc0, std::string("\x08\0\x10\0\x18\x03\x01\x22\0\x02\x11\x01\x03\x11\x01", 15)) + "\xff\xd9";
}

}  // namespace

// The frame header at every offset about the end of the scan's first 64 kB,
// and 400 kB into the file: each file is judged by its header and turned
// upright by its EXIF; cut before its header's end, it is cut short, and
// only then.
TEST(PictureScan, AFrameHeaderAfterMetadataIsFoundWhereverItLies)
{
    fs::path dir = fs::temp_directory_path() / ("cryptsliders-scan-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::map<std::string, std::string> expect, got;  // file name: "upright", or why it is passed over
    auto add = [&](const std::string& name, const std::string& bytes, const char* what) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        expect[name] = what;
    };
    const std::size_t bare = jpeg_with_metadata(0).find("\xff\xc0");
    for (std::size_t at = 65536 - 24; at <= 65536 + 2; at++)  // APP2's own header takes 4 bytes
        add("edge" + std::to_string(at) + ".jpg", jpeg_with_metadata(at - bare - 4), "upright");
    std::string far = jpeg_with_metadata(400000);
    add("far.jpg", far, "upright");
    add("far_cut_in_metadata.jpg", far.substr(0, 300000), "cut short");
    add("far_cut_in_frame_header.jpg", far.substr(0, far.find("\xff\xc0") + 9), "cut short");

    picture_scan scan = picture_scan_paths({dir.string()});
    for (const picture_file& f : scan.files)
        got[f.name] = f.w == 16 && f.h == 24 ? "upright" : std::to_string(f.w) + " x " + std::to_string(f.h);
    for (const picture_skip& s : scan.skipped)
        got[fs::path(s.path).filename()] = s.why;
    EXPECT_EQ(got, expect);
    fs::remove_all(dir);
}
