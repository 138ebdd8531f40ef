#include "data/indications/indication_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/working_directory.h"

namespace ductora {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kHeader =
    "Indication#  Channel#  Type  XLoc(ft)  XLocFRef(ft)  YLoc(deg)  Amplitude(%)\n";

class IndicationFileTest : public ::testing::Test {
 protected:
  std::string write(const std::string& text) {
    const std::string path = dir.file("p7.ind");
    testing::writeText(path, text);
    return path;
  }

  testing::TempDir dir;
};

// The line the dialog lists: fields right-aligned in their columns, the position in inches.
std::string line(const Lines& f, const std::string& inches) {
  auto pad = [](const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
  };
  return " " + pad(f[0], 12) + " " + pad(f[1], 15) + "  " + pad(f[2], 25) + "  " + pad(inches, 20) + "  " +
         pad(f[3], 23) + "  " + pad(f[4], 20) + "  " + pad(f[5], 20);
}

TEST_F(IndicationFileTest, ListShowsEveryRecordWithThePositionInInchesAcrossShortLines) {
  const IndicationListResult list = readIndicationList(
      write(std::string(kHeader) + "1 2 Pit 1.5 0.0 90 35\n2\t1 Gouge -0.25 x 270 60\r\n"));
  ASSERT_TRUE(list.opened);
  EXPECT_FALSE(list.stoppedEarly);
  EXPECT_EQ(list.lines, (Lines{line({"1", "2", "Pit", "0.0", "90", "35"}, "18.00"),
                               line({"2", "1", "Gouge", "x", "270", "60"}, "-3.00")}));

  const IndicationListResult headerOnly = readIndicationList(write(kHeader));
  EXPECT_TRUE(headerOnly.opened);
  EXPECT_TRUE(headerOnly.lines.empty());
  EXPECT_FALSE(headerOnly.stoppedEarly);

  EXPECT_FALSE(readIndicationList(dir.file("missing.ind")).opened);
  EXPECT_FALSE(readIndicationList(dir.path().string()).opened);

  // A short line takes its missing fields from the next line.
  const std::string path = write(std::string(kHeader) + "3 4 Corrosion\n 12 1.0 45 20\n4 1 Pit 2 a 30.5 c\n");
  EXPECT_EQ(readIndicationList(path).lines, (Lines{line({"3", "4", "Corrosion", "1.0", "45", "20"}, "144.00"),
                                                   line({"4", "1", "Pit", "a", "30.5", "c"}, "24.00")}));
  const IndicationRecords records = readIndicationRecords(path);
  EXPECT_EQ(records.count, 2U);
  EXPECT_EQ(records.positionsInches[2], 144.0F);
  EXPECT_EQ(records.anglesDegrees[2], 45.0F);  // field 6: the angle
  EXPECT_EQ(records.positionsInches[3], 24.0F);
  EXPECT_EQ(records.anglesDegrees[3], 30.5F);
}

TEST_F(IndicationFileTest, ReadingStopsAtARecordItCannotRead) {
  // A position that is not a number, then a record cut by the end of the file.
  const std::string path =
      write(std::string(kHeader) + "1 1 Pit 1 a 10 b\n2 1 Pit one a 10 b\n3 1 Pit 3 a 30 b\n");
  const IndicationListResult list = readIndicationList(path);
  EXPECT_EQ(list.lines.size(), 1U);
  EXPECT_TRUE(list.stoppedEarly);
  const IndicationRecords records = readIndicationRecords(path);
  EXPECT_EQ(records.count, 1U);
  EXPECT_EQ(records.positionsInches[2], 0.0F);

  const std::string cut = write(std::string(kHeader) + "1 1 Pit 1 a 10 b\n2 1 Pit\n");
  EXPECT_EQ(readIndicationList(cut).lines.size(), 1U);
  EXPECT_TRUE(readIndicationList(cut).stoppedEarly);
  EXPECT_EQ(readIndicationRecords(cut).count, 1U);

  // A header without a line feed holds no records.
  EXPECT_TRUE(readIndicationList(write("1 1 Pit 1 a 10 b")).lines.empty());
}

TEST_F(IndicationFileTest, RecordsNumberedOutsideTheArraysAreIgnored) {
  std::string text = kHeader;
  for (const char* number : {"0", "-1", "3001", "99999999999999999999999", "3000", "1", "+2"})
    text += std::string(number) + " 1 Pit 2.5 x 45.5 10\n";
  const IndicationRecords records = readIndicationRecords(write(text));
  ASSERT_TRUE(records.opened);
  EXPECT_EQ(records.ignored, 4U);
  EXPECT_EQ(records.count, 3U);
  EXPECT_EQ(records.positionsInches[kMaxIndications - 1], 30.0F);
  EXPECT_EQ(records.anglesDegrees[kMaxIndications - 1], 45.5F);
  EXPECT_EQ(records.positionsInches[0], 30.0F);
  EXPECT_EQ(records.positionsInches[1], 30.0F);
}

TEST_F(IndicationFileTest, TheRdaqFolderBesideThePipesFolderIsLookedAtFirst) {
  const std::filesystem::path job = dir.path() / "J1";
  std::filesystem::create_directories(job / "data");
  std::filesystem::create_directories(job / "RDAQ");
  const std::string pipe = (job / "data" / "p7.kqvw").string();
  const IndicationFileNames names = indicationFileNames(pipe);
  EXPECT_EQ(names.primary, (job / "RDAQ" / "p7.ind").string());
  EXPECT_EQ(names.alternative, (job / "data" / "p7.ind").string());

  EXPECT_EQ(findIndicationFile(pipe), std::nullopt);
  testing::writeText(names.alternative, kHeader);
  EXPECT_EQ(findIndicationFile(pipe), names.alternative);
  testing::writeText(names.primary, kHeader);
  EXPECT_EQ(findIndicationFile(pipe), names.primary);

  // A folder of that name is no indication file.
  std::filesystem::remove(names.primary);
  std::filesystem::create_directory(names.primary);
  EXPECT_EQ(findIndicationFile(pipe), names.alternative);

  // A pipe named relative to the working folder.
  const testing::ScopedWorkingDirectory inData(job / "data");
  EXPECT_EQ(findIndicationFile("p7.kqvw"), names.alternative);
  EXPECT_EQ(findIndicationFile(""), std::nullopt);

  // The name keeps everything up to the last full stop; a name without one gains the extension.
  EXPECT_EQ(indicationFileNames((job / "data" / "a.b.kqvw").string()).alternative,
            (job / "data" / "a.b.ind").string());
  EXPECT_EQ(indicationFileNames((job / "data" / "plain").string()).alternative,
            (job / "data" / "plain.ind").string());
}

}  // namespace
}  // namespace ductora
