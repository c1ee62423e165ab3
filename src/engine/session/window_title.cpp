#include "engine/session/window_title.h"

namespace tablerun {

std::string fnWindowTitle(const TConfigRecord& config) {
  std::string title = std::string("Tablerun 2002") + " " + TABLERUN_VERSION;
  // Until a game is chosen there is nothing to put in the brackets.
  const std::string game = config.Read(cfg::kGameName);
  if (game.empty()) return title;
  title += "  [" + game + "]" + "  [" + config.Read(cfg::kPlayer) + "]";
  const std::string deal = config.Read(cfg::kGameNumber);
  if (!deal.empty()) title += "  [" + deal + "]";
  return title;
}

}  // namespace tablerun
