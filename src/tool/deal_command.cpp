#include "tool/deal_command.h"

#include <cstdio>
#include <string>

#include "config/text.h"
#include "engine/table_view.h"
#include "tool/tool_game.h"

namespace tablerun {
namespace {

constexpr const char* kUsage = "usage: tablerun-tool deal CODE NUMBER [GAMES.DAT]\n";
constexpr int kStockGroupPiles = 373;
constexpr int kSecondWastePlaced = 377;

// Each position as its code and face digit, "0000" for a hole.
std::string fnTableStateText(const TTablerunState& state, TPileRef pile) {
  const std::string& codes = state.table.Pile(pile);
  std::string text;
  for (std::size_t at = 0; at < codes.size(); at += 3) {
    const std::string code = codes.substr(at, 3);
    const auto card = fnParseCardText(code);
    if (!card || *card == 0) {
      text += "0000";
      continue;
    }
    text += code + (state.cards.fnIsCardFaceDown(*card) ? "0" : "1");
  }
  return text;
}

void fnPrintPile(const TTablerunState& state, TPileRef pile) {
  std::printf("%s: %s\n", fnToolPileName(pile).c_str(), fnTableStateText(state, pile).c_str());
}

void fnPrintTable(const TTablerunState& state) {
  const TTableView view(state.table, state.rules, state.cards);
  const int stockPiles = state.rules.Get(kStockGroupPiles);
  const bool secondWaste = stockPiles >= 3 || state.rules.Get(kSecondWastePlaced) > 0;
  for (const TPileRef pile : {kMazzo, kMazzoVis, kMazzoWaste}) {
    const bool used = pile.entry < stockPiles || (pile == kMazzoWaste && secondWaste);
    if (used || !view.IsEmpty(pile)) fnPrintPile(state, pile);
  }
  for (int f = 0; f < view.Foundations(); ++f) fnPrintPile(state, fnDest(f));
  for (int p = 0; p < view.TableauPiles(); ++p) fnPrintPile(state, fnFila(p));
  for (int r = 0; r < view.Reserves(); ++r) fnPrintPile(state, fnAppogg(r));
}

}  // namespace

int fnDealCommand(int argc, char** argv) {
  TToolGame game;
  if (const int status = game.Deal(argc, argv, kUsage); status != 0) return status;
  fnPrintTable(game.State());
  return 0;
}

}  // namespace tablerun
