#include "model/deal.h"

#include <cstdio>

#include "model/card.h"

namespace tablerun {
namespace {

constexpr int kOffsets[10][16] = {
    {25, 18, 13, 22, 21, 20, 15, 15, 19, 20, 11, 30, 12, 25, 35, 41},
    {20, 19, 12, 13, 18, 18, 23, 17, 11, 20, 15, 25, 28, 34, 21, 10},
    {30, 21, 19, 19, 13, 22, 20, 18, 25, 31, 14, 10, 40, 32, 10, 15},
    {51, 16, 14, 18, 21, 21, 17, 19, 24, 10, 23, 15, 21, 11, 16, 32},
    {18, 19, 19, 23, 13, 16, 15, 20, 12, 15, 19, 25, 30, 24, 26, 10},
    {17, 21, 14, 19, 19, 16, 18, 17, 25, 35, 14, 18, 17, 26, 12, 15},
    {48, 16, 13, 14, 19, 20, 20, 16, 15, 26, 32, 24, 30, 15, 12, 11},
    {11, 21, 21, 23, 17, 18, 22, 20, 32, 16, 18, 20, 21, 27, 18, 12},
    {22, 16, 13, 13, 19, 17, 22, 13, 30, 15, 21, 23, 23, 14, 11, 12},
    {24, 13, 20, 21, 21, 14, 15, 22, 16, 21, 18, 23, 17, 15, 18, 22},
};

// Columns 1–4, 5–8, 9–12 and 13–16 each order the four suits, one group per deck.
constexpr int kSuits[13][16] = {
    {4, 2, 3, 1, 4, 2, 1, 3, 1, 2, 4, 3, 3, 2, 1, 4}, {1, 3, 2, 4, 4, 3, 2, 1, 3, 2, 4, 1, 4, 2, 3, 1},
    {2, 4, 3, 1, 3, 4, 1, 2, 4, 3, 1, 2, 3, 2, 4, 1}, {3, 4, 2, 1, 2, 3, 1, 4, 2, 1, 4, 3, 1, 3, 4, 2},
    {4, 2, 3, 1, 1, 3, 4, 2, 3, 1, 2, 4, 2, 4, 3, 1}, {1, 4, 2, 3, 4, 1, 2, 3, 1, 2, 4, 3, 4, 3, 1, 2},
    {2, 1, 3, 4, 3, 1, 2, 4, 2, 3, 4, 1, 2, 1, 3, 4}, {3, 2, 1, 4, 2, 4, 1, 3, 4, 1, 2, 3, 1, 4, 3, 2},
    {4, 3, 1, 2, 1, 2, 3, 4, 1, 3, 4, 2, 2, 4, 3, 1}, {2, 1, 4, 3, 4, 2, 1, 3, 4, 3, 1, 2, 4, 1, 2, 3},
    {3, 1, 4, 2, 1, 2, 4, 3, 2, 4, 3, 1, 3, 1, 4, 2}, {3, 2, 4, 1, 1, 4, 3, 2, 1, 4, 3, 2, 4, 3, 1, 2},
    {2, 3, 4, 1, 4, 1, 3, 2, 1, 3, 2, 4, 2, 4, 3, 1},
};

// The number written by some of the 13 digits (1-based positions).
int fnDigits(const std::string& t, std::initializer_list<int> positions) {
  int value = 0;
  for (int position : positions) value = value * 10 + (t[static_cast<std::size_t>(position - 1)] - '0');
  return value;
}

// Where the next card goes: from n onward (forward) or downward (backward),
// else the first free place from the bottom; −1 when the deck is full.
int fnFreePosition(const std::vector<int>& deck, int n, bool forward) {
  const int size = static_cast<int>(deck.size());
  if (forward) {
    for (int i = n; i < size; ++i)
      if (deck[static_cast<std::size_t>(i)] == 0) return i;
  } else {
    for (int i = n; i >= 0; --i)
      if (deck[static_cast<std::size_t>(i)] == 0) return i;
  }
  for (int i = 0; i < size; ++i)
    if (deck[static_cast<std::size_t>(i)] == 0) return i;
  return -1;
}

int fnWithinDeck(int y, int size) { return y >= size ? y % size : y < 0 ? 0 : y; }

// The nine digits of t that choose the suit row of pass a.
long long fnSuitDigits(const std::string& t, int a) {
  std::string u;
  if (a <= 10)
    u = t.substr(0, static_cast<std::size_t>(a - 1)) + t.substr(static_cast<std::size_t>(a + 3));
  else
    u = t.substr(static_cast<std::size_t>(a - 9), 9);
  return std::stoll(u);
}

}  // namespace

std::string fnNormalizedGameNumber(const std::string& gameNumber) {
  std::string t = std::string(13, '0') + gameNumber;
  t = t.substr(t.size() - 13);
  // Only digits can reach the deal; anything else counts as 0.
  for (char& c : t)
    if (c < '0' || c > '9') c = '0';
  return t;
}

std::vector<int> fnGameNumberCardsArray(const std::string& gameNumber, const TGameRules& rules, TMessages& messages) {
  const int decksCards = rules.Get(rule::kCards);
  const bool jokers = rules.Get(rule::kJokersInDeck) == 1;
  const int size = decksCards + (jokers ? rules.Get(rule::kJokers) : 0);
  // A rule record with no cards (or fewer positions than that) cannot be dealt into.
  if (size <= 0) return {};
  std::vector<int> deck(static_cast<std::size_t>(size), 0);

  int copies = 0;
  switch (decksCards) {
    case 104: copies = 8; break;
    case 156: copies = 12; break;
    case 208: copies = 16; break;
    default:
      if (decksCards <= 52)
        copies = 4;
      else
        messages.ShowMessage(TMessageKind::Information, "Error 01 - fnGameNumberCardsArray");
  }

  const std::string t = fnNormalizedGameNumber(gameNumber);
  const auto d = [&t](int position) { return t[static_cast<std::size_t>(position - 1)] - '0'; };
  int y = fnDigits(t, {2, 6, 12});

  if (jokers) {
    int jokerY = y;
    for (int j = 1; j <= rules.Get(rule::kJokers) && j <= 4; ++j) {
      jokerY = fnWithinDeck(jokerY + kOffsets[d(1)][j - 1], size);
      const int free = fnFreePosition(deck, jokerY, true);
      if (free >= 0) deck[static_cast<std::size_t>(free)] = kFirstJoker - 1 + j;
    }
  }

  std::vector<int> ranks{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
  int p1 = 1, p2 = 7, p3 = 13;
  for (int a = 1; a <= 13; ++a) {
    const int g = d(a);
    const bool forward = g == 0;
    const int suitRow = static_cast<int>(fnSuitDigits(t, a) % 13);
    int q = fnDigits(t, {p1, p2, p3}) % 13;
    const int last = static_cast<int>(ranks.size()) - 1;
    if (q > last) q = forward ? last : 0;
    const int rank = ranks[static_cast<std::size_t>(q)];
    ranks.erase(ranks.begin() + q);
    for (int* p : {&p1, &p2, &p3}) *p = *p + 1 > 13 ? *p + 1 - 13 : *p + 1;

    y -= g;
    for (int k = 1; k <= copies; ++k) {
      y = fnWithinDeck(y + kOffsets[g][k - 1], size);
      const int code = (kSuits[suitRow][k - 1] - 1) * 13 + rank + 52 * ((k - 1) / 4);
      if (deck[static_cast<std::size_t>(y)] != 0) y = fnFreePosition(deck, y, forward);
      if (y >= 0) deck[static_cast<std::size_t>(y)] = code;
    }
  }

  const int stripped = rules.Get(rule::kStrippedDeck);
  if (stripped == 1 || stripped == 2) {
    std::erase_if(deck, [stripped](int code) {
      const int rank = code >= 1 && code <= 208 ? fnCardRank(code) : 0;
      return (rank >= 2 && rank <= 6) || (stripped == 2 && rank == kKing);
    });
  }
  return deck;
}

std::string fnNewGameNumber(std::mt19937_64& generator) {
  std::uniform_int_distribution<long long> first(0, 9'999'998);
  std::uniform_int_distribution<long long> second(0, 999'998);
  const double product = static_cast<double>(first(generator)) * static_cast<double>(second(generator));
  char digits[32];
  std::snprintf(digits, sizeof digits, "%.0f", product);
  return fnNormalizedGameNumber(digits);
}

std::string fnDeckText(const std::vector<int>& deck) {
  std::string text;
  for (int code : deck) text += (text.empty() ? "" : " ") + fnCardText(code);
  return text;
}

}  // namespace tablerun
