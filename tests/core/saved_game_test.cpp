// Saved games and the bookmark: a round trip keeps the table, the history and
// the counters; a damaged file changes nothing.
#include "engine/saved_game.h"

#include <gtest/gtest.h>

#include "config/text.h"
#include "support/play_table.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

using testing::TPlayTable;

// A game with history: a move, a stock turn, and a player and number.
void Prepare(TPlayTable& t) {
  t.Set("11=1 24=1 55=1", "Fila1: #9S 8H | Fila2: 9C | Mazzo: #3C #2C #AC");
  t.state.config.Write(62, 4, "0007");
  t.state.config.Write(77, 30, "Ann");
  t.state.config.Write(153, 15, "0000000012345");
  t.state.config.Write(128, 1, "B");
  t.state.config.Write(122, 6, "42");
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
  loader.Set("11=1 24=1", "Fila5: KD");
  std::string error;
  const auto saved = fnParseSavedGame(text, error);
  ASSERT_TRUE(saved) << error;
  EXPECT_EQ(saved->elapsedSeconds, 125);
  fnApplySavedGame(loader.state, loader.executor, *saved, TRestoreScope::LoadedGame);
  EXPECT_EQ(loader.Snapshot(), saver.Snapshot());
  EXPECT_EQ(loader.state.config.Read(77, 30), "Ann");
  EXPECT_EQ(loader.state.config.Read(153, 15), "0000000012345");
  EXPECT_EQ(loader.state.config.Read(128, 1), "B");
  EXPECT_EQ(loader.state.mainGame.Get(95), 2);
  EXPECT_EQ(loader.state.rules.Get(55), 1);
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
           WithLine(text, 0, "[S-0530]" + header.substr(8)),                    // an older version
           WithLine(text, 0, header.substr(0, 80) + "xx" + header.substr(82)),  // no number
           WithLine(text, 40, "9991"),                                          // no such card
           WithLine(text, 90, "0011"),                                          // an undo snapshot one line longer
           WithLine(text, 100000, "002,"),                                      // the log no longer matches
       }) {
    EXPECT_FALSE(fnParseSavedGame(damaged, error)) << fnSplitLines(damaged)[0];
    EXPECT_FALSE(error.empty());
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
  const std::string path = t.state.config.Read(701, 200);
  EXPECT_TRUE(path.starts_with(folder.Path() + "~tb"));
  t.state.config.Write(77, 30, "Bob");
  t.executor.PressStock();
  t.executor.PressStock();
  EXPECT_EQ(fnGoToBookmark(t.state, t.executor), 30);
  EXPECT_EQ(t.Snapshot(), marked);
  EXPECT_EQ(t.state.config.Read(77, 30), "Bob");  // the game and its player stay
  EXPECT_EQ(t.executor.History().undo.Size(), 2);

  // A damaged bookmark changes nothing.
  folder.Write(path.substr(folder.Path().size()), "[S-0920]");
  t.executor.PressStock();
  const TSnapshot now = t.Snapshot();
  EXPECT_FALSE(fnGoToBookmark(t.state, t.executor));
  EXPECT_EQ(t.Snapshot(), now);
  t.screen.answers.push_back(TMessageAnswer::Cancel);
  EXPECT_FALSE(fnInsertBookmark(t.state, t.executor, folder.Path(), 0));
}

}  // namespace
}  // namespace tablerun
