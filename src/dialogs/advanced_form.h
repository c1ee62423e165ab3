// The base of every dialog window: where the "Tahoma" font is missing, the
// dialog and its controls that ask for it use "MS Sans Serif" instead.
#pragma once

#include <QDialog>

namespace tablerun {

class C_TAdvancedForm : public QDialog {
  Q_OBJECT
 public:
  explicit C_TAdvancedForm(QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // Asked once per run: enumerating the fonts is slow.
  static bool TahomaInstalled();
};

}  // namespace tablerun
