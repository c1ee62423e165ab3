// The "Game won" window: what to play next after a win.
#pragma once

#include "dialogs/advanced_form.h"

namespace tablerun {

class TImageLibrary;

class TfrmGameWon final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  enum TChoice { Cancel = 0, NewGame, Restart, RandomGame, SelectNumber };

  TfrmGameWon(const TImageLibrary& library, bool xpStyle, QWidget* parent = nullptr);
};

}  // namespace tablerun
