#include "tool/moves_command.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "engine/legality/legal_moves.h"
#include "tool/tool_game.h"

namespace tablerun {

namespace {

constexpr const char* kUsage = "usage: tablerun-tool moves CODE NUMBER [GAMES.DAT]\n";

}  // namespace

int fnMovesCommand(int argc, char** argv) {
  TToolGame game;
  if (const int status = game.Deal(argc, argv, kUsage); status != 0) return status;
  const TTablerunState& state = game.State();

  struct TLine {
    std::string from;
    int position;
    std::string to;
  };
  std::vector<TLine> lines;
  // A new game: no move made yet, the first deal of the stock.
  for (const TCardMove& move : fnLegalMoves(state.table, state.rules, state.cards, TMoveContext{})) {
    lines.push_back({fnToolPileName(move.from), move.position + 1, fnToolPileName(move.to)});
  }
  std::sort(lines.begin(), lines.end(), [](const TLine& a, const TLine& b) {
    return std::tie(a.from, a.position, a.to) < std::tie(b.from, b.position, b.to);
  });
  for (const TLine& line : lines) std::printf("%s %d -> %s\n", line.from.c_str(), line.position, line.to.c_str());
  return 0;
}

}  // namespace tablerun
