// What the status bar and the small panels beside a resting pointer tell about
// the pile under the pointer: its kind, how many piles of that kind the game
// has, its cards, what builds on it and the redeals left.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "config/file_system.h"
#include "engine/state/tablerun_state.h"

namespace tablerun {

// The building sentence; "[h]", "[d]", "[c]" and "[s]" stand for suit symbols.
// The global suit rule wins unless it is −1.
std::string fnBuildRuleText(int suitRule, int direction, int globalSuitRule);

// The hint file's decoded lines, text by key ("0001T003": game code, pile
// letter S, W, F, T or R, 1-based pile number or "000" for every pile).
using THintFile = std::map<std::string, std::string, std::less<>>;

inline constexpr const char* kHintFileName = "tblrr.dat";

// Lines that do not decode to key + "=" + text are left out.
THintFile fnDecodeHintFile(std::string_view bytes);
// Empty when the program folder holds no hint file.
THintFile fnReadHintFile(TFileSystem& fs, const std::string& programFolder);

enum TStatusPanel { kPanelKind, kPanelPiles, kPanelCards, kPanelHint, kPanelRedeals, kStatusPanelCount };

struct TPileInfo {
  // The texts of status panels 0–4.
  std::array<std::string, kStatusPanelCount> panels;
  // For the panels beside the pointer.
  std::string cardCount;  // "1 card", "12 cards"
  std::string redeals;    // "Unlimited", "none" or "1/2"
  bool hit = false;       // a pile lies under the point
  bool stock = false;
  bool hasCards = false;
};

// The pile at (x, y) of the table. With no game in progress only the pile
// count is told.
TPileInfo fnPileInfo(const TTablerunState& state, int x, int y, const THintFile& hints);

}  // namespace tablerun
