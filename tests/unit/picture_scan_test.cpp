// picture_scan_test.cpp -- a player's picture files judged by a header that lies far
// into the file: a camera's JPEG with its frame header after its metadata, at every
// offset about the end of the scan's first read and hundreds of kilobytes past it
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include <jpeglib.h>

#include "rules/picture_intake.h"
#include "rules/picture_set.h"

namespace fs = std::filesystem;

namespace {

// A grey 24 x 16 JPEG lying on its side (EXIF orientation 6), with APP2
// segments of `metadata` bytes in all after its EXIF, as a print profile or
// extended XMP lies before the frame header.
std::string jpeg_with_metadata(std::size_t metadata)
{
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buf = nullptr;
    unsigned long len = 0;
    jpeg_mem_dest(&c, &buf, &len);
    c.image_width = 24;
    c.image_height = 16;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_start_compress(&c, TRUE);
    const unsigned char exif[] = {'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3,
                                  0, 0, 0, 1, 0, 6, 0, 0, 0, 0, 0, 0};
    jpeg_write_marker(&c, JPEG_APP0 + 1, exif, sizeof exif);
    std::string filler(65533, 'm');
    for (std::size_t left = metadata; left > 0;) {
        unsigned n = static_cast<unsigned>(std::min<std::size_t>(left, filler.size()));
        jpeg_write_marker(&c, JPEG_APP0 + 2, reinterpret_cast<const JOCTET*>(filler.data()), n);
        left -= n;
    }
    std::vector<JSAMPLE> row(24 * 3, 128);
    for (JSAMPROW r = row.data(); c.next_scanline < c.image_height;)
        jpeg_write_scanlines(&c, &r, 1);
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::string out(reinterpret_cast<char*>(buf), len);
    std::free(buf);
    return out;
}

}  // namespace

// The frame header at every offset about the end of the scan's first 64 kB,
// and 400 kB into the file: each file is judged by its header, turned upright
// by its EXIF, and read whole by the level; cut before its header's end, it
// is cut short, and only then.
TEST(PictureScan, AFrameHeaderAfterMetadataIsFoundWhereverItLies)
{
    fs::path dir = fs::temp_directory_path() / ("cryptsliders-scan-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::map<std::string, const char*> expect;  // file name: the reason it is passed over, or null
    auto add = [&](const std::string& name, const std::string& bytes, const char* why) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        expect[name] = why;
    };
    const std::size_t sof_bare = jpeg_with_metadata(0).find("\xff\xc0");
    for (std::size_t at = 65536 - 24; at <= 65536 + 2; at++) {
        std::string edge = jpeg_with_metadata(at - sof_bare - 4);  // APP2's own header takes 4 bytes
        ASSERT_EQ(edge.find("\xff\xc0"), at);
        add("edge" + std::to_string(at) + ".jpg", edge, nullptr);
    }
    std::string far = jpeg_with_metadata(400000);
    std::size_t sof = far.find("\xff\xc0");
    ASSERT_GT(sof, 400000u);
    add("far.jpg", far, nullptr);
    add("far_cut_in_metadata.jpg", far.substr(0, 300000), "cut short");
    add("far_cut_in_frame_header.jpg", far.substr(0, sof + 9), "cut short");

    picture_scan scan = picture_scan_paths({dir.string()});
    for (const picture_file& f : scan.files) {
        EXPECT_EQ(expect[f.name], nullptr) << f.name << " was read";
        EXPECT_TRUE(f.w == 16 && f.h == 24) << f.name << ": " << f.w << " x " << f.h;
        expect.erase(f.name);
    }
    for (const picture_skip& s : scan.skipped) {
        std::string name = fs::path(s.path).filename();
        EXPECT_STREQ(expect[name], s.why.c_str()) << name;
        expect.erase(name);
    }
    EXPECT_TRUE(expect.empty());

    std::vector<std::uint8_t> bytes;
    intake_header h;
    intake_image img;
    ASSERT_EQ(picture_read_file((dir / "far.jpg").string(), &bytes), nullptr);
    EXPECT_EQ(intake_read(bytes.data(), bytes.size(), &h, &img), nullptr);
    EXPECT_TRUE(img.w == 16 && img.h == 24) << img.w << " x " << img.h;
    fs::remove_all(dir);
}
