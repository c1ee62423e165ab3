#include "tool/moves_command.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "config/file_system.h"
#include "config/text.h"
#include "engine/legal_moves.h"
#include "model/catalogue.h"
#include "model/deal.h"
#include "model/rule_record.h"
#include "tool/console_screen.h"
#include "tool/games_commands.h"

namespace tablerun {

namespace {

constexpr const char* kUsage = "usage: tablerun-tool moves CODE NUMBER [GAMES.DAT]\n";

// Takes the next cards of the deck onto a pile, face down, then turns them by the face pattern.
class TPlainDealer {
public:
  TPlainDealer(const std::vector<int>& deck, TTable& table, TCardStatusTable& cards)
      : deck_(deck), table_(table), cards_(cards) {}

  void Deal(TPileRef pile, int count, int facePattern) {
    std::string text;
    for (; count > 0 && next_ < deck_.size(); ++next_) {
      const int card = deck_[next_];
      if (card == 0) continue;
      text += fnCardText(card);
      cards_.fnSetCardFace(card, TCardFace::Down);
      --count;
    }
    cards_.fnSetPileFaces(text, facePattern, TCardFace::Up);
    table_.SetPile(pile, table_.Pile(pile) + text);
  }

private:
  const std::vector<int>& deck_;
  std::size_t next_ = 0;
  TTable& table_;
  TCardStatusTable& cards_;
};

// Stock, waste, tableau, second waste and reserves by their counts and face
// patterns; the starters and arrangements of the real set-up are left out.
void DealPlainly(const std::vector<int>& deck, const TGameRules& rules, TTable& table, TCardStatusTable& cards) {
  TPlainDealer dealer(deck, table, cards);
  const int stock = rules.Get(379);
  dealer.Deal(kMazzo, stock, rules.Get(7) == 0 ? stock : 0);
  dealer.Deal(kMazzoVis, rules.Get(380), rules.Get(380));
  for (int i = 0; i < fnPileGroupSize(TPileGroup::Fila); ++i) {
    const int count = rules.Get(382 + i);
    if (count >= 1 && count <= 1000) dealer.Deal({TPileGroup::Fila, i}, count, rules.Get(422 + i));
  }
  dealer.Deal(kMazzoWaste, rules.Get(462), rules.Get(462));
  for (int i = 0; i < fnPileGroupSize(TPileGroup::Appogg); ++i) {
    dealer.Deal({TPileGroup::Appogg, i}, rules.Get(463 + i), rules.Get(475 + i));
  }
}

// "Fila03", "Dest01", "Appogg02", "Mazzo_Vis".
std::string TwoDigitName(TPileRef pile) {
  if (pile.group == TPileGroup::Mazzo) return fnPileName(pile);
  const std::string plain = fnPileName(pile);
  const std::size_t digits = plain.find_first_of("0123456789");
  return plain.substr(0, digits) + fnZeroFill(pile.entry + 1, 2);
}

}  // namespace

int fnMovesCommand(int argc, char** argv) {
  const auto code = argc == 3 || argc == 4 ? fnParseInteger(argv[1]) : std::nullopt;
  const std::string number = argc >= 3 ? argv[2] : "";
  if (!code || number.empty() || number.size() > 13 ||
      number.find_first_not_of("0123456789") != std::string::npos) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  TGameRules rules;
  if (!fnLoadGameRules(argc == 4 ? argv[3] : fnDefaultGamesFile(), static_cast<int>(*code), rules)) return 1;

  TConsoleScreen screen;
  TCardStatusTable cards;
  TTable table(cards, rules);
  DealPlainly(fnGameNumberCardsArray(number, rules, screen), rules, table, cards);

  struct TLine {
    std::string from;
    int position;
    std::string to;
  };
  std::vector<TLine> lines;
  // A new game: no move made yet, the first deal of the stock.
  for (const TCardMove& move : fnLegalMoves(table, rules, cards, TMoveContext{})) {
    lines.push_back({TwoDigitName(move.from), move.position + 1, TwoDigitName(move.to)});
  }
  std::sort(lines.begin(), lines.end(), [](const TLine& a, const TLine& b) {
    return std::tie(a.from, a.position, a.to) < std::tie(b.from, b.position, b.to);
  });
  for (const TLine& line : lines) std::printf("%s %d -> %s\n", line.from.c_str(), line.position, line.to.c_str());
  return 0;
}

}  // namespace tablerun
