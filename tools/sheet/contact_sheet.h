// Pictures and captions laid out row by row on the green of the table.
#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <vector>

namespace tablerun::sheet {

class TContactSheet {
 public:
  void Caption(const QString& text);
  // Starts a new row of pictures.
  void NewRow();
  void Add(const QImage& picture, const QString& label = {});
  QImage Render() const;

 private:
  struct TItem {
    QPoint at;
    QImage picture;
    QString text;
  };
  std::vector<TItem> items_;
  QPoint next_{kMargin, kMargin};
  int rowHeight_ = 0;
  int width_ = 0;

  static constexpr int kMargin = 16;
  static constexpr int kGap = 6;
  static constexpr int kCaptionHeight = 26;
  static constexpr int kLabelHeight = 14;
  static constexpr int kLabelWidth = 44;
};

}  // namespace tablerun::sheet
