#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "analysis/grading/band_colour.h"
#include "cli_test_fixture.h"
#include "support/png_read.h"
#include "support/run_command.h"

namespace ductora::testing {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

// A string of three joints whose second cannot be read.
class ReportPdf : public CliTest {
 protected:
  void SetUp() override {
    writePipe("p1.kqvw", 60.0, 1);
    writePipe("p3.kqvw", 40.0, 3);
    list = dir.file("job.kqstr");
    writeText(list, "p1.kqvw\np2.kqvw\np3.kqvw\n");
  }
  std::string pdfText(const std::string& pdf) const {
    return runCommand("pdftotext -layout '" + pdf + "' -").out;
  }

  std::string list;
};

TEST_F(ReportPdf, NamesTheUnreadablePipeNumbersEveryPageAndGivesTheSameBytesTwice) {
  const std::string pdf = dir.file("out.pdf");
  const std::string args = "report " + list + " --format pdf -o " + pdf + " --customer 'Acme Oil' --paper a4";
  const CliRun r = run(args);
  EXPECT_EQ(r.exitCode, 1) << r.err;  // as every report with an unreadable pipe
  EXPECT_NE(r.err.find(dir.file("p2.kqvw") + ": No such file"), std::string::npos) << r.err;
  const std::string text = pdfText(pdf);
  EXPECT_NE(text.find("Acme Oil"), std::string::npos);
  EXPECT_NE(text.find(dir.file("p2.kqvw")), std::string::npos) << "the cover names it";
  // Cover, summary and one page per readable joint.
  for (const char* page : {"page 1 of 4", "page 2 of 4", "page 4 of 4", "Joint 3: p3.kqvw", "API 5C3"})
    EXPECT_NE(text.find(page), std::string::npos) << page;
  EXPECT_EQ(runCommand("pdfinfo '" + pdf + "' | grep -c 'Pages: *4'").out, "1\n");
  const std::vector<std::uint8_t> first = readBytes(pdf);
  ASSERT_EQ(run(args).exitCode, 1);
  EXPECT_EQ(readBytes(pdf), first);
}

TEST_F(ReportPdf, AJointPageShowsTheBandOfItsClass) {
  const std::string pdf = dir.file("out.pdf");
  const std::string p1 = dir.file("p1.kqvw");
  ASSERT_EQ(run("report " + p1 + " --format pdf -o " + pdf).exitCode, 0);
  const std::string className = json::parse(run("report " + p1 + " --format json").out)["pipes"][0]["class"];
  // The class swatch of the joint's figures, at 72 dpi one pixel per point.
  const std::string png = dir.file("joint");
  ASSERT_EQ(runCommand("pdftoppm -r 72 -f 3 -l 3 -png -singlefile '" + pdf + "' '" + png + "'").exitCode, 0);
  const std::optional<PngImage> image = readPng(png + ".png");
  ASSERT_TRUE(image);
  const std::optional<BandColour> band = ParseBandColour(className);  // tubing classes are named by colour
  ASSERT_TRUE(band) << className;
  const std::uint8_t* pixel = &image->pixels[(132 * image->width + 141) * image->channels];
  EXPECT_NEAR(pixel[0], band->red, 2);
  EXPECT_NEAR(pixel[1], band->green, 2);
  EXPECT_NEAR(pixel[2], band->blue, 2);
}

TEST_F(ReportPdf, BadRulesAndFoldersAreRefusedWithTheirReasonAndNothingIsWritten) {
  const std::string pdf = dir.file("out.pdf");
  const std::string rule = dir.file("rule.json");
  for (const auto& [body, reason] :
       {std::pair<std::string, std::string>{R"({"name": "A"})", "not a list of classes"},
        {R"([{"name": "A", "minRemainingPercent": 0}])", "class 1 has no \"colour\" text"},
        {R"([{"name": "A", "colour": "mauve-ish", "minRemainingPercent": 0}])", "neither a colour name"},
        {R"([{"name": "A", "colour": "red", "minRemainingPercent": 50}])", "one class must start at 0"}}) {
    writeText(rule, body);
    const CliRun r = run("report " + list + " --format pdf -o " + pdf + " --grading " + rule);
    EXPECT_EQ(r.exitCode, 2) << body;
    EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
  }
  EXPECT_FALSE(fs::exists(pdf));
  const std::string unwritable = dir.file("absent/out.pdf");
  const CliRun r = run("report " + list + " --format pdf -o " + unwritable);
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_EQ(r.err.rfind("ductora-cli: " + unwritable + ": ", 0), 0U) << r.err;
  EXPECT_EQ(run("report " + list + " --format pdf").exitCode, 2);  // no -o
  for (const fs::directory_entry& entry : fs::directory_iterator(dir.path()))
    EXPECT_NE(entry.path().extension(), ".pdf") << entry.path();
}

}  // namespace
}  // namespace ductora::testing
