// logo.cpp -- screen mode 1: the studio's logo fades in, holds and fades out
#include "screens/logo.h"

#include <ctime>

#include "engine/engine.h"

// Fade states.
constexpr Uint8 LOGO_NEW = 0;       // first frame not drawn yet
constexpr Uint8 LOGO_FADE_IN = 1;
constexpr Uint8 LOGO_HOLD = 2;
constexpr Uint8 LOGO_FADE_OUT = 3;

constexpr Uint32 LOGO_STEP_MS = 50;    // at least this long between fade steps
constexpr Uint32 LOGO_HOLD_SECONDS = 3;  // hold until the wall clock passes the loop's start + 3
constexpr int LOGO_TILE = 1;

static Uint8 l_mode = LOGO_NEW;
static ot_rgba l_rgba = {0, 0, 0, 0};
static Uint32 l_ms = 0;

// Starts the fade-out from whatever colour the logo has now, with music 1.
static void logo_skip()
{
    play_music(MUSIC_START);
    l_mode = LOGO_FADE_OUT;
    l_ms = SDL_GetTicks();
}

void mode1_handle_keys(SDL_keysym* keysym)
{
    (void)keysym;  // any key skips, once
    if (!key_repeating)
        logo_skip();
}

// The release of any button skips; a press alone does nothing.
void mode1_mouse_click(int x, int y, int button, int type)
{
    (void)x;
    (void)y;
    (void)button;
    if (type != SDL_MOUSEBUTTONDOWN)
        logo_skip();
}

bool mode1_frame_due(Uint32 now)
{
    switch (l_mode) {
    case LOGO_FADE_IN:
    case LOGO_FADE_OUT:
        return now - l_ms >= LOGO_STEP_MS;
    case LOGO_HOLD:
        return static_cast<Uint32>(std::time(nullptr)) > mode1_time + LOGO_HOLD_SECONDS;
    default:
        return true;  // the first frame
    }
}

void mode1_idle()
{
    Uint32 now = SDL_GetTicks();
    if (l_mode == LOGO_NEW) {
        rgba_reset(&l_rgba);
        l_mode = LOGO_FADE_IN;
        l_ms = now;
    }
    if (l_mode == LOGO_FADE_IN && now - l_ms >= LOGO_STEP_MS) {
        l_ms = now;
        rgba_inc(&l_rgba);
        if (l_rgba.a == 255)
            l_mode = LOGO_HOLD;
    }
    if (l_mode == LOGO_HOLD && static_cast<Uint32>(std::time(nullptr)) > mode1_time + LOGO_HOLD_SECONDS) {
        play_music(MUSIC_START);
        l_mode = LOGO_FADE_OUT;
        l_ms = now;
    } else if (l_mode == LOGO_FADE_OUT && now - l_ms >= LOGO_STEP_MS) {
        l_ms = now;
        rgba_dec(&l_rgba);
        if (l_rgba.a == 0)
            engineMode = MODE_START;
    }
    ot_blit(LOGO_TILE, 0, 0, &l_rgba);
}
