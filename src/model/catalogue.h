// The game catalogue: the built-in games of the games list, in file order, with
// the lookups between codes, names, types and catalogue positions.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "config/messages.h"
#include "model/custom_games.h"
#include "model/games_file.h"

namespace tablerun {

inline constexpr int kCustomGameType = 800;
inline constexpr int kBuiltInGameCount = 322;

struct TCatalogueEntry {
  std::string line;  // the unscrambled line as stored
  int type = -1;
  int code = -1;
  bool needsWideScreen = false;  // cannot be played below 650 pixels
  bool isNew = false;
  std::string name;  // trailing blanks removed
};

class TCatalogue {
 public:
  // Fills the catalogue from a parsed games list, checked whole: every section
  // present, every game's column readable, nothing cut off. False, with the
  // reason, when the file is damaged.
  bool Load(const TGamesFile& file, std::string& error);

  const std::vector<TCatalogueEntry>& Entries() const { return entries_; }
  const std::vector<int>& SelectedGames() const { return selected_; }
  const std::vector<int>& OriginalGames() const { return original_; }
  const std::vector<int>& ChildrensGames() const { return children_; }

  // Position in the list, or −1; a game usually sits at the position of its code.
  int Index(int code) const;
  std::string NameOf(int code, const TCustomGames& custom) const;
  // Built-in names first, then the custom ones; −1 when none matches.
  int CodeOf(std::string_view name, const TCustomGames& custom) const;
  int TypeOf(int code) const;
  // On a screen narrower than 650 pixels, games that need more are refused with a message.
  bool CanBeShown(int code, int screenWidth, TMessages& messages, const TCustomGames& custom) const;
  // Built-in names as stored (blank-padded), then custom names, sorted without regard to case.
  std::vector<std::string> AllNamesSorted(const TCustomGames& custom) const;

  // One game's column of the rule matrix as numbers (slot, value), in file
  // order; every column is read and checked when the list is loaded.
  using TColumn = std::vector<std::pair<std::int16_t, std::int16_t>>;
  const TColumn& Column(int column) const { return columns_.at(static_cast<std::size_t>(column)); }

 private:
  bool ReadMatrix(const std::vector<std::string>& lines, std::string& error);

  std::vector<TCatalogueEntry> entries_;
  std::vector<int> selected_, original_, children_;
  std::vector<TColumn> columns_;
};

// The icon key of a game type ("" for types without one).
std::string fnGameTypeKey(int type);

// The first "[Program]", "[Program_sw]" and "[GameNum_sw]" become the product's name and game count.
std::string fnExpandPlaceholders(std::string text);

// The names of a game chooser and the entry to select for a game (−1: none).
struct TGameChooser {
  std::vector<std::string> names;
  int selected = -1;
};
TGameChooser fnGameChooser(const TCatalogue& catalogue, const TCustomGames& custom, int code);

}  // namespace tablerun
