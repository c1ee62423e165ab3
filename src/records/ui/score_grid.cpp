#include "records/ui/score_grid.h"

#include <QDate>
#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTableWidget>

namespace tablerun {
namespace {

QVariant fnCellValue(const QString& text, TCell kind) {
  if (kind == TCell::Date) {
    const QDate date = QDate::fromString(text, "yyyyMMdd");
    if (date.isValid()) return date;
  }
  bool number = false;
  const qlonglong value = text.toLongLong(&number);
  if (kind == TCell::Number && number) return value;
  return text;
}

}  // namespace

QTableWidget* fnNewScoreGrid(QWidget* parent, const char* name, const QStringList& columns) {
  auto* grid = new QTableWidget(0, static_cast<int>(columns.size()), parent);
  grid->setObjectName(name);
  grid->setHorizontalHeaderLabels(columns);
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->horizontalHeader()->setStretchLastSection(true);
  return grid;
}

void fnFillScoreGrid(QTableWidget& grid, const std::vector<QStringList>& rows, const std::vector<TCell>& kinds) {
  const bool sorting = grid.isSortingEnabled();
  grid.setSortingEnabled(false);
  grid.clearContents();
  grid.setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < grid.rowCount(); ++row) {
    const QStringList& cells = rows[static_cast<std::size_t>(row)];
    for (int column = 0; column < cells.size() && column < grid.columnCount(); ++column) {
      auto* item = new QTableWidgetItem;
      const auto kind =
          static_cast<std::size_t>(column) < kinds.size() ? kinds[static_cast<std::size_t>(column)] : TCell::Text;
      item->setData(Qt::DisplayRole, fnCellValue(cells[column], kind));
      grid.setItem(row, column, item);
    }
  }
  grid.resizeColumnsToContents();
  grid.setSortingEnabled(sorting);
}

int fnGridRowOf(const QTableWidget& grid, const QString& text) {
  for (int row = 0; row < grid.rowCount(); ++row) {
    const QTableWidgetItem* item = grid.item(row, 0);
    if (item && item->text() == text) return row;
  }
  return -1;
}

TChoicePair fnNewChoicePair(QWidget* parent, const char* name, const QString& title, TChoice first, TChoice second) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  auto* layout = new QHBoxLayout(group);
  TChoicePair pair{group, nullptr, nullptr};
  for (QRadioButton** button : {&pair.first, &pair.second}) {
    const TChoice& choice = button == &pair.first ? first : second;
    *button = new QRadioButton(choice.caption, group);
    (*button)->setObjectName(choice.name);
    layout->addWidget(*button);
  }
  pair.first->setChecked(true);
  return pair;
}

QLabel* fnNewWebLink(QWidget* parent, const char* name, const char* address) {
  auto* link = new QLabel(QString("<a href=\"%1\">%1</a>").arg(address), parent);
  link->setObjectName(name);
  link->setTextFormat(Qt::RichText);
  link->setOpenExternalLinks(true);
  return link;
}

bool fnPlayGameAside(const TPlayGame& play, int gameCode, const std::vector<QDialog*>& windows) {
  // A dialog's own hide would end its modal loop; the base widget's only hides it.
  for (QDialog* window : windows) window->QWidget::setVisible(false);
  const bool started = play(gameCode);
  for (QDialog* window : windows) {
    // A dialog closes only from shown; a closing one comes back off the screen.
    if (started) window->setAttribute(Qt::WA_DontShowOnScreen);
    window->QWidget::setVisible(true);
  }
  return started;
}

}  // namespace tablerun
