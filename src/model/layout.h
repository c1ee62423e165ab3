// The table layout: where every pile of the current game lies for a given
// window and card size, and how far the cards of a pile are fanned.
#pragma once

#include "model/game_rules.h"
#include "model/main_game.h"

namespace tablerun {

// Everything the layout needs to know about the window, the screen and the
// cards, so that it runs the same for the main window, a preview picture and
// a test.
struct TLayoutMetrics {
  int tableWidth = 0;    // client width without the vertical scroll bar
  int tableHeight = 0;   // client height above the status bar
  int top = 0;           // the tool bar's height
  int windowHeight = 0;  // the main window's outer height
  int frameHeight = 0;   // outer height minus client height
  int screenWidth = 0;
  int screenHeight = 0;
  char cardSize = 'B';  // 'L', 'M', 'B', 'S' or 'X'; any other letter reads as 'B'
  int shadowDepth = 9;  // 9 with card shadows, 0 without

  int CardWidth() const;
  int CardHeight() const;
  static bool IsCardSize(char letter);
};

// A maximised main window on a screen of the given size: a 30-pixel task bar
// below the window, 46 pixels of title and menu bar, a 50-pixel tool bar and a
// 20-pixel status bar; no vertical scroll bar.
TLayoutMetrics fnMaximisedWindowMetrics(int screenWidth, int screenHeight, char cardSize, int shadowDepth);

// Resets every pile position to its absent marker, then places the piles of
// the game and sets the fan steps (entries 68–73, 76, 79, 80, 87, 88, 105,
// 106), the copies of the stock-group and foundation positions (entries
// 132–193) and the scroll position (entry 94).
void fnLayoutTable(const TGameRules& rules, const TLayoutMetrics& metrics, TMainGame& game, int scrollPosition = 0);

}  // namespace tablerun
