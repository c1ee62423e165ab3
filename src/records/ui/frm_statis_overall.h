// The "Overall Score" champions: every player with an overall score, best
// first, with the way to each player's details and to publishing the score.
#pragma once

#include <vector>

#include "dialogs/advanced_form.h"
#include "engine/state/tablerun_state.h"
#include "records/overall_scores.h"
#include "records/ui/score_grid.h"

class QPushButton;
class QTableWidget;

namespace tablerun {

class TfrmStatisOverall final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  TfrmStatisOverall(TTablerunState& state, TPlayGame playGame, QWidget* parent = nullptr);

 private:
  void btnDetailsClick();
  void btnPublishClick();
  void UpdateButtons();
  const TRankedPlayer* Selected() const;

  TTablerunState& state_;
  TPlayGame playGame_;
  std::vector<TRankedPlayer> ranking_;
  QTableWidget* slScores_ = nullptr;
  QPushButton* btnDetails_ = nullptr;
  QPushButton* btnPublish_ = nullptr;
};

}  // namespace tablerun
