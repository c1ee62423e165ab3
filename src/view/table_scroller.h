// The window's view of the table: the table can be taller than the window in
// games whose piles grow downwards; the vertical bar `scrBarMain` and the
// mouse wheel then move the view. A window too narrow for the piles gets a
// horizontal bar, so that no pile is out of reach.
#pragma once

#include <QScrollArea>

namespace tablerun {

class C_TTableArea;

class C_TTableScroller final : public QScrollArea {
  Q_OBJECT
 public:
  C_TTableScroller(C_TTableArea& table, QWidget* parent);

  // Shows the vertical bar when `allowed` and the cards reach below the window
  // (`lowest` in table pixels), growing the table by two card heights beyond
  // them; otherwise hides it and shows the top. The horizontal bar comes when
  // the piles reach past the window's right edge (`rightmost`). True when a
  // bar came or went, which changes the table's size: the layout is due again.
  bool Fit(bool allowed, int lowest, int rightmost, int cardHeight);
  bool BarShown() const;
  bool WideBarShown() const;
  // The size the layout may use: the window's part below the toolbar, less the bar.
  QSize VisibleSize() const;
  void ScrollToTop();
  // Held cards brought within a few pixels of the view's top or bottom edge
  // scroll the table a page that way.
  void ScrollWhileDragging(QPoint tablePoint);

 signals:
  void viewResized();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  C_TTableArea& table_;
};

}  // namespace tablerun
