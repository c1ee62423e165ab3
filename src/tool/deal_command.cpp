#include "tool/deal_command.h"

#include "tool/table_print.h"
#include "tool/tool_game.h"

namespace tablerun {
namespace {

constexpr const char* kUsage = "usage: tablerun-tool deal CODE NUMBER [GAMES.DAT]\n";

}  // namespace

int fnDealCommand(int argc, char** argv) {
  TToolGame game;
  if (const int status = game.Deal(argc, argv, kUsage); status != 0) return status;
  fnPrintTable(game.State());
  return 0;
}

}  // namespace tablerun
