#include "engine/deal/game_number.h"

#include "model/deal.h"

namespace tablerun {

void fnDrawGameNumber(TTablerunState& state) { state.config.Write(cfg::kGameNumber, fnNewGameNumber(state.random)); }

}  // namespace tablerun
