#include "choice/ui/frm_fast_search.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <utility>

#include "choice/open_game_preferences.h"
#include "choice/ui/game_icons.h"
#include "model/main_game_entries.h"
#include "records/players.h"
#include "records/records_of_state.h"

namespace tablerun {
namespace {

constexpr const char* kSettings = "Settings";
constexpr const char* kKindKey = "Games_Fast_Search_Type";
constexpr const char* kStayOnTopKey = "Games_Fast_Search_Stay_On_Top";
constexpr const char* kLeftKey = "Games_Fast_Search_Left";
constexpr const char* kTopKey = "Games_Fast_Search_Top";
constexpr const char* kWidthKey = "Games_Fast_Search_Width";
constexpr const char* kHeightKey = "Games_Fast_Search_Height";
constexpr QSize kClientSize(182, 216);
// A window nearer than this to the screen's right or bottom edge is lost to the player.
constexpr int kEdge = 10;

struct TKindItem {
  const char* name;
  const char* caption;
};
constexpr std::array<TKindItem, kFastSearchKinds> kKindItems = {{{"mnuAllGames", "All games"},
                                                                 {"mnuFavoriteGames", "Favorite games only"},
                                                                 {"mnuSelectedGames", "Selected games only"},
                                                                 {"mnuCustomizedGames", "Customized games only"},
                                                                 {"mnuLostGames", "Lost games only"},
                                                                 {"mnuRecentGames", "My recent games"}}};

int fnCode(const QTreeWidgetItem* item) { return item ? item->data(0, Qt::UserRole).toInt() : -1; }

bool fnOffScreen(const QRect& window, const QRect& screen) {
  return window.left() >= screen.right() - kEdge || window.top() >= screen.bottom() - kEdge ||
         window.right() < screen.left() + kEdge || window.top() < screen.top();
}

}  // namespace

TfrmFastSearch::TfrmFastSearch(TTablerunState& state, const TImageLibrary& library, TStartChosenGame start,
                               QWidget* parent)
    : C_TAdvancedForm(parent), state_(state), library_(library), start_(std::move(start)) {
  setObjectName("frmFastSearch");
  setWindowTitle("Games FastSearch");
  setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  kind_ = fnFastSearchKind(state_.mainGame.Get(entries::kFastSearchType));
  marks_ = state_.store && fnReadOpenGamePreferences(*state_.store).showWonLost;

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);
  edtSearch_ = new QLineEdit(this);
  edtSearch_->setObjectName("edtSearch");
  edtSearch_->setPlaceholderText("Type to find a game");
  edtSearch_->setClearButtonEnabled(true);
  edtSearch_->installEventFilter(this);
  layout->addWidget(edtSearch_);
  trvGames_ = new QTreeWidget(this);
  trvGames_->setObjectName("trvGames");
  trvGames_->setHeaderHidden(true);
  trvGames_->setUniformRowHeights(true);
  trvGames_->installEventFilter(this);
  layout->addWidget(trvGames_, 1);
  auto* options = new QPushButton("Options", this);
  options->setObjectName("btnOptions");
  // Return starts the game chosen, never opens the menu.
  options->setAutoDefault(false);
  BuildOptionsMenu(options);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(options);
  buttons->addStretch(1);
  layout->addLayout(buttons);

  connect(edtSearch_, &QLineEdit::textChanged, this, &TfrmFastSearch::ShowTyped);
  connect(edtSearch_, &QLineEdit::returnPressed, this, [this] { trvGamesDblClick(trvGames_->currentItem()); });
  connect(trvGames_, &QTreeWidget::itemDoubleClicked, this, &TfrmFastSearch::trvGamesDblClick);

  const auto setting = [this](const char* key, int fallback) {
    return state_.store ? static_cast<int>(state_.store->ReadInteger(kSettings, key, fallback)) : fallback;
  };
  resize(std::max(setting(kWidthKey, kClientSize.width()), 50),
         std::max(setting(kHeightKey, kClientSize.height()), 50));
  if (setting(kStayOnTopKey, 0) != 0) mnuStayOnTop_->setChecked(true);
}

void TfrmFastSearch::BuildOptionsMenu(QPushButton* button) {
  auto* menu = new QMenu(button);
  menu->setObjectName("popOptions");
  QMenu* show = menu->addMenu("Show");
  show->setObjectName("mnuShow");
  kinds_ = new QActionGroup(this);
  for (int kind = 0; kind < kFastSearchKinds; ++kind) {
    const TKindItem& item = kKindItems[static_cast<std::size_t>(kind)];
    QAction* action = show->addAction(item.caption);
    action->setObjectName(item.name);
    action->setCheckable(true);
    action->setChecked(kind == static_cast<int>(kind_));
    kinds_->addAction(action);
    connect(action, &QAction::triggered, this, [this, kind] { ChooseKind(static_cast<TFastSearchKind>(kind)); });
  }
  mnuStayOnTop_ = menu->addAction("Stay on top");
  mnuStayOnTop_->setObjectName("mnuStayOnTop");
  mnuStayOnTop_->setCheckable(true);
  connect(mnuStayOnTop_, &QAction::toggled, this, &TfrmFastSearch::SetStayOnTop);
  button->setMenu(menu);
}

bool TfrmFastSearch::StaysOnTop() const { return mnuStayOnTop_->isChecked(); }

void TfrmFastSearch::SetStayOnTop(bool on) {
  const bool visible = isVisible();
  // Changing the flag hides the window; it comes back where it was.
  const QPoint place = pos();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (visible) {
    move(place);
    show();
  }
}

void TfrmFastSearch::ChooseKind(TFastSearchKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  state_.mainGame.Set(entries::kFastSearchType, static_cast<int16_t>(kind));
  if (state_.store) state_.store->WriteInteger(kSettings, kKindKey, static_cast<int>(kind));
  Rebuild();
}

void TfrmFastSearch::Rebuild() {
  setWindowTitle(QString::fromStdString(fnFastSearchCaption(kind_)));
  TFastSearchSources sources = fnFastSearchSources(state_, kind_);
  if (kind_ == TFastSearchKind::Lost) {
    statuses_ = sources.statuses;
  } else if (marks_) {
    TRecordsFolder folder = fnRecordsFolder(state_);
    statuses_ = TGameStatuses(folder, fnCurrentPlayer(state_));
  }
  list_ = fnFastSearchList(kind_, sources);
  // Root lines only where folders hold games.
  trvGames_->setRootIsDecorated(kind_ == TFastSearchKind::Favorites);
  ShowTyped();
}

void TfrmFastSearch::SetMarks(bool shown) {
  marks_ = shown;
  if (isVisible()) Rebuild();
}

QTreeWidgetItem* TfrmFastSearch::NewItem(const TFastSearchNode& node) const {
  auto* item = new QTreeWidgetItem(QStringList{QString::fromStdString(node.name)});
  item->setData(0, Qt::UserRole, node.code);
  if (node.IsFolder()) {
    item->setIcon(0, fnFolderIcon(library_, TFolderPicture::Favorites));
  } else {
    item->setIcon(0,
                  fnGameTypeIcon(library_, node.type, marks_ ? std::optional(statuses_.Of(node.code)) : std::nullopt));
  }
  return item;
}

void TfrmFastSearch::ShowTyped() {
  trvGames_->clear();
  QTreeWidgetItem* folder = nullptr;
  for (const TFastSearchNode& node : fnFilterFastSearch(list_, edtSearch_->text().toStdString())) {
    QTreeWidgetItem* item = NewItem(node);
    if (node.inFolder && folder) {
      folder->addChild(item);
    } else {
      trvGames_->addTopLevelItem(item);
      folder = node.IsFolder() ? item : nullptr;
    }
  }
  trvGames_->expandAll();
  // The first game is the one Return starts.
  for (QTreeWidgetItemIterator it(trvGames_); *it; ++it) {
    if (fnCode(*it) >= 0) {
      trvGames_->setCurrentItem(*it);
      break;
    }
  }
}

void TfrmFastSearch::trvGamesDblClick(QTreeWidgetItem* item) {
  const int code = fnCode(item);
  if (code < 0) {
    state_.screen.ShowMessage(TMessageKind::Information, "Open a game");
    trvGames_->setFocus();
    return;
  }
  const bool hidden = !StaysOnTop();
  if (hidden) hide();
  std::string name = state_.mainGame.Catalogue().NameOf(code, state_.customGames);
  if (name.empty()) name = item->text(0).toStdString();
  const TChosenGame chosen{
      .code = code, .name = name, .player = fnCurrentPlayer(state_), .newNumber = true, .savePreferences = true};
  if (!start_(chosen) && hidden) show();
}

void TfrmFastSearch::ShowAt(QPoint home) {
  QPoint place = pos();
  if (!std::exchange(shownBefore_, true)) {
    place = home;
    // A window kept on top keeps its place from one run to the next.
    if (StaysOnTop() && state_.store && state_.store->KeyExists(kSettings, kLeftKey))
      place = QPoint(static_cast<int>(state_.store->ReadInteger(kSettings, kLeftKey, home.x())),
                     static_cast<int>(state_.store->ReadInteger(kSettings, kTopKey, home.y())));
  }
  const QScreen* screen = QGuiApplication::screenAt(home);
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen && fnOffScreen(QRect(place, frameGeometry().size()), screen->availableGeometry())) place = home;
  move(place);
  Rebuild();
  show();
  raise();
  activateWindow();
  edtSearch_->setFocus();
  edtSearch_->selectAll();
}

void TfrmFastSearch::GameRecorded(int code) {
  if (!marks_ && kind_ != TFastSearchKind::Lost) return;
  TRecordsFolder folder = fnRecordsFolder(state_);
  statuses_.Refresh(folder, fnCurrentPlayer(state_), code);
  const bool leaves = kind_ == TFastSearchKind::Lost && statuses_.Of(code) == TGameStatus::Won;
  if (leaves) std::erase_if(list_, [code](const TFastSearchNode& node) { return node.code == code; });
  std::vector<QTreeWidgetItem*> items;
  for (QTreeWidgetItemIterator it(trvGames_); *it; ++it) {
    if (fnCode(*it) == code) items.push_back(*it);
  }
  for (QTreeWidgetItem* item : items) {
    if (leaves) {
      delete item;
    } else {
      item->setIcon(0, fnGameTypeIcon(library_, state_.mainGame.Catalogue().TypeOf(code), statuses_.Of(code)));
    }
  }
}

void TfrmFastSearch::SaveSettings() {
  if (!state_.store) return;
  TIniFile::TDeferredWrites once(*state_.store);
  state_.store->WriteInteger(kSettings, kKindKey, static_cast<int>(kind_));
  state_.store->WriteInteger(kSettings, kStayOnTopKey, StaysOnTop() ? 1 : 0);
  state_.store->WriteInteger(kSettings, kLeftKey, x());
  state_.store->WriteInteger(kSettings, kTopKey, y());
  state_.store->WriteInteger(kSettings, kWidthKey, width());
  state_.store->WriteInteger(kSettings, kHeightKey, height());
}

void TfrmFastSearch::hideEvent(QHideEvent* event) {
  // A hide of the system's own (the program minimised) keeps the settings as they are.
  if (!event->spontaneous()) SaveSettings();
  C_TAdvancedForm::hideEvent(event);
}

bool TfrmFastSearch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    // In the search box a space belongs to the name typed.
    if (watched == trvGames_ && key == Qt::Key_Space) {
      emit spacePressed();
      return true;
    }
    if (watched == trvGames_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
      trvGamesDblClick(trvGames_->currentItem());
      return true;
    }
    if (watched == edtSearch_ && key == Qt::Key_Down) {
      trvGames_->setFocus();
      return true;
    }
  }
  return C_TAdvancedForm::eventFilter(watched, event);
}

}  // namespace tablerun
