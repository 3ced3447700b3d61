// pictures_bench: a level of the player's photos, from the files to the clue
// image on screen, or a folder of thousands read by the pictures panel; run from
// a directory that holds data/; one level a run, so that the peak memory is that
// level's.
//
//   pictures_bench [jpeg|heic|mixed|folder]
//
// jpeg, the default: ten 24-megapixel camera JPEGs (6000 x 4000, every other
// one lying on its side with its EXIF orientation, as a phone leaves
// portraits), the folder's scan (the bytes it reads of each file), and for one
// of them the intake's time with the reduction timed apart from the decode.
// heic: ten 12-megapixel HEIC photos (4032 x 3024, as a phone's camera takes
// them) made by heif-enc. mixed: ten pictures of up to 60 megapixels, one of
// every format at the size the decoding budget still lets it be read, made by
// cwebp, ppm2tiff, ImageMagick, heif-enc and avifenc. The pictures are made
// first, outside the timing; then the time from starting the level to its first
// presented frame, the CPU time of all threads in it (which a busy machine does
// not stretch), and the peak memory of the whole process. folder: 5,000 small
// JPEGs (as an SD card holds them, copied from four, made outside the timing and
// so in the disk cache): from the click on "Your pictures" to the panel's first
// frame and to its whole count, and the longest turn of the loop meanwhile.
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include <jpeglib.h>
#include <string>
#include <vector>

#include "bench_common.h"
#include "engine/engine.h"
#include "game/game.h"
#include "main.h"
#include "rules/picture_set.h"
#include "screens/pictures.h"

constexpr int PHOTO_W = 6000, PHOTO_H = 4000, PHOTOS = 10;
constexpr int FOLDER_FILES = 5000, FOLDER_W = 160, FOLDER_H = 120;

// The rows of a photo-like picture, top to bottom, each handed on as RGB
// bytes: gradients, a sun, and sensor noise, which is what makes a camera's
// files large.
static void photo_rows(int kind, int w, int h, const std::function<void(unsigned char*)>& take)
{
    std::vector<unsigned char> row(static_cast<size_t>(w) * 3);
    unsigned noise = 12345u + static_cast<unsigned>(kind);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            noise = noise * 1103515245u + 12345u;
            int n = static_cast<int>(noise >> 27) - 16;
            int dx = x - 1500 - 300 * kind, dy = y - 1000;
            int sun = dx * dx + dy * dy < 400 * 400 ? 60 : 0;
            int base[3] = {y < h / 2 ? 190 : 40, 60 + 15 * kind + y / 80, y < h / 2 ? 60 : 170 + x / 200};
            for (int k = 0; k < 3; k++)
                row[static_cast<size_t>(x) * 3 + k] = static_cast<unsigned char>(std::min(255, std::max(0, base[k] + sun + n)));
        }
        take(row.data());
    }
}

// A photo as a JPEG at a phone's quality, lying on its side with its EXIF
// orientation when a portrait.
static void write_photo(const std::string& path, int kind, bool portrait, int w = PHOTO_W, int h = PHOTO_H)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::exit(1);
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    jpeg_stdio_dest(&c, f);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    jpeg_start_compress(&c, TRUE);
    const unsigned char exif[] = {'E', 'x', 'i', 'f', 0, 0, 'M', 'M', 0, 42, 0, 0, 0, 8, 0, 1, 0x01, 0x12, 0, 3,
                                  0, 0, 0, 1, 0, static_cast<unsigned char>(portrait ? 6 : 1), 0, 0, 0, 0, 0, 0};
    jpeg_write_marker(&c, JPEG_APP0 + 1, exif, sizeof exif);
    photo_rows(kind, w, h, [&c](unsigned char* row) { jpeg_write_scanlines(&c, &row, 1); });
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(f);
}

// A photo uncompressed: a PPM for the encoders to read, or a BMP (24 bits,
// top row first).
static void write_raw(const std::string& path, int kind, int w, int h)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::exit(1);
    bool bmp = path.size() > 4 && path.compare(path.size() - 4, 4, ".bmp") == 0;
    size_t line = static_cast<size_t>(w) * 3, pad = bmp ? (4 - line % 4) % 4 : 0;
    if (bmp) {
        auto le32 = [](std::uint32_t v) {
            return std::array<unsigned char, 4>{{static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                                 static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)}};
        };
        std::uint32_t bytes = static_cast<std::uint32_t>((line + pad) * static_cast<size_t>(h));
        std::vector<unsigned char> head = {'B', 'M'};
        for (std::uint32_t v : {54 + bytes, 0u, 54u, 40u, static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(-h),
                                1u | 24u << 16, 0u, bytes, 2835u, 2835u, 0u, 0u})
            for (unsigned char b : le32(v))
                head.push_back(b);
        std::fwrite(head.data(), 1, head.size(), f);
    } else {
        std::fprintf(f, "P6\n%d %d\n255\n", w, h);
    }
    photo_rows(kind, w, h, [&](unsigned char* row) {
        for (size_t x = 0; bmp && x < line; x += 3)
            std::swap(row[x], row[x + 2]);  // BMP stores blue first
        std::fwrite(row, 1, line, f);
        std::fwrite("\0\0\0", 1, pad, f);
    });
    std::fclose(f);
}

// Ten camera JPEGs, and one of them through the intake with the reduction
// timed apart, on an image of the size the decoder hands it (an eighth of
// each side).
static void intake_times(const std::string& dir)
{
    std::vector<std::string> paths;
    for (int i = 0; i < PHOTOS; i++) {
        paths.push_back(dir + "/photo" + std::to_string(i) + ".jpg");
        write_photo(paths.back(), i, i % 2 == 1);
    }
    std::vector<std::uint8_t> file;
    picture_read_file(paths[0], &file);
    intake_header h;
    intake_image img;
    double t = wall_ms();
    intake_read(file.data(), file.size(), &h, &img);
    double intake = wall_ms() - t;
    std::vector<std::uint8_t> decoded(static_cast<size_t>(PHOTO_W / 8) * (PHOTO_H / 8) * 4, 200);
    auto row = [](const void* ctx, int y, std::uint8_t* out) {
        const auto& d = *static_cast<const std::vector<std::uint8_t>*>(ctx);
        std::copy_n(d.data() + static_cast<size_t>(y) * (PHOTO_W / 8) * 4, (PHOTO_W / 8) * 4, out);
    };
    t = wall_ms();
    intake_reduce(intake_rows{PHOTO_W / 8, PHOTO_H / 8, &decoded, row}, 6);
    double reduce = wall_ms() - t;
    report("photo_read_ms", intake, "ms");
    report("photo_decode_ms", intake - reduce, "ms");
    report("photo_reduce_ms", reduce, "ms");
    report("photo_file_mb", static_cast<double>(file.size()) / 1e6, "MB");

    // The folder's scan, as the panel or the command line makes it: its time
    // (the files in the page cache) and the bytes it reads of each file.
    long read_before = proc_value("/proc/self/io", "rchar:");
    t = wall_ms();
    picture_scan_paths({dir});
    report("photos_scan_ms", wall_ms() - t, "ms");
    report("photos_scan_kb_per_file", (proc_value("/proc/self/io", "rchar:") - read_before) / 1024.0 / PHOTOS, "kB");
}

// The folder, as the player's (HOME holds Pictures/CryptSLIDERS), opened from
// the start screen: the panel's first frame, its whole count, the loop's
// longest turn meanwhile.
static int folder_times(const std::string& dir)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::path(dir) / "Pictures" / "CryptSLIDERS";
    fs::create_directories(folder);
    for (int i = 0; i < 4; i++)
        write_photo((folder / ("seed" + std::to_string(i) + ".jpg")).string(), i, i % 2 == 1, FOLDER_W, FOLDER_H);
    for (int i = 0; i < FOLDER_FILES; i++) {
        char name[32];
        std::snprintf(name, sizeof name, "IMG_%04d.JPG", i);
        fs::copy_file(folder / ("seed" + std::to_string(i % 4) + ".jpg"), folder / name);
    }
    for (int i = 0; i < 4; i++)
        fs::remove(folder / ("seed" + std::to_string(i) + ".jpg"));
    setenv("HOME", dir.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    if (main_start() != 0 || engineDone)
        return 1;
    engineMode = MODE_START;
    main_turn();
    SDL_Event click{};
    click.type = click.button.type = SDL_MOUSEBUTTONUP;
    click.button.button = SDL_BUTTON_LEFT;
    click.button.x = 330, click.button.y = 280;  // Your pictures
    double t = wall_ms();
    SDL_PushEvent(&click);
    main_turn();
    report("folder_panel_ms", wall_ms() - t, "ms");
    double longest = 0;
    while (pictures_panel_reading()) {
        double turn = wall_ms();
        main_turn();
        longest = std::max(longest, wall_ms() - turn);
    }
    report("folder_count_ms", wall_ms() - t, "ms");
    report("folder_longest_turn_ms", longest, "ms");
    fs::remove_all(dir);
    return 0;
}

// A command that makes a picture; the bench stops when one fails.
static void make(const std::string& cmd)
{
    if (std::system(("(" + cmd + ") >/dev/null 2>&1").c_str()) != 0) {
        std::fprintf(stderr, "pictures_bench: failed: %s\n", cmd.c_str());
        std::exit(1);
    }
}

// Ten 12-megapixel HEIC photos, each of its own (a copy would be passed over
// as the same picture), encoded at x265's fastest.
static void make_heic(const std::string& dir)
{
    for (int i = 0; i < PHOTOS; i++) {
        std::string jpeg = dir + "/source" + std::to_string(i) + ".jpg", heic = dir + "/photo" + std::to_string(i) + ".heic";
        write_photo(jpeg, i, false, 4032, 3024);
        make("heif-enc -q 50 -p preset=ultrafast " + jpeg + " -o " + heic + " && rm " + jpeg);
    }
}

// Ten pictures of up to 60 megapixels, each format at the largest its
// decode's estimate lets it be read within the decoding budget, made by the
// tools that make them in the world (ImageMagick cannot, within Debian's limits on it).
static void make_mixed(const std::string& dir)
{
    write_photo(dir + "/a_60mp.jpg", 1, true, 9487, 6324);
    write_photo(dir + "/b_60mp.jpg", 2, false, 9487, 6324);
    // The file is held while it is decoded: an uncompressed one the less.
    write_raw(dir + "/d_20mp.bmp", 3, 5472, 3648);
    // PNG, TIFF (in strips, as editors write it) and lossy WebP are read a row
    // or a band at a time: at the most pixels there are.
    write_raw(dir + "/s60w.ppm", 4, 9487, 6324);
    make("cd " + dir + " && cwebp -quiet -q 80 s60w.ppm -o f_60mp.webp && rm s60w.ppm");
    write_raw(dir + "/s60p.ppm", 9, 9487, 6324);
    write_raw(dir + "/s60t.ppm", 10, 9487, 6324);
    make("cd " + dir + " && convert s60p.ppm c_60mp.png && ppm2tiff -c lzw -r 64 s60t.ppm e_60mp.tif && rm s60?.ppm");
    write_raw(dir + "/s18.ppm", 5, 5196, 3464);
    make("cd " + dir + " && cwebp -quiet -lossless -z 0 s18.ppm -o g_18mp_lossless.webp && rm s18.ppm");
    write_photo(dir + "/h.jpg", 6, false, 6480, 4320);
    make("cd " + dir + " && heif-enc -q 50 h.jpg -o h_28mp.heic && rm h.jpg");
    write_photo(dir + "/i.jpg", 7, false, 5472, 3648);
    make("cd " + dir + " && avifenc -s 10 -j 2 i.jpg i_20mp.avif && rm i.jpg");
    // A grid of 512 x 512 tiles, as phones write their large photos.
    write_photo(dir + "/j.jpg", 8, false, 8192, 6144);
    make("cd " + dir + " && avifenc -s 10 -j 2 --grid 16x12 j.jpg j_50mp_grid.avif && rm j.jpg");
}

int main(int argc, char** argv)
{
    std::string kind = argc > 1 ? argv[1] : "jpeg";
    char dir[] = "/tmp/cryptsliders-photos.XXXXXX";
    if (!mkdtemp(dir))
        return 1;
    if (kind == "folder")
        return folder_times(dir);
    if (kind == "heic")
        make_heic(dir);
    else if (kind == "mixed")
        make_mixed(dir);
    else
        intake_times(dir);
    std::string prefix = kind == "jpeg" ? "photos" : kind;

    // The level as the command line starts it: from the first frame drawn
    // after the start to the clue image presented.
    long rss_before = status_kb("VmHWM:");
    if (main_start() != 0 || engineDone)
        return 1;
    picture_scan scan = picture_scan_paths({dir});
    for (const picture_skip& s : scan.skipped)
        std::fprintf(stderr, "pictures_bench: %s: %s\n", s.path.c_str(), s.why.c_str());
    picture_set_begin(scan.files, 1);
    GameLevel = 0;
    GameMode = GM_LOAD;
    engineMode = MODE_GAME;
    double t = wall_ms(), cpu = cpu_ms();
    while (GameMode == GM_LOAD || GameMode != 9 /* the clue image */)
        main_turn();
    report((prefix + "_level_on_screen_ms").c_str(), wall_ms() - t, "ms");
    report((prefix + "_level_cpu_ms").c_str(), cpu_ms() - cpu, "ms");
    report((prefix + "_peak_rss").c_str(), static_cast<double>(status_kb("VmHWM:")), "kB");
    report((prefix + "_peak_rss_before").c_str(), static_cast<double>(rss_before), "kB");
    report((prefix + "_refused").c_str(), static_cast<double>(scan.skipped.size()), "pictures");
    make("rm -rf " + std::string(dir));
    return 0;
}
