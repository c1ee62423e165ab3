// Every built-in game, laid out on the screens players have, shows each of
// its piles inside the table and no two piles on top of each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "model/layout.h"
#include "support/built_in_games.h"

namespace tablerun {
namespace {

struct TScreenCase {
  int width, height;
  char cardSize;  // the size the set-up chooses there
};
constexpr TScreenCase kScreens[] = {{640, 480, 'M'}, {1024, 768, 'B'}, {1920, 1080, 'B'}};

// Games that need a wider screen are refused on narrower ones.
bool fnCanBePlayed(const TGameRules& rules, const TScreenCase& screen) {
  switch (rules.Get(40)) {
    case 1: return screen.width >= 650;
    case 2: return screen.width >= (screen.cardSize == 'S' || screen.cardSize == 'X' ? 1100 : 810);
    default: return true;
  }
}

// What a pile claims of the table. A tableau pile or reserve fanned downwards
// claims its whole column below it; one fanned to the right claims the room
// the layout gives it (entry 73), and at least room to show three cards.
struct TArea {
  std::string name;
  int left, top, right, bottom;  // right and bottom excluded
};

bool fnOverlap(const TArea& a, const TArea& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

enum class TFan { None, Down, Right };

TFan fnFan(const TGameRules& rules, TPileGroup group) {
  const int arrangement = group == TPileGroup::Fila ? rules.Get(3) : group == TPileGroup::Appogg ? rules.Get(5) : 0;
  const bool down = group == TPileGroup::Fila ? (arrangement == 1 || arrangement == 7 || arrangement == 8 ||
                                                 arrangement == 12 || arrangement == 13)
                                              : (arrangement == 1 || arrangement == 13);
  if (down) return TFan::Down;
  return group != TPileGroup::Dest && arrangement == 2 ? TFan::Right : TFan::None;
}

struct TPileCheck {
  TPileRef pile;
  int x, y;  // table coordinates
  bool had;  // the game's counts say it has the pile
};

std::vector<TPileCheck> fnPiles(const TGameRules& rules, const TMainGame& game) {
  std::vector<TPileCheck> piles;
  const int stockPiles = rules.Get(373);
  for (int i = 0; i < 3; ++i) {
    const bool had = i < stockPiles || (i == 2 && rules.Get(377) > 0);
    piles.push_back({{TPileGroup::Mazzo, i}, game.MazzoX(i), game.MazzoY(i), had});
  }
  for (int i = 0; i < 16; ++i)
    piles.push_back({{TPileGroup::Dest, i}, game.DestX(i), game.DestY(i), i < rules.Get(374)});
  for (int i = 0; i < 40; ++i)
    piles.push_back({{TPileGroup::Fila, i}, game.FilaX(i), game.FilaY(i), i < rules.Get(375)});
  for (int i = 0; i < 12; ++i)
    piles.push_back({{TPileGroup::Appogg, i}, game.AppoggX(i), game.AppoggY(i), i < rules.Get(376)});
  return piles;
}

// The faults of one game's layout on one screen, one line each.
std::vector<std::string> fnLayoutFaults(const TGameRules& rules, const TScreenCase& screen) {
  const TLayoutMetrics metrics = fnMaximisedWindowMetrics(screen.width, screen.height, screen.cardSize, 9);
  TMainGame game;
  fnLayoutTable(rules, metrics, game);
  const int cw = metrics.CardWidth();
  const int ch = metrics.CardHeight();
  // Piles fanned downwards without end make the table scroll; it can grow to
  // the height of the table image, the screen's.
  const int arrangement = rules.Get(3);
  const bool grows = arrangement == 1 || arrangement == 8 || arrangement == 12;
  const int bottom = grows ? metrics.screenHeight : metrics.tableHeight;

  std::vector<std::string> faults;
  std::vector<TArea> areas;
  for (const TPileCheck& pile : fnPiles(rules, game)) {
    const std::string name = fnPileName(pile.pile);
    if (game.IsPileAbsent(pile.pile)) {
      if (pile.had) faults.push_back(name + " is not on the table");
      continue;
    }
    if (!pile.had) {
      faults.push_back(name + " is on the table, but the game has no such pile");
      continue;
    }
    if (pile.x < 0 || pile.x + cw > metrics.tableWidth || pile.y < metrics.top || pile.y + ch > bottom)
      faults.push_back(name + " at " + std::to_string(pile.x) + "," + std::to_string(pile.y) + " leaves the table");
    TArea area{name, pile.x, pile.y, pile.x + cw, pile.y + ch};
    switch (fnFan(rules, pile.pile.group)) {
      case TFan::Down: area.bottom = INT_MAX; break;
      case TFan::Right: area.right = pile.x + std::max<int>(game.Get(73), cw + 2 * game.Get(69)); break;
      case TFan::None: break;
    }
    for (const TArea& other : areas) {
      if (fnOverlap(area, other)) faults.push_back(name + " overlaps " + other.name);
    }
    areas.push_back(area);
  }
  return faults;
}

TEST(LayoutCatalogue, EveryBuiltInGameFitsTheTableOnEveryScreen) {
  const TCatalogue& catalogue = testing::BuiltInCatalogue();

  for (const auto& entry : catalogue.Entries()) {
    TGameRules rules;
    testing::LoadBuiltInRules(rules, entry.code);
    for (const TScreenCase& screen : kScreens) {
      if (!fnCanBePlayed(rules, screen)) continue;
      for (const std::string& fault : fnLayoutFaults(rules, screen)) {
        ADD_FAILURE() << entry.name << " (" << entry.code << ") on " << screen.width << "x" << screen.height << " "
                      << screen.cardSize << ": " << fault;
      }
    }
  }
}

}  // namespace
}  // namespace tablerun
