// Every statistics file stays whole, whatever step of recording a game fails
// and wherever a recording program is killed.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "records/game_log_file.h"
#include "records/overall_scores.h"
#include "records/progression.h"
#include "records/statistics_records.h"
#include "support/records_world.h"

namespace tablerun {
namespace {

using testing::TRecordsWorld;
using testing::TStep;

void ExpectSectionValues(TRecordsWorld& world, std::string_view file, std::size_t length) {
  TSectionFile sections = world.Files().Sections(file);
  for (const std::string& section : sections.ListSections()) {
    if (section == "Version" || section == "Clear scores") continue;
    for (const std::string& line : sections.ReadSectionLines(section))
      EXPECT_EQ(line.size() - line.find('=') - 1, length) << file << " [" << section << "] " << line;
  }
}

void ExpectEveryFileWhole(TRecordsWorld& world) {
  ExpectSectionValues(world, records_file::kStatistics, 67);
  ExpectSectionValues(world, records_file::kHiScores, 85);
  TRecordsFolder files = world.Files();
  for (const std::string& line : fnReadLogLines(files)) EXPECT_EQ(line.size(), kGameLogLineLength);
  const std::string progression = world.folder.Read("Stat_prg_Ann.dat");
  EXPECT_EQ(fnParseProgression(progression).size() * 4, progression.size());
  for (const char* player : {"Ann", "Bob"}) {
    EXPECT_TRUE(fnReadStoredOverall(files, player)) << player;
    EXPECT_TRUE(fnGameBests(files, player, fnBuiltInGames(world.state))) << player;
  }
  EXPECT_TRUE(world.screen.messages.empty() ||
              world.screen.messages.back().text.find("corrupted") == std::string::npos);
}

void RecordSomeGames(TRecordsWorld& world, int games) {
  world.state.mainGame.Set(entries::kFreshNumber, 1);
  for (int i = 0; i < games; ++i) {
    world.ChooseGame(i % 2);
    world.Play(i % 3 == 0 ? "Bob" : "Ann", 10 + i);
    world.Record(i % 4 != 0, 30 + i);
  }
}

TEST(GameRecordingFaults, AFailedStepOfAnyRewriteLeavesEveryFileWhole) {
  for (const TStep step : {TStep::CreateTemp, TStep::Write, TStep::SyncAndClose, TStep::Rename}) {
    TRecordsWorld world;
    RecordSomeGames(world, 4);
    world.fs.Fail(step);
    world.Play("Ann", 99);
    world.Record(true);
    world.fs.Fail(TStep::None);
    ExpectEveryFileWhole(world);
    for (const std::string& name : world.fs.ListFolder(world.folder.Path()))
      EXPECT_FALSE(name.starts_with("rpl")) << "a temporary file was left: " << name;
    // And the next game is recorded in full.
    RecordSomeGames(world, 1);
    ExpectEveryFileWhole(world);
  }
}

TEST(GameRecordingFaults, KillingARecordingProgramLeavesEveryFileWhole) {
  TRecordsWorld world;
  RecordSomeGames(world, 2);
  std::mt19937 random(7);
  for (int round = 0; round < 8; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (;;) RecordSomeGames(world, 1);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20 + random() % 80));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    ExpectEveryFileWhole(world);
  }
}

}  // namespace
}  // namespace tablerun
