// The players dialog: choose the current player, add, rename and delete players.
#pragma once

#include <optional>
#include <string>

#include "dialogs/advanced_form.h"
#include "engine/session/play_commands.h"
#include "records/players.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace tablerun {

class TfrmPlayers final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  explicit TfrmPlayers(TPlaySession& session, QWidget* parent = nullptr);

  // How the game in progress was left for another player; nothing when the
  // current player stayed.
  std::optional<TLeaving> PlayerChanged() const { return changed_; }

  // Every way of closing stores the list and the current player.
  void done(int result) override;

 protected:
  // The player's own close is refused while a name cannot be used.
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void btnSelectClick();
  void btnNewClick();
  void btnEditClick();
  void btnDeleteClick();
  void btnCloseClick();

  // The list in stored order, with `name` selected when it is there.
  void FillList(const std::string& name);
  void UpdateButtons();
  std::optional<std::size_t> Selected() const;
  // A name that cannot be used is shown with its rename; true when there was one.
  bool RenameBadName();
  void Rename(std::size_t index);
  std::optional<std::string> AskName(const QString& caption, const std::string& name,
                                     std::optional<std::size_t> renamed);
  void ShowWorking(bool on);

  TPlaySession& session_;
  TTablerunState& state_;
  TPlayersList list_;
  std::optional<TLeaving> changed_;
  QListWidget* lstPlayers_ = nullptr;
  QPushButton* btnSelect_ = nullptr;
  QPushButton* btnEdit_ = nullptr;
  QPushButton* btnDelete_ = nullptr;
  QLabel* lblWorking_ = nullptr;
  QLabel* lblLines_ = nullptr;
};

}  // namespace tablerun
