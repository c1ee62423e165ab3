// The five lists of the open-a-game dialog: filled when first shown, groups
// filled when first opened, and the won and lost marks of the player.
#include <QCheckBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>

#include "choice/favorites_tree.h"
#include "choice/ui/frm_open_game.h"
#include "choice/ui/game_icons.h"
#include "choice/ui/open_game_items.h"
#include "config/text.h"
#include "records/players.h"
#include "records/records_of_state.h"

namespace tablerun {
namespace {

constexpr int kAllGames = 0, kGroups = 1, kSelected = 2, kFavorites = 3, kRecents = 4;

// The picture family of a group: a feature's groups share its folder.
std::optional<TFolderPicture> fnGroupPicture(int code) {
  const TGameGroup* group = fnFindGroup(code);
  if (group == nullptr) return std::nullopt;
  if (group->type >= 0) return std::nullopt;
  const int family = group->parent == kFeaturesCode || group->parent == 0 ? code : group->parent;
  switch (family) {
    case kFeaturesCode: return TFolderPicture::Features;
    case -2030: return TFolderPicture::Time;
    case -2040: return TFolderPicture::Difficulty;
    case -2050: return TFolderPicture::Skill;
    case -2060: return TFolderPicture::Chance;
    case kNewGamesCode: return TFolderPicture::NewGames;
    default: return TFolderPicture::Plain;
  }
}

QIcon fnGroupIcon(const TImageLibrary& library, int code, bool open) {
  const TGameGroup* group = fnFindGroup(code);
  if (group != nullptr && group->type >= 0) return fnGameTypeIcon(library, group->type, std::nullopt);
  if (code == -209010) return fnOriginalGamesIcon(library);
  const auto picture = fnGroupPicture(code);
  if (!picture) return {};
  return open ? fnOpenFolderIcon(library, *picture) : fnFolderIcon(library, *picture);
}

int fnCurrentGame(const TTablerunState& state) {
  return static_cast<int>(fnParseInteger(state.config.Read(cfg::kGame)).value_or(-1));
}

QTreeWidgetItem* fnFindGame(QTreeWidget& tree, int code) {
  QTreeWidgetItem* found = nullptr;
  for (int top = 0; top < tree.topLevelItemCount() && found == nullptr; ++top) {
    fnForEachItem(*tree.topLevelItem(top), [&](QTreeWidgetItem& item) {
      if (found == nullptr && fnIsGame(item) && fnCodeOf(item) == code) found = &item;
    });
  }
  return found;
}

QTreeWidgetItem* fnChildWithCode(QTreeWidget& tree, QTreeWidgetItem* parent, int code) {
  const int count = parent != nullptr ? parent->childCount() : tree.topLevelItemCount();
  for (int i = 0; i < count; ++i) {
    QTreeWidgetItem* item = parent != nullptr ? parent->child(i) : tree.topLevelItem(i);
    if (fnCodeOf(*item) == code && !fnIsGame(*item)) return item;
  }
  return nullptr;
}

void fnSelect(QTreeWidget& tree, QTreeWidgetItem* item) {
  if (item == nullptr) return;
  tree.setCurrentItem(item);
  tree.scrollToItem(item);
}

}  // namespace

QTreeWidget* TfrmOpenGame::CurrentList() const {
  return shownMode_ >= 0 ? lists_[static_cast<std::size_t>(shownMode_)] : nullptr;
}

void TfrmOpenGame::ShowList(int mode) {
  // A mode out of range switches nothing: the list shown last stays.
  if (mode < kAllGames || mode > kRecents) return;
  shownMode_ = mode;
  QTreeWidget& tree = *lists_[static_cast<std::size_t>(mode)];
  listButtons_[static_cast<std::size_t>(mode)]->setChecked(true);
  stack_->setCurrentWidget(&tree);
  if (tree.topLevelItemCount() == 0 || mode == kRecents) FillList(mode);
  if (mode == kGroups && tree.currentItem() == nullptr) SelectInFreeCellGroup(tree);
  UpdatePreview();
}

void TfrmOpenGame::FillList(int mode) {
  QTreeWidget& tree = *lists_[static_cast<std::size_t>(mode)];
  const TCatalogue& catalogue = state_.mainGame.Catalogue();
  const int current = fnCurrentGame(state_);
  switch (mode) {
    case kAllGames:
      for (const TListNode& node : fnGameNodes(fnCatalogueView(catalogue))) AddNode(tree, nullptr, node);
      fnSelect(tree, fnFindGame(tree, current));
      break;
    case kGroups:
      for (const TListNode& node : fnGroupsTree(catalogue, state_.customGames, false)) AddNode(tree, nullptr, node);
      break;
    case kSelected:
      for (const TListNode& node : fnGameNodes(fnSelectedGames(catalogue))) AddNode(tree, nullptr, node);
      break;
    case kFavorites: FillFavorites(tree); break;
    case kRecents: FillRecents(tree); break;
    default: break;
  }
}

void TfrmOpenGame::SelectInFreeCellGroup(QTreeWidget& groups) {
  QTreeWidgetItem* types = fnChildWithCode(groups, nullptr, kGameTypeCode);
  if (types == nullptr) return;
  FillGroup(*types);
  groups.expandItem(types);
  QTreeWidgetItem* freeCell = fnChildWithCode(groups, types, kFreeCellTypeCode);
  if (freeCell == nullptr) return;
  FillGroup(*freeCell);
  groups.expandItem(freeCell);
  for (int i = 0; i < freeCell->childCount(); ++i) {
    if (fnCodeOf(*freeCell->child(i)) == 1) fnSelect(groups, freeCell->child(i));
  }
}

void TfrmOpenGame::FillFavorites(QTreeWidget& tree) {
  tree.clear();
  if (!state_.store) return;
  bool folders = false;
  for (const TListNode& node : fnFavoriteNodes(*state_.store, state_.mainGame.Catalogue())) {
    AddNode(tree, nullptr, node);
    folders = folders || node.code == kStoredFolderCode;
  }
  tree.setRootIsDecorated(folders);
  fnSelect(tree, fnItemAtAbsoluteIndex(tree, preferences_.treePos));
}

void TfrmOpenGame::FillRecents(QTreeWidget& tree) {
  const bool wasEmpty = tree.topLevelItemCount() == 0;
  const int selected = tree.currentItem() != nullptr ? fnCodeOf(*tree.currentItem()) : -1;
  tree.clear();
  if (!state_.store) return;
  const auto recent = fnRecentGames(fnReadLastPlayed(*state_.store), state_.mainGame.Catalogue(), state_.customGames);
  for (const TRecentGame& game : recent) AddNode(tree, nullptr, {game.code, game.name, game.type, {}});
  fnSelect(tree, fnFindGame(tree, wasEmpty ? fnCurrentGame(state_) : selected));
}

void TfrmOpenGame::RestoreRememberedGroup(QTreeWidget& groups) {
  const int current = fnCurrentGame(state_);
  if (groups.topLevelItemCount() == 0) FillList(kGroups);
  std::vector<int> path;
  for (const TGameGroup* group = fnFindGroup(preferences_.treeNum); group != nullptr;
       group = group->parent != 0 ? fnFindGroup(group->parent) : nullptr)
    path.insert(path.begin(), group->code);
  QTreeWidgetItem* found = nullptr;
  for (const int code : path) {
    QTreeWidgetItem* next = fnChildWithCode(groups, found, code);
    if (next == nullptr) break;
    FillGroup(*next);
    groups.expandItem(next);
    found = next;
  }
  if (found != nullptr) {
    for (int i = 0; i < found->childCount(); ++i) {
      if (fnCodeOf(*found->child(i)) == current && fnIsGame(*found->child(i))) fnSelect(groups, found->child(i));
    }
  }
  if (groups.currentItem() == nullptr && current >= kFirstCustomCode) {
    QTreeWidgetItem* custom = fnChildWithCode(groups, nullptr, kCustomizedGamesCode);
    if (custom == nullptr) {
      state_.screen.ShowMessage(TMessageKind::Information, "Node not found");
      return;
    }
    FillGroup(*custom);
    groups.expandItem(custom);
    fnSelect(groups, fnFindGame(groups, current));
  }
}

void TfrmOpenGame::FillGroup(QTreeWidgetItem& group) {
  if (!fnIsUnfilledGroup(group)) return;
  delete group.takeChild(0);
  for (const TListNode& node : fnGroupChildren(fnCodeOf(group), state_.mainGame.Catalogue(), state_.customGames))
    AddNode(*group.treeWidget(), &group, node);
}

void TfrmOpenGame::GroupExpanded(QTreeWidgetItem* item, bool expanded) {
  if (item == nullptr || fnIsGame(*item)) return;
  if (expanded) FillGroup(*item);
  if (fnFindGroup(fnCodeOf(*item)) != nullptr) item->setIcon(0, fnGroupIcon(library_, fnCodeOf(*item), expanded));
}

QTreeWidgetItem* TfrmOpenGame::AddNode(QTreeWidget& tree, QTreeWidgetItem* parent, const TListNode& node) {
  auto* item = parent != nullptr ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree);
  item->setText(0, QString::fromStdString(node.caption));
  fnSetNode(*item, node.code, node.type);
  if (node.type >= 0) {
    ShowMark(*item);
  } else if (node.code == kStoredFolderCode) {
    item->setIcon(0, fnFolderIcon(library_, TFolderPicture::Favorites));
  } else if (node.code == kHowToCustomizeCode) {
    item->setIcon(0, fnGameTypeIcon(library_, kCustomGameType, std::nullopt));
  } else if (!node.caption.empty()) {
    item->setIcon(0, fnGroupIcon(library_, node.code, false));
  }
  for (const TListNode& child : node.children) AddNode(tree, item, child);
  return item;
}

void TfrmOpenGame::ShowMark(QTreeWidgetItem& item) {
  if (!fnIsGame(item)) return;
  const std::optional<TGameStatus> marks = chkShowWonLost_ != nullptr && chkShowWonLost_->isChecked()
                                               ? std::optional(statuses_.Of(fnCodeOf(item)))
                                               : std::nullopt;
  item.setIcon(0, fnGameTypeIcon(library_, fnTypeOf(item), marks));
}

void TfrmOpenGame::ShowMarksBelow(QTreeWidgetItem& item, std::optional<int> code) {
  fnForEachItem(item, [&](QTreeWidgetItem& each) {
    if (!code || fnCodeOf(each) == *code) ShowMark(each);
  });
}

void TfrmOpenGame::ReadStatuses() {
  TRecordsFolder folder = fnRecordsFolder(state_);
  statuses_ = TGameStatuses(folder, fnCurrentPlayer(state_));
}

void TfrmOpenGame::RefreshMarks(int code) {
  if (!chkShowWonLost_->isChecked()) return;
  TRecordsFolder folder = fnRecordsFolder(state_);
  statuses_.Refresh(folder, fnCurrentPlayer(state_), code);
  for (QTreeWidget* tree : lists_) {
    for (int top = 0; top < tree->topLevelItemCount(); ++top) ShowMarksBelow(*tree->topLevelItem(top), code);
  }
}

void TfrmOpenGame::RefreshAllMarks() {
  if (chkShowWonLost_->isChecked()) ReadStatuses();
  for (QTreeWidget* tree : lists_) {
    for (int top = 0; top < tree->topLevelItemCount(); ++top) ShowMarksBelow(*tree->topLevelItem(top), std::nullopt);
  }
}

void TfrmOpenGame::ReloadFavorites() { FillFavorites(*lists_[kFavorites]); }

}  // namespace tablerun
