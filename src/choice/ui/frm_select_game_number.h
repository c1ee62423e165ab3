// Choosing the number of the next deal: typed, replayed from the game log, or
// a lost game tried again.
#pragma once

#include <functional>
#include <string>

#include "dialogs/advanced_form.h"
#include "engine/state/tablerun_state.h"

class QComboBox;
class QTabWidget;
class QTableWidget;

namespace tablerun {

// Leaves the game in progress and deals game `gameCode` with the 13-digit
// `number`; false when the player stayed with the game in progress.
using TPlayNumberedGame = std::function<bool(int gameCode, const std::string& number)>;

class TfrmSelectGameNumber final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  TfrmSelectGameNumber(TTablerunState& state, TPlayNumberedGame play, QWidget* parent = nullptr);

 private:
  void pgcSelectChange();
  void FillPrevious();
  void FillLostGames();
  void btnPlayClick();
  // The number and game name the page shown offers; false after telling the
  // player that a grid row holds none.
  bool Chosen(QString& number, QString& game) const;
  QString SelectedCell(const QTableWidget& grid, int column) const;

  TTablerunState& state_;
  TPlayNumberedGame play_;
  QTabWidget* pages_ = nullptr;
  QComboBox* cboNumbers_ = nullptr;
  QComboBox* cboGames_ = nullptr;
  QComboBox* cboGamesLost_ = nullptr;
  QTableWidget* stgPrevious_ = nullptr;
  QTableWidget* stgLostGames_ = nullptr;
  bool previousFilled_ = false;
  bool lostFilled_ = false;
};

}  // namespace tablerun
