#include "view/qt_screen.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QSpacerItem>

#include "view/sound_player.h"

#include "view/table_area.h"

namespace tablerun {
namespace {

// The core writes "\r" where a line breaks.
QString fnDisplayText(const std::string& text) {
  return QString::fromStdString(text).replace("\r\n", "\n").replace('\r', '\n');
}

QMessageBox::Icon fnIcon(TMessageKind kind) {
  switch (kind) {
    case TMessageKind::Information: return QMessageBox::Information;
    case TMessageKind::Warning: return QMessageBox::Warning;
    case TMessageKind::Question: return QMessageBox::Question;
    case TMessageKind::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void fnPrepareMessageBox(QMessageBox& box) {
  box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  // Room for the title in a bold title font, with the frame's icon and close button beside it.
  QFont title = box.font();
  title.setBold(true);
  constexpr int kFrameButtons = 120;
  const int width = QFontMetrics(title).horizontalAdvance(box.windowTitle()) + kFrameButtons;
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid)
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                  grid->columnCount());
}

TMessageAnswer TQtScreen::ShowMessage(TMessageKind kind, const std::string& text, TMessageButtons buttons) {
  const QString title = kind == TMessageKind::Error ? QObject::tr("Error") : QApplication::applicationName();
  QMessageBox box(fnIcon(kind), title, fnDisplayText(text), QMessageBox::NoButton, parent_);
  fnPrepareMessageBox(box);
  switch (buttons) {
    case TMessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case TMessageButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case TMessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
  }
  switch (silent_ ? static_cast<int>(QMessageBox::NoButton) : box.exec()) {
    case QMessageBox::Cancel: return TMessageAnswer::Cancel;
    case QMessageBox::Yes: return TMessageAnswer::Yes;
    case QMessageBox::No: return TMessageAnswer::No;
    case QMessageBox::Ok: return TMessageAnswer::Ok;
    default:  // closed without a button, or the program is ending: the cautious answer
      return buttons == TMessageButtons::Ok      ? TMessageAnswer::Ok
             : buttons == TMessageButtons::YesNo ? TMessageAnswer::No
                                                 : TMessageAnswer::Cancel;
  }
}

bool TQtScreen::ShowAdvisory(const std::string& text) {
  if (silent_) return false;
  QMessageBox box(QMessageBox::Information, QApplication::applicationName(), fnDisplayText(text), QMessageBox::Ok,
                  parent_);
  fnPrepareMessageBox(box);
  auto* again = new QCheckBox(QObject::tr("Don't show this message box again"));
  box.setCheckBox(again);
  box.exec();
  return again->isChecked();
}

void TQtScreen::SetSoundPlayer(TSoundPlayer* player) { sounds_ = player; }

void TQtScreen::PlaySound(const std::string& name, bool loop) {
  if (sounds_) sounds_->PlaySoundByName(QString::fromStdString(name), true, loop);
}

void TQtScreen::StopSound() {
  if (sounds_) sounds_->StopSound();
}

void TQtScreen::Beep() { QApplication::beep(); }

void TQtScreen::SetTableArea(C_TTableArea* table) { table_ = table; }

void TQtScreen::RequestRepaint() {
  if (table_) table_->PlayChanged();
}

void TQtScreen::ShowCardsMoved(int card, TPileRef from, int position, TPileRef to) {
  if (table_) table_->ShowCardsMoved(card, from, position, to);
}

void TQtScreen::ShowScore(int score) {
  if (score_) score_->setText(QString::number(score));
}

void TQtScreen::ShowElapsedTime(const std::string& text) {
  if (time_) time_->setText(QString::fromStdString(text));
}

// No winning animation is drawn yet: a win goes straight to the "Game won" window.
void TQtScreen::RunWinningAnimation() {}

void TQtScreen::ShowGameWon() {
  if (gameWon_) gameWon_();
}

void TQtScreen::ShowMainPopup(int x, int y) {
  if (mainPopup_) mainPopup_(x, y);
}

void TQtScreen::CloseMainWindow() {
  if (parent_) parent_->close();
}

}  // namespace tablerun
