#include "model/card_status_table.h"

#include <gtest/gtest.h>

#include <string>

namespace tablerun {
namespace {

TEST(CardStatusTable, RowsNameEveryCardFaceUp) {
  const TCardStatusTable table;
  const std::pair<int, const char*> rows[] = {
      {1, "CUORI_A        10011"},   {10, "CUORI_10       10101"},  {15, "QUADR_02       20151"},
      {37, "FIORI_J        30371"},  {52, "PICCH_K        40521"},  {53, "CUORI_A        10531"},
      {208, "PICCH_K        42081"}, {209, "JOKER          42091"}, {212, "JOKER          42121"},
  };
  for (const auto& [code, row] : rows) EXPECT_EQ(table.Row(code), row);
  for (int code = 1; code <= kCardCount; ++code) {
    const std::string_view row = table.Row(code);
    ASSERT_EQ(row.size(), TCardStatusTable::kRowLength) << code;
    EXPECT_EQ(row.substr(16, 3), fnCardText(code));
    EXPECT_FALSE(table.fnIsCardFaceDown(code));
  }
  EXPECT_EQ(table.Row(0), "");
  EXPECT_EQ(table.Row(213), "");
}

TEST(CardStatusTable, TurningRewritesOnlyTheStatusCharacter) {
  TCardStatusTable table;
  EXPECT_TRUE(table.fnSetCardFace(53, TCardFace::Down));
  EXPECT_EQ(table.Row(53), "CUORI_A        10530");
  EXPECT_TRUE(table.fnIsCardFaceDown(53));
  EXPECT_FALSE(table.fnIsCardFaceDown(1));  // the same card of deck 1 is another card
  EXPECT_TRUE(table.fnSetCardFace(53, TCardFace::Up));
  EXPECT_FALSE(table.fnIsCardFaceDown(53));
}

TEST(CardStatusTable, CodesWithoutARow) {
  TCardStatusTable table;
  for (const int code : {0, -1, 213}) {
    EXPECT_TRUE(table.fnIsCardFaceDown(code)) << code;
    EXPECT_FALSE(table.fnSetCardFace(code, TCardFace::Up)) << code;
  }
}

// Faces of cards 1–5 from the bottom after one call on a face-up pile.
TEST(CardStatusTable, SetPileFacesByCount) {
  struct TCase {
    int n;
    TCardFace face;
    const char* faces;
  };
  const TCase cases[] = {
      {1, TCardFace::Down, "11110"}, {2, TCardFace::Down, "11100"},  {5, TCardFace::Down, "00000"},
      {9, TCardFace::Down, "00000"}, {-1, TCardFace::Down, "10101"}, {-2, TCardFace::Up, "01010"},
      {-3, TCardFace::Up, "10000"},  {0, TCardFace::Down, "11111"},  {-4, TCardFace::Down, "11111"},
  };
  for (const TCase& c : cases) {
    TCardStatusTable table;
    table.fnSetCardFace(99, TCardFace::Down);  // not in the pile: stays as it is
    table.fnSetPileFaces("001002003004005", c.n, c.face);
    std::string faces;
    for (int code = 1; code <= 5; ++code) faces += table.fnIsCardFaceDown(code) ? '0' : '1';
    EXPECT_EQ(faces, c.faces) << "n = " << c.n;
    EXPECT_TRUE(table.fnIsCardFaceDown(99));
    EXPECT_FALSE(table.fnIsCardFaceDown(6));
  }
}

TEST(CardStatusTable, SetPileFacesGivesTheStatusAsked) {
  TCardStatusTable table;
  table.fnSetPileFaces("010020030", 3, TCardFace::Down);
  table.fnSetPileFaces("010020030", 1, TCardFace::Up);
  EXPECT_TRUE(table.fnIsCardFaceDown(10));
  EXPECT_TRUE(table.fnIsCardFaceDown(20));
  EXPECT_FALSE(table.fnIsCardFaceDown(30));
}

}  // namespace
}  // namespace tablerun
