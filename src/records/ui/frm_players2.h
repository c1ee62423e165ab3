// The small dialog that asks for a player's name, for a new player or a rename.
#pragma once

#include <functional>
#include <string>

#include "config/messages.h"
#include "dialogs/advanced_form.h"

class QLineEdit;

namespace tablerun {

class TfrmPlayers2 final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  // What is wrong with a name; empty when it passes.
  using TRefusal = std::function<std::string(const std::string& name)>;

  // The dialog stays open until the name passes or the player cancels.
  TfrmPlayers2(const QString& caption, const std::string& name, TMessages& messages, TRefusal refusal,
               QWidget* parent = nullptr);

  std::string Name() const;

  void accept() override;

 private:
  TMessages& messages_;
  TRefusal refusal_;
  QLineEdit* edtPlayerName_ = nullptr;
};

}  // namespace tablerun
