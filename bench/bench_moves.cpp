// Move legality: one question, and every legal move of an opening position.
#include <benchmark/benchmark.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/legality/legal_moves.h"
#include "engine/legality/move_legality.h"
#include "model/card.h"
#include "model/deal.h"
#include "model/rule_slots.h"
#include "tool/console_screen.h"

namespace tablerun {
namespace {

struct TSlots {
  TRuleSlot first;
  int count;
  int value;
};

// The rule slots legality reads, as the games list gives them.
constexpr TSlots kFreeCell[] = {
    {rule::kFoundations, 1, 4},  {rule::kTableauPiles, 1, 8},        {rule::kReserves, 1, 4},
    {rule::kCards, 1, 52},       {rule::kFoundationCapacity, 1, 13}, {rule::kTableauCapacity, 1, -1},
    {rule::kGroupRule, 1, 1},    {rule::kGroupLimit, 1, -5},         {rule::kTableauEmpty, 8, -1},
    {rule::kTableauBuild, 8, 3}, {rule::kFoundationBase, 4, 1},      {rule::kFoundationDirection, 4, 1}};
constexpr TSlots kSpider[] = {
    {rule::kFoundations, 1, 8},         {rule::kTableauPiles, 1, 10},    {rule::kCards, 1, 104},
    {rule::kFoundationCapacity, 1, 13}, {rule::kTableauCapacity, 1, -1}, {rule::kGroupRule, 1, 10},
    {rule::kGroupLimit, 1, -1},         {rule::kTableauEmpty, 10, -1},   {rule::kTableauBuild, 10, 2},
    {rule::kFoundationBase, 8, 'S'},    {rule::kFoundationBuild, 8, 4}};

// A game's opening: game number 1 dealt pile by pile, the top `faceUp` cards
// of each tableau pile face up.
class TOpening {
 public:
  TOpening(std::span<const TSlots> slots, std::span<const int> tableau, int faceUp, int stock) {
    for (const auto& [first, count, value] : slots) {
      for (int i = 0; i < count; ++i) rules.Set(first + i, static_cast<int16_t>(value));
    }
    TConsoleScreen screen;
    const std::vector<int> deck = fnGameNumberCardsArray("1", rules, screen);
    std::size_t next = 0;
    const auto deal = [&](TPileRef pile, int count, int up) {
      std::string text;
      for (int n = 0; n < count; ++n) {
        cards.fnSetCardFace(deck[next], TCardFace::Down);
        text += fnCardText(deck[next++]);
      }
      cards.fnSetPileFaces(text, up, TCardFace::Up);
      table.SetPile(pile, text);
    };
    deal(kMazzo, stock, 0);
    for (std::size_t i = 0; i < tableau.size(); ++i) deal({TPileGroup::Fila, static_cast<int>(i)}, tableau[i], faceUp);
  }

  TCardStatusTable cards;
  TGameRules rules;
  TTable table{cards, rules};
};

constexpr int kFreeCellPiles[] = {7, 7, 7, 7, 6, 6, 6, 6};
constexpr int kSpiderPiles[] = {6, 6, 6, 6, 5, 5, 5, 5, 5, 5};

void BM_CanPlace(benchmark::State& bench) {
  const TOpening opening(kFreeCell, kFreeCellPiles, 7, 0);
  const TMoveContext context;
  // The Ace of hearts onto a foundation, and a card of the first column onto every column.
  const int top = opening.table.fnTopCard("Fila1");
  for (auto _ : bench) {
    const TMoveLegality legality(opening.table, opening.rules, opening.cards, context);
    benchmark::DoNotOptimize(legality.CanPlace(1, TPileRef{TPileGroup::Dest, 0}));
    benchmark::DoNotOptimize(legality.CanPlace(top, TPileRef{TPileGroup::Fila, 4}));
  }
  bench.SetItemsProcessed(bench.iterations() * 2);
}
BENCHMARK(BM_CanPlace);

void BM_CanPlaceByName(benchmark::State& bench) {
  const TOpening opening(kFreeCell, kFreeCellPiles, 7, 0);
  const TMoveLegality legality(opening.table, opening.rules, opening.cards, TMoveContext{});
  const int top = opening.table.fnTopCard("Fila1");
  for (auto _ : bench) benchmark::DoNotOptimize(legality.CanPlace(top, std::string_view("Fila05")));
}
BENCHMARK(BM_CanPlaceByName);

void BM_LegalMovesFreeCell(benchmark::State& bench) {
  const TOpening opening(kFreeCell, kFreeCellPiles, 7, 0);
  for (auto _ : bench) {
    benchmark::DoNotOptimize(fnLegalMoves(opening.table, opening.rules, opening.cards, TMoveContext{}));
  }
}
BENCHMARK(BM_LegalMovesFreeCell);

void BM_LegalMovesSpider(benchmark::State& bench) {
  const TOpening opening(kSpider, kSpiderPiles, 1, 50);
  for (auto _ : bench) {
    benchmark::DoNotOptimize(fnLegalMoves(opening.table, opening.rules, opening.cards, TMoveContext{}));
  }
}
BENCHMARK(BM_LegalMovesSpider);

}  // namespace
}  // namespace tablerun
