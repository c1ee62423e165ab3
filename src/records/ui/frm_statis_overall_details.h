// One player's overall score game by game: the best score and time of every
// built-in game, whether it reached the game's maximum, and the totals.
#pragma once

#include <optional>
#include <string>

#include "dialogs/advanced_form.h"
#include "engine/state/tablerun_state.h"
#include "records/overall_scores.h"
#include "records/ui/score_grid.h"

class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace tablerun {

class TfrmStatisOverallDetails final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  TfrmStatisOverallDetails(TTablerunState& state, const std::string& player, TPlayGame playGame,
                           QWidget* parent = nullptr);

  // "Play this game" started a game: the windows that opened this one close too.
  bool GameStarted() const { return gameStarted_; }

 private:
  void rgShowClick();
  void btnPlayClick();
  void UpdateButtons();

  TPlayGame playGame_;
  std::optional<TGameBests> bests_;
  std::vector<int> shownCodes_;
  bool gameStarted_ = false;
  QTableWidget* slDetails_ = nullptr;
  QRadioButton* rbNoMaxScore_ = nullptr;
  QPushButton* btnPlay_ = nullptr;
};

}  // namespace tablerun
