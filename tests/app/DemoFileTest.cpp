// The saved demonstration's text and the CSV writer.
#include <gtest/gtest.h>

#include "app/DemoData.h"
#include "app/DemoFile.h"

namespace dulm {
namespace {

TEST(DemoFile, WrittenAsReadableKeysAndReadBack) {
    RunRecord run;
    run.seed = 1733760000;
    run.dialogs.push_back({103, DialogAnswer{false, {{1002, "1000"}, {1001, "5"}, {1003, "3"}}}});
    const std::string text = WriteDemoFile("central", run);
    EXPECT_EQ(text, "Dulm demonstration 1\ndemo=central\nseed=1733760000\ndialog=103:1001=5,1002=1000,1003=3\n");
    std::string error;
    EXPECT_EQ(ReadDemoFile(text, "central", error), run);
    // Written on another system: CR LF line ends and a blank line are fine.
    EXPECT_EQ(ReadDemoFile("Dulm demonstration 1\r\ndemo=central\r\n\r\nseed=1733760000\r\n"
                           "dialog=103:1001=5,1002=1000,1003=3\r\n",
                           "central", error),
              run);
    // What the program saved before: an empty file opens the defaults.
    EXPECT_EQ(ReadDemoFile("", "central", error), RunRecord{});
}

TEST(DemoFile, ForeignDamagedOrHugeFilesOpenNothingAndSayWhy) {
    const std::pair<std::string, std::string> cases[] = {
        {"\x89PNG\r\n\x1a\n", "The file is not a demonstration document."},
        {"Dulm demonstration 2\ndemo=central\n", "The file is not a demonstration document."},
        {"Dulm demonstration 1\ndemo=alpha\n", "The file is a document of another demonstration (alpha)."},
        {"Dulm demonstration 1\nseed=5\n", "The file is damaged: it names no demonstration."},
        {"Dulm demonstration 1\ndemo=central\nseed=-1\n", "The file is damaged: line 3 has no valid seed."},
        {"Dulm demonstration 1\ndemo=central\nseed=12x\n", "The file is damaged: line 3 has no valid seed."},
        {"Dulm demonstration 1\ndemo=central\nseed=99999999999999999999\n",
         "The file is damaged: line 3 has no valid seed."},
        {"Dulm demonstration 1\ndemo=central\ndialog=103:1002\n", "The file is damaged: line 3 has no valid dialog answer."},
        {"Dulm demonstration 1\ndemo=central\ndialog=103:cancel\n", "The file is damaged: line 3 has no valid dialog answer."},
        {"Dulm demonstration 1\ndemo=central\ndialog=103:\ndialog=103:\n", "The file is damaged: line 4 repeats a dialog."},
        {"Dulm demonstration 1\ndemo=central\nzoom=2\n", "The file is damaged: line 3 has an unknown key."},
        {"Dulm demonstration 1\ndemo=central\nno key here\n", "The file is damaged: line 3 is not KEY=VALUE."},
        {"Dulm demonstration 1\n" + std::string(kDemoFileLimit, '\n'), "The file is too large to be a demonstration document."},
    };
    for (const auto& [text, message] : cases) {
        std::string error;
        EXPECT_FALSE(ReadDemoFile(text, "central", error)) << text.substr(0, 60);
        EXPECT_EQ(error, message) << text.substr(0, 60);
    }
}

TEST(DemoData, CsvBlocksWithHeaderRowsQuotingAndShortestNumbers) {
    DemoData data;
    data.Parameter("Demonstration", "Student's t");
    data.Parameter("Distribution", "ChiSquare (df=4), \"right\"");
    data.Table({"Point", "x"});
    data.Row({" a", DemoData::Number(0.1f)});
    data.Row({"b\nc", DemoData::Number(-2.5)});
    data.Row({"d", DemoData::Number(1.0 / 0.0)});
    EXPECT_EQ(data.Csv(),
              "Parameter,Value\r\nDemonstration,Student's t\r\nDistribution,\"ChiSquare (df=4), \"\"right\"\"\"\r\n"
              "\r\nPoint,x\r\n\" a\",0.1\r\n\"b\nc\",-2.5\r\nd,Infinity\r\n");
    EXPECT_EQ(DemoData::Number(1e-7), "1e-07");
    EXPECT_EQ(DemoData::Number(4.502f), "4.502");
    EXPECT_EQ(DemoData::Number(400.0f), "400");
    EXPECT_EQ(DemoData::Number(-1733760000.0), "-1733760000");
    EXPECT_EQ(DemoData::Number(1243.75), "1243.75");
}

}  // namespace
}  // namespace dulm
