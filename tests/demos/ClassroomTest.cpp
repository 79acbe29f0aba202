// What a teacher takes out of a window and prepares before class: the texts on its picture, its
// data as CSV, and a saved run that opens as the same demonstration again.
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "app/DataExport.h"
#include "app/DemoFile.h"
#include "demos/Registry.h"
#include "demos/target/TargetView.h"
#include "res/Resources.h"
#include "tests/demos/TargetTesting.h"

namespace dulm {

void PrintTo(const DemoDescriptor& demo, std::ostream* os) { *os << demo.name; }

namespace testing {
namespace {

std::vector<std::string> TextsOf(Scenario& s) {
    std::vector<std::string> texts;
    for (const PictureText& t : s.Host().GetCanvas()->Texts()) texts.push_back(t.text);
    return texts;
}

std::string Csv(Scenario& s) { return ExportCsv(s.Host(), {}).value_or("(none)"); }

// The rows of the CSV block whose header row is given, each row's cells joined by ','.
std::vector<std::string> Block(const std::string& csv, const std::string& header) {
    std::vector<std::string> rows;
    std::istringstream in(csv);
    bool inside = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) inside = false;
        else if (inside) rows.push_back(line);
        else if (line == header) inside = true;
    }
    return rows;
}

// A non-default answer to each demonstration's dialog, as dulm-render takes them.
const std::map<std::string, std::string> kAnswers{
    {"binomial", "1002=0.3"},   {"spinner", "1003=1"},
    {"completemeans", "1002=3,1001=2"},
    {"central", "1002=1000,1001=4,1003=2"},  {"zentral", "1002=1000,1001=4,1003=0"},
    {"studentt", "1002=1000,1001=4,1003=3"}, {"variance", "1002=1000,1001=4,1003=2"},
    {"alpha", "1003=1,1011=1"}, {"power", "1002=4"},
};

ScenarioOptions Options(long time, RunRecord prepared, bool answerPrepared) {
    ScenarioOptions options;
    options.time = time;
    options.prepared = std::move(prepared);
    options.answerPrepared = answerPrepared;
    return options;
}

class PreparedRun : public ::testing::TestWithParam<DemoDescriptor> {};

// A saved run opens with its dialogs filled in (or, for Run Again, answered) and its seed: the
// same picture, whatever the time now, and the same record to save again.
TEST_P(PreparedRun, SavedOpenedAndRunAgainGivesTheSamePicture) {
    const DemoDescriptor& demo = GetParam();
    constexpr std::int64_t kMs = 12000;
    Scenario first(demo.templateId, Options(4242, {}, false));
    if (const auto it = kAnswers.find(demo.name); it != kAnswers.end()) {
        DialogAnswer answer;
        ASSERT_TRUE(ParseDialogAnswer(it->second, answer));
        first.User().QueueDialog(answer);
    }
    first.RunUntil(kMs);
    const RunRecord saved = first.Host().Recorded();
    EXPECT_EQ(saved.dialogs.size(), kAnswers.contains(demo.name) ? 1u : 0u);
    std::string error;
    const std::optional<RunRecord> opened = ReadDemoFile(WriteDemoFile(demo.name, saved), demo.name, error);
    ASSERT_TRUE(opened) << error;
    EXPECT_EQ(*opened, saved);
    for (const bool runAgain : {false, true}) {
        Scenario again(demo.templateId, Options(99, *opened, runAgain));
        again.RunUntil(kMs);
        EXPECT_EQ(again.Image(), first.Image()) << (runAgain ? "run again" : "opened");
        EXPECT_EQ(again.User().DialogsShown().size(), runAgain ? 0u : first.User().DialogsShown().size());
        EXPECT_EQ(again.Host().Recorded(), saved);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDemonstration, PreparedRun, ::testing::ValuesIn(Demos()),
                         [](const auto& info) { return info.param.name; });

// Slow: 25 15 25 5 25 15 0 25 (135, squares 2975); fast: 5 0 15 0 5 25 0 5 (55, squares 925).
// SST = 3900 - 190^2 / 16 = 1643.75; SSB = (135^2 + 55^2) / 8 - 2256.25 = 400; SSW = 1243.75;
// MSW = 1243.75 / 14 = 88.839...; F = 400 / 88.839 = 4.502...
TEST(ClassroomAnova, ResultsTextsReadTopDownAndTheCsvHoldsScoresAndTable) {
    Scenario s(res::IDR_ANOVA);
    TargetPlayer p(s);
    PlayDataSession(s, p, Rounds({{6, 1, 0}, {15, 1, 0}}, {{25, 15, 25, 5, 25, 15, 0, 25}, {5, 0, 15, 0, 5, 25, 0, 5}}));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    // The prompts came and went; the data session's lines were covered by the results display.
    const std::vector<std::string> texts = TextsOf(s);
    ASSERT_EQ(texts.size(), 10u);
    EXPECT_EQ(texts[0], "Slow scores =  25  15  25  5  25  15  0  25      Total = 135");
    EXPECT_EQ(texts[3], "Fast squares =  25  0  225  0  25  625  0  25      Total = 925");
    EXPECT_EQ(texts[4], kComputeFText);
    const std::string csv = Csv(s);
    EXPECT_EQ(Block(csv, "Parameter,Value"),
              (std::vector<std::string>{"Demonstration,Anova", "Slow speed,6", "Fast speed,15", "Target size,2",
                                        "Seed,0"}));
    const std::vector<std::string> trials = Block(csv, "Trial,Slow,Fast");
    ASSERT_EQ(trials.size(), 8u);
    EXPECT_EQ(trials[5], "6,15,25");
    const std::vector<std::string> table = Block(csv, "Source,SS,df,MS,F");
    ASSERT_EQ(table.size(), 3u);
    EXPECT_TRUE(table[0].starts_with("Between,400,1,400,4.50")) << table[0];
    EXPECT_TRUE(table[1].starts_with("Within,1243.75,14,88.83")) << table[1];
    EXPECT_EQ(table[2], "Totals,1643.75,15,,");
}

// Every sample of size 2 from 1 to 3, in odometer order: means 1, 1.5, 2, 1.5, 2, 2.5, 2, 2.5, 3.
TEST(ClassroomCompleteMeans, EverySampleAndTheHistogramOfTheMeans) {
    Scenario s(res::IDR_COMPLETEMEANS);
    s.User().QueueDialog(DialogAnswer{false, {{1002, "3"}, {1001, "2"}}});
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    const std::string csv = Csv(s);
    EXPECT_EQ(Block(csv, "Sample,Element 1,Element 2,Mean"),
              (std::vector<std::string>{"1,1,1,1", "2,1,2,1.5", "3,1,3,2", "4,2,1,1.5", "5,2,2,2", "6,2,3,2.5",
                                        "7,3,1,2", "8,3,2,2.5", "9,3,3,3"}));
    std::vector<std::string> counts;
    for (const std::string& row : Block(csv, "Sample mean,From,To,Count"))
        if (!row.ends_with(",0")) counts.push_back(row.substr(row.rfind(',') + 1));
    EXPECT_EQ(counts, (std::vector<std::string>{"1", "2", "3", "2", "1"}));
}

// The final counts the board prints in red are the CSV's counts; a window whose dialog was
// cancelled exports its name only.
TEST(ClassroomBinomial, CsvCountsAreThePrintedCounts) {
    Scenario s(res::IDR_BINOMIAL);
    s.KeyAt(1, KeypadDigitKey(0));
    ASSERT_EQ(s.RunToQuiescence(), Activity::Quiescent);
    std::vector<std::string> printed;
    for (const PictureText& t : s.Host().GetCanvas()->Texts())
        if (t.colour == kRed) printed.push_back(t.text.substr(t.text.find_first_not_of(' ')));
    std::vector<std::string> exported;
    int balls = 0;
    for (const std::string& row : Block(Csv(s), "Bin,Right bounces,Count")) {
        const std::string count = row.substr(row.rfind(',') + 1);
        balls += std::stoi(count);
        if (count != "0") exported.push_back(count);
    }
    EXPECT_EQ(balls, 256);
    EXPECT_EQ(exported, printed);

    Scenario declined(res::IDR_CENTRAL);
    declined.User().QueueDialog(DialogAnswer{true, {}});
    ASSERT_EQ(declined.RunToQuiescence(), Activity::Quiescent);
    EXPECT_EQ(Csv(declined), "Parameter,Value\r\nDemonstration,Central Limit\r\n");
}

}  // namespace
}  // namespace testing
}  // namespace dulm
