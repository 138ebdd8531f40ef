#include "data/strings/pipe_string.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "data/format/pipe_file.h"
#include "data/strings/list_file.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using Indices = std::vector<std::uint32_t>;
using Names = std::vector<std::string>;

std::string pipeName(std::size_t index) { return "p" + std::to_string(index) + ".kqvw"; }

// Pipe i of a test string is 10 + i inches long, so every offset sum is distinct.
float lengthOf(std::size_t index) { return 10.0F + static_cast<float>(index); }

// Stands in for the file reader: known file names get a wall matrix of the chosen length. Names
// from list files arrive resolved against the list's folder, so only the file name counts. The
// string's read-ahead thread calls it too.
class FakeFiles {
 public:
  void add(const std::string& name, float length) { lengths_[name] = length; }
  void addDamaged(const std::string& name, float length) {
    add(name, length);
    damaged_.push_back(name);
  }
  void addString(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) add(pipeName(i), lengthOf(i));
  }

  PipeLoader loader() {
    return [this](PipeFile& pipe, const std::string& path) {
      const std::string name = std::filesystem::path(path).filename().string();
      const std::lock_guard lock(mutex_);
      reads_.push_back(name);
      PipeReadResult result;
      pipe.path = path;  // a failing reader may leave things behind
      const auto found = lengths_.find(name);
      if (found == lengths_.end()) {
        result.error = "no such file";
        return result;
      }
      if (std::ranges::find(damaged_, name) != damaged_.end()) result.damage = "cut short";
      pipe.wallMatrix.deltaX = 0.5;
      pipe.wallMatrix.rows = static_cast<std::uint32_t>(found->second * 2) + 1;
      pipe.wallMatrix.columns = 1;
      pipe.wallMatrix.data.assign(pipe.wallMatrix.rows, 250);
      pipe.wallMatrix.length = found->second;
      result.opened = true;
      result.wallMatrixRead = true;
      return result;
    };
  }

  Names reads() const {
    const std::lock_guard lock(mutex_);
    return reads_;
  }

 private:
  mutable std::mutex mutex_;
  Names reads_;
  std::map<std::string, float> lengths_;
  Names damaged_;
};

Indices loadedIndices(const PipeString& string) {
  Indices indices;
  for (const PipeFile& pipe : string.loadedPipes()) indices.push_back(pipe.stringIndex);
  return indices;
}

Indices range(std::uint32_t first, std::uint32_t last) {
  Indices indices;
  for (std::uint32_t i = first; i <= last; ++i) indices.push_back(i);
  return indices;
}

void expectWindow(const PipeString& string, const Indices& loaded, std::uint32_t current) {
  EXPECT_EQ(loadedIndices(string), loaded);
  ASSERT_NE(string.current(), nullptr);
  EXPECT_EQ(string.currentIndex(), current);
  EXPECT_EQ(string.current()->stringIndex, current);
  float offset = 0.0F;
  for (const PipeFile& pipe : string.loadedPipes()) {
    if (&pipe == string.current()) break;
    offset += pipe.pipeLength();
  }
  EXPECT_FLOAT_EQ(string.currentOffset(), offset);
}

class PipeStringTest : public ::testing::Test {
 protected:
  // Writes a list file of pipe names and opens it on a fresh string.
  void openString(std::size_t count) {
    files.addString(count);
    ASSERT_TRUE(string.open(writeList(range(0, static_cast<std::uint32_t>(count) - 1))).ok);
  }

  std::string writeList(const Indices& indices) {
    std::string text;
    for (const std::uint32_t i : indices) text += pipeName(i) + "\n";
    return writeListText(text);
  }

  std::string writeListText(const std::string& text) {
    const std::string path = dir.file("list" + std::to_string(++lists_) + ".kqstr");
    testing::writeText(path, text);
    return path;
  }

  testing::TempDir dir;
  FakeFiles files;
  PipeString string{files.loader()};

 private:
  int lists_ = 0;
};

TEST_F(PipeStringTest, SevenNamesLoadTwoMoreThenDropTheHead) {
  openString(7);
  expectWindow(string, range(0, 4), 0);
  EXPECT_EQ(string.nameCount(), 7U);

  const std::vector<Indices> windows = {range(0, 5), range(0, 6), range(1, 6),
                                        range(2, 6), range(3, 6), range(4, 6)};
  for (std::uint32_t step = 0; step < windows.size(); ++step) {
    string.position = 3.0F;
    EXPECT_EQ(string.nextPipe(), 1);
    expectWindow(string, windows[step], step + 1);
    EXPECT_EQ(string.position, 0.0F);
  }
  EXPECT_EQ(files.reads(), (Names{pipeName(0), pipeName(1), pipeName(2), pipeName(3), pipeName(4),
                                  pipeName(5), pipeName(6)}));

  EXPECT_EQ(string.nextPipe(), 0);
  expectWindow(string, range(4, 6), 6);
  EXPECT_EQ(string.position, lengthOf(6));

  // Going back reloads what was dropped, one pipe per step.
  EXPECT_EQ(string.previousPipe(), -1);
  expectWindow(string, range(3, 6), 5);
  EXPECT_EQ(string.position, 0.0F);
}

TEST_F(PipeStringTest, AStepThatWouldDropAnEditedPipeAsksFirstAndARefusalMovesNothing) {
  openString(7);
  string.nextPipe();
  string.nextPipe();
  expectWindow(string, range(0, 6), 2);
  Names asked;
  bool allow = false;
  const DropCheck mayDrop = [&](PipeFile& pipe) {
    asked.push_back(std::filesystem::path(pipe.path).filename().string());
    return allow;
  };
  string.loadedPipes().front().unsavedChanges = true;
  string.loadedPipes().back().unsavedChanges = true;
  const std::size_t reads = files.reads().size();

  string.position = 3.0F;
  EXPECT_EQ(string.nextPipe(mayDrop), 0);      // would drop pipe 0
  EXPECT_EQ(string.previousPipe(mayDrop), 0);  // would drop pipe 6
  EXPECT_EQ(string.position, 3.0F);
  EXPECT_EQ(string.moveBy(-5.0F, mayDrop), 0);
  EXPECT_EQ(string.position, 0.0F);
  EXPECT_FALSE(string.jumpTo(5, mayDrop));
  expectWindow(string, range(0, 6), 2);
  EXPECT_EQ(files.reads().size(), reads);
  EXPECT_EQ(asked, (Names{pipeName(0), pipeName(6), pipeName(6), pipeName(0)}));

  allow = true;
  EXPECT_EQ(string.nextPipe(mayDrop), 1);
  expectWindow(string, range(1, 6), 3);
  EXPECT_EQ(asked.size(), 5U);  // unedited pipes go without asking
}

TEST_F(PipeStringTest, WindowSlidesBothWaysOverALongString) {
  openString(20);
  const auto window = [](std::uint32_t i) { return range(i < 4 ? 0 : i - 4, i + 4 < 20 ? i + 4 : 19); };
  for (std::uint32_t i = 1; i < 20; ++i) {
    ASSERT_EQ(string.nextPipe(), 1);
    expectWindow(string, window(i), i);
  }
  for (std::uint32_t i = 19; i > 0; --i) {
    ASSERT_EQ(string.previousPipe(), -1);
    expectWindow(string, window(i - 1), i - 1);
  }
}

TEST_F(PipeStringTest, TravelCrossesPipeEnds) {
  openString(3);
  EXPECT_EQ(string.moveBy(-2.0F), 0);  // before the first pipe
  EXPECT_EQ(string.position, 0.0F);
  EXPECT_EQ(string.moveBy(4.0F), 0);
  EXPECT_EQ(string.position, 4.0F);
  EXPECT_EQ(string.moveBy(lengthOf(0)), 1);
  expectWindow(string, range(0, 2), 1);
  EXPECT_EQ(string.position, 0.0F);
  EXPECT_EQ(string.moveBy(-0.5F), -1);
  expectWindow(string, range(0, 2), 0);
  EXPECT_EQ(string.position, lengthOf(0));
  EXPECT_EQ(string.moveBy(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(string.position, lengthOf(0));

  ASSERT_TRUE(string.jumpTo(3));
  EXPECT_EQ(string.moveBy(100.0F), 0);  // past the last pipe
  expectWindow(string, range(0, 2), 2);
  EXPECT_EQ(string.position, lengthOf(2));
}

TEST_F(PipeStringTest, JumpLoadsTheWindowAroundThePipe) {
  openString(20);
  string.position = 5.0F;
  ASSERT_TRUE(string.jumpTo(7));
  expectWindow(string, range(2, 10), 6);
  EXPECT_EQ(string.position, 0.0F);

  for (const std::int64_t first : {std::int64_t{0}, std::numeric_limits<std::int64_t>::min()}) {
    ASSERT_TRUE(string.jumpTo(first));
    expectWindow(string, range(0, 4), 0);
  }
  for (const std::int64_t last : {std::int64_t{21}, std::numeric_limits<std::int64_t>::max()}) {
    ASSERT_TRUE(string.jumpTo(last));
    expectWindow(string, range(15, 19), 19);
  }
  EXPECT_EQ(string.nameCount(), 20U);
}

TEST_F(PipeStringTest, EmptyStringIgnoresNavigation) {
  const auto expectEmpty = [this] {
    EXPECT_EQ(string.current(), nullptr);
    EXPECT_TRUE(string.loadedPipes().empty());
    EXPECT_EQ(string.currentLength(), 0.0F);
    EXPECT_EQ(string.nextPipe(), 0);
    EXPECT_EQ(string.previousPipe(), 0);
    EXPECT_EQ(string.moveBy(5.0F), 0);
    EXPECT_EQ(string.moveBy(-5.0F), 0);
    EXPECT_EQ(string.position, 0.0F);
    EXPECT_FALSE(string.browseFolder(BrowseDirection::kNext));
  };
  expectEmpty();
  EXPECT_FALSE(string.jumpTo(1));
  EXPECT_EQ(string.nameCount(), 0U);

  // Cleared but not reset: the names remain, nothing is loaded.
  openString(12);
  ASSERT_TRUE(string.jumpTo(8));
  string.clear();
  expectEmpty();
  EXPECT_EQ(string.nameCount(), 12U);
  ASSERT_TRUE(string.jumpTo(8));
  expectWindow(string, range(3, 11), 7);

  string.clear();
  string.reset();
  expectEmpty();
  EXPECT_EQ(string.nameCount(), 0U);
  EXPECT_EQ(string.currentIndex(), 0U);
}

TEST_F(PipeStringTest, UnreadableAndDamagedPipesKeepTheirPlaceAndAreReportedWithTheReason) {
  files.addString(3);
  files.addDamaged("cut.kqvw", 4.0F);
  ASSERT_TRUE(string.open(writeListText(pipeName(0) + "\nmissing.kqvw\ncut.kqvw\n" + pipeName(2) + "\n")).ok);
  expectWindow(string, range(0, 3), 0);
  const PipeFile& empty = *std::next(string.loadedPipes().begin());
  EXPECT_TRUE(empty.path.empty());
  EXPECT_FALSE(empty.wallMatrix.present());
  EXPECT_EQ(empty.pipeLength(), 0.0F);
  const FileProblem missing{dir.file("missing.kqvw"), "no such file"};
  EXPECT_EQ(string.unreadFiles(), std::vector{missing});
  EXPECT_EQ(string.takeUnreadFiles(), std::vector{missing});
  EXPECT_TRUE(string.unreadFiles().empty());
  EXPECT_EQ(string.takeDamagedFiles(), (std::vector<FileProblem>{{dir.file("cut.kqvw"), "cut short"}}));
  EXPECT_EQ(std::next(string.loadedPipes().begin(), 2)->pipeLength(), 4.0F);  // what could be read

  EXPECT_EQ(string.nextPipe(), 1);
  EXPECT_EQ(string.currentLength(), 0.0F);
  EXPECT_TRUE(string.unreadFiles().empty());
  // A jump reads the window again, and the missing file fails again.
  ASSERT_TRUE(string.jumpTo(3));
  EXPECT_EQ(string.unreadFiles(), std::vector{missing});
  string.clear();
  EXPECT_TRUE(string.unreadFiles().empty());
  EXPECT_TRUE(string.takeDamagedFiles().empty());
}

TEST_F(PipeStringTest, OpenDecidesByWhatTheNameContains) {
  files.add("a.DAT", 3.0F);
  files.add("b.dat", 4.0F);
  files.addString(3);
  const std::string list = writeList({0, 1, 2});
  const std::string oddList = list + ".old";
  std::filesystem::copy_file(list, oddList);

  ASSERT_TRUE(string.open(oddList).ok);
  expectWindow(string, range(0, 2), 0);
  for (const std::string& refused :
       {std::string("x.KQVW"), std::string("x.Dat"), std::string("notes.txt"), std::string(),
        std::string(kMaxPathLength, 'x') + ".kqvw", writeListText("\n\r\n")}) {
    const StringOpenResult result = string.open(refused);
    EXPECT_FALSE(result.ok) << refused;
    EXPECT_FALSE(result.error.empty());
  }
  EXPECT_NE(string.open(dir.file("none.kqstr")).error.find("none.kqstr"), std::string::npos);
  expectWindow(string, range(0, 2), 0);
  EXPECT_EQ(string.nameCount(), 3U);

  string.clear();
  string.reset();
  string.position = 2.0F;
  string.angle = 30.0F;
  ASSERT_TRUE(string.open("a.DAT").ok);
  expectWindow(string, {0}, 0);
  EXPECT_EQ(string.names(), (Names{"a.DAT"}));
  EXPECT_EQ(string.position, 0.0F);
  EXPECT_EQ(string.angle, 0.0F);
  EXPECT_EQ(string.currentLength(), 3.0F);
}

TEST_F(PipeStringTest, AppendingPipesExtendsTheString) {
  files.addString(12);
  for (std::size_t i = 0; i < 12; ++i) ASSERT_TRUE(string.open(pipeName(i)).ok);
  // Only a window's worth is read; the rest is read as the window slides.
  EXPECT_EQ(string.nameCount(), 12U);
  expectWindow(string, range(0, 8), 0);
  ASSERT_TRUE(string.jumpTo(12));
  expectWindow(string, range(7, 11), 11);

  // A list appended behind a string keeps the current pipe and fills the window ahead.
  files.add("x.kqvw", 1.0F);
  string.clear();
  string.reset();
  ASSERT_TRUE(string.open("x.kqvw").ok);
  string.position = 0.5F;
  ASSERT_TRUE(string.open(writeList(range(0, 7))).ok);
  EXPECT_EQ(string.nameCount(), 9U);
  EXPECT_EQ(string.names()[1], dir.file(pipeName(0)));
  expectWindow(string, range(0, 4), 0);
  EXPECT_EQ(string.position, 0.5F);
  EXPECT_EQ(string.loadedPipes().back().path, dir.file(pipeName(3)));

  // A pipe appended beyond the window waits there until the window reaches it.
  files.add("late.dat", 2.0F);
  ASSERT_TRUE(string.open("late.dat").ok);
  EXPECT_EQ(string.nameCount(), 10U);
  expectWindow(string, range(0, 4), 0);
  ASSERT_TRUE(string.jumpTo(10));
  expectWindow(string, range(5, 9), 9);
  EXPECT_EQ(string.current()->path, "late.dat");
}

TEST_F(PipeStringTest, OverlayLengthAndPipesLeavingMemory) {
  // A pipe has left memory once its id is no longer among the string's.
  std::map<std::uint64_t, std::string> pathOf;
  const auto remember = [&] { string.forEachPipe([&](PipeFile& pipe) { pathOf[pipe.id] = pipe.path; }); };
  const auto released = [&] {
    Names gone;
    for (const auto& [id, path] : pathOf) {
      if (!string.holds(id)) gone.push_back(path);
    }
    pathOf.clear();
    std::ranges::sort(gone);
    return gone;
  };
  files.add("long.kqvw", 50.0F);
  files.add("short.kqvw", 2.0F);
  ASSERT_TRUE(string.loadOverlay("short.kqvw"));
  EXPECT_EQ(string.currentLength(), 0.0F);  // no current pipe yet
  openString(6);
  EXPECT_EQ(string.currentLength(), lengthOf(0));
  remember();
  ASSERT_TRUE(string.loadOverlay("long.kqvw"));
  EXPECT_EQ(released(), (Names{"short.kqvw"}));
  EXPECT_EQ(string.currentLength(), 50.0F);
  PipeReadResult outcome;
  EXPECT_FALSE(string.loadOverlay("gone.kqvw", &outcome));
  EXPECT_EQ(outcome.error, "no such file");
  EXPECT_TRUE(string.unreadFiles().empty());  // the overlay is no name of the string
  ASSERT_NE(string.overlay(), nullptr);
  EXPECT_EQ(string.overlay()->path, "long.kqvw");

  // The overlay length also bounds the travel along the current pipe.
  EXPECT_EQ(string.moveBy(40.0F), 0);
  EXPECT_EQ(string.moveBy(20.0F), 1);
  remember();
  for (int i = 0; i < 4; ++i) string.nextPipe();
  EXPECT_EQ(released(), (Names{dir.file(pipeName(0)), dir.file(pipeName(1)), dir.file(pipeName(2)),
                               dir.file(pipeName(3))}));

  string.thirdPipe = std::make_unique<PipeFile>();
  remember();
  string.clear();
  EXPECT_EQ(released(), (Names{"", dir.file(pipeName(4)), dir.file(pipeName(5)), "long.kqvw"}));
  EXPECT_EQ(string.overlay(), nullptr);
  EXPECT_EQ(string.thirdPipe, nullptr);
}

TEST_F(PipeStringTest, ResetReturnsToTheFirstLoadedPipe) {
  openString(10);
  ASSERT_TRUE(string.jumpTo(9));
  string.position = 3.0F;
  string.angle = 90.0F;
  string.reset();
  expectWindow(string, range(4, 9), 4);
  EXPECT_EQ(string.currentOffset(), 0.0F);
  EXPECT_EQ(string.nameCount(), 10U);
  EXPECT_EQ(string.position, 0.0F);
  EXPECT_EQ(string.angle, 0.0F);
  EXPECT_EQ(string.previousPipe(), -1);
  expectWindow(string, range(3, 9), 3);
}

TEST_F(PipeStringTest, BrowseFolderFollowsNameOrder) {
  for (const char* name : {"b.kqvw", "B.kqvw", "a.kqvw", "c.kqvw", "c.kqvw.bak", "a.dat"}) {
    testing::writeText(dir.file(name), "");
    files.add(name, 1.0F);
  }
  std::filesystem::create_directory(dir.file("d.kqvw"));
  const auto neighbour = [this](const char* name, BrowseDirection direction) {
    string.clear();
    string.reset();
    EXPECT_TRUE(string.open(dir.file(name)).ok);
    return string.browseFolder(direction);
  };
  EXPECT_EQ(neighbour("a.kqvw", BrowseDirection::kPrevious), dir.file("B.kqvw"));
  EXPECT_EQ(neighbour("a.kqvw", BrowseDirection::kNext), dir.file("b.kqvw"));
  EXPECT_EQ(neighbour("B.kqvw", BrowseDirection::kPrevious), std::nullopt);
  EXPECT_EQ(neighbour("c.kqvw", BrowseDirection::kNext), std::nullopt);
  EXPECT_EQ(neighbour("c.kqvw", BrowseDirection::kPrevious), dir.file("b.kqvw"));
  EXPECT_EQ(neighbour("a.dat", BrowseDirection::kNext), std::nullopt);
  EXPECT_EQ(neighbour("gone.kqvw", BrowseDirection::kNext), std::nullopt);
}

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
    for (const std::string& name : names) resolved.push_back(dir.file(name));
    return resolved;
  }

  testing::TempDir dir;
};

std::string numberedLines(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) text += "p" + std::to_string(i) + ".kqvw\n";
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
  EXPECT_EQ(readText(std::string(100'000, '\n') + "far.kqvw\n").names, inDir({"far.kqvw"}));
  // Absolute names are kept as written.
  EXPECT_EQ(readText("/data/job/p1.kqvw\nsub/p2.kqvw\n").names,
            (Names{"/data/job/p1.kqvw", dir.file("sub/p2.kqvw")}));
}

TEST_F(ListFileTest, LongLinesAndNulBytesAreSkippedWholeAndReported) {
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

  // NUL bytes too; many bad lines are reported briefly.
  std::string text = std::string("a\0b\n", 4) + "ok\n";
  for (int i = 0; i < 30; ++i) text += std::string(300, 'q') + "\n";
  const ListFileResult bad = readText(text);
  EXPECT_EQ(bad.names, inDir({"ok"}));
  ASSERT_EQ(bad.warnings.size(), 11U);
  EXPECT_EQ(bad.warnings.front(), "line 1 holds a NUL byte, skipped");
  EXPECT_EQ(bad.warnings.back(), "21 more lines were skipped");
}

TEST_F(ListFileTest, OnlyTheFirst2000NamesAreUsedAndAnUnreadableFileGivesNone) {
  const ListFileResult exact = readText(numberedLines(kMaxStringNames) + "\n\n\r\n");
  ASSERT_TRUE(exact.ok);
  EXPECT_EQ(exact.names.size(), kMaxStringNames);
  EXPECT_TRUE(exact.warnings.empty());

  const ListFileResult many = readText(numberedLines(100'000));
  ASSERT_TRUE(many.ok);
  ASSERT_EQ(many.names.size(), kMaxStringNames);
  EXPECT_EQ(many.names.back(), dir.file("p1999.kqvw"));
  EXPECT_EQ(many.warnings, (Names{"only the first 2000 names are used"}));
  // An unreadable file gives an error and no names.
  EXPECT_NE(readListFile(dir.file("missing.kqstr")).error.find("missing.kqstr"), std::string::npos);
  for (const std::string& path : {dir.file("missing.kqstr"), dir.path().string()}) {
    const ListFileResult unreadable = readListFile(path);
    EXPECT_FALSE(unreadable.ok);
    EXPECT_TRUE(unreadable.names.empty());
  }
}

}  // namespace
}  // namespace ductora
