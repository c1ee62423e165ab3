// The "Single Game" champions: a player's count of each game dealt with a
// newly drawn number, and the code that publishes a game played often enough.
#pragma once

#include <optional>
#include <vector>

#include "dialogs/advanced_form.h"
#include "engine/state/tablerun_state.h"
#include "records/single_game_rows.h"
#include "records/ui/score_grid.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

namespace tablerun {

class TfrmStatInternetSingleGame final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  TfrmStatInternetSingleGame(TTablerunState& state, TPlayGame playGame, QWidget* parent = nullptr);

  // False when the counts were broken: the window has nothing to show.
  bool HasCounts() const { return allRows_.has_value(); }

 private:
  void cmbPlayersChange();
  void rgShowClick();
  void stgGamesSelectCell();
  void btnPlayClick();
  const TSingleGameRow* Selected() const;

  TTablerunState& state_;
  TPlayGame playGame_;
  std::optional<std::vector<TSingleGameRow>> allRows_;
  std::vector<TSingleGameRow> shown_;
  QComboBox* cmbPlayers_ = nullptr;
  QTableWidget* stgGames_ = nullptr;
  QRadioButton* rbPublishable_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  QLabel* lblPublishGame_ = nullptr;
  QLineEdit* edtCode_ = nullptr;
  QLabel* lblUnplayedGames_ = nullptr;
};

}  // namespace tablerun
