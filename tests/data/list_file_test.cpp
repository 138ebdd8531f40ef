#include "data/list_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/pipe_file.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using Names = std::vector<std::string>;

class ListFileTest : public ::testing::Test {
 protected:
  ListFileResult readText(const std::string& text) {
    const std::string path = dir.file("string.kqstr");
    testing::writeText(path, text);
    return readListFile(path);
  }

  // Relative names come back resolved against the list file's folder.
  Names inDir(const Names& names) const {
    Names resolved;
    for (const std::string& name : names) {
      resolved.push_back(dir.file(name));
    }
    return resolved;
  }

  testing::TempDir dir;
};

std::string numberedLines(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += "p" + std::to_string(i) + ".kqvw\n";
  }
  return text;
}

TEST_F(ListFileTest, BlankLinesAndCarriageReturnsAreSkipped) {
  const ListFileResult result = readText(
      "\xEF\xBB\xBF"
      "a.kqvw\r\n\r\n\n  \t\r\nb c.kqvw\n\r\nlast.kqvw");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.names, inDir({"a.kqvw", "b c.kqvw", "last.kqvw"}));
  EXPECT_TRUE(result.warnings.empty());

  const ListFileResult empty = readText("\n\r\n");
  EXPECT_TRUE(empty.ok);
  EXPECT_TRUE(empty.names.empty());
}

TEST_F(ListFileTest, LongLinesAreSkippedWholeAndReported) {
  const std::string longest(kMaxPathLength, 'x');
  const std::string tooLong(kMaxPathLength + 1, 'y');
  const std::string huge(1'000'000, 'z');
  const ListFileResult result =
      readText("a\n" + longest + "\r\n" + tooLong + "\n" + huge + "\r\nb\n" + tooLong + "\r");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.names, inDir({"a", longest, "b"}));
  EXPECT_EQ(result.warnings, (Names{"line 3 is longer than 255 characters, skipped",
                                    "line 4 is longer than 255 characters, skipped",
                                    "line 6 is longer than 255 characters, skipped"}));
}

TEST_F(ListFileTest, NulBytesAndManyBadLinesAreReportedBriefly) {
  std::string text = std::string("a\0b\n", 4) + "ok\n";
  for (int i = 0; i < 30; ++i) {
    text += std::string(300, 'q') + "\n";
  }
  const ListFileResult result = readText(text);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.names, inDir({"ok"}));
  ASSERT_EQ(result.warnings.size(), 11U);
  EXPECT_EQ(result.warnings.front(), "line 1 holds a NUL byte, skipped");
  EXPECT_EQ(result.warnings.back(), "21 more lines were skipped");
}

TEST_F(ListFileTest, OnlyTheFirst2000NamesAreUsed) {
  const ListFileResult exact = readText(numberedLines(kMaxStringNames) + "\n\n\r\n");
  ASSERT_TRUE(exact.ok);
  EXPECT_EQ(exact.names.size(), kMaxStringNames);
  EXPECT_TRUE(exact.warnings.empty());

  const ListFileResult many = readText(numberedLines(100'000));
  ASSERT_TRUE(many.ok);
  ASSERT_EQ(many.names.size(), kMaxStringNames);
  EXPECT_EQ(many.names.back(), dir.file("p1999.kqvw"));
  EXPECT_EQ(many.warnings, (Names{"only the first 2000 names are used"}));
}

TEST_F(ListFileTest, ManyBlankLinesDoNotCount) {
  const ListFileResult result = readText(std::string(100'000, '\n') + "far.kqvw\n");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.names, inDir({"far.kqvw"}));
}

TEST_F(ListFileTest, AbsoluteNamesAreKeptAsWritten) {
  const ListFileResult result = readText("/data/job/p1.kqvw\nsub/p2.kqvw\n");
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.names, (Names{"/data/job/p1.kqvw", dir.file("sub/p2.kqvw")}));
}

TEST_F(ListFileTest, UnreadableFileGivesAnErrorAndNoNames) {
  const ListFileResult missing = readListFile(dir.file("missing.kqstr"));
  EXPECT_FALSE(missing.ok);
  EXPECT_TRUE(missing.names.empty());
  EXPECT_NE(missing.error.find("missing.kqstr"), std::string::npos);

  const ListFileResult folder = readListFile(dir.path().string());
  EXPECT_FALSE(folder.ok);
  EXPECT_TRUE(folder.names.empty());
  EXPECT_FALSE(folder.error.empty());
}

}  // namespace
}  // namespace ductora
