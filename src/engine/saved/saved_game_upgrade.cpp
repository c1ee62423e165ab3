#include "engine/saved/saved_game_upgrade.h"

#include <algorithm>
#include <array>

namespace tablerun {
namespace {

// Each version in this list changed the shape; a file older than it has the
// shape given beside it.
struct TFormatChange {
  std::string_view version;
  TSnapshotShape shapeBefore;
};
constexpr std::array kFormatChanges = {
    TFormatChange{"0301", {3, 12, 21, 8}},   // four foundations and five tableau piles more
    TFormatChange{"0303", {3, 16, 26, 8}},   // two tableau piles more
    TFormatChange{"0520", {3, 16, 28, 8}},   // two reserves more
    TFormatChange{"0530", {3, 16, 28, 10}},  // twelve tableau piles more
    TFormatChange{"0920", {3, 16, 40, 10}},  // two reserves more
};

bool IsVersion(std::string_view version) {
  return version.size() == 4 &&
         std::all_of(version.begin(), version.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

std::optional<TSnapshotShape> fnSnapshotShape(std::string_view version) {
  if (!IsVersion(version) || version > kSavedGameVersion) return std::nullopt;
  for (const TFormatChange& change : kFormatChanges) {
    if (version < change.version) return change.shapeBefore;
  }
  return TSnapshotShape{};
}

TSnapshot fnUpgradeSnapshot(std::vector<std::string> lines, std::string_view version) {
  // The piles a version added came after the piles of their group, so the
  // game's piles keep their numbers; the added ones are empty.
  const TSnapshotShape from = fnSnapshotShape(version).value_or(TSnapshotShape{});
  const TSnapshotShape to;
  const std::array<std::pair<int, int>, 4> groups = {{{from.stock, to.stock},
                                                      {from.foundations, to.foundations},
                                                      {from.tableau, to.tableau},
                                                      {from.reserves, to.reserves}}};
  TSnapshot snapshot;
  std::size_t read = 0;
  std::size_t written = 0;
  for (const auto& [had, has] : groups) {
    for (int n = 0; n < has; ++n, ++written) {
      if (n < had && read < lines.size()) snapshot[written] = std::move(lines[read]);
      if (n < had) ++read;
    }
  }
  return snapshot;
}

std::string fnUpgradeSecondLine(std::string_view line, std::string_view version) {
  std::string upgraded(line);
  // The base ranks of the four foundations added after the twelfth.
  if (version < kFormatChanges.front().version) upgraded += "00000000";
  return upgraded;
}

}  // namespace tablerun
