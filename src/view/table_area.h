// The table: the green cloth the cards are dealt on.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tablerun {

class TAppearance;
class TImageLibrary;
class TPlaySession;

class C_TTableArea final : public QWidget {
  Q_OBJECT
public:
  explicit C_TTableArea(QWidget* parent = nullptr);

  // The game the table shows and plays; set once, before the first deal.
  void Attach(TPlaySession& session, TAppearance& appearance, const TImageLibrary& library);
  // Draws the table as dealt, card by card when `animate`.
  void DealTable(bool animate);
  // Draws every pile again: after undo, redo, restart, a loaded game or a new card set.
  void RedrawTable();

  void SetCloth(const QColor& colour);
  QColor Cloth() const { return cloth_; }
  // The painted background (picture or faded colour), shown from the top-left corner over the cloth.
  void SetBackground(const QImage& background);

signals:
  // Play changed the table (a move, a stock press, automatic moves): menus and panels follow.
  void tableChanged();

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  TPlaySession* session_ = nullptr;
  TAppearance* appearance_ = nullptr;
  const TImageLibrary* library_ = nullptr;
  QColor cloth_;
  QImage background_;
};

// A colour as the preference store keeps it: 0x00BBGGRR.
QColor fnColourFromStore(int stored);

}  // namespace tablerun
