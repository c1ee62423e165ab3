#include "choice/ui/frm_favorite_add_folder.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/messages.h"
#include "model/catalogue.h"

namespace tablerun {

TfrmFavoriteAddFolder::TfrmFavoriteAddFolder(TMessages& messages, const QString* renamed, QWidget* parent)
    : C_TAdvancedForm(parent), messages_(messages) {
  setObjectName("frmFavoriteAddFolder");
  setWindowTitle(renamed ? "Rename Folder" : "Create New Folder");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QString::fromStdString(fnExpandPlaceholders("[Program] will create the following folder.")), this));
  auto* label = new QLabel("&Folder name:", this);
  edtFolderName_ = new QLineEdit(renamed ? *renamed : "New folder", this);
  edtFolderName_->setObjectName("edtFolderName");
  edtFolderName_->selectAll();
  label->setBuddy(edtFolderName_);
  layout->addWidget(label);
  layout->addWidget(edtFolderName_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("btnOK");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("btnCancel");
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &TfrmFavoriteAddFolder::btnOKClick);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString TfrmFavoriteAddFolder::FolderName() const { return edtFolderName_->text(); }

void TfrmFavoriteAddFolder::btnOKClick() {
  if (edtFolderName_->text().isEmpty()) {
    messages_.ShowMessage(TMessageKind::Warning, "Please enter at least 1 character.");
    edtFolderName_->setFocus();
    return;
  }
  accept();
}

std::optional<QString> fnAskFolderName(TMessages& messages, QWidget* parent, const QString* renamed) {
  TfrmFavoriteAddFolder window(messages, renamed, parent);
  if (window.exec() != QDialog::Accepted) return std::nullopt;
  return window.FolderName();
}

}  // namespace tablerun
