#include "config/config_record.h"

#include <gtest/gtest.h>

namespace tablerun {
namespace {

constexpr TConfigField kBookmark{701, 200};  // a long field in the third block

TEST(ConfigRecord, StartsBlankWithTheStoreName) {
  TConfigRecord record;
  EXPECT_EQ(record.Read(cfg::kStoreName), "Cfg.dat");
  EXPECT_EQ(record.Read(cfg::kGame), "");
  EXPECT_EQ(record.Read(kBookmark), "");
}

TEST(ConfigRecord, WriteStripsLeadingBlanksAndFitsTheWidth) {
  TConfigRecord record;
  record.Write(cfg::kGame, "  12");
  EXPECT_EQ(record.Read(cfg::kGame), "12");
  EXPECT_EQ(record.Read({cfg::kGame.position, 5}), "12");  // neighbour untouched
  record.Write(cfg::kGameName, std::string(60, 'x'));
  EXPECT_EQ(record.Read({cfg::kGameName.position, 60}), std::string(50, 'x'));
  record.Write(cfg::kShowTime, "Y");
  EXPECT_TRUE(record.IsYes(cfg::kShowTime));
}

TEST(ConfigRecord, BlocksAreSeparateAndTheThirdGrows) {
  TConfigRecord record;
  record.Write(cfg::kDoubleToTableau, "Z");
  EXPECT_EQ(record.Read(cfg::kDoubleToTableau), "Z");
  EXPECT_EQ(record.Read({cfg::kStoreName.position, 1}), "C");
  record.Write(kBookmark, "bookmark.gam");
  EXPECT_EQ(record.Read(kBookmark), "bookmark.gam");
  record.Write({250, 1}, "X");  // positions 250, 500 and 1000+ are not used
  record.Write({1000, 1}, "X");
  EXPECT_EQ(record.Read({250, 1}), "");
  EXPECT_EQ(record.Read({1000, 1}), "");
  record.Reset();
  EXPECT_EQ(record.Read(kBookmark), "");
  EXPECT_EQ(record.Read(cfg::kDoubleToTableau), "");
}

}  // namespace
}  // namespace tablerun
