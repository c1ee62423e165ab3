// The dialog that starts two-players mode: the two players and the mode's options.
#pragma once

#include "dialogs/advanced_form.h"
#include "engine/state/tablerun_state.h"

class QCheckBox;
class QComboBox;

namespace tablerun {

class TfrmTwoPlayersMode final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  // Accepted ("Play"): the settings are stored and player 1 plays the next game.
  explicit TfrmTwoPlayersMode(TTablerunState& state, QWidget* parent = nullptr);

 private:
  void btnPlayClick();

  TTablerunState& state_;
  QComboBox* cmbPlayer1_ = nullptr;
  QComboBox* cmbPlayer2_ = nullptr;
  QCheckBox* chkSameGameNumber_ = nullptr;
  QCheckBox* chkShowSituation_ = nullptr;
  QCheckBox* chkConfirmNewGame_ = nullptr;
};

}  // namespace tablerun
