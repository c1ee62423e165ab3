// Rewrites of a sectioned file must leave either the old or the new bytes, never
// a mix: checked by failing each step of the swap, and by killing a rewriter.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "config/safe_replace.h"
#include "config/section_file.h"
#include "support/failing_file_system.h"
#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

using testing::TFailingFileSystem;
using testing::TStep;

const std::string kOriginal = "\r\n[A]\r\nWon=0003\r\n\r\n[B]\r\nWon=0001\r\nLost=0002\r\n\r\n[C]\r\nWon=9\r\n";

std::vector<std::string> TempFilesIn(const testing::TTempFolder& folder) {
  std::vector<std::string> temps;
  for (const std::string& name : TPosixFileSystem().ListFolder(folder.Path())) {
    if (name.starts_with("rpl")) temps.push_back(name);
  }
  return temps;
}

struct TRewrite {
  const char* name;
  std::function<bool(TSectionFile&)> run;
};

const std::vector<TRewrite>& Rewrites() {
  static const std::vector<TRewrite> rewrites{
      {"rewrite section",
       [](TSectionFile& file) {
         return file.RewriteSection("B", {{"Won", "1"}});
       }},
      {"longer value", [](TSectionFile& file) { return file.WriteValue("B", "Won", "00001"); }},
      {"new key", [](TSectionFile& file) { return file.WriteValue("B", "Streak", "1"); }},
      {"append section",
       [](TSectionFile& file) {
         return file.AppendSection("D", {{"Won", "1"}});
       }},
      {"replace in every line", [](TSectionFile& file) { return file.ReplaceInEveryLine(1, "Won", "Lost", {}); }},
  };
  return rewrites;
}

TEST(SafeRewrite, AFailedStepLeavesTheOriginalWhole) {
  struct TCase {
    TStep step;
    const char* message;  // empty: the expected text names the temporary file
    int cause;            // the errno the failing step leaves
  };
  const TCase cases[] = {
      {TStep::CreateTemp, "Error creating temp file. ", EACCES},
      {TStep::Write, "Write error on file ", ENOSPC},
      {TStep::SyncAndClose, "Write error on file ", EIO},
      {TStep::Rename, "", EXDEV},
  };
  for (const TCase& c : cases) {
    for (const TRewrite& rewrite : Rewrites()) {
      SCOPED_TRACE(std::string(rewrite.name) + " failing at step " + std::to_string(static_cast<int>(c.step)));
      testing::TTempFolder folder;
      folder.Write("stats.dat", kOriginal);
      TFailingFileSystem fs(c.step);
      testing::TRecordingScreen screen;
      TSectionFile file(fs, screen, folder / "stats.dat");

      EXPECT_FALSE(rewrite.run(file));
      const std::string cause = std::generic_category().message(c.cause);
      const std::string expected = *c.message != '\0' ? c.message + file.Path() + ": " + cause
                                                      : "Error in renaming the file: " + fs.lastTemp + "\r" +
                                                            "to: " + file.Path() + "\r" + cause;
      ASSERT_EQ(screen.messages.size(), 1u);
      EXPECT_EQ(screen.messages[0].text, expected);
      EXPECT_EQ(folder.Read("stats.dat"), kOriginal);
      EXPECT_TRUE(TempFilesIn(folder).empty());
    }
  }
}

TEST(SafeRewrite, TheSameRewritesSucceedWhenNothingFails) {
  for (const TRewrite& rewrite : Rewrites()) {
    SCOPED_TRACE(rewrite.name);
    testing::TTempFolder folder;
    folder.Write("stats.dat", kOriginal);
    TFailingFileSystem fs(TStep::None);
    testing::TRecordingScreen screen;
    TSectionFile file(fs, screen, folder / "stats.dat");

    EXPECT_TRUE(rewrite.run(file));
    EXPECT_NE(folder.Read("stats.dat"), kOriginal);
    EXPECT_TRUE(screen.messages.empty());
    EXPECT_TRUE(TempFilesIn(folder).empty());
  }
}

std::vector<TKeyValue> SeriesLines(int count, int width) {
  std::vector<TKeyValue> lines;
  for (int i = 0; i < count; ++i)
    lines.push_back(
        {"Game" + std::to_string(i), std::string(static_cast<std::size_t>(width), static_cast<char>('a' + i % 26))});
  return lines;
}

// Rewrites the file from one version to the other until killed.
[[noreturn]] void RunRewriter(const std::string& path, const std::vector<TKeyValue> (&versions)[2], int ready) {
  try {
    TPosixFileSystem fs;
    testing::TRecordingScreen screen;
    TSectionFile file(fs, screen, path);
    const char started = 1;
    if (::write(ready, &started, 1) != 1) ::_exit(2);
    // Bounded, so that a lost parent does not leave it running for ever.
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (int round = 1; std::chrono::steady_clock::now() < giveUp; ++round) {
      if (!file.RewriteSection("Series", versions[round % 2])) ::_exit(3);
    }
    ::_exit(0);
  } catch (...) {
    ::_exit(4);
  }
}

TEST(SafeRewrite, AKilledRewriterLeavesOneWholeVersion) {
  testing::TTempFolder folder;
  const std::string path = folder / "series.dat";
  TPosixFileSystem fs;
  testing::TRecordingScreen screen;
  TSectionFile file(fs, screen, path);
  const std::vector<TKeyValue> versions[2] = {SeriesLines(150, 20), SeriesLines(260, 33)};

  ASSERT_TRUE(file.CreateIfMissing());
  ASSERT_TRUE(file.AppendSection("Head", {{"Player", "Ann [Series]"}}));
  ASSERT_TRUE(file.AppendSection("Series", {}));
  ASSERT_TRUE(file.AppendSection("Tail", {{"Won", "0001"}}));
  std::string whole[2];
  for (int i : {1, 0}) {
    ASSERT_TRUE(file.RewriteSection("Series", versions[i]));
    whole[i] = folder.Read("series.dat");
  }
  ASSERT_GT(whole[1].size(), whole[0].size() + 4000);

  const unsigned seed = std::random_device()();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> delayMicroseconds(200, 4000);
  for (int round = 0; round < 30; ++round) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(ready[0]);
      RunRewriter(path, versions, ready[1]);
    }
    ::close(ready[1]);
    char started = 0;
    const bool childStarted = ::read(ready[0], &started, 1) == 1;
    ::close(ready[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(childStarted);
    ASSERT_TRUE(WIFSIGNALED(status)) << "rewriter ended by itself, status " << status;

    const std::string now = folder.Read("series.dat");
    ASSERT_TRUE(now == whole[0] || now == whole[1]) << "round " << round << ": " << now.size() << " bytes";
  }

  // What the kills left behind goes at the next start, once old enough.
  const std::string survivor = folder.Read("series.dat");
  const std::vector<std::string> orphans = TempFilesIn(folder);
  const auto later = std::chrono::duration_cast<std::chrono::seconds>(
                         std::chrono::system_clock::now().time_since_epoch() + std::chrono::hours(1))
                         .count();
  EXPECT_EQ(fnRemoveStaleTemporaryFiles(fs, folder.Path(), later), static_cast<int>(orphans.size()));
  EXPECT_TRUE(TempFilesIn(folder).empty());
  EXPECT_EQ(folder.Read("series.dat"), survivor);
}

}  // namespace
}  // namespace tablerun
