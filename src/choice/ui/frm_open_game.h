// "Open a game": the games in five lists, a preview of the selected game with
// its features, the player whose won and lost marks are shown, and the doors
// to its rules, statistics and the favourites organiser.
#pragma once

#include <QImage>
#include <QSize>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "choice/game_status.h"
#include "choice/list_nodes.h"
#include "choice/open_game_preferences.h"
#include "dialogs/advanced_form.h"
#include "engine/state/tablerun_state.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QStackedWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tablerun {

class TImageLibrary;

// What the main window lends the dialog; a missing one leaves its control
// disabled.
struct TOpenGameHooks {
  // The game's first deal drawn small.
  std::function<QImage(int code, QSize size)> drawPreview;
  std::function<void()> organizeFavorites;
  std::function<void(int code)> showRules;
  std::function<void(int code, const std::string& player)> showStatistics;
  std::function<void()> showPlayers;
  // Loads a saved game; true when a game is then in progress.
  std::function<bool()> openSavedGame;
  // "&Show won and lost" was switched: the favourites menu shows the marks too.
  std::function<void()> marksSwitched;
};

class TfrmOpenGame final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  TfrmOpenGame(TTablerunState& state, const TImageLibrary& library, TOpenGameHooks hooks, QWidget* parent = nullptr);

  // The game chosen with OK, and the player of the player box.
  int ChosenCode() const { return chosenCode_; }
  const std::string& ChosenName() const { return chosenName_; }
  std::string ChosenPlayer() const;

  bool ShowsWonLost() const;
  // After a game ended: that game's marks in every list.
  void RefreshMarks(int code);
  void RefreshAllMarks();
  // After the organiser changed the favourites.
  void ReloadFavorites();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Construction (frm_open_game.cpp).
  QWidget* BuildLists();
  QWidget* BuildPreview();
  void BuildPopup();
  void ShowPopup(const QPoint& at);
  // Controls (frm_open_game.cpp).
  void btnOKClick();
  void ListDoubleClick(QTreeWidgetItem* item);
  void btnRulesClick();
  void btnStatisticsClick();
  void btnOpenSavedClick();
  void mnuPlayersClick();
  void cboPlayersChange();
  void FillPlayers();
  // The lists (frm_open_game_lists.cpp).
  void ShowList(int mode);
  void FillList(int mode);
  void FillFavorites(QTreeWidget& tree);
  void FillRecents(QTreeWidget& tree);
  void RestoreRememberedGroup(QTreeWidget& groups);
  void SelectInFreeCellGroup(QTreeWidget& groups);
  void FillGroup(QTreeWidgetItem& group);
  void GroupExpanded(QTreeWidgetItem* item, bool expanded);
  QTreeWidgetItem* AddNode(QTreeWidget& tree, QTreeWidgetItem* parent, const TListNode& node);
  void ShowMark(QTreeWidgetItem& item);
  void ShowMarksBelow(QTreeWidgetItem& item, std::optional<int> code);
  void ReadStatuses();
  QTreeWidget* CurrentList() const;
  // The preview (frm_open_game_preview.cpp).
  void UpdatePreview();
  void ShowNeutralPicture();
  void ShowFeatures(int code);

  TTablerunState& state_;
  const TImageLibrary& library_;
  TOpenGameHooks hooks_;
  TOpenGamePreferences preferences_;
  TGameStatuses statuses_;
  std::array<QTreeWidget*, 5> lists_{};
  std::array<QToolButton*, 5> listButtons_{};
  QStackedWidget* stack_ = nullptr;
  QMenu* popup_ = nullptr;
  QCheckBox* chkShowWonLost_ = nullptr;
  QComboBox* cboPlayers_ = nullptr;
  QPushButton* btnOK_ = nullptr;
  QPushButton* btnRules_ = nullptr;
  QPushButton* btnStatistics_ = nullptr;
  QLabel* lblGameName_ = nullptr;
  QLabel* imgPreview_ = nullptr;
  QLabel* lblDecks_ = nullptr;
  QLabel* lblRedeals_ = nullptr;
  struct TFeatureRow {
    QLabel* text = nullptr;
    QLabel* bar = nullptr;
  };
  std::array<TFeatureRow, 4> features_{};
  QImage neutralPicture_;
  int shownMode_ = -1;
  bool firstShowing_ = true;
  int chosenCode_ = -1;
  std::string chosenName_;
};

}  // namespace tablerun
