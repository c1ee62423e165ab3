// Card codes: 1–208 the cards of up to four decks, 209–212 jokers, 0 no card.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tablerun {

inline constexpr int kCardCount = 212;
inline constexpr int kFirstJoker = 209;
inline constexpr int kDeckSize = 52;
inline constexpr int kSuitSize = 13;

// Ranks where a rule names one; they compare with fnCardRank's numbers.
enum TRank : int { kAce = 1, kTwo = 2, kSeven = 7, kJack = 11, kQueen = 12, kKing = 13 };

// 1–13 by rank, 100 for a joker, 0 for no card, −1 for anything else.
int fnCardRank(int code);
// 0 hearts, 1 diamonds, 2 clubs, 3 spades; 0 also for no card, −1 for a
// joker or a code outside 0–212.
int fnCardSuit(int code);
// Hearts and diamonds; no card counts as red too.
bool fnIsRedCard(int code);
bool fnIsFaceCard(int code);
// The card face in a card set: 0–51, 52 for a joker, −1 for no card.
int fnCardImageIndex(int code);
// "A", "2"…"10", "J", "Q", "K"; empty for any other rank.
std::string fnRankText(int rank);

// The three-character form written into pile lists, saved games and logs:
// "007", "-01"; a value too wide for three characters is "***".
std::string fnCardText(int code);
// Exactly three decimal digits, or nothing.
std::optional<int> fnParseCardText(std::string_view text);

}  // namespace tablerun
