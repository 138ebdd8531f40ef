#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "data/strings/pipe_string.h"
#include "support/temp_dir.h"

namespace ductora {
namespace {

using namespace std::chrono_literals;

// Pipe files whose text is the pipe's length in inches, followed by a word for what is damaged;
// any other text cannot be read. The loader counts its calls per file and those made on the
// test's own thread, and can be made slow.
class CountedFiles {
 public:
  std::string write(const std::string& name, const std::string& text) {
    const std::string path = dir_.file(name);
    testing::writeText(path, text);
    return path;
  }

  PipeLoader loader() {
    return [this](PipeFile& pipe, const std::string& path) {
      std::this_thread::sleep_for(delay.load());
      {
        const std::lock_guard lock(mutex_);
        ++calls_[path];
        if (std::this_thread::get_id() == testThread_) ++callsOnTestThread_;
      }
      PipeReadResult result;
      std::ifstream in(path);
      float length = 0.0F;
      if (!(in >> length)) {
        result.error = "unreadable";
        return result;
      }
      in >> result.damage;
      pipe.wallMatrix.length = length;
      pipe.wallMatrix.data.assign(1, 250);
      result.opened = true;
      return result;
    };
  }

  int calls(const std::string& path) const {
    const std::lock_guard lock(mutex_);
    const auto found = calls_.find(path);
    return found == calls_.end() ? 0 : found->second;
  }
  int callsOnTestThread() const {
    const std::lock_guard lock(mutex_);
    return callsOnTestThread_;
  }

  std::atomic<std::chrono::milliseconds> delay{0ms};

 private:
  testing::TempDir dir_;
  const std::thread::id testThread_ = std::this_thread::get_id();
  mutable std::mutex mutex_;
  std::map<std::string, int> calls_;
  int callsOnTestThread_ = 0;
};

// Waits, within bounds, for the pipe a step that way needs to be read ahead.
bool readAheadDone(const PipeString& string, BrowseDirection direction) {
  for (int tries = 0; tries < 10000 && string.stepWouldWait(direction); ++tries)
    std::this_thread::sleep_for(1ms);
  return !string.stepWouldWait(direction);
}

class ReadAheadTest : public ::testing::Test {
 protected:
  // Pipe i is 10 + i inches long unless given another text.
  void openString(int count, const std::map<int, std::string>& texts = {}) {
    std::string list;
    for (int i = 0; i < count; ++i) {
      const auto text = texts.find(i);
      names.push_back(files.write("p" + std::to_string(i) + ".kqvw",
                                  text == texts.end() ? std::to_string(10 + i) : text->second));
      list += names.back() + "\n";
    }
    listPath = files.write("job.kqstr", list);
    ASSERT_TRUE(string.open(listPath).ok);
  }

  std::uint32_t tail() const { return string.loadedPipes().back().stringIndex; }

  CountedFiles files;
  std::vector<std::string> names;
  std::string listPath;
  PipeString string{files.loader()};
};

TEST_F(ReadAheadTest, StepsTakePipesReadOnTheWorkerAndNoPipeIsReadTwice) {
  files.delay = 20ms;
  openString(14);
  const int onTestThread = files.callsOnTestThread();
  // Straight after the open the step may find its pipe still being read, and waits for it.
  ASSERT_EQ(string.nextPipe(), 1);
  for (int step = 0; step < 5; ++step) {
    ASSERT_TRUE(readAheadDone(string, BrowseDirection::kNext));
    ASSERT_EQ(string.nextPipe(), 1);
  }
  EXPECT_EQ(files.callsOnTestThread(), onTestThread);
  EXPECT_EQ(string.currentIndex(), 6U);
  EXPECT_EQ(tail(), 10U);
  ASSERT_TRUE(readAheadDone(string, BrowseDirection::kNext));
  for (int i = 0; i <= 11; ++i) EXPECT_EQ(files.calls(names[i]), 1) << i;

  // Reading ahead follows the last slide: back, the first step reads its pipe itself.
  EXPECT_TRUE(string.stepWouldWait(BrowseDirection::kPrevious));
  ASSERT_EQ(string.previousPipe(), -1);
  EXPECT_EQ(files.callsOnTestThread(), onTestThread + 1);
  ASSERT_TRUE(readAheadDone(string, BrowseDirection::kPrevious));
  ASSERT_EQ(string.previousPipe(), -1);
  EXPECT_EQ(files.callsOnTestThread(), onTestThread + 1);
  EXPECT_EQ(string.loadedPipes().front().stringIndex, 0U);
  EXPECT_EQ(string.loadedPipes().front().pipeLength(), 10.0F);
  EXPECT_EQ(string.currentOffset(), 10.0F + 11.0F + 12.0F + 13.0F);
}

TEST_F(ReadAheadTest, AFileChangedAfterItsReadIsReadAgainWhenTheSlideTakesIt) {
  openString(8);
  namespace fs = std::filesystem;
  ASSERT_TRUE(readAheadDone(string, BrowseDirection::kNext));
  // Same size, later time.
  files.write("p5.kqvw", "40");
  fs::last_write_time(names[5], fs::last_write_time(names[5]) + 1h);
  EXPECT_TRUE(string.stepWouldWait(BrowseDirection::kNext));
  ASSERT_EQ(string.nextPipe(), 1);
  EXPECT_EQ(string.loadedPipes().back().pipeLength(), 40.0F);
  EXPECT_EQ(files.calls(names[5]), 2);

  // Same time, other size.
  ASSERT_TRUE(readAheadDone(string, BrowseDirection::kNext));
  const fs::file_time_type written = fs::last_write_time(names[6]);
  files.write("p6.kqvw", "41.5");
  fs::last_write_time(names[6], written);
  ASSERT_EQ(string.nextPipe(), 1);
  EXPECT_EQ(string.loadedPipes().back().pipeLength(), 41.5F);
  EXPECT_EQ(files.calls(names[6]), 2);
}

TEST_F(ReadAheadTest, AFailedOrDamagedReadIsReportedOnceWhenTheStepReachesIt) {
  openString(8, {{5, "none"}, {6, "16 short"}});
  ASSERT_TRUE(readAheadDone(string, BrowseDirection::kNext));
  EXPECT_TRUE(string.unreadFiles().empty());
  ASSERT_EQ(string.nextPipe(), 1);
  EXPECT_EQ(string.takeUnreadFiles(), (std::vector<FileProblem>{{names[5], "unreadable"}}));
  EXPECT_TRUE(string.takeDamagedFiles().empty());
  EXPECT_EQ(string.loadedPipes().back().pipeLength(), 0.0F);

  ASSERT_TRUE(readAheadDone(string, BrowseDirection::kNext));
  ASSERT_EQ(string.nextPipe(), 1);
  EXPECT_TRUE(string.takeUnreadFiles().empty());
  EXPECT_EQ(string.takeDamagedFiles(), (std::vector<FileProblem>{{names[6], "short"}}));
  EXPECT_EQ(files.calls(names[5]), 1);
  EXPECT_EQ(files.calls(names[6]), 1);
}

TEST_F(ReadAheadTest, JumpClearAndDestructionWhileAReadIsPending) {
  files.delay = 10ms;
  openString(20);
  ASSERT_TRUE(string.jumpTo(12));
  EXPECT_EQ(string.loadedPipes().front().stringIndex, 7U);
  EXPECT_EQ(tail(), 15U);
  EXPECT_EQ(string.currentIndex(), 11U);
  string.clear();
  EXPECT_TRUE(string.loadedPipes().empty());
  EXPECT_FALSE(string.stepWouldWait(BrowseDirection::kNext));
  ASSERT_TRUE(string.jumpTo(1));
  ASSERT_EQ(string.nextPipe(), 1);
  EXPECT_EQ(tail(), 5U);
  EXPECT_EQ(string.loadedPipes().back().pipeLength(), 15.0F);

  // Left while reading its next pipe.
  PipeString other{files.loader()};
  ASSERT_TRUE(other.open(listPath).ok);
}

}  // namespace
}  // namespace ductora
