// buttons.h -- the buttons of the game screen and of its panels, in window pixels, edges included
#pragma once

#include "engine/engine.h"

constexpr key_button PLAY_HELP = {608, 640, 0, 31};
constexpr key_button PLAY_CLUES = {11, 182, 436, 480};
constexpr key_button PLAY_MENU = {461, 632, 436, 480};
constexpr key_button HELP_BACK = {130, 174, 339, 398};
constexpr key_button HELP_FORWARD = {470, 515, 339, 398};
constexpr key_button HELP_CLOSE = {296, 354, 394, 416};
constexpr key_button LOSE_RETRY = {219, 307, 395, 416};
constexpr key_button LOSE_QUIT = {367, 425, 394, 416};
constexpr key_button WIN_CONTINUE = {286, 364, 394, 416};
constexpr key_button MENU_RESTART = {204, 432, 113, 161};
constexpr key_button MENU_OPTIONS = {204, 432, 180, 229};
constexpr key_button MENU_QUIT = {204, 432, 246, 295};
constexpr key_button MENU_RESUME = {204, 432, 313, 361};
