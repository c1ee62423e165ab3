// The name of a new favourites folder, or the new name of one.
#pragma once

#include <QString>
#include <optional>

#include "dialogs/advanced_form.h"

class QLineEdit;

namespace tablerun {

class TMessages;

class TfrmFavoriteAddFolder final : public C_TAdvancedForm {
  Q_OBJECT
 public:
  // "Create New Folder" with "New folder"; with `renamed`, "Rename Folder" with that name.
  TfrmFavoriteAddFolder(TMessages& messages, const QString* renamed, QWidget* parent = nullptr);
  QString FolderName() const;

 private:
  void btnOKClick();

  TMessages& messages_;
  QLineEdit* edtFolderName_ = nullptr;
};

// The name, when the player confirmed one.
std::optional<QString> fnAskFolderName(TMessages& messages, QWidget* parent, const QString* renamed = nullptr);

}  // namespace tablerun
