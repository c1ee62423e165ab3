#include "choice/ui/open_game_items.h"

#include <QTreeWidget>

#include "choice/game_tree.h"

namespace tablerun {
namespace {

constexpr int kCodeRole = Qt::UserRole;
constexpr int kTypeRole = Qt::UserRole + 1;

}  // namespace

int fnCodeOf(const QTreeWidgetItem& item) { return item.data(0, kCodeRole).toInt(); }

int fnTypeOf(const QTreeWidgetItem& item) { return item.data(0, kTypeRole).toInt(); }

void fnSetNode(QTreeWidgetItem& item, int code, int type) {
  item.setData(0, kCodeRole, code);
  item.setData(0, kTypeRole, type);
}

bool fnIsGame(const QTreeWidgetItem& item) { return fnCodeOf(item) >= 0 && fnTypeOf(item) >= 0; }

bool fnIsUnfilledGroup(const QTreeWidgetItem& item) {
  return item.childCount() == 1 && fnCodeOf(*item.child(0)) == kUnfilledCode && item.child(0)->text(0).isEmpty();
}

int fnAbsoluteIndex(const QTreeWidgetItem& item) {
  QTreeWidget* tree = item.treeWidget();
  if (tree == nullptr) return -1;
  int index = 0;
  int found = -1;
  for (int top = 0; top < tree->topLevelItemCount() && found < 0; ++top) {
    fnForEachItem(*tree->topLevelItem(top), [&](QTreeWidgetItem& each) {
      if (&each == &item) found = index;
      ++index;
    });
  }
  return found;
}

QTreeWidgetItem* fnItemAtAbsoluteIndex(QTreeWidget& tree, int index) {
  QTreeWidgetItem* found = nullptr;
  int at = 0;
  for (int top = 0; top < tree.topLevelItemCount() && found == nullptr; ++top) {
    fnForEachItem(*tree.topLevelItem(top), [&](QTreeWidgetItem& each) {
      if (at++ == index) found = &each;
    });
  }
  return found;
}

}  // namespace tablerun
