#include "model/main_game.h"

namespace tablerun {

namespace {

bool Holds(int count, int pile) { return pile >= 0 && pile < count; }

}  // namespace

int TMainGame::X(const TPositions& positions, int pile) const {
  return Holds(positions.count, pile) ? Get(positions.x + pile) : positions.absent;
}

int TMainGame::WindowY(const TPositions& positions, int pile) const {
  return Holds(positions.count, pile) ? Get(positions.y + pile) - ScrollY() : positions.absent;
}

void TMainGame::SetX(const TPositions& positions, int pile, int16_t x) {
  if (Holds(positions.count, pile)) Set(positions.x + pile, x);
}

void TMainGame::SetY(const TPositions& positions, int pile, int16_t y) {
  if (Holds(positions.count, pile)) Set(positions.y + pile, y);
}

int TMainGame::FilaX(int pile) const {
  return Holds(kFilaCount, pile) ? filaX_[static_cast<std::size_t>(pile)] : kFilaAbsent;
}

int TMainGame::FilaY(int pile) const {
  return Holds(kFilaCount, pile) ? filaY_[static_cast<std::size_t>(pile)] : kFilaAbsent;
}

void TMainGame::SetFilaX(int pile, int16_t x) {
  if (Holds(kFilaCount, pile)) filaX_[static_cast<std::size_t>(pile)] = x;
}

void TMainGame::SetFilaY(int pile, int16_t y) {
  if (Holds(kFilaCount, pile)) filaY_[static_cast<std::size_t>(pile)] = y;
}

void TMainGame::ResetPositions() {
  for (const TPositions& positions : {kDestPositions, kAppoggPositions, kMazzoPositions}) {
    for (int pile = 0; pile < positions.count; ++pile) {
      SetX(positions, pile, positions.absent);
      SetY(positions, pile, positions.absent);
    }
  }
  filaX_.fill(kFilaAbsent);
  filaY_.fill(kFilaAbsent);
}

bool TMainGame::IsPileAbsent(TPileRef pile) const {
  int x = 0;
  int windowY = 0;
  switch (pile.group) {
    case TPileGroup::Mazzo:
      x = MazzoX(pile.entry);
      windowY = MazzoY(pile.entry);
      break;
    case TPileGroup::Dest:
      x = DestX(pile.entry);
      windowY = DestY(pile.entry);
      break;
    case TPileGroup::Appogg:
      x = AppoggX(pile.entry);
      windowY = AppoggY(pile.entry);
      break;
    case TPileGroup::Fila:
      x = FilaX(pile.entry);
      windowY = FilaY(pile.entry) - ScrollY();
      break;
  }
  return x < kAbsentBelow || windowY < kAbsentBelow;
}

}  // namespace tablerun
