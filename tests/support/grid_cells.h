// The texts of a window's grid row, as the player reads them.
#pragma once

#include <QStringList>
#include <QTableWidget>

namespace tablerun::testing {

inline QStringList fnRow(const QTableWidget& grid, int row) {
  QStringList cells;
  for (int column = 0; column < grid.columnCount(); ++column) {
    const QTableWidgetItem* item = grid.item(row, column);
    cells << (item ? item->text() : QString());
  }
  return cells;
}

}  // namespace tablerun::testing
