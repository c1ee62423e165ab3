#include "dialogs/advanced_form.h"

#include <QFontDatabase>

namespace tablerun {
namespace {

void fnReplaceTahoma(QWidget& widget) {
  if (widget.font().family() != "Tahoma") return;
  QFont font = widget.font();
  font.setFamily("MS Sans Serif");
  widget.setFont(font);
}

}  // namespace

// A dialog is neither minimised nor maximised: only its close button stays on the frame.
C_TAdvancedForm::C_TAdvancedForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {}

bool C_TAdvancedForm::TahomaInstalled() {
  static const bool installed = QFontDatabase::families().contains("Tahoma");
  return installed;
}

void C_TAdvancedForm::showEvent(QShowEvent* event) {
  // The controls exist only once the derived dialog has built itself.
  if (!TahomaInstalled()) {
    fnReplaceTahoma(*this);
    for (QWidget* child : findChildren<QWidget*>()) fnReplaceTahoma(*child);
  }
  QDialog::showEvent(event);
}

}  // namespace tablerun
