// The table: the green cloth the cards are dealt on.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace tablerun {

class C_TTableArea final : public QWidget {
  Q_OBJECT
public:
  explicit C_TTableArea(QWidget* parent = nullptr);

  void SetCloth(const QColor& colour);
  QColor Cloth() const { return cloth_; }
  // The painted background (picture or faded colour), shown from the top-left corner over the cloth.
  void SetBackground(const QImage& background);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QColor cloth_;
  QImage background_;
};

// A colour as the preference store keeps it: 0x00BBGGRR.
QColor fnColourFromStore(int stored);

}  // namespace tablerun
