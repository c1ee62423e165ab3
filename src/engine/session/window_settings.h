// The main window's own settings by name: what it shows, its toolbars, its
// pointer and sounds, where games are saved. The window asks these and never
// reads configuration positions or preference keys itself.
#pragma once

#include <optional>
#include <string>

#include "engine/state/tablerun_state.h"

namespace tablerun {

class TWindowSettings {
 public:
  explicit TWindowSettings(TTablerunState& state) : state_(state) {}

  bool ShowToolTips() const;
  bool ShowTime() const;
  void SetShowTime(bool show);
  bool ShowScore() const;
  void SetShowScore(bool show);

  // Large pictures, flat buttons and the colour ("XP") style are each on
  // until the player turns them off.
  bool LargeToolbar() const;
  void SetLargeToolbar(bool large);
  bool FlatToolbar() const;
  void SetFlatToolbar(bool flat);
  bool XpToolbar() const;
  void SetXpToolbar(bool xp);

  // The stored colour the table's cloth is fixed to, when the player fixed one.
  std::optional<int> FixedCloth() const;
  // The table's pointer: 10, the system's arrow, unless the player chose another.
  int TableCursor() const;
  // The pause screen fades the table only where the display has the colours for it.
  bool FadedPause() const;
  bool DealAnimation() const;
  bool SplashSound() const;
  bool NewGameSound() const;
  bool ConfirmQuit() const;
  // Room the layout leaves for the cards' shadows: 9 pixels with shadows, none without.
  int LayoutShadowDepth() const;
  // Moving cards fly, and lifted cards cast shadows, unless the player
  // turned them off ("N"); the layout above only leaves room for "Y".
  bool AnimatedMoves() const;
  bool MovingShadows() const;
  // Milliseconds between the steps of a flight, never below 0.
  int CardStepDelay() const;
  bool ShuffleSound() const;
  // The status bar tells the pile sizes while the pointer rests.
  bool ShowPilesSize() const;

  // Where the save and open dialogs start, given the documents folder when none was used yet.
  std::string SaveFolder() const;
  void SetSaveFolder(const std::string& folder);
  // The file name a game is offered under: the game's name.
  std::string SavedGameName() const;

 private:
  bool Preference(const char* key, const char* fallback) const;
  void SetPreference(const char* key, bool on);

  TTablerunState& state_;
};

}  // namespace tablerun
