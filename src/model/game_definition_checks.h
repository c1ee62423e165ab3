// What every game definition must satisfy before it goes into the games list.
#pragma once

#include <string>
#include <vector>

#include "model/game_definitions.h"

namespace tablerun {

void fnCheckGameDefinition(const TGameDefinition& game, std::vector<std::string>& errors);
// Codes and names are unique across all games.
void fnCheckGamesTogether(const std::vector<TGameDefinition>& games, std::vector<std::string>& errors);

// The cards the deal puts on the table, and the cards the deck holds; −1 when
// the deal's own rules make the count unknowable here.
int fnCardsDealt(const TGameDefinition& game);
int fnCardsInDeck(const TGameDefinition& game);

}  // namespace tablerun
