// The window's play commands: dealing, leaving, restarting and loading a game,
// and the Autoplay switch a game brings.
#include "engine/session/play_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "config/text.h"
#include "engine/legality/legal_moves.h"
#include "engine/saved/saved_game.h"
#include "engine/session/pointer_script.h"
#include "engine/state/table_view.h"
#include "model/pile_names.h"
#include "support/fake_clock.h"
#include "support/game_state.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

constexpr int kKlondike = 0;
constexpr int kFreeCell = 1;

struct PlayCommands : ::testing::Test, testing::TGameState {
  testing::TFakeClock clock;
  TPlaySession session{state, clock};
  std::vector<TGameResult> results;
  bool autoplay = false;
  const TLayoutMetrics metrics = fnMaximisedWindowMetrics(1024, 768, 'B', 9);

  PlayCommands() {
    session.endOfGame.SetResultRecorder([this](const TGameResult& result) { results.push_back(result); });
  }

  // Deals game number 1 of `code` and shows it.
  void Deal(int code) {
    ChooseGame(code);
    state.config.Write(cfg::kGameNumber, "1");
    ASSERT_TRUE(fnDealGame(session, metrics, autoplay, true, 0).started);
    fnDealShown(session);
  }
  // The first legal move of the position.
  void MoveOnce() {
    const auto moves = fnLegalMoves(state.table, state.rules, state.cards, session.executor.MoveContext(true));
    ASSERT_FALSE(moves.empty());
    ASSERT_TRUE(session.executor.ExecuteMove(moves.front().card, TPileMove{moves.front().to}));
  }
  TSnapshot Table() const { return fnTakeSnapshot(state.table, state.cards); }
};

TEST_F(PlayCommands, DealingStartsTheGameAndItsClock) {
  Deal(kFreeCell);
  EXPECT_TRUE(state.runtime.Flag(TRuntimeFlag::GameInProgress));
  EXPECT_TRUE(session.clock.Runs());
  EXPECT_EQ(state.mainGame.Get(entries::kDealShown), 1);
  EXPECT_EQ(state.table.Pile(fnFila(0)).size(), 7u * 3);
  clock.Advance(5);
  // Another game is read afresh: Klondike has a stock, FreeCell none.
  Deal(kKlondike);
  EXPECT_FALSE(state.table.Pile(kMazzo).empty());
  EXPECT_EQ(session.clock.ElapsedSeconds(), 0);
  ASSERT_EQ(results.size(), 1u);
  EXPECT_FALSE(results[0].won);
}

TEST_F(PlayCommands, RestartAsksAndReturnsToTheDealtTable) {
  struct TCase {
    TMessageAnswer answer;
    bool restarted;
  };
  for (const TCase& c : {TCase{TMessageAnswer::Ok, true}, TCase{TMessageAnswer::Cancel, false}}) {
    Deal(kFreeCell);
    const TSnapshot dealt = Table();
    MoveOnce();
    const TSnapshot moved = Table();
    clock.Advance(30);
    screen.messages.clear();
    screen.answers = {c.answer};
    EXPECT_EQ(fnRestartGame(session), c.restarted);
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].text, "Restart this game?\rGame number: 1");
    EXPECT_EQ(Table(), c.restarted ? dealt : moved);
    EXPECT_EQ(session.clock.ElapsedSeconds(), c.restarted ? 0 : 30);
    EXPECT_TRUE(state.runtime.Flag(TRuntimeFlag::GameInProgress));
    EXPECT_EQ(session.executor.History().undo.Empty(), c.restarted);
  }
}

TEST_F(PlayCommands, ASavedGameComesBackWithItsGameTableAndTime) {
  testing::TTempFolder folder;
  Deal(kFreeCell);
  MoveOnce();
  const TSnapshot saved = Table();
  clock.Advance(95);
  ASSERT_TRUE(fnSaveGameFile(state, session.executor, folder / "a.gam", session.clock.RecordedSeconds()));
  Deal(kKlondike);

  ASSERT_TRUE(fnLoadGame(session, folder / "a.gam", metrics, autoplay).started);
  EXPECT_EQ(state.config.Read(cfg::kGame), "0001");
  EXPECT_EQ(state.config.Read(cfg::kGameName), "FreeCell");
  EXPECT_EQ(Table(), saved);
  EXPECT_EQ(session.clock.ElapsedSeconds(), 95);
  EXPECT_TRUE(state.runtime.Flag(TRuntimeFlag::GameInProgress));
  // Undo goes back to the dealt table of the saved game.
  ASSERT_TRUE(session.Undo());
  EXPECT_NE(Table(), saved);
}

TEST_F(PlayCommands, AutoplayThatFinishesAGameEndsItWon) {
  testing::TTempFolder folder;
  Deal(kFreeCell);
  // The solved deal short of its last card, which waits in a free cell.
  std::ifstream script(std::string(TABLERUN_SOURCE_DIR) + "/tests/core/data/freecell_deal_1.moves");
  std::string line;
  for (int number = 1; number <= 133 && std::getline(script, line); ++number)
    ASSERT_TRUE(fnPlayScriptLine(session, line).understood) << line;
  ASSERT_TRUE(state.runtime.Flag(TRuntimeFlag::GameInProgress));
  ASSERT_TRUE(fnSaveGameFile(state, session.executor, folder / "almost.gam", session.clock.RecordedSeconds()));

  for (const bool switchedOnAfterLoading : {false, true}) {
    SCOPED_TRACE(switchedOnAfterLoading ? "switched on after loading" : "on while loading");
    Deal(kKlondike);
    results.clear();
    autoplay = !switchedOnAfterLoading;
    ASSERT_TRUE(fnLoadGame(session, folder / "almost.gam", metrics, autoplay).started);
    if (switchedOnAfterLoading) fnToggleAutoplay(session, true);
    fnEndIfWon(session);
    ASSERT_EQ(results.size(), 2u) << "the Klondike deal left, then the loaded game";
    EXPECT_TRUE(results[1].won);
    EXPECT_FALSE(state.runtime.Flag(TRuntimeFlag::GameInProgress));
  }
}

TEST_F(PlayCommands, AnUnreadableFileLeavesTheGameInProgressAlone) {
  testing::TTempFolder folder;
  folder.Write("bad.gam", "[S-0920]0001 not a saved game\r\n");
  folder.Write("unknown.gam", "");
  Deal(kFreeCell);
  MoveOnce();
  ASSERT_TRUE(fnSaveGameFile(state, session.executor, folder / "unknown.gam", 0));
  std::string text = folder.Read("unknown.gam");
  text.replace(8, 4, "0999");
  folder.Write("unknown.gam", text);
  const TSnapshot table = Table();
  for (const std::string name : {"bad.gam", "unknown.gam", "missing.gam"}) {
    screen.messages.clear();
    EXPECT_FALSE(fnLoadGame(session, folder / name, metrics, autoplay).started) << name;
    ASSERT_EQ(screen.messages.size(), 1u) << name;
    EXPECT_EQ(screen.messages[0].kind, TMessageKind::Warning);
    EXPECT_EQ(Table(), table);
    EXPECT_TRUE(state.runtime.Flag(TRuntimeFlag::GameInProgress));
  }
  EXPECT_EQ(screen.messages[0].text, "File not found: " + folder / "missing.gam");
  EXPECT_TRUE(results.empty());
}

// A file whose piles are not the game's deck, each card once, is refused
// before anything changes: extra, doubled, missing and foreign cards, on the
// table or in an undo step, and piles no deal can make.
TEST_F(PlayCommands, ASavedGameMustHoldItsGamesDeck) {
  testing::TTempFolder folder;
  Deal(kKlondike);
  MoveOnce();
  ASSERT_TRUE(fnSaveGameFile(state, session.executor, folder / "k.gam", 0));
  const std::string text = folder.Read("k.gam");
  std::vector<std::string> lines;
  for (const std::string_view line : fnSplitLines(text)) lines.emplace_back(line);
  constexpr std::size_t kFirstColumn = 12 + 3 + 16;  // header lines, stock group, foundations
  const std::string column = lines[kFirstColumn];
  const std::string firstUndoColumn =
      "[UNDO - Piles]";  // the line after this heading is the first undo step's first column
  const auto withLine = [&](std::size_t at, const std::string& replacement) {
    std::vector<std::string> changed = lines;
    changed[at] = replacement;
    std::string joined;
    for (const std::string& line : changed) joined += line + "\r\n";
    return joined;
  };
  const std::size_t undoColumn =
      static_cast<std::size_t>(std::find(lines.begin(), lines.end(), firstUndoColumn) - lines.begin()) + 1;
  ASSERT_LT(undoColumn, lines.size());
  std::string copies;
  for (int i = 0; i < 20000; ++i) copies += column.substr(0, 4);
  const std::string lastCard = lines[kFirstColumn + 6].substr(lines[kFirstColumn + 6].size() - 4);
  const std::string crafted[] = {
      withLine(kFirstColumn, copies),                           // one card 20,000 times
      withLine(kFirstColumn, column + lastCard),                // a card twice
      withLine(kFirstColumn, ""),                               // a card gone
      withLine(kFirstColumn, "1051"),                           // a joker Klondike has not
      withLine(kFirstColumn, column + std::string(4000, '0')),  // a thousand holes
      withLine(undoColumn, lines[undoColumn] + lastCard),       // an undo step with a card twice
  };
  const TSnapshot table = Table();
  for (std::size_t n = 0; n < std::size(crafted); ++n) {
    SCOPED_TRACE("crafted file " + std::to_string(n));
    folder.Write("crafted.gam", crafted[n]);
    screen.messages.clear();
    EXPECT_FALSE(fnLoadGame(session, folder / "crafted.gam", metrics, autoplay).started);
    ASSERT_EQ(screen.messages.size(), 1u);
    EXPECT_EQ(screen.messages[0].kind, TMessageKind::Warning);
    EXPECT_EQ(Table(), table);
    EXPECT_TRUE(state.runtime.Flag(TRuntimeFlag::GameInProgress));
  }
  EXPECT_TRUE(fnLoadGame(session, folder / "k.gam", metrics, autoplay).started);
  EXPECT_EQ(Table(), table);
}

TEST_F(PlayCommands, TheGameChoosesTheAutoplaySwitchByMode) {
  Deal(kFreeCell);
  state.store->WriteString("Autoplay", "Games", "YN");  // FreeCell (code 1) off
  struct TCase {
    int mode;
    bool current;
    bool expected;
  };
  for (const TCase& c : {TCase{1, true, true}, TCase{1, false, false}, TCase{2, true, false}, TCase{3, false, true}}) {
    state.mainGame.Set(entries::kAutoplayMode, static_cast<int16_t>(c.mode));
    EXPECT_EQ(fnAutoplaySwitchForGame(state, c.current), c.expected) << c.mode << c.current;
  }
  state.mainGame.Set(entries::kAutoplayMode, 2);
  fnToggleAutoplay(session, true);
  EXPECT_TRUE(session.executor.AutoplayActive());
  EXPECT_EQ(state.store->ReadString("Autoplay", "Games", ""), "YYYYYYYYYYY");
}

TEST_F(PlayCommands, AGameChosenFromTheMenuIsTheOneToDealUnderItsName) {
  state.config.Write(cfg::kGame, "-001");
  EXPECT_FALSE(fnGameChosen(state));
  fnChooseGame(state, kFreeCell);
  EXPECT_TRUE(fnGameChosen(state));
  EXPECT_EQ(state.config.Read(cfg::kGame), "0001");
  EXPECT_EQ(fnTrim(state.config.Read(cfg::kGameName)), "FreeCell");
}

TEST_F(PlayCommands, OneSwitchForAllGamesIsRememberedBetweenRuns) {
  state.mainGame.Set(entries::kAutoplayMode, 1);
  EXPECT_TRUE(fnRememberedAutoplaySwitch(state, false));
  fnRememberAutoplaySwitch(state, false);
  EXPECT_FALSE(fnRememberedAutoplaySwitch(state, true));
  // Per game, the one switch is neither read nor written.
  state.mainGame.Set(entries::kAutoplayMode, 2);
  EXPECT_TRUE(fnRememberedAutoplaySwitch(state, true));
  fnRememberAutoplaySwitch(state, true);
  state.mainGame.Set(entries::kAutoplayMode, 1);
  EXPECT_FALSE(fnRememberedAutoplaySwitch(state, true));
}

}  // namespace
}  // namespace tablerun
