#include "model/card.h"

#include <charconv>

#include "config/text.h"

namespace tablerun {

namespace {

constexpr int kJokerRank = 100;

bool IsJoker(int code) { return code >= kFirstJoker && code <= kCardCount; }
bool IsDeckCard(int code) { return code >= 1 && code < kFirstJoker; }

// The same card of deck 1: every deck repeats the 52 codes of the first.
int FoldToFirstDeck(int code) { return (code - 1) % kDeckSize + 1; }

}  // namespace

int fnCardRank(int code) {
  if (code == 0) return 0;
  if (IsJoker(code)) return kJokerRank;
  if (!IsDeckCard(code)) return -1;
  return (FoldToFirstDeck(code) - 1) % kSuitSize + 1;
}

int fnCardSuit(int code) {
  if (code == 0) return 0;
  if (!IsDeckCard(code)) return -1;
  return (FoldToFirstDeck(code) - 1) / kSuitSize;
}

bool fnIsRedCard(int code) {
  // No card counts as red, as every code up to 26 does.
  if (code <= 0) return true;
  return IsDeckCard(code) && fnCardSuit(code) <= 1;
}

bool fnIsFaceCard(int code) {
  const int rank = fnCardRank(code);
  return rank >= kJack && rank <= kKing;
}

int fnCardImageIndex(int code) {
  if (IsJoker(code)) return kDeckSize;
  if (!IsDeckCard(code)) return -1;
  return FoldToFirstDeck(code) - 1;
}

std::string fnRankText(int rank) {
  switch (rank) {
    case kAce: return "A";
    case kJack: return "J";
    case kQueen: return "Q";
    case kKing: return "K";
    default: return rank >= 2 && rank <= 10 ? std::to_string(rank) : std::string();
  }
}

std::string fnCardText(int code) { return fnZeroFill(code, 3); }

std::optional<int> fnParseCardText(std::string_view text) {
  if (text.size() != 3) return std::nullopt;
  unsigned code = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), code);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return static_cast<int>(code);
}

}  // namespace tablerun
