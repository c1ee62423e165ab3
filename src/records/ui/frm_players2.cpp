#include "records/ui/frm_players2.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/config_fields.h"

namespace tablerun {

TfrmPlayers2::TfrmPlayers2(const QString& caption, const std::string& name, TMessages& messages, TRefusal refusal,
                           QWidget* parent)
    : C_TAdvancedForm(parent), messages_(messages), refusal_(std::move(refusal)) {
  setObjectName("TfrmPlayers2");
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel("&Player's name:", this);
  label->setObjectName("lblPlayerName");
  edtPlayerName_ = new QLineEdit(QString::fromStdString(name), this);
  edtPlayerName_->setObjectName("edtPlayerName");
  edtPlayerName_->setMaxLength(cfg::kPlayer.length);
  edtPlayerName_->selectAll();
  label->setBuddy(edtPlayerName_);
  layout->addWidget(label);
  layout->addWidget(edtPlayerName_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOK");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmPlayers2::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &TfrmPlayers2::reject);
  layout->addWidget(buttons);
  setMinimumWidth(300);
}

std::string TfrmPlayers2::Name() const { return edtPlayerName_->text().toStdString(); }

void TfrmPlayers2::accept() {
  if (const std::string refused = refusal_(Name()); !refused.empty()) {
    messages_.ShowMessage(TMessageKind::Warning, refused);
    edtPlayerName_->setFocus();
    edtPlayerName_->selectAll();
    return;
  }
  C_TAdvancedForm::accept();
}

}  // namespace tablerun
