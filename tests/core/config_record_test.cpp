#include "config/config_record.h"

#include <gtest/gtest.h>

namespace tablerun {
namespace {

TEST(ConfigRecord, StartsBlankWithTheStoreName) {
  TConfigRecord record;
  EXPECT_EQ(record.Read(1, 20), "Cfg.dat");
  EXPECT_EQ(record.Read(62, 4), "");
  EXPECT_EQ(record.Read(701, 200), "");
}

TEST(ConfigRecord, WriteStripsLeadingBlanksAndFitsTheWidth) {
  TConfigRecord record;
  record.Write(62, 4, "  12");
  EXPECT_EQ(record.Read(62, 4), "12");
  EXPECT_EQ(record.Read(62, 5), "12");  // neighbour untouched
  record.Write(189, 50, std::string(60, 'x'));
  EXPECT_EQ(record.Read(189, 60), std::string(50, 'x'));
  record.Write(66, 1, "Y");
  EXPECT_TRUE(record.IsYes(66));
}

TEST(ConfigRecord, BlocksAreSeparateAndTheThirdGrows) {
  TConfigRecord record;
  record.Write(251, 1, "Z");
  EXPECT_EQ(record.Read(251, 1), "Z");
  EXPECT_EQ(record.Read(1, 1), "C");
  record.Write(701, 200, "bookmark.gam");
  EXPECT_EQ(record.Read(701, 200), "bookmark.gam");
  record.Write(250, 1, "X");  // positions 250, 500 and 1000+ are not used
  record.Write(1000, 1, "X");
  EXPECT_EQ(record.Read(250, 1), "");
  EXPECT_EQ(record.Read(1000, 1), "");
  record.Reset();
  EXPECT_EQ(record.Read(701, 200), "");
  EXPECT_EQ(record.Read(251, 1), "");
}

}  // namespace
}  // namespace tablerun
