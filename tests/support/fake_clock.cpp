// fake_clock.cpp -- the two clocks the game reads, held still or stepped by the tests
// The test executables link with --wrap=SDL_GetTicks, --wrap=time and
// --wrap=SDL_Delay, so calls from the game's own objects land here; the
// libraries keep the real clocks. A held clock makes the loop's sleep move it on.
#include "fake_clock.h"

fake_clock_state fake_clock;

extern "C" Uint32 __real_SDL_GetTicks(void);
extern "C" std::time_t __real_time(std::time_t* t);

extern "C" Uint32 __wrap_SDL_GetTicks(void)
{
    return fake_clock.enabled ? fake_clock.ticks : __real_SDL_GetTicks();
}

extern "C" std::time_t __wrap_time(std::time_t* t)
{
    if (!fake_clock.enabled)
        return __real_time(t);
    if (t)
        *t = fake_clock.seconds;
    return fake_clock.seconds;
}

extern "C" void __real_SDL_Delay(Uint32 ms);

extern "C" void __wrap_SDL_Delay(Uint32 ms)
{
    if (fake_clock.enabled)
        fake_clock_advance(ms);
    else
        __real_SDL_Delay(ms);
}

void fake_clock_advance(Uint32 ms)
{
    Uint32 before = fake_clock.ticks;
    fake_clock.ticks += ms;
    fake_clock.seconds += fake_clock.ticks / 1000 - before / 1000;
}
