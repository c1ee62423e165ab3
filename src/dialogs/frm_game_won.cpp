#include "dialogs/frm_game_won.h"

#include <QAction>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

#include "pictures/image_library.h"
#include "pictures/toolbar_icons.h"

namespace tablerun {
namespace {

struct TButton {
  const char* name;
  const char* picture;  // a toolbar picture, or a menu picture when it starts with "MN_"
  const char* hint;
  int choice;  // 0: its window does not exist yet
};

constexpr TButton kButtons[] = {
    {"tbNew_Large", "NEW", "New", TfrmGameWon::NewGame},
    {"tbOpen_Large", "OPEN", "Open", 0},
    {"tbRestart_Large", "RESTART", "Restart", TfrmGameWon::Restart},
    {"tbRandom_Large", "MN_RANDOM", "Random game", TfrmGameWon::RandomGame},
    {"tbSelect_Large", "MN_SELECT", "Select a game number", TfrmGameWon::SelectNumber},
    {"tbStats_Large", "STAT", "Statistics", 0},
};

QIcon fnButtonIcon(const TImageLibrary& library, const QString& picture, bool xpStyle) {
  if (!picture.startsWith("MN_")) return fnToolbarIcon(library, picture, xpStyle);
  QImage image;
  library.LoadNamedImage(image, (xpStyle ? "" : "2000_") + picture);
  return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

}  // namespace

TfrmGameWon::TfrmGameWon(const TImageLibrary& library, bool xpStyle, QWidget* parent) : C_TAdvancedForm(parent) {
  setObjectName("frmGameWon");
  setWindowTitle("Game won");
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QToolBar(this);
  bar->setObjectName("toolBarLarge");
  bar->setIconSize(QSize(35, 39));
  for (const TButton& button : kButtons) {
    QAction* action = bar->addAction(fnButtonIcon(library, button.picture, xpStyle), button.hint);
    action->setObjectName(button.name);
    action->setEnabled(button.choice != 0);
    const int choice = button.choice;
    connect(action, &QAction::triggered, this, [this, choice] { done(choice); });
  }
  layout->addWidget(bar);
  auto* cancel = new QPushButton("Cancel", this);
  cancel->setObjectName("tbCancel");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  layout->addWidget(cancel, 0, Qt::AlignRight);
}

}  // namespace tablerun
