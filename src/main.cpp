// main.cpp -- start-up, the main loop and mode dispatch; the image loader and the fixed images
#include "main.h"

#include <SDL/SDL_image.h>

#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include "common.h"
#include "game/game.h"
#include "help.h"
#include "logo.h"
#include "options.h"
#include "progress.h"
#include "scaler.h"
#include "start.h"

Uint8 engineDone = 0;
Uint8 engineMode = MODE_LOGO;
Uint8 engineFullScreen = 0;
Uint16 mouse_x = 0, mouse_y = 0;
Sint8 randomize_board = 0;
Uint8 GameLevel = 0;
Uint8 GameMode = 0;
Uint32 mode1_time = 0;

static SDL_Surface* window_icon = nullptr;

// What each texture was last loaded from, to load it again into a new OpenGL
// context.
struct image_source {
    char path[128];
    int tw, th;
};
static std::array<image_source, OT_GAME_TEXTURES> image_sources{};

// ---------------------------------------------------------------- image loading

void loadimg_pad(const Uint32* src, int w, int h, int src_pitch, Uint32* dst, int tw, int th, bool own_alpha)
{
    int cw = w < tw ? w : tw;
    int ch = h < th ? h : th;
    for (int y = 0; y < ch; y++) {
        const Uint32* in = src + static_cast<size_t>(y) * src_pitch;
        Uint32* out = dst + static_cast<size_t>(y) * tw;
        for (int x = 0; x < cw; x++) {
            Uint32 p = in[x];
            if (!own_alpha)
                p = (p & ~IMG_AMASK) == 0 ? 0 : (p | IMG_AMASK);
            out[x] = p;
        }
    }
}

bool png_complete(const unsigned char* data, size_t size)
{
    static const unsigned char SIGNATURE[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (size < 8 || std::memcmp(data, SIGNATURE, 8) != 0)
        return false;
    // Each chunk: a 4-byte big-endian length, its type, its data, a CRC.
    for (size_t at = 8; size - at >= 12;) {
        const unsigned char* c = data + at;
        size_t length = static_cast<size_t>(c[0]) << 24 | static_cast<size_t>(c[1]) << 16 | c[2] << 8 | c[3];
        if (length > size - at - 12)
            return false;
        if (std::memcmp(c + 4, "IEND", 4) == 0)
            return true;
        at += 12 + length;
    }
    return false;
}

// The whole file, or nothing when it cannot be read.
static std::vector<unsigned char> read_file(const char* path)
{
    std::vector<unsigned char> data;
    if (std::FILE* f = std::fopen(path, "rb")) {
        unsigned char block[65536];
        for (size_t n; (n = std::fread(block, 1, sizeof block, f)) > 0;)
            data.insert(data.end(), block, block + n);
        std::fclose(f);
    }
    return data;
}

// An image file as a surface, or null. The PNG reader does not notice a file
// that ends early (and can loop for ever on one), so a cut PNG is refused first.
static SDL_Surface* load_image(const char* path)
{
    std::vector<unsigned char> file = read_file(path);
    if (file.empty() || (file[0] == 0x89 && !png_complete(file.data(), file.size()))) {
        SDL_SetError("%s: missing or cut short", path);
        return nullptr;
    }
    return IMG_Load_RW(SDL_RWFromConstMem(file.data(), static_cast<int>(file.size())), 1);
}

// Every image goes through here. The result is always a 32-bit surface whose
// bytes lie B, G, R, A in memory, whatever the display's format, because that is
// the layout the renderer uploads.
Uint8 sdl_loadimg(Uint32 id, int tw, int th, const char* filename, ...)
{
    char path[128];
    va_list args;
    va_start(args, filename);
    std::vsnprintf(path, sizeof path, filename, args);
    va_end(args);

    SDL_Surface* image = load_image(path);
    if (!image)
        return 0;
    // A palette image with a transparent entry arrives colour-keyed; it keeps
    // that transparency like an image with an alpha channel.
    bool own_alpha = image->format->Amask != 0 || (image->flags & SDL_SRCCOLORKEY);

    // The texture surface, zero-filled (transparent); its format is also the one
    // the image is converted to before it is copied in.
    Uint16 w16 = static_cast<Uint16>(tw), h16 = static_cast<Uint16>(th);
    SDL_Surface* padded = SDL_CreateRGBSurface(SDL_SWSURFACE, w16, h16, 32, IMG_RMASK, IMG_GMASK, IMG_BMASK, IMG_AMASK);
    if (!padded) {
        SDL_FreeSurface(image);
        return 0;
    }
    SDL_Surface* converted = SDL_ConvertSurface(image, padded->format, SDL_SWSURFACE);
    SDL_FreeSurface(image);
    if (!converted) {
        SDL_FreeSurface(padded);
        return 0;
    }
    SDL_FillRect(padded, nullptr, 0);
    SDL_LockSurface(converted);
    loadimg_pad(static_cast<const Uint32*>(converted->pixels), converted->w, converted->h, converted->pitch / 4,
                static_cast<Uint32*>(padded->pixels), padded->w, padded->h, own_alpha);
    SDL_UnlockSurface(converted);
    SDL_FreeSurface(converted);

    ot_build_texture(static_cast<int>(id), w16, h16, padded);
    SDL_FreeSurface(padded);
    if (id < image_sources.size()) {
        image_source& src = image_sources[id];
        std::snprintf(src.path, sizeof src.path, "%s", path);
        src.tw = tw;
        src.th = th;
    }
    return 1;
}

void main_reload_images()
{
    for (Uint32 id = 0; id < image_sources.size(); id++) {
        image_source src = image_sources[id];
        if (src.path[0])
            sdl_loadimg(id, src.tw, src.th, "%s", src.path);
    }
}

// The fixed images: texture id = tile id, each tile cut at the texture's
// top-left with the image's own size. A texture side of 0 means "the next power
// of two of the image side".
struct catalogue_entry {
    int id;
    const char* file;
    int tex_w, tex_h;
    int w, h;
};

static const catalogue_entry CATALOGUE[] = {
    {1, "data/base/BrassOwl.png", 1024, 512, 640, 480},
    {2, "data/base/GameBoard.png", 1024, 512, 640, 480},
    {3, "data/base/StartScreen.png", 1024, 512, 640, 480},
    {4, "data/base/LoseScreen.png", 512, 512, 512, 384},
    {5, "data/base/WinScreen.png", 512, 512, 512, 384},
    {6, "data/base/ContinueScreen.png", 512, 512, 512, 384},
    {7, "data/base/OptionsScreen.png", 512, 512, 512, 384},
    {8, "data/base/OptionSlider.png", 64, 64, 19, 38},
    {9, "data/base/Frame.png", 1024, 512, 640, 480},
    {30, "data/base/MenuScreen.png", 512, 512, 314, 342},
    {31, "data/base/CoverScreen.png", 512, 512, 326, 340},
    {32, "data/base/Success.png", 0, 0, 348, 75},
    {33, "data/base/Fail.png", 0, 0, 217, 68},
    {34, "data/base/GameWon.png", 0, 0, 512, 384},
    {35, "data/base/TimesUp.png", 0, 0, 416, 68},
};

// A missing image is not an error: its tile draws nothing.
void main_load_catalogue()
{
    for (const catalogue_entry& e : CATALOGUE) {
        int tw = e.tex_w ? e.tex_w : next_power_of_two(e.w);
        int th = e.tex_h ? e.tex_h : next_power_of_two(e.h);
        sdl_loadimg(static_cast<Uint32>(e.id), tw, th, "%s", e.file);
    }
    for (const catalogue_entry& e : CATALOGUE)
        ot_build_tile(e.id, e.id, 0, 0, static_cast<float>(e.w), static_cast<float>(e.h));
}

// ---------------------------------------------------------------- mode dispatch

// What each screen mode offers the loop; mode 1 has no motion handler. Every
// mode says whether its picture would change now without input (frame_due),
// so that an unchanging screen is not drawn again.
struct mode_handlers {
    void (*keys)(SDL_keysym*);
    void (*click)(int x, int y, int button, int type);
    void (*motion)(int x, int y);
    void (*idle)();
    bool (*frame_due)(Uint32 now);
};

static const mode_handlers MODES[] = {
    {nullptr, nullptr, nullptr, nullptr, nullptr},
    {mode1_handle_keys, mode1_mouse_click, nullptr, mode1_idle, mode1_frame_due},
    {mode2_handle_keys, mode2_mouse_click, mode2_mouse_movement, mode2_idle, mode2_frame_due},
    {mode3_handle_keys, mode3_mouse_click, mode3_mouse_movement, mode3_idle, mode3_frame_due},
};

static const mode_handlers* current_mode()
{
    if (engineMode >= MODE_LOGO && engineMode <= MODE_GAME)
        return &MODES[engineMode];
    return nullptr;
}

void handle_keys(SDL_keysym* keysym)
{
    if (const mode_handlers* m = current_mode())
        m->keys(keysym);
}

void handle_mouse_click(int x, int y, int button, int type)
{
    if (const mode_handlers* m = current_mode())
        m->click(static_cast<Uint16>(x), static_cast<Uint16>(y), static_cast<Uint8>(button), static_cast<Uint8>(type));
}

// The pointer position is kept in every mode, even where no handler runs.
void handle_mouse_movement(int x, int y)
{
    mouse_x = static_cast<Uint16>(x);
    mouse_y = static_cast<Uint16>(y);
    const mode_handlers* m = current_mode();
    if (m && m->motion)
        m->motion(mouse_x, mouse_y);
}

// ---------------------------------------------------------------- start-up and loop

static void set_window_icon()
{
    window_icon = load_image("data/base/CryptSLIDERS.png");
    if (!window_icon) {
        std::printf("Icon Fail: %s\n", SDL_GetError());
        return;
    }
    SDL_SetColorKey(window_icon, SDL_SRCCOLORKEY, SDL_MapRGB(window_icon->format, 255, 0, 255));
    SDL_WM_SetIcon(window_icon, nullptr);
}

// A start-up step failed: one line with SDL's reason, and the failure status.
static int start_failed(const char* call)
{
    std::printf("%s: %s\n", call, SDL_GetError());
    return -1;
}

static int missing_file(const char* path)
{
    std::printf("Missing data file: %s\n", path);
    return -1;
}

int main_start()
{
    // The exit routine first, so that every exit from here on releases what was set up.
    static bool exit_registered = false;
    if (!exit_registered) {
        std::atexit(main_exit);
        exit_registered = true;
    }
    engineDone = 0;
    engineMode = MODE_LOGO;
    GameLevel = 0;
    GameMode = 0;
    OptionsLoad();
    progress_load();

    // Video: a double-buffered OpenGL window at the largest whole scale of
    // 640 x 480 the desktop takes, or full screen at the desktop's size.
    if (SDL_Init(SDL_INIT_VIDEO) < 0)
        return start_failed("SDL_Init");
    scaler_init();
    set_window_icon();
    SDL_WM_SetCaption("CryptSLIDERS", "data/base/CryptSLIDERS.png");
    if (!scaler_set_mode(engineFullScreen == 1))
        return start_failed("SDL_SetVideoMode");

    // Fonts are needed to play at all; without a sound device the game plays silently.
    sound_init();
    if (!font_init())
        return -1;
    font_rescale(frame_scale(scaler_frame));
    sound_set();

    // One black frame while the images load.
    ot_init(FRAME_W, FRAME_H);
    scaler_apply();
    ot_begin();
    ot_end();

    // Images, help and passwords; the game cannot be played without either file.
    if (!ot_build(OT_GAME_TILES, OT_GAME_TEXTURES)) {
        std::printf("ot_build: out of memory\n");
        return -1;
    }
    main_load_catalogue();
    if (!help_init())
        return missing_file(HELP_FILE);
    if (!levels_load())
        return missing_file(PASSWORD_FILE);
    mode1_time = static_cast<Uint32>(std::time(nullptr));
    return 0;
}

bool main_events()
{
    bool any = false;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        any = true;
        scaler_map_event(&event);
        switch (event.type) {
        case SDL_KEYDOWN:
            if (scaler_is_switch(event.key.keysym))
                scaler_switch();  // in every screen, never seen by one
            else
                handle_keys(&event.key.keysym);
            break;
        case SDL_MOUSEMOTION:
            handle_mouse_movement(event.motion.x, event.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            handle_mouse_click(event.button.x, event.button.y, event.button.button, event.type);
            break;
        case SDL_QUIT:
            engineDone = 1;
            break;
        default:
            break;  // focus, key releases, resizes and the rest change nothing
        }
    }
    return any;
}

void main_draw()
{
    ot_begin();
    if (const mode_handlers* m = current_mode())
        m->idle();
}

bool main_turn()
{
    // Input: the whole queue before any drawing. Any event asks for a frame:
    // a handler may have changed the picture, and an uncovered or resized
    // window must be drawn again.
    static bool state_moved = true;
    bool input = main_events();
    if (engineDone)
        return false;
    // Draw: one whole frame of the current mode, presented, but only when it
    // would differ from the last: after input, when the mode has a change due,
    // or when the last frame moved the game to another mode or state (which
    // that frame may not have shown yet). A still screen costs no drawing.
    const mode_handlers* m = current_mode();
    if (input || state_moved || (m && m->frame_due(SDL_GetTicks()))) {
        Uint8 mode = engineMode, game_mode = GameMode;
        main_draw();
        ot_end();
        state_moved = engineMode != mode || GameMode != game_mode;
    }
    // Pace: a fixed sleep; animations measure time themselves, and input
    // waits at most this long for its frame.
    SDL_Delay(10);
    return !engineDone;
}

void main_exit()
{
    ot_deinit();
    font_deinit();
    sound_deinit();
    SDL_Quit();
    if (window_icon) {
        SDL_FreeSurface(window_icon);
        window_icon = nullptr;
    }
    image_sources = {};
}

int SDL_main(int argc, char* argv[])
{
    (void)argc;  // the game takes no command-line options
    (void)argv;
    // Each message reaches a log at once, even when stdout is a pipe or a file.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    int status = main_start();
    if (status != 0)
        return status;
    while (main_turn()) {
    }
    return 0;
}
