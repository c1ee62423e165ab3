#include "engine/pointer/pile_info.h"

#include "config/preferences.h"
#include "config/text.h"
#include "engine/pointer/hit_test.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

constexpr int kAvailableOnly = 4;
constexpr int kPerPileSuitRule = -1;
constexpr int kUnlimitedDeals = -1;

const char* const kAvailableText = "The top card is available for play to the foundations or to the tableau";

struct TBuildRule {
  const char* text;
  // By direction: 0 down, 1 up, 2 up or down.
  std::array<const char*, 3> examples;
};

constexpr std::array<const char*, 3> kDirections = {"down", "up", "up or down"};
constexpr std::array<TBuildRule, 4> kBuildRules = {{
    {" in suit", {"(ex. 10 [s] on Jack [s])", "(ex. 2 [h] on Ace [h])", "(ex. 10 [d] on 9 [d] or on Jack [d])"}},
    {" by the same color",
     {"(ex. 10 [h] on Jack [h][d])", "(ex. 2 [h] on Ace [h][d])", "(ex. 10 [d] on 9 [d][h] or on Jack [d][h])"}},
    {" regardless of suit",
     {"(ex. 10 [d] on Jack [h][c][d][s])", "(ex. 2 [h] on Ace [h][c][d][s])",
      "(ex. 10 [c] on 9 or on Jack [h][c][d][s])"}},
    {" in alternating colors",
     {"(ex. 10 [d] on Jack [c][s])", "(ex. 2 [s] on Ace [h][d])", "(ex. 10 [h] on 9 [c][s] or on Jack [c][s])"}},
}};

// Our own scrambling key. A line's first byte takes the key's first character,
// and so on cycling; every line starts again at the key's first character.
// Printable ASCII plus the printable key stays within 64–252, so a scrambled line
// never holds a line break nor wraps, and a game code's first digit plus 'T'
// can never read as a section header's "[".
constexpr std::string_view kScrambleKey = "Tablerun#Hints!";
constexpr std::size_t kHintKeyLength = 8;  // "0001T003"
constexpr std::string_view kHintSection = "[Main]";

std::string fnDecodeHintLine(std::string_view line) {
  std::string plain(line);
  for (std::size_t i = 0; i < plain.size(); ++i) {
    plain[i] = static_cast<char>(static_cast<unsigned char>(plain[i]) -
                                 static_cast<unsigned char>(kScrambleKey[i % kScrambleKey.size()]));
  }
  return plain;
}

std::string fnCardCountText(int count) { return std::to_string(count) + (count == 1 ? " card" : " cards"); }

int fnCardsIn(const TTableView& view, TPileRef pile) {
  int cards = 0;
  for (int position = 0; position < view.Count(pile); ++position) cards += view.CardAt(pile, position) > 0 ? 1 : 0;
  return cards;
}

std::string fnStockHint(const TTableView& view, int passesMade) {
  const int deals = view.Rule(rule::kDeals);
  if (view.IsEmpty(kMazzo)) {
    return deals == kUnlimitedDeals || passesMade < deals ? "Click to redeal" : "";
  }
  if (view.Rule(rule::kStockTurnsToWaste) == 1) {
    const int turned = view.Rule(rule::kCardsPerTurn);
    if (turned == 1) return "Click to turn up one card at a time to the waste";
    if (turned >= 2) return "Click to turn up " + std::to_string(turned) + " cards at a time to the waste";
    return "";
  }
  if (view.Rule(rule::kTableauRowDeal) > 0) return "Click to deal a new row of cards to the tableau";
  if (view.Rule(rule::kReserveRowDeal) > 0) return "Click to deal a new row of cards to the reserve";
  return "";
}

// Panel 4 and the pointer's redeals panel.
void fnFillRedeals(const TTableView& view, int passesMade, TPileInfo& info) {
  const int deals = view.Rule(rule::kDeals);
  if (deals == kUnlimitedDeals) {
    info.panels[kPanelRedeals] = "Unlimited redeals";
    info.redeals = "Unlimited";
  } else if (deals == 0) {
    info.panels[kPanelRedeals] = "No redeal";
    info.redeals = "none";
  } else {
    info.redeals = std::to_string(passesMade - 1) + "/" + std::to_string(deals - 1);
    info.panels[kPanelRedeals] = info.redeals + " redeals";
  }
}

// The kind word, pile count, built hint and hint file letter of a pile.
struct TPileKind {
  const char* word;
  int piles;
  std::string hint;
  char letter;
};

TPileKind fnKindOf(const TTableView& view, TPileRef pile, int passesMade) {
  switch (pile.group) {
    case TPileGroup::Mazzo:
      if (pile == kMazzo) return {"Stock", 1, fnStockHint(view, passesMade), 'S'};
      return {"Waste", 1, pile == kMazzoVis ? kAvailableText : "", 'W'};
    case TPileGroup::Dest:
      return {
          "Foundation", view.Foundations(),
          fnBuildRuleText(view.Rule(rule::kFoundationBuild + pile.entry),
                          view.Rule(rule::kFoundationDirection + pile.entry), view.Rule(rule::kShownFoundationBuild)),
          'F'};
    case TPileGroup::Fila:
      return {"Tableau", view.TableauPiles(),
              fnBuildRuleText(view.Rule(rule::kTableauBuild + pile.entry),
                              view.Rule(rule::kTableauDirection + pile.entry), view.Rule(rule::kShownTableauBuild)),
              'T'};
    case TPileGroup::Appogg: return {"Reserve", view.Reserves(), kAvailableText, 'R'};
  }
  return {"", 0, "", ' '};
}

// The stock, waste and second waste are piles 1, 1 and 2 of their letters.
int fnHintPileNumber(TPileRef pile) {
  return pile == kMazzoWaste ? 2 : pile.group == TPileGroup::Mazzo ? 1 : pile.entry + 1;
}

const std::string* fnHintFileText(const THintFile& hints, const std::string& game, char letter, int pile) {
  for (const std::string& number : {fnZeroFill(pile, 3), std::string("000")}) {
    if (const auto found = hints.find(game + letter + number); found != hints.end()) return &found->second;
  }
  return nullptr;
}

}  // namespace

std::string fnBuildRuleText(int suitRule, int direction, int globalSuitRule) {
  const int rule = globalSuitRule == kPerPileSuitRule ? suitRule : globalSuitRule;
  if (rule == kAvailableOnly) return "The top card is available for play to the foundations ";
  if (rule < 0 || rule >= static_cast<int>(kBuildRules.size())) return "";
  // Only the three directions have words and examples.
  if (direction < 0 || direction >= static_cast<int>(kDirections.size())) return "";
  const TBuildRule& build = kBuildRules[static_cast<std::size_t>(rule)];
  return std::string("Build ") + kDirections[static_cast<std::size_t>(direction)] + build.text + " " +
         build.examples[static_cast<std::size_t>(direction)];
}

THintFile fnDecodeHintFile(std::string_view bytes) {
  THintFile hints;
  bool inMain = false;
  for (const std::string_view line : fnSplitLines(bytes)) {
    if (!line.empty() && line.front() == '[') {
      inMain = fnSameTextIgnoringCase(line, kHintSection);
      continue;
    }
    if (!inMain) continue;
    const std::string plain = fnDecodeHintLine(line);
    if (plain.size() <= kHintKeyLength || plain[kHintKeyLength] != '=') continue;
    hints.emplace(plain.substr(0, kHintKeyLength), plain.substr(kHintKeyLength + 1));
  }
  return hints;
}

THintFile fnReadHintFile(TFileSystem& fs, const std::string& programFolder) {
  const auto bytes = fnReadWholeFile(fs, programFolder + kHintFileName);
  return bytes ? fnDecodeHintFile(*bytes) : THintFile{};
}

TPileInfo fnPileInfo(const TTablerunState& state, int x, int y, const THintFile& hints) {
  TPileInfo info;
  const TPileGeometry geometry = fnPileGeometry(state);
  // As a drop would: an empty tableau pile or reserve is still a pile to tell about.
  const THit hit = fnHitTest(geometry, x, y, true);
  const bool inProgress = state.runtime.Flag(TRuntimeFlag::GameInProgress);
  const TTableView& view = geometry.View();
  const int passesMade = state.mainGame.Get(entries::kRedealRound);
  if (inProgress) fnFillRedeals(view, passesMade, info);
  if (!hit.pile) return info;

  const TPileRef pile = *hit.pile;
  const TPileKind kind = fnKindOf(view, pile, passesMade);
  const int cards = fnCardsIn(view, pile);
  info.hit = true;
  info.stock = pile == kMazzo;
  info.hasCards = cards > 0;
  info.cardCount = fnCardCountText(cards);
  info.panels[kPanelPiles] = std::to_string(kind.piles);
  if (!inProgress) return info;

  info.panels[kPanelKind] = kind.word;
  info.panels[kPanelCards] = info.cardCount;
  const std::string* fromFile =
      fnHintFileText(hints, state.config.Read(cfg::kGame), kind.letter, fnHintPileNumber(pile));
  info.panels[kPanelHint] = fromFile ? *fromFile : kind.hint;
  return info;
}

}  // namespace tablerun
