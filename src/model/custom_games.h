// GAM_CUST.DAT: the player's custom games, each a built-in game with a few
// rules changed. Read afresh on every question, since the Rules Wizard may
// have changed it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/file_system.h"

namespace tablerun {

inline constexpr const char* kCustomGamesFileName = "GAM_CUST.DAT";
inline constexpr int kFirstCustomCode = 8000;

struct TCustomGame {
  int code = -1;
  std::string name;      // trimmed
  int baseCode = -1;     // the built-in game it derives from; −1 when unreadable
  std::string ruleText;  // 17 characters in the Rules Wizard's numbering
};

class TCustomGames {
 public:
  // dataFolder ends in "/"; the file's name is matched without regard to case.
  TCustomGames(TFileSystem& fs, std::string dataFolder);
  void SetDataFolder(std::string dataFolder) { dataFolder_ = std::move(dataFolder); }

  // Every block whose code is a number, in file order.
  std::vector<TCustomGame> All() const;
  std::optional<TCustomGame> Find(int code) const;
  // "" when unknown.
  std::string NameOf(int code) const;
  // Trimmed and case-insensitive; the last matching block wins; −1 when none.
  int CodeOf(std::string_view name) const;
  std::vector<TCustomGame> SortedByName() const;
  // The smallest code from 8000 up that no block uses.
  int NewCode() const;

  static std::vector<TCustomGame> Parse(std::string_view bytes);

 private:
  std::string Path() const;

  TFileSystem& fs_;
  std::string dataFolder_;
};

}  // namespace tablerun
