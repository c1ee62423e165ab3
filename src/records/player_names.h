// What a player's name may be. The name becomes part of file names (the
// progression file), so a name from anywhere (the players dialog, the players
// list, a saved game, a hand-edited preferences file) is checked before use.
#pragma once

#include <string>
#include <string_view>

namespace tablerun {

enum class TNameProblem { None, Empty, ForbiddenCharacter, NotAFileName, TooLong };

TNameProblem fnCheckPlayerName(std::string_view name);
// What the player is told; empty for a good name.
std::string fnNameProblemMessage(TNameProblem problem);

}  // namespace tablerun
