// The nodes of the game lists as tree items: each carries its code and, for a
// game, its type, so the marks and the choice read them back.
#pragma once

#include <QTreeWidgetItem>

namespace tablerun {

int fnCodeOf(const QTreeWidgetItem& item);
// −1 for a node that is not a game.
int fnTypeOf(const QTreeWidgetItem& item);
void fnSetNode(QTreeWidgetItem& item, int code, int type);
bool fnIsGame(const QTreeWidgetItem& item);
// A group not filled yet: its only child is the unfilled node.
bool fnIsUnfilledGroup(const QTreeWidgetItem& item);

// The item's index counted over the whole tree from 0, parents before children.
int fnAbsoluteIndex(const QTreeWidgetItem& item);
// The item at that index, or none.
QTreeWidgetItem* fnItemAtAbsoluteIndex(QTreeWidget& tree, int index);

// Every item of the tree, parents before children.
template <typename Visit>
void fnForEachItem(QTreeWidgetItem& item, Visit visit) {
  visit(item);
  for (int i = 0; i < item.childCount(); ++i) fnForEachItem(*item.child(i), visit);
}

}  // namespace tablerun
