// pictures_bench: a level of ten 24-megapixel camera JPEGs, from the files to
// the clue image on screen, and a folder of 5,000 photos read by the pictures
// panel; run from a directory that holds data/.
//
//   pictures_bench
//
// The photos (6000 x 4000, every other one lying on its side with its EXIF
// orientation, as a phone leaves portraits) are made first, outside the
// timing. Then: the folder's scan, the time from starting the level to its
// first presented frame and the peak memory of the whole process, and for one photo the intake's
// time with the reduction timed apart from the decode. Last, the folder (as
// an SD card holds it, small JPEGs copied from four, made outside the timing
// and so in the disk cache): from the click on "Your pictures" to the panel's
// first frame and to its whole count, and the longest turn of the loop meanwhile.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

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

// A photo-like JPEG at a phone's quality: gradients, a sun, and sensor noise,
// which is what makes a camera's files large.
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
    std::vector<JSAMPLE> row(static_cast<size_t>(w) * 3);
    unsigned noise = 12345u + static_cast<unsigned>(kind);
    for (int y = 0; y < h; y++) {
        for (int x = 0; x < w; x++) {
            noise = noise * 1103515245u + 12345u;
            int n = static_cast<int>(noise >> 27) - 16;
            int dx = x - 1500 - 300 * kind, dy = y - 1000;
            int sun = dx * dx + dy * dy < 400 * 400 ? 60 : 0;
            int base[3] = {y < h / 2 ? 190 : 40, 60 + 15 * kind + y / 80, y < h / 2 ? 60 : 170 + x / 200};
            for (int k = 0; k < 3; k++)
                row[static_cast<size_t>(x) * 3 + k] = static_cast<JSAMPLE>(std::min(255, std::max(0, base[k] + sun + n)));
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::fclose(f);
}

int main()
{
    char dir[] = "/tmp/cryptsliders-photos.XXXXXX";
    if (!mkdtemp(dir))
        return 1;
    std::vector<std::string> paths;
    for (int i = 0; i < PHOTOS; i++) {
        paths.push_back(std::string(dir) + "/photo" + std::to_string(i) + ".jpg");
        write_photo(paths.back(), i, i % 2 == 1);
    }

    // One photo through the intake, and the reduction alone on an image of the
    // size the decoder hands it (an eighth of each side).
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
    file.clear();
    file.shrink_to_fit();

    // The folder's scan, as the panel or the command line makes it: its time
    // (the files in the page cache) and the bytes it reads of each file.
    long read_before = proc_value("/proc/self/io", "rchar:");
    t = wall_ms();
    picture_scan scan = picture_scan_paths({dir});
    report("photos_scan_ms", wall_ms() - t, "ms");
    report("photos_scan_kb_per_file", (proc_value("/proc/self/io", "rchar:") - read_before) / 1024.0 / PHOTOS, "kB");

    // The level as the command line starts it: from the first frame drawn
    // after the start to the clue image presented.
    long rss_before = status_kb("VmHWM:");
    if (main_start() != 0 || engineDone)
        return 1;
    picture_set_begin(scan.files, 1);
    GameLevel = 0;
    GameMode = GM_LOAD;
    engineMode = MODE_GAME;
    t = wall_ms();
    while (GameMode == GM_LOAD || GameMode != 9 /* the clue image */)
        main_turn();
    report("photos_level_on_screen_ms", wall_ms() - t, "ms");
    report("photos_peak_rss", static_cast<double>(status_kb("VmHWM:")), "kB");
    report("photos_peak_rss_before", static_cast<double>(rss_before), "kB");
    for (const std::string& p : paths)
        std::remove(p.c_str());

    // The folder, as the player's: HOME holds Pictures/CryptSLIDERS.
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
    setenv("HOME", dir, 1);
    unsetenv("XDG_CONFIG_HOME");
    engineMode = MODE_START;
    main_turn();
    SDL_Event click{};
    click.type = click.button.type = SDL_MOUSEBUTTONUP;
    click.button.button = SDL_BUTTON_LEFT;
    click.button.x = 330, click.button.y = 280;  // Your pictures
    t = wall_ms();
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
