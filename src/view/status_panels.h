// The status bar's pile information and the two small panels shown beside a
// resting pointer: card count, and over the stock the redeals left.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <array>

#include "engine/pointer/pile_info.h"

class QFrame;
class QLabel;
class QMainWindow;
class QPainter;
class QRect;
class QStatusBar;

namespace tablerun {

class TImageLibrary;
class TTablerunState;

class C_TStatusPanels final : public QObject {
  Q_OBJECT
 public:
  // Gives the window its status bar `sbStatusBar` and the hidden pointer panels.
  C_TStatusPanels(QMainWindow& window, TTablerunState& state, const TImageLibrary& library);

  // tablePoint as pointer input sees it; windowPoint in the main window. With
  // `resting` the pointer panels come up beside the pointer over a pile with
  // cards or over the stock.
  void UpdatePileInfo(bool resting, QPoint tablePoint, QPoint windowPoint);
  void PointerMoved(QPoint tablePoint, QPoint windowPoint);
  // The table or the game changed under a pointer that may not move: the
  // panels describe the pile at the last pointer position as it is now.
  void Refresh();
  // The clock tick: after half a second of rest the pointer panels come up,
  // when the player asked for them.
  void Tick();
  // On any key press; a pointer move over either panel hides them itself.
  void HidePointerPanels();
  // Panels 0–4 emptied: the pointer left the table, or no game.
  void Clear();

  QString PanelText(int panel) const;
  bool PointerPanelsShown() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildStatusBar();
  void BuildPointerPanels();
  // Owner drawing of status panel `panel` inside `rect`.
  void DrawStatusPanel(QPainter& painter, int panel, const QRect& rect) const;
  void DrawHint(QPainter& painter, const QRect& rect) const;
  void SetTexts(const std::array<QString, kStatusPanelCount>& texts);
  void ShowPointerPanels(const TPileInfo& info, QPoint windowPoint);
  // Below the toolbar, inside the window.
  bool OverTable(QPoint windowPoint) const;

  QMainWindow& window_;
  TTablerunState& state_;
  THintFile hints_;
  std::array<QPixmap, 4> suits_;  // hearts, diamonds, clubs, spades
  std::array<QPixmap, 5> kinds_;  // stock, waste, foundation, tableau, reserve

  QStatusBar* bar_ = nullptr;
  std::array<QFrame*, kStatusPanelCount> panels_{};
  std::array<QString, kStatusPanelCount> texts_;
  QFrame* pnlPilesSize_ = nullptr;
  QLabel* lblPilesSize_ = nullptr;
  QFrame* pnlShowRedeals_ = nullptr;
  QLabel* lblShowRedeals_ = nullptr;

  QPoint tablePoint_, windowPoint_;
  QElapsedTimer sinceMove_;
  bool restPending_ = false;
};

}  // namespace tablerun
