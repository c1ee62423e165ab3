// The hi-score window: a game's twenty best results, and the form that
// greets a result that just made a table.
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "dialogs/advanced_form.h"
#include "engine/session/play_session.h"

class QListWidget;
class QTableWidget;

namespace tablerun {

class TImageLibrary;

class TfrmHiScore final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  // Plays a sound of the library when sounds are on and `enabled`.
  using TPlaySound = std::function<void(const QString& name, bool enabled)>;

  // A result that made the table: its rank (0 the first).
  struct TNewScore {
    int rank = 0;
  };

  // Opens on the current game.
  TfrmHiScore(TPlaySession& session, const TImageLibrary& library, const TPlaySound& playSound,
              std::optional<TNewScore> newScore = std::nullopt, QWidget* parent = nullptr);

 private:
  void lsbGamesClick();
  void mnuDontShowClick();
  void ShowGame(int gameCode);

  TPlaySession& session_;
  TTablerunState& state_;
  std::optional<TNewScore> newScore_;
  QListWidget* lsbGames_ = nullptr;
  QTableWidget* slScores_ = nullptr;
};

}  // namespace tablerun
