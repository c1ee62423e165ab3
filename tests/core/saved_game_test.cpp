// Saved games and the bookmark: a round trip keeps the table, the history and
// the counters; a damaged file changes nothing.
#include "engine/saved/saved_game.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <utility>

#include "config/text.h"
#include "engine/deal/game_start.h"
#include "support/game_state.h"
#include "support/play_table.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

using testing::TPlayTable;

// A game with history: a move, a stock turn, and a player and number.
void Prepare(TPlayTable& t) {
  t.Set("stock turns to waste=1 cards per turn=1 foundation base=1", "Fila1: #9S 8H | Fila2: 9C | Mazzo: #3C #2C #AC");
  t.state.config.Write(cfg::kGame, "0007");
  t.state.config.Write(cfg::kPlayer, "Ann");
  t.state.config.Write(cfg::kGameNumber, "0000000012345");
  t.state.config.Write(cfg::kCardSize, "B");
  t.state.config.Write(cfg::kScore, "42");
  t.Move("8H", "Fila2");
  t.executor.PressStock();
}

TEST(SavedGame, RoundTripRestoresTableHistoryAndHeader) {
  TPlayTable saver;
  Prepare(saver);
  const std::string text = fnSavedGameText(saver.state, saver.executor, 125);
  const std::vector<std::string_view> lines = fnSplitLines(text);
  ASSERT_GE(lines.size(), 83u);
  EXPECT_EQ(lines[0].size(), 95u);
  EXPECT_EQ(lines[0].substr(0, 12), "[S-0920]0007");
  EXPECT_EQ(lines[0].substr(75), "00012500000042000001");
  EXPECT_EQ(lines[1].substr(66, 4), "0100");

  TPlayTable loader;
  loader.Set("stock turns to waste=1 cards per turn=1", "Fila5: KD");
  std::string error;
  const auto saved = fnParseSavedGame(text, error);
  ASSERT_TRUE(saved) << error;
  EXPECT_EQ(saved->elapsedSeconds, 125);
  fnApplySavedGame(loader.state, loader.executor, *saved, TRestoreScope::LoadedGame);
  EXPECT_EQ(loader.Snapshot(), saver.Snapshot());
  EXPECT_EQ(loader.state.config.Read(cfg::kPlayer), "Ann");
  EXPECT_EQ(loader.state.config.Read(cfg::kGameNumber), "0000000012345");
  EXPECT_EQ(loader.state.config.Read(cfg::kCardSize), "B");
  EXPECT_EQ(loader.state.mainGame.Get(entries::kMoveCounter), 2);
  EXPECT_EQ(loader.state.rules.Get(rule::kFoundationBase), 1);
  // Undo after loading goes back as it would have before saving.
  ASSERT_TRUE(loader.executor.UndoMove());
  ASSERT_TRUE(saver.executor.UndoMove());
  EXPECT_EQ(loader.Snapshot(), saver.Snapshot());
  ASSERT_TRUE(loader.executor.UndoMove());
  EXPECT_EQ(loader.Names("Fila1"), "#9S 8H");
}

// The text with one line replaced; the last line when `line` is past the end.
std::string WithLine(const std::string& text, std::size_t line, std::string_view replacement) {
  const std::vector<std::string_view> lines = fnSplitLines(text);
  line = std::min(line, lines.size() - 1);
  std::string changed;
  for (std::size_t n = 0; n < lines.size(); ++n) {
    changed += n == line ? replacement : lines[n];
    changed += "\r\n";
  }
  return changed;
}

TEST(SavedGame, DamagedFilesAreRefusedWhole) {
  TPlayTable saver;
  Prepare(saver);
  const std::string text = fnSavedGameText(saver.state, saver.executor, 0);
  std::string error;
  ASSERT_TRUE(fnParseSavedGame(text, error)) << error;
  const std::string header(fnSplitLines(text)[0]);
  for (const std::string& damaged : {
           text.substr(0, 300),                                                 // cut short
           WithLine(text, 0, "[S-0921]" + header.substr(8)),                    // a newer version
           WithLine(text, 0, "[S-09a0]" + header.substr(8)),                    // no version
           WithLine(text, 0, "[S-0530]" + header.substr(8)),                    // 0920 piles under an old version
           WithLine(text, 0, header.substr(0, 80) + "xx" + header.substr(82)),  // no number
           WithLine(text, 40, "9991"),                                          // no such card
           WithLine(text, 90, "0011"),                                          // an undo snapshot one line longer
           WithLine(text, 100000, "002,"),                                      // the log no longer matches
       }) {
    EXPECT_FALSE(fnParseSavedGame(damaged, error)) << fnSplitLines(damaged)[0];
    EXPECT_FALSE(error.empty());
  }
}

// Steps loaded without their log undo, and the game saves as a file it takes back.
TEST(SavedGame, AFileWithoutItsLogStillUndoesAndSavesWhole) {
  TPlayTable saver;
  Prepare(saver);
  std::string error;
  const auto saved = fnParseSavedGame(WithLine(fnSavedGameText(saver.state, saver.executor, 0), 100000, ""), error);
  ASSERT_TRUE(saved) << error;
  TPlayTable loader;
  loader.Set("stock turns to waste=1 cards per turn=1", "Fila5: KD");
  fnApplySavedGame(loader.state, loader.executor, *saved, TRestoreScope::LoadedGame);
  loader.executor.PressStock();
  EXPECT_TRUE(fnParseSavedGame(fnSavedGameText(loader.state, loader.executor, 0), error)) << error;
  for (int step = 0; step < 3; ++step) EXPECT_TRUE(loader.executor.UndoMove()) << step;
  EXPECT_EQ(loader.Names("Fila1"), "#9S 8H");
}

// The file written for Klondike's deal 1 after one stock turn, compared with a
// file made by hand from the format's table.
TEST(SavedGame, FileLayoutIsByteForByteTheFormat) {
  testing::TGameState g;
  g.ChooseGame(0);
  const TGameStart start{.deal = true, .animate = false, .numberMode = 0, .quiet = true};
  ASSERT_TRUE(fnStartGame(g.state, start, fnMaximisedWindowMetrics(1024, 768, 'B', 9)).started);
  TMoveExecutor executor(g.state);
  executor.StartGame();
  g.state.runtime.SetFlag(TRuntimeFlag::GameInProgress, true);
  ASSERT_TRUE(executor.PressStock());
  for (const auto& [field, value] :
       std::initializer_list<std::pair<TConfigField, const char*>>{{cfg::kBackgroundPicture, "12"},
                                                                   {cfg::kBackgroundColour, "16777215"},
                                                                   {cfg::kBackgroundDefault, "N"},
                                                                   {cfg::kBackNumber, "005"},
                                                                   {cfg::kScoreKind, "01"},
                                                                   {cfg::kScore, "42"},
                                                                   {cfg::kPlayer, "Ann"}}) {
    g.state.config.Write(field, value);
  }
  std::stringstream golden;
  golden << std::ifstream(std::string(TABLERUN_SOURCE_DIR) + "/tests/core/data/klondike_deal_1.gam", std::ios::binary)
                .rdbuf();
  ASSERT_FALSE(golden.str().empty());
  EXPECT_EQ(fnSavedGameText(g.state, executor, 75), golden.str());
}

// A file of an older version, written by hand: AH on the stock, 2H on the
// last foundation, 3H on the last tableau pile and 4H on the last reserve the
// version had; its one undo snapshot holds 3H on tableau pile 1 instead.
std::string OldFile(const std::string& version, int foundations, int tableau, int reserves) {
  // `count` lines, the one numbered `at` (1-based) holding `card`.
  const auto piles = [](int count, int at, const char* card) {
    std::string text;
    for (int n = 1; n <= count; ++n) text += (n == at ? std::string(card) : "") + "\r\n";
    return text;
  };
  std::string text = "[S-" + version + "]0007" + std::string(63, ' ') + "000125" + "00" + "000042" + "000001\r\n";
  text += "Ann" + std::string(47, ' ') + "12345" + std::string(10, ' ') + " ";
  for (int f = 1; f <= foundations; ++f) text += fnZeroFill(f, 2);
  text += "\r\n" + piles(10, 0, "");
  const std::string below = piles(foundations, foundations, "0021") + piles(tableau, tableau, "0031");
  text += piles(3, 1, "0011") + below + piles(reserves, reserves, "0041");
  text += "[UNDO - Stock]\r\n" + piles(3, 1, "0011");
  text += "[UNDO - Foundations]\r\n" + piles(foundations, foundations, "0021");
  text += "[UNDO - Piles]\r\n" + piles(tableau, 1, "0031");
  text += "[UNDO - Reserves]\r\n" + piles(reserves, reserves, "0041");
  return text + "[UNDO - Log]\r\n,\r\n";
}

TEST(SavedGame, OlderVersionsKeepTheirPilesWhereTheGameHasThem) {
  struct TRow {
    const char* version;
    int foundations, tableau, reserves;
  };
  for (const auto& [version, foundations, tableau, reserves] : std::initializer_list<TRow>{
           {"0100", 12, 21, 8},
           {"0301", 16, 26, 8},
           {"0302", 16, 26, 8},
           {"0303", 16, 28, 8},
           {"0520", 16, 28, 10},
           {"0530", 16, 40, 10},
           {"0919", 16, 40, 10},
           {"0920", 16, 40, 12},
       }) {
    std::string error;
    const auto saved = fnParseSavedGame(OldFile(version, foundations, tableau, reserves), error);
    ASSERT_TRUE(saved) << version << ": " << error;
    TPlayTable t;
    fnApplySavedGame(t.state, t.executor, *saved, TRestoreScope::LoadedGame);
    const std::string last = std::to_string(tableau);
    EXPECT_EQ(t.Names("Mazzo"), "AH") << version;
    EXPECT_EQ(t.Names("Dest" + std::to_string(foundations)), "2H") << version;
    EXPECT_EQ(t.Names("Fila" + last), "3H") << version;
    EXPECT_EQ(t.Names("Appogg" + std::to_string(reserves)), "4H") << version;
    EXPECT_EQ(t.Names("Dest16") + t.Names("Fila40") + t.Names("Appogg12"),
              std::string(foundations == 16 ? "2H" : "") + (tableau == 40 ? "3H" : "") + (reserves == 12 ? "4H" : ""))
        << version;
    // Base ranks of the foundations the version had; those it lacked read 0.
    EXPECT_EQ(t.state.rules.Get(rule::kFoundationBase + foundations - 1), foundations) << version;
    EXPECT_EQ(t.state.rules.Get(rule::kFoundationBase + 15), foundations == 16 ? 16 : 0) << version;
    EXPECT_EQ(t.state.config.Read(cfg::kPlayer), "Ann");
    EXPECT_EQ(saved->elapsedSeconds, 125);
    ASSERT_TRUE(t.executor.UndoMove()) << version;
    EXPECT_EQ(t.Names("Fila1"), "3H") << version;
    EXPECT_EQ(t.Names("Fila" + last), "") << version;
  }
}

TEST(SavedGame, HeldGamesTakeTheFirstFreeNumber) {
  testing::TTempFolder folder;
  folder.Write("Stat_e01.dat", "");
  TPlayTable t;
  Prepare(t);
  EXPECT_EQ(fnSaveHeldGame(t.state, t.executor, folder.Path(), 5), folder / "Stat_e02.dat");
  std::string error;
  EXPECT_TRUE(fnParseSavedGame(folder.Read("Stat_e02.dat"), error)) << error;
}

TEST(Bookmark, GoesBackToTheMarkedPositionInTheSameGame) {
  testing::TTempFolder folder;
  TPlayTable t;
  Prepare(t);
  const TSnapshot marked = t.Snapshot();
  ASSERT_TRUE(fnInsertBookmark(t.state, t.executor, folder.Path(), 30));
  const std::string path = t.state.bookmarkFile;
  EXPECT_TRUE(path.starts_with(folder.Path() + "~tb"));
  t.state.config.Write(cfg::kPlayer, "Bob");
  t.executor.PressStock();
  t.executor.PressStock();
  EXPECT_EQ(fnGoToBookmark(t.state, t.executor), 30);
  EXPECT_EQ(t.Snapshot(), marked);
  EXPECT_EQ(t.state.config.Read(cfg::kPlayer), "Bob");  // the game and its player stay
  EXPECT_EQ(t.executor.History().undo.Size(), 2);

  // A damaged bookmark, or one with a card the table does not hold, changes nothing.
  const std::string whole = folder.Read(path.substr(folder.Path().size()));
  t.executor.PressStock();
  const TSnapshot now = t.Snapshot();
  const std::size_t firstColumn = 12 + 3 + 16;
  const std::string column(fnSplitLines(whole)[firstColumn]);
  for (const std::string& damaged : {std::string("[S-0920]"), WithLine(whole, firstColumn, column + "0011")}) {
    folder.Write(path.substr(folder.Path().size()), damaged);
    EXPECT_FALSE(fnGoToBookmark(t.state, t.executor));
    EXPECT_EQ(t.Snapshot(), now);
  }
  t.screen.answers.push_back(TMessageAnswer::Cancel);
  EXPECT_FALSE(fnInsertBookmark(t.state, t.executor, folder.Path(), 0));
}

TEST(Bookmark, KeepsALongPathWholeAndLeavesNoOldFileBehind) {
  testing::TTempFolder folder;
  const std::string deep = folder.Path() + std::string(230, 'd') + "/";
  ASSERT_EQ(mkdir(deep.c_str(), 0700), 0);
  TPlayTable t;
  Prepare(t);
  ASSERT_TRUE(fnInsertBookmark(t.state, t.executor, deep, 30));
  const std::string first = t.state.bookmarkFile;
  EXPECT_GT(first.size(), 230u);
  t.executor.PressStock();
  const TSnapshot marked = t.Snapshot();
  ASSERT_TRUE(fnInsertBookmark(t.state, t.executor, deep, 40));
  EXPECT_FALSE(t.fs.Exists(first));
  t.executor.PressStock();
  EXPECT_EQ(fnGoToBookmark(t.state, t.executor), 40);
  EXPECT_EQ(t.Snapshot(), marked);

  fnDeleteBookmark(t.state);
  EXPECT_TRUE(t.state.bookmarkFile.empty());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(deep), std::filesystem::directory_iterator{}), 0);
}

}  // namespace
}  // namespace tablerun
