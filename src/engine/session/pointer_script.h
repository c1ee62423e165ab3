// Play by script: one pointer-level action per line, carried out through
// pointer input exactly as the window's mouse events would be, so a recorded
// game can be replayed by the tool and by tests.
//
//   drag FROM POSITION TO   press on that card, move over TO's top, release
//   click PILE [POSITION]   press and release (the top card by default)
//   dblclick PILE [POSITION]
//   rclick PILE [POSITION]
//   undo / redo
//
// Piles are named as everywhere ("Fila03", "Dest1", "Mazzo_Vis"); positions
// count from 1 at the bottom. Blank lines and lines starting with "#" do nothing.
#pragma once

#include <string>
#include <string_view>

#include "engine/session/play_session.h"

namespace tablerun {

struct TScriptStep {
  // False for an unknown action, pile or card; the table is then untouched.
  bool understood = true;
  std::string error;
  bool changed = false;  // the table is not what it was before the line
};

TScriptStep fnPlayScriptLine(TPlaySession& session, std::string_view line);

}  // namespace tablerun
