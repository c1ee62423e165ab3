#include "model/pile_names.h"

#include <gtest/gtest.h>

namespace tablerun {
namespace {

TEST(PileNames, ParsesEveryFormOfAPileName) {
  const std::pair<const char*, TPileRef> cases[] = {
      {"Mazzo", kMazzo},
      {"Mazzo_Vis", kMazzoVis},
      {"Mazzo_Waste", kMazzoWaste},
      {"Fila1", {TPileGroup::Fila, 0}},
      {"Fila01", {TPileGroup::Fila, 0}},
      {"Fila7", {TPileGroup::Fila, 6}},
      {"Fila07", {TPileGroup::Fila, 6}},
      {"Fila40", {TPileGroup::Fila, 39}},
      {"Dest01", {TPileGroup::Dest, 0}},
      {"Dest16", {TPileGroup::Dest, 15}},
      {"Appogg1", {TPileGroup::Appogg, 0}},
      {"Appogg12", {TPileGroup::Appogg, 11}},
  };
  for (const auto& [name, pile] : cases) EXPECT_EQ(fnParsePileName(name), pile) << name;
}

TEST(PileNames, RefusesWhatIsNoPile) {
  for (const char* name : {"",
                           "Fila",
                           "Fila0",
                           "Fila00",
                           "Fila41",
                           "Fila99",
                           "Fila007",
                           "Fila100",
                           "Fila1x",
                           "Fila-1",
                           "Fila+1",
                           "Fila 1",
                           "fila1",
                           "Dest0",
                           "Dest17",
                           "Appogg0",
                           "Appogg13",
                           "Appogg",
                           "Mazzo_Redeal",
                           "Mazzo_VisX",
                           "Selezionate_Dest",
                           "Dest_Autoplay",
                           "Waste",
                           "garbage\x01\xff"}) {
    EXPECT_EQ(fnParsePileName(name), std::nullopt) << '"' << name << '"';
  }
}

TEST(PileNames, NamesEveryPileAndReadsItBack) {
  for (const TPileGroup group : {TPileGroup::Mazzo, TPileGroup::Dest, TPileGroup::Fila, TPileGroup::Appogg}) {
    for (int entry = 0; entry < fnPileGroupSize(group); ++entry) {
      const TPileRef pile{group, entry};
      EXPECT_EQ(fnParsePileName(fnPileName(pile)), pile) << fnPileName(pile);
    }
    EXPECT_EQ(fnPileName({group, -1}), "");
    EXPECT_EQ(fnPileName({group, fnPileGroupSize(group)}), "");
  }
  EXPECT_EQ(fnPileName({TPileGroup::Fila, 6}), "Fila7");
  EXPECT_EQ(fnPileName({TPileGroup::Appogg, 11}), "Appogg12");
  EXPECT_EQ(fnPileName(kMazzoWaste), "Mazzo_Waste");
}

TEST(PileNames, KindFromTheLeadingCharacters) {
  const std::pair<const char*, int> cases[] = {
      {"Fila1", kKindFila},         {"Fila99", kKindFila},           {"Dest3", kKindDest},
      {"Dest_Autoplay", kKindDest}, {"Appogg2", kKindAppogg},        {"Mazzo_Vis", kKindMazzoVis},
      {"Mazzo", kKindMazzo},        {"Mazzo_Waste", kKindMazzo},     {"Mazzo_Redeal", kKindMazzo},
      {"Waste", kKindSecondWaste},  {"Selezionate_Dest", kKindNone}, {"", kKindNone},
      {"Fil", kKindNone},
  };
  for (const auto& [name, kind] : cases) EXPECT_EQ(fnPileKind(name), kind) << name;
}

}  // namespace
}  // namespace tablerun
