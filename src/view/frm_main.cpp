#include "view/frm_main.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>

#include "config/text.h"
#include "engine/start_up.h"
#include "engine/window_title.h"
#include "view/main_menu.h"
#include "view/table_area.h"

namespace tablerun {
namespace {

constexpr const char* kPreference = "Preference";
constexpr int kStatusPanelWidths[] = {77, 23, 57, 350, 94, 10};

}  // namespace

TfrmMain::TfrmMain(TTablerunState& state, TPlaySession& session, TAppearance& appearance,
                   const TImageLibrary& library, QWidget* parent)
    : QMainWindow(parent), state_(state), session_(session) {
  setObjectName("frmMain");
  setWindowTitle(QString::fromStdString(fnWindowTitle(state_.config)));
  fnBuildMainMenu(*this);
  ConnectCommand("mnuEsci", &TfrmMain::mnuEsciClick);
  ConnectCommand("mnuAbout", &TfrmMain::mnuAboutClick);

  table_ = new C_TTableArea(this);
  table_->Attach(session_, appearance, library);
  const auto fixed = fnParseInteger(state_.config.Read(47, 15));
  if (fixed) table_->SetCloth(fnColourFromStore(static_cast<int>(*fixed)));
  setCentralWidget(table_);
  BuildStatusBar();
}

void TfrmMain::ConnectCommand(const char* name, void (TfrmMain::*handler)()) {
  if (auto* action = findChild<QAction*>(name)) {
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, handler);
  }
}

void TfrmMain::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("sbStatusBar");
  int index = 0;
  for (int width : kStatusPanelWidths) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(QString("pnlStatus%1").arg(index));
    panel->setMinimumWidth(width);
    panel->setFrameShape(QFrame::StyledPanel);
    if (index == 1) panel->setAlignment(Qt::AlignCenter);
    bar->addWidget(panel, index == 3 ? 1 : 0);
    ++index;
  }
}

void TfrmMain::RestorePlacement() {
  const TIniFile& store = *state_.store;
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const auto read = [&store](const char* key, int fallback) {
    return static_cast<int>(store.ReadInteger(kPreference, key, fallback));
  };
  QRect placed(read("MainWindowState_Left", 50), read("MainWindowState_Top", 50),
               read("MainWindowState_Width", screen.width() - 150), read("MainWindowState_Height", screen.height() - 150));
  // Keep at least a third of the window on the screen.
  placed.setWidth(std::max(placed.width(), 200));
  placed.setHeight(std::max(placed.height(), 150));
  placed.moveLeft(std::clamp(placed.left(), screen.left() - placed.width() * 2 / 3, screen.right() - placed.width() / 3));
  placed.moveTop(std::clamp(placed.top(), screen.top(), screen.bottom() - placed.height() / 3));
  setGeometry(placed);
  if (store.ReadString(kPreference, "MainWindowState_Maximized", "Y") == "Y") setWindowState(Qt::WindowMaximized);
}

void TfrmMain::SavePlacement() {
  TIniFile& store = *state_.store;
  TIniFile::TDeferredWrites batch(store);
  if (isMaximized()) {
    store.WriteString(kPreference, "MainWindowState_Maximized", "Y");
    return;
  }
  store.WriteString(kPreference, "MainWindowState_Maximized", "N");
  const QRect placed = normalGeometry();
  store.WriteInteger(kPreference, "MainWindowState_Left", placed.left());
  store.WriteInteger(kPreference, "MainWindowState_Top", placed.top());
  store.WriteInteger(kPreference, "MainWindowState_Width", placed.width());
  store.WriteInteger(kPreference, "MainWindowState_Height", placed.height());
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  SavePlacement();
  fnSaveSettings(state_);
  event->accept();
}

void TfrmMain::mnuEsciClick() { close(); }

void TfrmMain::mnuAboutClick() {
  QMessageBox::about(this, "About Tablerun 2002",
                     QString("<b>Tablerun 2002</b><p>Version %1</p><p>Patience card games for one player.</p>")
                         .arg(TABLERUN_VERSION));
}

}  // namespace tablerun
