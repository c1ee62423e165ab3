// The field formats of the statistics files, against lines written by hand
// from the format tables.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "records/fixed_fields.h"
#include "records/game_log.h"
#include "records/game_statistics.h"
#include "records/guarded_values.h"
#include "records/progression.h"
#include "records/protected_value.h"

namespace tablerun {
namespace {

TEST(FixedFields, NumbersKeepTheirWidthAndClampWhatDoesNotFit) {
  const struct {
    std::int64_t value;
    int width;
    const char* text;
  } cases[] = {
      {123, 6, "000123"},     {-12, 6, "-00012"},     {0, 4, "0000"},
      {1234567, 6, "999999"}, {-123456, 6, "-99999"}, {-5, 1, "0"},
  };
  for (const auto& c : cases) EXPECT_EQ(fnFixedNumber(c.value, c.width), c.text) << c.value;
  EXPECT_EQ(fnPaddedText("Ann", 5), "Ann  ");
  EXPECT_EQ(fnPaddedText("Annabelle", 4), "Anna");
}

TEST(GameStatistics, RecordIsEightNumbersInSixtySevenCharacters) {
  const TGameStatistics statistics{12, 3, 5, 2, 1, 0, -52};
  const std::string text = "000012 000003 000005 000002 000001 000000 -00000000052 000000000000";
  EXPECT_EQ(fnStatisticsText(statistics), text);
  EXPECT_EQ(fnParseStatistics(text), statistics);
  EXPECT_EQ(fnStatisticsText({}), "000000 000000 000000 000000 000000 000000 000000000000 000000000000");
  // From the first field that does not read, the rest count 0.
  EXPECT_EQ(fnParseStatistics("000012 000003 00x005 000002 000001 000000 000000000052"),
            (TGameStatistics{12, 3, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fnParseStatistics("000012"), (TGameStatistics{12}));
}

TEST(GameStatistics, StreaksFollowEachResult) {
  // The first game ever, won with no score.
  const TGameStatistics first = fnAfterGame({}, true, 0);
  EXPECT_EQ(fnStatisticsText(first), "000001 000000 000001 000000 000001 000000 000000000000 000000000000");
  // A loss after three wins, with a score of -5.
  const TGameStatistics lost = fnAfterGame(fnAfterGame(fnAfterGame(first, true, 0), true, 0), false, -5);
  EXPECT_EQ(lost, (TGameStatistics{3, 1, 3, 1, 0, 1, -5}));
  EXPECT_EQ(fnStatisticsText(lost).substr(42, 12), "-00000000005");
  // Winning again ends the losing streak and keeps the longest ones.
  EXPECT_EQ(fnAfterGame(lost, true, 10), (TGameStatistics{4, 1, 3, 1, 1, 0, 5}));
}

TEST(GameLog, LineHasTheFieldsAtTheirColumns) {
  TGameLogEntry entry;
  entry.end = {2026, 12, 10, 21, 5, 9};
  entry.elapsedSeconds = 125;
  entry.gameCode = 1;
  entry.gameName = "FreeCell";
  entry.player = "Ann";
  entry.won = true;
  entry.scoreKind = "01";
  entry.score = "-52";
  entry.gameNumber = "1631472442756";
  const std::string line = fnGameLogLine(entry);
  const std::string expected = "20261210 21:05:09 000125 0001 FreeCell" + std::string(42, ' ') + " Ann" +
                               std::string(27, ' ') + " Won  01 -52    1631472442756   7154";
  EXPECT_EQ(line, expected);
  ASSERT_EQ(line.size(), kGameLogLineLength);
  EXPECT_EQ(fnLogPlayer(line), "Ann");
  EXPECT_EQ(fnLogGameCode(line), 1);
  EXPECT_TRUE(fnLogWon(line));
  EXPECT_EQ(fnLogYearAndMonth(line), (std::pair{26, 12}));

  entry.won = false;
  const std::string lost = fnGameLogLine(entry);
  EXPECT_EQ(lost.substr(112, 8), "Lost 01 ");
  EXPECT_FALSE(fnLogWon(lost));
  EXPECT_EQ(fnLogPlayer(lost.substr(0, 100)), std::nullopt);
  // Names too long for their fields are cut; the line keeps its length.
  entry.gameName = std::string(60, 'g');
  entry.player = std::string(40, 'p');
  EXPECT_EQ(fnGameLogLine(entry).size(), kGameLogLineLength);
  EXPECT_EQ(fnLogPlayer(fnGameLogLine(entry)), std::string(30, 'p'));
}

TEST(ProtectedValue, ChecksumAndScrambleMatchValuesWorkedByHand) {
  // 7154: (55+27+2+1) + (49+49+0+2) + (53+79+2+3) + (52+104+2+4)
  EXPECT_EQ(fnChecksum("7154"), 484);
  EXPECT_EQ(fnChecksum(""), 0);
  EXPECT_EQ(fnShiftWithKey("0000000000"), "gdbfegdbfe");
  EXPECT_EQ(fnUnshiftWithKey("gdbfegdbfe"), "0000000000");
  // Bytes past 127 wrap and come back.
  const std::string high = "\xF0\xFF~";
  EXPECT_EQ(fnUnshiftWithKey(fnShiftWithKey(high)), high);
}

TEST(ProtectedValue, LayoutsPutTheDigitsWhereTheFormatSays) {
  EXPECT_EQ(fnExtractNumber(TDigitLayout::A, "0120340560"), 123456);
  EXPECT_EQ(fnExtractNumber(TDigitLayout::B, "8812834856"), 123456);
  EXPECT_EQ(fnExtractNumber(TDigitLayout::C, "880808080808080808080848288"), std::nullopt);  // one short
  EXPECT_EQ(fnExtractNumber(TDigitLayout::C, "8808080808080808080808482888"), 42);
  EXPECT_EQ(fnExtractNumber(TDigitLayout::D, "8080808080808080808084828888"), 42);
  EXPECT_EQ(fnExtractNumber(TDigitLayout::A, "01 0340560"), std::nullopt);

  std::mt19937_64 random(7);
  for (const TDigitLayout layout : {TDigitLayout::A, TDigitLayout::B, TDigitLayout::C, TDigitLayout::D}) {
    for (const std::int64_t value : {0, 123456, -52}) {
      const std::string plain = fnInterleave(layout, value, random);
      EXPECT_EQ(plain.size(), static_cast<std::size_t>(fnLayoutLength(layout)));
      EXPECT_EQ(plain.find('9'), std::string::npos) << plain;  // fillers run 0-8 and these values hold no 9
      EXPECT_EQ(fnExtractNumber(layout, fnUnshiftWithKey(fnShiftWithKey(plain))), value) << plain;
    }
  }
}

TEST(GuardedValues, ReadValuesBuiltByHandAndRefuseEdits) {
  // 123456 in layout A, its checksum 1956 (of "0120340560"), shifted by 74265.
  EXPECT_EQ(fnReadGuardedValue(TDigitLayout::A, "gedfhkdglegdcojm", ""), 123456);
  // The same digits as a count of games won at game 0123: the key is checked too.
  EXPECT_EQ(fnReadGuardedValue(TDigitLayout::A, "gedfhkdglegdfojj", "GW-0123"), 123456);
  EXPECT_EQ(fnReadGuardedValue(TDigitLayout::A, "gedfhkdglegdfojj", "GW-0124"), std::nullopt);
  EXPECT_EQ(fnReadGuardedValue(TDigitLayout::A, "gedfhkdglegdcojn", ""), std::nullopt);  // checksum edited
  EXPECT_EQ(fnReadGuardedValue(TDigitLayout::A, "gedfhkdgmegdcojm", ""), std::nullopt);  // digit edited
  EXPECT_EQ(fnReadGuardedValue(TDigitLayout::A, "gedf", ""), std::nullopt);
  EXPECT_EQ(fnReadGuardedValue(TDigitLayout::B, fnZeroGuardedValue(), "GL-0001"), 0);

  std::mt19937_64 random(3);
  for (const TDigitLayout layout : {TDigitLayout::A, TDigitLayout::B}) {
    for (const std::int64_t value : {0, 1, -52, 999999}) {
      EXPECT_EQ(fnReadGuardedValue(layout, fnGuardedValue(layout, value, "GL-0007", random), "GL-0007"), value);
    }
  }
}

TEST(GuardedValues, OverallScoreAndTimeKeepTheirGuard) {
  std::mt19937_64 random(5);
  const TOverallScore overall{-1234, 98765};
  TOverallTexts stored = fnGuardedOverall(overall, random);
  EXPECT_EQ(stored.score.size(), 28u);
  EXPECT_EQ(fnUnshiftWithKey(stored.guard).substr(0, 4), "7154");
  EXPECT_EQ(fnReadGuardedOverall(stored), overall);

  const TOverallTexts missing{fnZeroGuardedValue(), fnZeroGuardedValue(), fnZeroOverallGuard()};
  EXPECT_EQ(fnReadGuardedOverall(missing), TOverallScore{});
  // A score raised by hand, even by re-shifting a real digit, no longer matches its guard.
  std::string plain = fnUnshiftWithKey(stored.score);
  plain[2] = plain[2] == '0' ? '1' : '0';
  stored.score = fnShiftWithKey(plain);
  EXPECT_EQ(fnReadGuardedOverall(stored), std::nullopt);
}

TEST(Progression, FourBytesAGameRebuiltFromTheLog) {
  // Game 0123 in 2026: bytes 33+1, 33+23, 33+26; March won is 103, lost 53.
  EXPECT_EQ(fnProgressionGroup({123, 26, 3, true}), "\x22\x38\x3B\x67");
  EXPECT_EQ(fnProgressionGroup({8001, 26, 12, false}), "\x71\x22\x3B\x3E");
  // Bytes past 127 stay bytes: game 9999 in 1999, December won.
  EXPECT_EQ(fnProgressionGroup({9999, 99, 12, true}), "\x84\x84\x84\x70");

  TGameLogEntry entry;
  entry.end = {2026, 3, 1, 10, 0, 0};
  entry.gameCode = 123;
  entry.player = "Ann";
  entry.won = true;
  std::vector<std::string> log = {fnGameLogLine(entry)};
  entry.player = "Bob";
  log.push_back(fnGameLogLine(entry));
  entry.player = "Ann";
  entry.won = false;
  entry.gameCode = 8001;
  entry.end.month = 12;
  log.push_back(fnGameLogLine(entry));
  log.push_back("damaged");
  const std::string rebuilt = fnProgressionFromLog(log, "Ann");
  EXPECT_EQ(rebuilt, "\x22\x38\x3B\x67\x71\x22\x3B\x3E");
  EXPECT_EQ(fnParseProgression(rebuilt + "\x22\x38"),
            (std::vector<TProgressionGame>{{123, 26, 3, true}, {8001, 26, 12, false}}));
  EXPECT_TRUE(fnParseProgression("\x22\x38\x3B\x10").empty());
}

}  // namespace
}  // namespace tablerun
