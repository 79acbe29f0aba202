// The render tool's command line, its event scripts and a picture written end to end.
#include <sstream>

#include <QImage>
#include <gtest/gtest.h>

#include "harness/EventScript.h"
#include "tools/Render.h"

namespace dulm {
namespace {

std::optional<RenderOptions> Parse(std::vector<std::string> args, std::string* why = nullptr) {
    std::string error;
    auto o = ParseRenderOptions(args, error);
    if (why) *why = error;
    return o;
}

TEST(RenderOptionsTest, ReadsEveryOption) {
    const auto o = Parse({"central", "--out", "x.png", "--size", "800x600", "--view", "400x300", "--time", "77",
                          "--dialog", "1002=1000,1003=2;cancel", "--answers", "yes,no", "--events", "key:0@1",
                          "--text"});
    ASSERT_TRUE(o);
    EXPECT_EQ(o->demo, "central");
    EXPECT_EQ(o->scenario.canvas, (Size{800, 600}));
    EXPECT_EQ(o->scenario.view, (Size{400, 300}));
    EXPECT_EQ(o->scenario.time, 77);
    EXPECT_EQ(o->dialogs, (std::vector<std::string>{"1002=1000,1003=2", "cancel"}));
    EXPECT_EQ(o->answers, (std::vector<int>{IDYES, IDNO}));
    EXPECT_TRUE(o->text);
}

TEST(RenderOptionsTest, RefusesWhatItCannotRun) {
    std::string why;
    EXPECT_FALSE(Parse({"nosuchdemo", "--out", "x.png"}, &why));
    EXPECT_FALSE(Parse({"central"}, &why));
    EXPECT_EQ(why, "--out FILE.png is required");
    EXPECT_FALSE(Parse({"central", "--out", "x.png", "--size", "10x10"}));
    EXPECT_FALSE(Parse({"central", "--out", "x.png", "--answers", "maybe"}));
    EXPECT_FALSE(Parse({"central", "--out"}));
    EXPECT_TRUE(Parse({"--help"})->help);
    for (const std::string& name : DemoNames()) EXPECT_NE(RenderUsage().find(name), std::string::npos);
}

TEST(DialogAnswerTest, ParsesIdsValuesAndCancel) {
    DialogAnswer a;
    ASSERT_TRUE(ParseDialogAnswer("1002=50000,1003=3", a));
    EXPECT_EQ(a.values.at(1002), "50000");
    EXPECT_EQ(a.values.at(1003), "3");
    ASSERT_TRUE(ParseDialogAnswer("cancel", a));
    EXPECT_TRUE(a.cancel);
    EXPECT_FALSE(ParseDialogAnswer("x=1", a));
    EXPECT_FALSE(ParseDialogAnswer("1002", a));
}

TEST(EventScriptTest, RefusesMalformedEvents) {
    Scenario scenario(4);
    std::string error;
    EXPECT_TRUE(PostEventScript("key:0@1;keyup:esc@1500;click:400,300@2000;rclick:1,2@3;help@4;start@5;"
                                "command:32775@6;keydown:num7@7;key:pause@8;paint@9",
                                scenario, error))
        << error;
    EXPECT_FALSE(PostEventScript("key:0", scenario, error));
    EXPECT_EQ(error, "event without a time: key:0");
    EXPECT_FALSE(PostEventScript("key:tab@5", scenario, error));
    EXPECT_FALSE(PostEventScript("click:4@5", scenario, error));
    EXPECT_FALSE(PostEventScript("jump@5", scenario, error));
}

TEST(RenderTest, WritesThePictureAndTheTextLog) {
    const std::string out = testing::TempDir() + "/render-test.png";
    RenderOptions o = *Parse({"regression", "--out", out, "--size", "640x480", "--text"});
    std::ostringstream text, err;
    EXPECT_EQ(Render(o, text, err), 0) << err.str();
    const QImage image(QString::fromStdString(out));
    ASSERT_EQ(image.size(), QSize(640, 480));
    EXPECT_EQ(image.pixel(320, 240) & 0xFFFFFFu, kGrey.Rgb());
}

TEST(RenderTest, AnUnwritablePictureIsAnError) {
    RenderOptions o = *Parse({"regression", "--out", "/nonexistent-folder/x.png"});
    std::ostringstream text, err;
    EXPECT_EQ(Render(o, text, err), 1);
    EXPECT_NE(err.str().find("cannot write"), std::string::npos);
}

TEST(RenderTest, AViewStillBusyAfterAVirtualHourIsReported) {
    // Ten thousand samples paused 2.5 s each take about seven hours.
    RenderOptions o = *Parse({"central", "--out", testing::TempDir() + "/busy.png"});
    std::ostringstream text, err;
    EXPECT_EQ(Render(o, text, err), 1);
    EXPECT_NE(err.str().find("still busy after a virtual hour"), std::string::npos);
}

}  // namespace
}  // namespace dulm
