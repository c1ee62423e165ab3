// The code that publishes one game's counts: what stands where once it is
// unscrambled.
#include "records/single_game_code.h"

#include <gtest/gtest.h>

#include "config/file_system.h"
#include "records/protected_value.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

// The characters that are not random, "." where a random digit stands, and
// the highest digit each random place may take.
constexpr std::string_view kGame0123Mark = "037.15.4.3.0.12.3.";
constexpr std::string_view kHighestRandom = "...1..8.8.4.8..2.8";

TEST(SingleGameCode, GameSaltAndRandomDigitsStandInTheirPlaces) {
  const TInternetCountTexts counts{"0120340560001956", "0012034056002017"};
  for (std::uint64_t seed = 0; seed < 200; ++seed) {
    std::mt19937_64 random(seed);
    const std::string code = fnSingleGameCode(123, counts, random);
    ASSERT_EQ(code.size(), kSingleGameCodeLength);
    const std::string plain = fnUnshiftWithKey(code);
    for (std::size_t i = 0; i < kGame0123Mark.size(); ++i) {
      if (kGame0123Mark[i] != '.') {
        ASSERT_EQ(plain[i], kGame0123Mark[i]) << "place " << i;
      } else {
        ASSERT_GE(plain[i], '0') << "place " << i;
        ASSERT_LE(plain[i], kHighestRandom[i]) << "place " << i;
      }
    }
    EXPECT_EQ(plain.substr(18, 20), "01203405600012034056");
    EXPECT_EQ(plain.substr(38), std::to_string(100000000 + fnChecksum(plain.substr(0, 38))).substr(1));
  }
}

TEST(SingleGameCode, CarriesTheStoredCountsOfThePlayersGame) {
  testing::TTempFolder temp;
  TPosixFileSystem fs;
  testing::TRecordingScreen screen;
  TRecordsFolder folder(fs, screen, temp.Path());
  folder.EnsureFiles("Ann");
  std::mt19937_64 random(7);
  for (int i = 0; i < 31; ++i) fnCountInternetGame(folder, 42, "Ann", i % 3 == 0, random);
  fnCountInternetGame(folder, 42, "Bob", true, random);

  const auto code = fnReadSingleGameCode(folder, 42, "Ann", random);
  ASSERT_TRUE(code);
  const std::string plain = fnUnshiftWithKey(*code);
  EXPECT_EQ(plain.substr(0, 2), "02");
  EXPECT_EQ(plain.substr(11, 1) + plain.substr(13, 2) + plain.substr(16, 1), "0042");
  EXPECT_EQ(fnExtractNumber(TDigitLayout::A, plain.substr(18, 10)), 11);
  EXPECT_EQ(fnExtractNumber(TDigitLayout::B, plain.substr(28, 10)), 20);

  std::string file = temp.Read("Stat_uni.dat");
  file[file.find("GL-0042=") + 10] ^= 1;
  temp.Write("Stat_uni.dat", file);
  EXPECT_FALSE(fnReadSingleGameCode(folder, 42, "Ann", random));
  EXPECT_FALSE(temp.Exists("Stat_uni.dat"));
}

}  // namespace
}  // namespace tablerun
