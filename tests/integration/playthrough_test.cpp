// playthrough_test.cpp -- the whole game from a new game to the closing images,
// every level played by the solver's moves through the real handlers
#include "game_fixture.h"

#include <SDL/SDL_ttf.h>


class Playthrough : public GameDriver {
protected:
    // Steps the game on, answering every image that waits for the player,
    // until the state is one of the wanted ones (or the start screen shows).
    void advance_to(std::initializer_list<Uint8> wanted, int limit = 3000)
    {
        for (int i = 0; i < limit && engineMode == MODE_GAME; i++) {
            for (Uint8 w : wanted)
                if (GameMode == w)
                    return;
            switch (GameMode) {
            case GM_CLUE:
                shoot_first_clue();
                push_key(SDLK_SPACE);
                break;
            case GM_SCREEN:
            case GM_WIN_IMAGE:
            case GM_SEQ_IMAGE:
                push_key(SDLK_SPACE);
                break;
            case GM_HELP:
                push_key(SDLK_RETURN);
                break;
            default:
                break;
            }
            step(50);
        }
    }

    // The first clue image of each level, once it has faded in, is saved as
    // build/screenshots/playthrough_clue_levelN.png: what a player of the
    // shipped levels sees (tools/docshots.sh takes the README's pictures from these).
    void shoot_first_clue()
    {
        if (clue_shot_level_ == GameLevel)
            return;
        clue_shot_level_ = GameLevel;
        for (int i = 0; i < 10; i++)
            step(60);
        screenshot("playthrough_clue_level" + std::to_string(GameLevel));
    }
    int clue_shot_level_ = 0;
};

TEST_F(Playthrough, NewGameThroughAllTwentyLevelsToTheClosingImages)
{
    game_new();
    for (int level = 1; level <= 20; level++) {
        advance_to({GM_PLAY});
        ASSERT_EQ(engineMode, MODE_GAME) << "level " << level;
        ASSERT_EQ(GameLevel, level);
        ASSERT_EQ(GameMode, GM_PLAY);
        play_solution(level, "playthrough_level" + std::to_string(level));
        advance_to({GM_WIN, GM_LOSE});
        ASSERT_EQ(GameMode, GM_WIN) << "level " << level;
        if (level < 20) {
            // The password the list stores for this level, as the win screen shows it.
            const char* expected = pws[static_cast<size_t>(level - 1)].data();
            ASSERT_NE(expected[0], 0) << "level " << level;
            int w = 0, h = 0;
            TTF_SizeText(FONT3, expected, &w, &h);
            EXPECT_EQ(GameWonPassword.tw, w) << "level " << level;
        } else {
            EXPECT_EQ(GameHasBeenWon, 1);
        }
        push_key(SDLK_RETURN);
        step();
    }
    advance_to({});
    EXPECT_EQ(engineMode, MODE_START) << "the closing images lead back to the start screen";
    EXPECT_EQ(sound_spy.music, MUSIC[MUSIC_START]);
}

// Every shipped password, typed on the start screen's password panel, opens the
// level after the one it belongs to, which then loads and plays.
TEST_F(Playthrough, EachPasswordTypedOnTheStartScreenStartsTheNextLevel)
{
    for (int level = 1; level < 20; level++) {
        const char* password = pws[static_cast<size_t>(level - 1)].data();
        ASSERT_NE(password[0], 0) << "level " << level;
        engineMode = MODE_START;
        step();
        push_button(300, 250, SDL_MOUSEBUTTONDOWN);
        push_button(300, 250, SDL_MOUSEBUTTONUP);  // play: the password panel
        step();
        for (const char* c = password; *c; c++)
            push_key(static_cast<SDLKey>(*c));
        push_key(SDLK_RETURN);
        step();
        ASSERT_EQ(engineMode, MODE_GAME) << password;
        EXPECT_EQ(GameLevel, level + 1) << password;
        advance_to({GM_PLAY});
        EXPECT_EQ(GameMode, GM_PLAY) << "level " << level + 1 << " plays";
        EXPECT_EQ(game_time_left(), GameTimeTotal);
    }
}
