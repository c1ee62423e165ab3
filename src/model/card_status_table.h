// Which cards lie face up. The status belongs to the physical card, so it
// travels with the card from pile to pile.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/card.h"

namespace tablerun {

enum class TCardFace : char { Down = '0', Up = '1' };

class TCardStatusTable {
 public:
  static constexpr std::size_t kRowLength = 20;

  // Every card starts face up.
  TCardStatusTable();

  // The 20-character row of a card: name padded to 15, suit digit, three-digit
  // code, face status ("CUORI_A        1001" + "1"). Empty for a code without a row.
  std::string_view Row(int code) const;

  // False, changing nothing, for a code without a row.
  bool fnSetCardFace(int code, TCardFace face);
  // No card (code below 1) is never face up; nor is a code above the last row.
  bool fnIsCardFaceDown(int code) const;

  // Turns the cards of a pile text being dealt:
  //   n ≥ 1  the top n cards get face;
  //   −1     alternating from the bottom, starting face up;
  //   −2     alternating from the bottom, starting face down;
  //   −3     the bottom card face up, the others face down;
  // any other n changes nothing.
  void fnSetPileFaces(std::string_view pileText, int n, TCardFace face);

 private:
  static bool HasRow(int code) { return code >= 1 && code <= kCardCount; }

  std::array<std::string, kCardCount> rows_;
};

}  // namespace tablerun
