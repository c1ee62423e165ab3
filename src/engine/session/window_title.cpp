#include "engine/session/window_title.h"

namespace tablerun {

std::string fnWindowTitle(const TConfigRecord& config) {
  std::string title = std::string("Tablerun 2002") + " " + TABLERUN_VERSION;
  // Until a game is chosen there is nothing to put in the brackets.
  const std::string game = config.Read(189, 50);
  if (game.empty()) return title;
  title += "  [" + game + "]" + "  [" + config.Read(77, 30) + "]";
  const std::string deal = config.Read(153, 15);
  if (!deal.empty()) title += "  [" + deal + "]";
  return title;
}

}  // namespace tablerun
