// Any bytes as a saved game of the built-in games: loading must never crash
// and must refuse what is not a game. A game it accepts is played a few
// random steps, hit-tested, then saved and loaded again unchanged.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <string_view>

#include "config/text.h"
#include "engine/legality/legal_moves.h"
#include "engine/pointer/hit_test.h"
#include "engine/saved/saved_deck.h"
#include "engine/saved/saved_game.h"
#include "engine/session/play_commands.h"
#include "fuzz_support.h"
#include "model/catalogue.h"

namespace {

using namespace tablerun;

constexpr int kSteps = 8;

// The games list the build writes beside the fuzz targets.
const TCatalogue& BuiltInCatalogue() {
  static const TCatalogue catalogue = [] {
    const auto folder = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    TPosixFileSystem fs;
    const auto bytes = fnReadWholeFile(fs, (folder / kGamesFileName).string());
    TCatalogue loaded;
    std::string error;
    if (!bytes || !loaded.Load(TGamesFile::Parse(*bytes), error)) std::abort();
    return loaded;
  }();
  return catalogue;
}

void PlaySteps(TPlaySession& session, std::mt19937_64& random) {
  TTablerunState& state = session.state;
  for (int step = 0; step < kSteps; ++step) {
    const auto moves = fnLegalMoves(state.table, state.rules, state.cards, session.executor.MoveContext(true));
    if (moves.empty() || random() % 4 == 0) {
      session.executor.PressStock();
    } else {
      const TCardMove& move = moves[random() % moves.size()];
      session.executor.ExecuteMove(move.card, TPileMove{move.to});
    }
    fnHitTest(fnPileGeometry(state), static_cast<int>(random() % 1200), static_cast<int>(random() % 900), false);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TPosixFileSystem fs;
  fuzzing::TSilentScreen screen;
  TTablerunState state(fs, screen);
  state.customGames.SetDataFolder("/nonexistent/");  // built-in games only
  state.mainGame.Catalogue() = BuiltInCatalogue();
  TSystemClock clock;
  TPlaySession session(state, clock);
  const TLayoutMetrics metrics = fnMaximisedWindowMetrics(1024, 768, 'B', 9);
  const std::string path = fuzzing::fnScratchFolder() + "input.gam";
  fuzzing::fnStoreBytes(path, bytes);
  bool autoplay = false;
  if (!fnLoadGame(session, path, metrics, autoplay).started) return 0;

  std::mt19937_64 random(std::hash<std::string_view>{}(bytes));
  PlaySteps(session, random);
  std::string error;
  const std::string text = fnSavedGameText(state, session.executor, 0);
  const auto saved = fnParseSavedGame(text, error);
  const int code = static_cast<int>(fnParseInteger(state.config.Read(cfg::kGame)).value_or(-1));
  // What the program saves it must take back, whole.
  if (!saved || fnCheckSavedDeck(state, *saved, code, saved->gameNumber)) std::abort();
  const TSnapshot before = fnTakeSnapshot(state.table, state.cards);
  fnApplySavedGame(state, session.executor, *saved, TRestoreScope::LoadedGame);
  if (fnTakeSnapshot(state.table, state.cards) != before || fnSavedGameText(state, session.executor, 0) != text) {
    std::abort();
  }
  return 0;
}
