#include "engine/executor/executor.h"

#include <algorithm>
#include <charconv>

#include "engine/legality/move_legality.h"
#include "engine/state/tablerun_state.h"
#include "model/card.h"
#include "model/main_game_entries.h"
#include "model/rule_slots.h"

namespace tablerun {
namespace {

// The number that follows a prefix; nothing when the rest is no number.
std::optional<int> NumberAfter(std::string_view operation, std::string_view prefix) {
  if (!operation.starts_with(prefix)) return std::nullopt;
  const std::string_view digits = operation.substr(prefix.size());
  int number = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return number;
}

bool IsDealOperation(std::string_view operation) {
  return operation.starts_with("Add_Tableau") || operation.starts_with("Add_Reserve") || operation == "Fill_Tableaus";
}

}  // namespace

int TMoveExecutor::Rule(TRuleSlot slot) const {
  return state_.rules.Get(slot);
}
int TMoveExecutor::Entry(TMainGameEntry entry) const {
  return state_.mainGame.Get(entry);
}
void TMoveExecutor::SetEntry(TMainGameEntry entry, int value) {
  state_.mainGame.Set(entry, static_cast<int16_t>(value));
}
TTableView TMoveExecutor::View() const {
  return TTableView(state_.table, state_.rules, state_.cards);
}

void TMoveExecutor::PlaySound(TConfigField sound, const char* name) {
  if (state_.config.IsYes(sound)) state_.screen.PlaySound(name, false);
}

void TMoveExecutor::RecordUndo() {
  history_.RecordUndo(state_.table, state_.cards, state_.config);
}

void TMoveExecutor::UpdateWonFlag() {
  state_.runtime.SetFlag(TRuntimeFlag::GameJustWon, hooks_.isGameWon && hooks_.isGameWon());
}

bool TMoveExecutor::NormalPlay() const {
  return Entry(entries::kTutorMode) == 0;
}

void TMoveExecutor::StartGame() {
  history_.Clear();
  stockTurns_ = 0;
}

TMoveContext TMoveExecutor::MoveContext(bool singleCard) const {
  TMoveContext context = fnMoveContext(state_.mainGame, singleCard);
  context.stockTurns = stockTurns_;
  context.tableauMovesLogged = history_.undoLog.Count(TEventKind::TableauMove);
  context.drawLogged = history_.undoLog.Count(TEventKind::Draw) > 0;
  return context;
}

TMoveExecutor::TStep TMoveExecutor::EnterStep() {
  return {history_.BeginPlayerStep(), depth_++ == 0};
}

bool TMoveExecutor::LeavePlayerStep(const TStep& step, bool changed) {
  if (step.outermost && changed) {
    AutoFillEmptyPiles();
    if (autoplayActive_) RunAutoplay();
    history_.EndPlayerStep(step.mark);
  }
  --depth_;
  return changed;
}

void TMoveExecutor::LeaveAutomaticStep(const TStep& step) {
  if (step.outermost) history_.MergeLastUndoSteps(history_.undo.Size() - step.mark);
  --depth_;
}

bool TMoveExecutor::ExecuteMove(int cardOrCount, std::string_view operation) {
  const TStep step = EnterStep();
  bool stockOperation = false;
  const bool changed = Run(cardOrCount, operation, stockOperation);
  if (changed) AfterChange(operation, stockOperation);
  if (Entry(entries::kTutorMode) != 0 && Entry(entries::kStatisticsEligible) == -1)
    SetEntry(entries::kStatisticsEligible, 0);
  return LeavePlayerStep(step, changed);
}

bool TMoveExecutor::Run(int cardOrCount, std::string_view operation, bool& stockOperation) {
  stockOperation = true;
  if (operation == "Mazzo_Vis" || operation == "Mazzo_Waste") return TurnOrRedeal(operation == "Mazzo_Waste");
  if (operation == "Mazzo_Redeal") return GatheringRedeal();
  if (operation == "Selezionate_Fila") return RefillGapsFromStock(true);
  if (operation == "Stock_To_Pile_Monte_Carlo") return CloseGapsInOrder();
  if (IsDealOperation(operation)) {
    return Deal(operation,
                NumberAfter(operation, "Add_Tableau_").value_or(NumberAfter(operation, "Add_Reserve_").value_or(0)));
  }
  stockOperation = false;
  if (operation == "Stock02") return MoveToPile(cardOrCount, kMazzoVis, false);
  if (operation == "Waste") return MoveToPile(cardOrCount, kMazzoWaste, false);
  if (const auto autoplay = NumberAfter(operation, "Dest_Autoplay")) {
    return MoveToPile(cardOrCount, fnDest(*autoplay - 1), true);
  }
  const auto pile = fnParsePileName(operation);
  if (!pile || pile->group == TPileGroup::Mazzo) return false;
  // Until the first move a tableau card may go only to a foundation; the
  // legality test knows that rule.
  if (Rule(rule::kTableauToFoundationOnly) == 1 && Entry(entries::kMoveCounter) == 0 &&
      pile->group != TPileGroup::Dest &&
      !TMoveLegality(state_.table, state_.rules, state_.cards, MoveContext(true)).CanPlace(cardOrCount, *pile)) {
    return false;
  }
  return MoveToPile(cardOrCount, *pile, false);
}

void TMoveExecutor::AfterChange(std::string_view operation, bool stockOperation) {
  SetEntry(entries::kTutorChecking, 0);
  const int tutorMode = Entry(entries::kTutorMode);
  if (tutorMode == 0 || tutorMode == 3) history_.ClearRedo();
  const int counter = Entry(entries::kMoveCounter);
  if (counter <= 1) SetEntry(entries::kMoveCounter, counter + 1);
  if (Rule(rule::kFillPhase) == 1 && counter == 0) {
    bool ignored = false;
    Run(1, "Fill_Tableaus", ignored);
  }
  const bool stockTurn = stockOperation && (operation == "Mazzo_Vis" || operation == "Mazzo_Waste");
  if (Entry(entries::kDealRunning) == 0 && Entry(entries::kStatisticsEligible) < 1 &&
      (stockTurn ? tutorMode == 0 : tutorMode != 3)) {
    SetEntry(entries::kStatisticsEligible, 1);
  }
  state_.screen.RequestRepaint();
}

std::optional<TCardPlace> TMoveExecutor::Locate(int card) const {
  if (const auto place = View().FindCard(card)) return place;
  const std::string& secondWaste = state_.table.Pile(kMazzoWaste);
  const std::string code = fnCardText(card);
  for (std::size_t at = 0; at + 3 <= secondWaste.size(); at += 3) {
    if (secondWaste.compare(at, 3, code) == 0) return TCardPlace{kMazzoWaste, static_cast<int>(at / 3)};
  }
  return std::nullopt;
}

std::string TMoveExecutor::Take(const TCardPlace& place, bool withCardsAbove) {
  std::string pile = state_.table.Pile(place.pile);
  const std::size_t at = static_cast<std::size_t>(place.position) * 3;
  const std::string taken = pile.substr(at, withCardsAbove ? std::string::npos : 3);
  pile.erase(at, taken.size());
  state_.table.SetPile(place.pile, pile);
  return taken;
}

void TMoveExecutor::Append(TPileRef pile, int card, TCardFace face) {
  state_.table.SetPile(pile, state_.table.Pile(pile) + fnCardText(card));
  if (card > 0) state_.cards.fnSetCardFace(card, face);
}

bool TMoveExecutor::MoveToPile(int card, TPileRef to, bool autoplay) {
  if (!fnIsPileRef(to)) return false;
  const auto place = Locate(card);
  if (!place || place->pile == to) return false;
  // Fan style 12 sends the cards above a tableau card to the foundation with it.
  const bool group =
      place->pile.group == TPileGroup::Fila &&
      (to.group == TPileGroup::Fila || (to.group == TPileGroup::Dest && Rule(rule::kTableauArrangement) == 12));
  RecordUndo();
  const std::string moved = Take(*place, group);
  for (std::size_t at = 0; at < moved.size(); at += 3) {
    Append(to, fnParseCardText(std::string_view(moved).substr(at, 3)).value_or(0), TCardFace::Up);
  }
  state_.screen.ShowCardsMoved(card, place->pile, place->position, to);
  const bool fromTableau = place->pile.group == TPileGroup::Fila;
  switch (to.group) {
    case TPileGroup::Fila:
      PlaySound(cfg::kSoundTableau, "Tableau");
      TransferCompletedRun(to.entry);
      if (fromTableau) TransferCompletedRun(place->pile.entry);
      break;
    case TPileGroup::Appogg:
      PlaySound(cfg::kSoundTableau, "Tableau");
      break;
    case TPileGroup::Dest:
      UpdateWonFlag();
      if (autoplay) {
        PlaySound(cfg::kSoundAutoplay, "Autoplay");
      } else {
        PlaySound(cfg::kSoundFoundation, "Foundation");
      }
      if (Rule(rule::kSortFoundations) == 1) SortFoundation(to);
      break;
    case TPileGroup::Mazzo:
      break;
  }
  // With Autoplay on, its rounds turn the cards up.
  if (fromTableau && !autoplayActive_) TurnUpTableauTops();
  return true;
}

void TMoveExecutor::SortFoundation(TPileRef pile) {
  const std::string& text = state_.table.Pile(pile);
  std::vector<std::string> codes;
  for (std::size_t at = 0; at < text.size(); at += 3) codes.push_back(text.substr(at, 3));
  if (codes.size() < 2) return;
  std::stable_sort(codes.begin(), codes.end());
  std::string sorted;
  for (const std::string& code : codes) sorted += code;
  state_.table.SetPile(pile, sorted);
  // The foundation's sounds follow the foundation sound's switch.
  PlaySound(cfg::kSoundFoundation, "Reorder");
}

}  // namespace tablerun
