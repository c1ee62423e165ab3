#include "engine/executor/autoplay_preference.h"

#include <string>

#include "config/text.h"
#include "engine/executor/executor.h"
#include "engine/state/tablerun_state.h"
#include "model/custom_games.h"

namespace tablerun {
namespace {

constexpr const char* kSection = "Autoplay";
constexpr const char* kBuiltInKey = "Games";
constexpr int kAutoplayPerGame = 2;

std::string CustomKey(int code) { return "Cust_" + fnZeroFill(code, 4); }

}  // namespace

bool fnReadGameAutoplay(const TIniFile& store, int code) {
  if (code >= kFirstCustomCode) return store.ReadString(kSection, CustomKey(code), "Y").substr(0, 1) != "N";
  if (code < 0) return true;
  const std::string games = store.ReadString(kSection, kBuiltInKey, "");
  const auto at = static_cast<std::size_t>(code);
  return at >= games.size() || games[at] != 'N';
}

void fnStoreGameAutoplay(TIniFile& store, int code, bool on) {
  const char value = on ? 'Y' : 'N';
  if (code >= kFirstCustomCode) {
    store.WriteString(kSection, CustomKey(code), std::string(1, value));
    return;
  }
  if (code < 0) return;
  std::string games = store.ReadString(kSection, kBuiltInKey, "");
  const auto at = static_cast<std::size_t>(code);
  // Games not stored yet read as on; the text grows with room to spare.
  if (at + 1 >= games.size()) {
    games.append(at + 10, 'Y');
    games.resize(at + 10);
  }
  games[at] = value;
  store.WriteString(kSection, kBuiltInKey, games);
}

void fnApplyGameAutoplay(TTablerunState& state, TMoveExecutor& executor, int code) {
  if (state.rules.Get(rule::kAutoplayAvailable) == 0 ||
      state.mainGame.Get(entries::kAutoplayMode) != kAutoplayPerGame || !state.store) {
    return;
  }
  const bool wanted = fnReadGameAutoplay(*state.store, code);
  if (executor.AutoplayActive() != wanted) executor.SetAutoplay(wanted);
}

}  // namespace tablerun
