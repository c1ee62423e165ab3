#include "config/section_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/recording_screen.h"
#include "support/temp_folder.h"

namespace tablerun {
namespace {

class SectionFileTest : public ::testing::Test {
 protected:
  // Writes bytes as the file and returns the engine on it.
  TSectionFile With(const std::string& bytes) {
    folder.Write(kName, bytes);
    return Engine();
  }
  TSectionFile Engine() { return TSectionFile(fs, screen, folder / kName); }
  std::string Bytes() const { return folder.Read(kName); }

  static constexpr const char* kName = "stats.dat";
  testing::TTempFolder folder;
  TPosixFileSystem fs;
  testing::TRecordingScreen screen;
};

// A file whose header line "[Target]" starts at exactly offset, after filler lines.
std::string WithHeaderAt(std::size_t offset) { return std::string(offset - 2, 'x') + "\r\n[Target]\r\nWon=0007\r\n"; }

TEST_F(SectionFileTest, AppendedSectionsAreLaidOutByteForByte) {
  auto file = Engine();
  ASSERT_TRUE(file.CreateIfMissing());
  EXPECT_EQ(Bytes(), "");
  ASSERT_TRUE(file.AppendSection("Klondike", {{"Won", "0003"}, {"Lost", "0001"}}));
  ASSERT_TRUE(file.AppendSection("Spider", {}));
  EXPECT_EQ(Bytes(), "\r\n[Klondike]\r\nWon=0003\r\nLost=0001\r\n\r\n[Spider]\r\n");
  ASSERT_TRUE(file.CreateIfMissing());  // leaves an existing file alone
  EXPECT_EQ(file.ListSections(), (std::vector<std::string>{"Klondike", "Spider"}));
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(SectionFileTest, WriteValueChangesOneLineAndKeepsTheRest) {
  const std::string rest = "\r\n[B]\r\nWon=0009\r\n";
  struct TCase {
    const char* what;
    std::string before;
    const char* section;
    const char* key;
    const char* value;
    std::string after;
  };
  const TCase cases[] = {
      {"same length keeps the next line", "\r\n[A]\r\nWon=0003\r\nLost=0001\r\n" + rest, "A", "Won", "0004",
       "\r\n[A]\r\nWon=0004\r\nLost=0001\r\n" + rest},
      {"spaced key", "\r\n[A]\r\nWon =0003\r\n" + rest, "A", "Won", "0004", "\r\n[A]\r\nWon=0004\r\n" + rest},
      {"longer value rewrites, order kept", "\r\n[A]\r\nWon=3\r\nLost=1\r\n" + rest, "A", "Won", "12",
       "\r\n[A]\r\nWon=12\r\nLost=1\r\n\r\n" + rest.substr(2)},
      {"shorter value rewrites", "\r\n[A]\r\nWon=0003\r\n\r\nLost=0001\r\n" + rest, "A", "Lost", "1",
       "\r\n[A]\r\nWon=0003\r\nLost=1\r\n\r\n" + rest.substr(2)},
      {"missing key goes at the section's end", "\r\n[A]\r\nWon=0003\r\n" + rest, "A", "Lost", "0002",
       "\r\n[A]\r\nWon=0003\r\nLost=0002\r\n\r\n" + rest.substr(2)},
      {"last section", "\r\n[A]\r\nWon=0003\r\n", "A", "Won", "103", "\r\n[A]\r\nWon=103\r\n\r\n"},
      {"header without a line break", "\r\n[A]", "A", "Won", "1", "\r\n[A]\r\nWon=1\r\n\r\n"},
      {"section at the file's start", "[A]\r\nWon=3\r\n" + rest, "A", "Won", "44",
       "[A]\r\nWon=44\r\n\r\n" + rest.substr(2)},
      {"missing section is appended", "\r\n[A]\r\nWon=3\r\n", "C", "Won", "1",
       "\r\n[A]\r\nWon=3\r\n\r\n[C]\r\nWon=1\r\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto file = With(c.before);
    EXPECT_TRUE(file.WriteValue(c.section, c.key, c.value));
    EXPECT_EQ(Bytes(), c.after);
  }
  EXPECT_TRUE(screen.messages.empty());
}

TEST_F(SectionFileTest, RewriteSectionReplacesOnlyThatBody) {
  struct TCase {
    const char* what;
    std::string before;
    std::string after;
  };
  const TCase cases[] = {
      {"between others", "\r\n[A]\r\nx=1\r\n\r\n[S]\r\nold=1\r\nolder=2\r\n\r\n[B]\r\ny=2\r\n",
       "\r\n[A]\r\nx=1\r\n\r\n[S]\r\nk=v\r\nw=\r\n\r\n[B]\r\ny=2\r\n"},
      {"empty section right before another", "[S]\r\n[B]\r\ny=2\r\n", "[S]\r\nk=v\r\nw=\r\n\r\n[B]\r\ny=2\r\n"},
      {"bare line feeds", "[S]\nold=1\n[B]\ny=2\n", "[S]\nk=v\r\nw=\r\n\r\n[B]\ny=2\n"},
      {"absent section", "\r\n[A]\r\nx=1\r\n", "\r\n[A]\r\nx=1\r\n\r\n[S]\r\nk=v\r\nw=\r\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto file = With(c.before);
    EXPECT_TRUE(file.RewriteSection("S", {{"k", "v"}, {"w", ""}}));
    EXPECT_EQ(Bytes(), c.after);
  }
}

TEST_F(SectionFileTest, FindsAHeaderSplitAcrossTheChunkBoundary) {
  // Offsets put the line break, the "[" or the "]" on either side of 8192.
  for (const std::size_t offset : {2u, 8184u, 8185u, 8186u, 8190u, 8191u, 8192u, 8193u, 8194u, 16380u, 16384u}) {
    SCOPED_TRACE(offset);
    auto file = With(WithHeaderAt(offset));
    EXPECT_EQ(file.FindSection("Target"), std::optional<std::int64_t>(offset));
    EXPECT_EQ(file.ReadValue("Target", "Won", "").value, "0007");
  }
  auto atStart = With("[Target]\r\nWon=1\r\n");
  EXPECT_EQ(atStart.FindSection("Target"), std::optional<std::int64_t>(0));
}

TEST_F(SectionFileTest, BracketsInsideAValueAreNoHeader) {
  // The decoy's "[Target]" starts at 8188, across the first chunk boundary.
  const std::string head = "\r\n[Names]\r\n";
  const std::string decoy = "Player=Bob [Target]\r\n";
  const std::string filler(8188 - head.size() - decoy.find('['), 'x');
  const std::string before = head + filler + decoy + std::string(9000, 'y') + "\r\n";
  auto file = With(before + "[Target]\r\nWon=0007\r\n");
  EXPECT_EQ(file.FindSection("Target"), std::optional<std::int64_t>(before.size()));
  EXPECT_EQ(file.ReadValue("Target", "Won", "none").value, "0007");
  EXPECT_EQ(file.ReadSectionLines("Target"), std::vector<std::string>{"Won=0007"});

  auto onlyDecoy = With("\r\n[Names]\r\nPlayer=[Target]\r\nWon=1\r\n");
  EXPECT_EQ(onlyDecoy.FindSection("Target"), std::nullopt);
  EXPECT_EQ(onlyDecoy.ReadValue("Target", "Won", "none").value, "none");
  ASSERT_TRUE(onlyDecoy.WriteValue("Target", "Won", "2"));
  EXPECT_EQ(Bytes(), "\r\n[Names]\r\nPlayer=[Target]\r\nWon=1\r\n\r\n[Target]\r\nWon=2\r\n");
}

TEST_F(SectionFileTest, ReadValueFindsTheKeyOnlyWithinItsSection) {
  auto file = With(
      "\r\n[A]\r\nxWon=1\r\nWon =2\r\nWon=3  \r\nName=Ann Lee\r\nEmpty=\r\n"
      "\r\n[Bare]\r\n[B]\r\nOther=4\r\n");
  struct TCase {
    const char* section;
    const char* key;
    bool found;
    const char* value;
  };
  const TCase cases[] = {
      {"A", "Won", true, "3"},  // "=" before " =", trailing blanks gone
      {"A", "Name", true, "Ann Lee"},  {"A", "Empty", true, ""},  {"A", "Other", false, "def"},  // belongs to B
      {"Bare", "Other", false, "def"}, {"B", "Other", true, "4"}, {"Missing", "Won", false, "def"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    const TFoundValue read = file.ReadValue(c.section, c.key, "def");
    EXPECT_EQ(read.found, c.found);
    EXPECT_EQ(read.value, c.value);
  }
  auto spaced = With("[A]\r\nWon =2 \r\n");
  EXPECT_EQ(spaced.ReadValue("A", "Won", "").value, "2");
}

TEST_F(SectionFileTest, ReadValueReadsASectionLongerThanAChunk) {
  auto file = With("[A]\r\n" + std::string(20000, 'z') + "\r\nLast=9\r\n[B]\r\nLast=8\r\n");
  EXPECT_EQ(file.ReadValue("A", "Last", "").value, "9");

  // The line break before "[B]" ends the first 8192 bytes read of A.
  const std::string head = "[A]\r\nFirst=1\r\n";
  auto split = With(head + std::string(8192 - head.size() - 2, 'z') + "\r\n[B]\r\nOnlyB=2\r\n");
  EXPECT_EQ(split.ReadValue("A", "First", "").value, "1");
  EXPECT_FALSE(split.ReadValue("A", "OnlyB", "").found);
  EXPECT_EQ(split.ReadValue("B", "OnlyB", "").value, "2");
}

TEST_F(SectionFileTest, ReadValuesTakesEachKeysFirstLine) {
  auto file = With("\r\n[A]\r\nWon=0003\r\nLost =0001 \r\nWon=9999\r\nAt=a=b\r\n\r\n[B]\r\nMissing=1\r\n");
  std::vector<TKeyValue> entries{{"Won", "d1"}, {"Lost", "d2"}, {"At", "d3"}};
  EXPECT_TRUE(file.ReadValues("A", entries));
  EXPECT_EQ(entries, (std::vector<TKeyValue>{{"Won", "0003"}, {"Lost", "0001 "}, {"At", "a=b"}}));

  entries = {{"Won", "d1"}, {"Missing", "d2"}};
  EXPECT_FALSE(file.ReadValues("A", entries));
  EXPECT_EQ(entries, (std::vector<TKeyValue>{{"Won", "0003"}, {"Missing", "d2"}}));
}

TEST_F(SectionFileTest, ListsSectionsAndReadsWholeLines) {
  auto file = With("\r\n[A]\r\nWon=1\r\n\r\nnot a pair\r\n\r\n[B b]\r\n[]\r\n[C]");
  EXPECT_EQ(file.ListSections(), (std::vector<std::string>{"A", "B b", "", "C"}));
  EXPECT_EQ(file.ReadSectionLines("A"), (std::vector<std::string>{"Won=1", "not a pair"}));
  EXPECT_TRUE(file.ReadSectionLines("B b").empty());
}

TEST_F(SectionFileTest, AMissingFileReadsAsEmptyButCannotBeWritten) {
  auto file = Engine();
  EXPECT_EQ(file.FindSection("A"), std::nullopt);
  const TFoundValue read = file.ReadValue("A", "Won", "0000");
  EXPECT_FALSE(read.found);
  EXPECT_EQ(read.value, "0000");
  std::vector<TKeyValue> entries{{"Won", "0000"}};
  EXPECT_FALSE(file.ReadValues("A", entries));
  EXPECT_EQ(entries[0].value, "0000");
  EXPECT_TRUE(file.ListSections().empty());
  EXPECT_TRUE(file.ReadSectionLines("A").empty());

  const std::string expected = "Cannot open file " + file.Path();
  const auto throwsOpenError = [&](auto write) {
    try {
      write();
    } catch (const TFileOpenError& error) {
      return error.what() == expected;
    }
    return false;
  };
  EXPECT_TRUE(throwsOpenError([&] { file.WriteValue("A", "Won", "1"); }));
  EXPECT_TRUE(throwsOpenError([&] { file.RewriteSection("A", entries); }));
  EXPECT_TRUE(throwsOpenError([&] { file.AppendSection("A", entries); }));
  EXPECT_TRUE(throwsOpenError([&] { file.ReplaceInEveryLine(1, "a", "b", {}); }));
  EXPECT_FALSE(folder.Exists(kName));
}

TEST_F(SectionFileTest, LineBreaksInNamesOrValuesAreRefused) {
  const std::string before = "\r\n[A]\r\nWon=0003\r\n";
  auto file = With(before);
  EXPECT_FALSE(file.WriteValue("A", "Won", "00\r\n[B]"));
  EXPECT_FALSE(file.WriteValue("A\r\n[B]", "Won", "0004"));
  EXPECT_FALSE(file.AppendSection("C]", {{"Won", "0001"}}));
  EXPECT_FALSE(file.RewriteSection("A", {{"Wo\nn", "0001"}}));
  EXPECT_EQ(Bytes(), before);
}

TEST_F(SectionFileTest, ReplaceInEveryLineMatchesAtThePositionAndReportsProgress) {
  std::string before;
  std::string after;
  for (int i = 0; i < 24; ++i) {
    const bool match = i % 3 == 0;
    before += std::string(match ? "[Player 1]" : "[Player 2]") + "\r\n";
    after += std::string(match ? "[Ann]" : "[Player 2]") + "\r\n";
  }
  // Not at position 2, and a last line with no line break.
  before += "x=Player 1";
  after += "x=Player 1";
  auto file = With(before);
  std::vector<int> reported;
  ASSERT_TRUE(file.ReplaceInEveryLine(2, "Player 1", "Ann", [&](int done) { reported.push_back(done); }));
  EXPECT_EQ(Bytes(), after);
  EXPECT_EQ(reported, (std::vector<int>{10, 20}));

  EXPECT_TRUE(file.ReplaceInEveryLine(0, "", "!", {}));
  EXPECT_EQ(Bytes(), after);
  ASSERT_TRUE(file.ReplaceInEveryLine(6, "", "!", {}));  // an empty text stands at any position in reach
  EXPECT_EQ(Bytes().substr(0, 7), "[Ann]!\r");
}

}  // namespace
}  // namespace tablerun
