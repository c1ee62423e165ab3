// The fast-search window: a small tool window beside the main window with one
// list of games, narrowed as the player types; a double-click starts a game.
#pragma once

#include <QPoint>
#include <vector>

#include "choice/chosen_game.h"
#include "choice/fast_search.h"
#include "dialogs/advanced_form.h"

class QAction;
class QActionGroup;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tablerun {

class TImageLibrary;

class TfrmFastSearch final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  TfrmFastSearch(TTablerunState& state, const TImageLibrary& library, TStartChosenGame start,
                 QWidget* parent = nullptr);

  // Shows the window at its place; `home` (screen pixels) is where it goes the
  // first time, and whenever it would lie off the screen.
  void ShowAt(QPoint home);
  // After a game ended: a game won leaves the lost games, and its mark follows.
  void GameRecorded(int code);
  // The list read again: the favourites or the recent games changed.
  void Rebuild();
  // The won and lost marks shown or not, as the open-a-game dialog's box says.
  void SetMarks(bool shown);
  TFastSearchKind Kind() const { return kind_; }

 signals:
  // Space plays on the table, as in the main window.
  void spacePressed();

 protected:
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildOptionsMenu(QPushButton* button);
  void ChooseKind(TFastSearchKind kind);
  void SetStayOnTop(bool on);
  bool StaysOnTop() const;
  void ShowTyped();
  QTreeWidgetItem* NewItem(const TFastSearchNode& node) const;
  void trvGamesDblClick(QTreeWidgetItem* item);
  void SaveSettings();

  TTablerunState& state_;
  const TImageLibrary& library_;
  TStartChosenGame start_;
  TFastSearchKind kind_ = TFastSearchKind::AllGames;
  std::vector<TFastSearchNode> list_;
  TGameStatuses statuses_;
  bool marks_ = false;
  bool shownBefore_ = false;
  QLineEdit* edtSearch_ = nullptr;
  QTreeWidget* trvGames_ = nullptr;
  QActionGroup* kinds_ = nullptr;
  QAction* mnuStayOnTop_ = nullptr;
};

}  // namespace tablerun
