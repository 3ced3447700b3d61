// state.h -- the game screen's state shared by its flow, input, display and end-of-level files
#pragma once

#include <SDL/SDL.h>

#include "engine/engine.h"

// GameMode values: the states of the game screen. The start screen enters at
// GM_LOAD (1: read the level file and lay out the board) or GM_NEW_GAME (20:
// start the game music at level 1), which engine/engine.h names.
enum : Uint8 {
    GM_SCREEN_NEXT = 2,    // load the next introduction image
    GM_SCREEN = 3,         // an introduction image, for 3 to 4 seconds
    GM_PLAY = 4,           // the board, the timer running
    GM_HELP = 5,           // the help panel over the game
    GM_LOSE = 6,           // the lose screen
    GM_WIN = 7,            // the win screen with the next password
    GM_CLUE_NEXT = 8,      // load the next clue image
    GM_CLUE = 9,           // a clue image with the prompt
    GM_MENU = 12,          // the in-game menu
    GM_OPTIONS = 13,       // the options panel over the game
    GM_BANNER = 15,        // the growing win or lose banner
    GM_WIN_NEXT = 16,      // load the next win image
    GM_WIN_FADE_IN = 17,
    GM_WIN_IMAGE = 18,     // a win image with the prompt
    GM_WIN_FADE_OUT = 19,
    GM_SEQ_NEXT = 21,      // load the next opening or closing image
    GM_SEQ_FADE_IN = 22,
    GM_SEQ_IMAGE = 23,     // an opening or closing image, no prompt
    GM_SEQ_FADE_OUT = 24,
};

// Fixed tiles the game screen draws.
constexpr Uint32 TILE_FULLSCREEN = 1;  // texture 1, reloaded for every full-screen image
constexpr Uint32 TILE_BOARD = 2;
constexpr Uint32 TILE_LOSE = 4;
constexpr Uint32 TILE_WIN = 5;
constexpr Uint32 TILE_FRAME = 9;
constexpr Uint32 TILE_MENU = 30;
constexpr Uint32 TILE_COVER = 31;
constexpr Uint32 TILE_SUCCESS = 32;
constexpr Uint32 TILE_FAIL = 33;
constexpr Uint32 TILE_GAME_WON = 34;
constexpr Uint32 TILE_TIMES_UP = 35;

// Introduction and clue images of the level.
extern Uint8 GameScene, GameClue;
extern Uint32 GameSceneTime;
extern Uint8 GameDisplayHelp;  // 1 while the level's help is due or open

// The level timer: milliseconds left as of GameTimeStarting (SDL ticks);
// stopped while GamePaused.
extern Uint32 GameTimeRemaining, GameTimeStarting;
extern Uint8 GamePaused;

extern ot_rgba MatchedTile;     // tint of locked cells and of the shrinking picture
extern Sint16 DragDropGridID;   // board index of the dragged cell, -1 for none

// Texts of the game screen.
extern font_s GameTime;
extern Uint32 GameTimeCounter;  // the seconds GameTime shows

// End of a level.
extern Uint8 GameNextMode, GameWin, GameHasBeenWon, WinLoseID, WinLoseMode;
extern float WinLoseCounter, WinLoseX, WinLoseY;
extern Uint32 WinLoseMS, WinMS;
extern ot_rgba WinRGBA;
extern font_s GameWonPassword;
extern font_s GameWonTime;  // the time used, and how it compares with the best

// Whether the prompt's brightness takes its next step now.
bool game_prompt_due(Uint32 now);

// A text centred on (x, y); one wider than the screen starts at its left edge.
void game_display_centred(const font_s* f, int x, int y);

// A focus lost during the zoom of a completed picture pauses play once the
// zoom is over; true when it paused now.
bool game_focus_pause();
// A finger held still on a tile long enough turns it (game_long_press), and
// its release then drops nothing.
bool game_long_press_due(Uint32 now);
void game_long_press();

// Keyboard play: the keys of play (the board cursor, lifting and dropping a
// tile, turning, the clue and help buttons) and of the panels' buttons, each
// true when it took the key; the pointer's motion hides the cursor over the
// board and the panels' highlight; the cursor, the lifted tile and the
// highlight are drawn last in a frame.
bool game_keys_play(SDLKey key);
bool game_keys_panel(SDLKey key);
void game_keys_motion(int x, int y);
bool game_keys_lifted();  // a tile lifted by keys, drawn at the cursor rather than the pointer
void game_keys_draw();

// Best times on screen: the win screen's line under the password (made when
// the level is won, which records the time) and the clue images' line (made
// when a level loads).
void game_record_win();
void game_record_level();
void game_record_win_draw(int y);
void game_record_clue_draw();

// The dimming colour handed to DisplayGameScreen under a panel.
constexpr ot_rgba DIM_COLOUR = {127, 127, 127, 255};

// Flow and timer.
void GameTimePause();
void GameTimeDeInit();
// Seconds left on the level timer now, a second begun counting whole.
Uint32 game_time_left();

// Loads a full-screen image (its path formatted like printf) into texture 1
// and cuts tile 1 from it anew, whatever that tile was cut from before (the
// logo image, or nothing when it was missing). 1 when the image loaded.
Uint8 game_load_fullscreen(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Drawing.
void DisplayGameScreen(const ot_rgba* rgb);
void GameAnyKeyDraw();
// The clock text "%i:%02i" for r seconds left; a negative r reads as 0:00.
void game_clock_text(long r, char* buf, size_t size);

// End of a level and the image sequences; each state function draws its frame.
void GameWon();
void GameLost(int id);
void GameEnd();
void NextLevel();
void game_banner_frame(Uint32 now);
void game_lose_frame();
void game_win_frame();
void game_win_images_frame(Uint32 now);
void game_sequence_frame(Uint32 now);
