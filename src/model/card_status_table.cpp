#include "model/card_status_table.h"

#include <optional>

namespace tablerun {

namespace {

constexpr std::size_t kNameLength = 15;
constexpr std::size_t kFaceColumn = 19;

std::string CardName(int code) {
  static constexpr const char* kSuitWords[] = {"CUORI", "QUADR", "FIORI", "PICCH"};
  const int suit = fnCardSuit(code);
  if (suit < 0) return "JOKER";
  const int rank = fnCardRank(code);
  std::string rankWord = fnRankText(rank);
  if (rank >= 2 && rank <= 9) rankWord.insert(0, "0");
  return std::string(kSuitWords[suit]) + "_" + rankWord;
}

// Jokers share the spades digit.
char SuitDigit(int code) {
  const int suit = fnCardSuit(code);
  return static_cast<char>('1' + (suit < 0 ? 3 : suit));
}

// The face fnSetPileFaces gives the card at a position counted from the bottom.
std::optional<TCardFace> DealtFace(int position, int count, int n, TCardFace face) {
  const bool even = position % 2 == 0;
  switch (n) {
    case -1: return even ? TCardFace::Up : TCardFace::Down;
    case -2: return even ? TCardFace::Down : TCardFace::Up;
    case -3: return position == 0 ? TCardFace::Up : TCardFace::Down;
    default:
      if (n >= 1 && position >= count - n) return face;
      return std::nullopt;
  }
}

}  // namespace

TCardStatusTable::TCardStatusTable() {
  for (int code = 1; code <= kCardCount; ++code) {
    std::string row = CardName(code);
    row.resize(kNameLength, ' ');
    row += SuitDigit(code);
    row += fnCardText(code);
    row += static_cast<char>(TCardFace::Up);
    rows_[static_cast<std::size_t>(code - 1)] = std::move(row);
  }
}

std::string_view TCardStatusTable::Row(int code) const {
  if (!HasRow(code)) return {};
  return rows_[static_cast<std::size_t>(code - 1)];
}

bool TCardStatusTable::fnSetCardFace(int code, TCardFace face) {
  if (!HasRow(code)) return false;
  rows_[static_cast<std::size_t>(code - 1)][kFaceColumn] = static_cast<char>(face);
  return true;
}

bool TCardStatusTable::fnIsCardFaceDown(int code) const {
  if (!HasRow(code)) return true;
  return rows_[static_cast<std::size_t>(code - 1)][kFaceColumn] == static_cast<char>(TCardFace::Down);
}

void TCardStatusTable::fnSetPileFaces(std::string_view pileText, int n, TCardFace face) {
  const int count = static_cast<int>(pileText.size() / 3);
  for (int position = 0; position < count; ++position) {
    const auto turned = DealtFace(position, count, n, face);
    const auto code = fnParseCardText(pileText.substr(static_cast<std::size_t>(position) * 3, 3));
    if (turned && code) fnSetCardFace(*code, *turned);
  }
}

}  // namespace tablerun
