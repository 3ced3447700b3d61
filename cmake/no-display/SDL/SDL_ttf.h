// SDL_ttf.h -- stands in for the display library's header where the rules are built:
// the rules are played and fuzzed without a display, so they never include it.
#error "the rules include no display library"
