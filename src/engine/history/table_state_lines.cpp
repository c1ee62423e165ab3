#include "engine/history/table_state_lines.h"

#include <algorithm>

#include "model/card.h"

namespace tablerun {
namespace {

constexpr int kStockLines = fnPileGroupSize(TPileGroup::Mazzo);
constexpr int kDestLines = fnPileGroupSize(TPileGroup::Dest);
constexpr int kFilaLines = fnPileGroupSize(TPileGroup::Fila);

int CodeAt(std::string_view line, std::size_t at) {
  return (line[at] - '0') * 100 + (line[at + 1] - '0') * 10 + (line[at + 2] - '0');
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TPileRef fnSnapshotPile(int line) {
  if (line < kStockLines) return {TPileGroup::Mazzo, line};
  line -= kStockLines;
  if (line < kDestLines) return {TPileGroup::Dest, line};
  line -= kDestLines;
  if (line < kFilaLines) return {TPileGroup::Fila, line};
  return {TPileGroup::Appogg, line - kFilaLines};
}

std::string fnStateLine(const TTable& table, const TCardStatusTable& cards, TPileRef pile) {
  const std::string& codes = table.Pile(pile);
  std::string line;
  line.reserve(codes.size() / 3 * 4);
  for (std::size_t at = 0; at < codes.size(); at += 3) {
    line.append(codes, at, 3);
    // A hole reads as face down: no card lies there.
    line += cards.fnIsCardFaceDown(CodeAt(codes, at)) ? '0' : '1';
  }
  return line;
}

namespace {

// A card code from 000 (a hole) to the last joker, and its face.
bool IsStateLineText(std::string_view line) {
  if (line.size() % 4 != 0) return false;
  for (std::size_t at = 0; at < line.size(); at += 4) {
    if (!IsDigit(line[at]) || !IsDigit(line[at + 1]) || !IsDigit(line[at + 2])) return false;
    if (CodeAt(line, at) > kCardCount || (line[at + 3] != '0' && line[at + 3] != '1')) return false;
  }
  return true;
}

// Lays a valid state line: the codes into the pile, each card's face into the table.
void Apply(TTable& table, TCardStatusTable& cards, TPileRef pile, std::string_view line, std::string& codes) {
  codes.clear();
  for (std::size_t at = 0; at < line.size(); at += 4) {
    codes.append(line.substr(at, 3));
    const int card = CodeAt(line, at);
    if (card > 0) cards.fnSetCardFace(card, line[at + 3] == '1' ? TCardFace::Up : TCardFace::Down);
  }
  table.SetPile(pile, codes);
}

}  // namespace

bool fnIsStateLine(std::string_view line) { return IsStateLineText(line); }

bool fnApplyStateLine(TTable& table, TCardStatusTable& cards, TPileRef pile, std::string_view line) {
  if (!fnIsPileRef(pile) || !IsStateLineText(line)) return false;
  std::string codes;
  Apply(table, cards, pile, line, codes);
  return true;
}

TSnapshot fnTakeSnapshot(const TTable& table, const TCardStatusTable& cards) {
  TSnapshot snapshot;
  for (int line = 0; line < kSnapshotLines; ++line) {
    snapshot[static_cast<std::size_t>(line)] = fnStateLine(table, cards, fnSnapshotPile(line));
  }
  return snapshot;
}

bool fnRestoreSnapshot(TTable& table, TCardStatusTable& cards, const TSnapshot& snapshot) {
  for (const std::string& line : snapshot) {
    if (!IsStateLineText(line)) return false;
  }
  std::string codes;
  for (int line = 0; line < kSnapshotLines; ++line) {
    Apply(table, cards, fnSnapshotPile(line), snapshot[static_cast<std::size_t>(line)], codes);
  }
  return true;
}

std::vector<int> fnCardsOfSnapshot(const TSnapshot& snapshot) {
  std::vector<int> cards;
  for (const std::string& line : snapshot) {
    if (!IsStateLineText(line)) return {};
    for (std::size_t at = 0; at < line.size(); at += 4) {
      if (const int code = CodeAt(line, at); code != 0) cards.push_back(code);
    }
  }
  std::sort(cards.begin(), cards.end());
  return cards;
}

int fnLongestLine(const TSnapshot& snapshot) {
  std::size_t longest = 0;
  for (const std::string& line : snapshot) longest = std::max(longest, line.size() / 4);
  return static_cast<int>(longest);
}

}  // namespace tablerun
