// The render tool's command line, its event scripts and a picture written end to end.
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <sstream>

#include <QDir>
#include <QFile>
#include <QImage>
#include <set>
#include <QProcess>
#include <gtest/gtest.h>

#include "harness/EventScript.h"
#include "platform/Palette.h"
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
    EXPECT_EQ(why, "--out FILE.png or --csv FILE.csv is required");
    EXPECT_FALSE(Parse({"central", "--csv", "-", "--text"}, &why));
    EXPECT_EQ(why, "--text and --csv - both write to standard output");
    EXPECT_FALSE(Parse({"central", "--out", "-", "--describe"}, &why));
    EXPECT_EQ(why, "--describe and --out - both write to standard output");
    EXPECT_FALSE(Parse({"central", "--csv", "-", "--describe"}, &why));
    EXPECT_EQ(why, "--describe and --csv - both write to standard output");
    EXPECT_FALSE(Parse({"central", "--csv", "-", "--out", "-"}, &why));
    EXPECT_EQ(why, "--out - and --csv - both write to standard output");
    EXPECT_FALSE(Parse({"central", "--csv", ""}, &why));
    EXPECT_FALSE(Parse({"central", "--csv", "a.csv", "--csv", "b.csv"}, &why));
    EXPECT_EQ(why, "--csv given more than once");
    EXPECT_TRUE(Parse({"central", "--csv", "a.csv"}));
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

struct Outcome {
    int status;
    std::string err;
    std::string out = {};
};

Outcome Command(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int status = RenderCommand(args, out, err);
    return {status, err.str(), out.str()};
}

struct BadInput {
    std::vector<std::string> args;
    std::string says;
};

void PrintTo(const BadInput& input, std::ostream* os) {
    for (const std::string& a : input.args) *os << a << ' ';
}

class RenderRefusesTest : public testing::TestWithParam<BadInput> {};

// Every bad input ends the tool with status 2 and says what was wrong; none is clamped, ignored
// or turned into a picture.
TEST_P(RenderRefusesTest, WithStatus2) {
    const std::string out = testing::TempDir() + "/refused.png";
    QFile::remove(QString::fromStdString(out));
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"--out", out});
    const Outcome o = Command(args);
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find(GetParam().says), std::string::npos) << o.err;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, RenderRefusesTest,
    testing::Values(
        BadInput{{"central", "--dialog", "1002=999"},
                 "dulm-render: dialog 103 refused 1002=999: Please enter an integer between 1000 and 50000.\n"},
        // A later answer does not correct a refused entry: each answer is for its own dialog.
        BadInput{{"central", "--dialog", "1002=abc;1002=2000"}, "dialog 103 refused 1002=abc: Please enter an integer."},
        BadInput{{"central", "--dialog", "1001=,1002=1000"}, "dialog 103 refused 1001=: Please enter an integer."},
        BadInput{{"central", "--dialog", "1099=5"}, "bad --dialog answer for dialog 103: 1099=5 (no such control)"},
        BadInput{{"central", "--dialog", "1003=4"}, "bad --dialog answer for dialog 103: 1003=4"},
        BadInput{{"central", "--dialog", "1003=x"}, "bad --dialog answer for dialog 103: 1003=x"},
        BadInput{{"central", "--dialog", "1004=0"}, "bad --dialog answer for dialog 103: 1004=0"},
        BadInput{{"central", "--dialog", "4294968298=5"}, "bad --dialog answer: 4294968298=5"},
        BadInput{{"regression", "--events", "paint@18446744073709557"}, "bad time"},
        BadInput{{"regression", "--events", "paint@2147483648"}, "bad time"},
        BadInput{{"regression", "--events", "click:2147483648,5@1"}, "bad event"},
        BadInput{{"regression", "--events", "click:5,-32769@1"}, "bad event"},
        BadInput{{"regression", "--events", "command:65536@1"}, "bad event"},
        BadInput{{"regression", "--time", "9223372036854775807"}, "bad --time"},
        BadInput{{"regression", "--time", "-99999999999999999999"}, "bad --time"},
        BadInput{{"regression", "--time", "2147483648"}, "bad --time"},
        BadInput{{"regression", "--time", " 5"}, "bad --time"},
        BadInput{{"regression", "--size", "99999999999999999999x100"}, "bad --size"},
        // The background fill starts at (100, 100): a side of 100 would leave the picture unpainted.
        BadInput{{"central", "--size", "100x700"}, "bad --size (each side 101 to 8000): 100x700"},
        BadInput{{"anova", "--size", "1000x100"}, "bad --size"},
        BadInput{{"regression", "--view", "+500x500"}, "bad --view"},
        // Numbers no float holds, times and coordinates no integer in range gives.
        BadInput{{"power", "--dialog", "1002=1e300"},
                 "dialog 127 refused 1002=1e300: Please enter a number between 1 and 20."},
        BadInput{{"binomial", "--dialog", "1002=nan"}, "refused 1002=nan: Please enter a number between 0 and 1."},
        BadInput{{"regression", "--events", "paint@1e300"}, "bad time"},
        BadInput{{"regression", "--events", "paint@nan"}, "bad time"},
        BadInput{{"regression", "--events", "click:1e300,5@1"}, "bad event"},
        BadInput{{"regression", "--events", "click:5,-1e300@1"}, "bad event"},
        BadInput{{"regression", "--events", "click:-inf,5@1"}, "bad event"},
        BadInput{{"regression", "--time", "1e300"}, "bad --time"},
        // Every answer is taken, every option given once, every list item one of its kind.
        BadInput{{"regression", "--dialog", "1003=9"}, "no dialog took --dialog answer 1 of 1: 1003=9"},
        BadInput{{"anova", "--dialog", "1001=5"}, "no dialog took --dialog answer 1 of 1: 1001=5"},
        BadInput{{"central", "--dialog", "1002=1000;1002=2000", "--events", "key:0@1"},
                 "no dialog took --dialog answer 2 of 2: 1002=2000"},
        BadInput{{"central", "--dialog", "1002=1000;", "--events", "key:0@1"}, "answer 2 of 2: (empty)"},
        BadInput{{"central", "--events", "key:0@1", "--events", "key:1@2"}, "--events given more than once"},
        BadInput{{"central", "--dialog", "cancel", "--dialog", "cancel"}, "--dialog given more than once"},
        BadInput{{"central", "--answers", ""}, "bad --answers: \n"},
        BadInput{{"central", "--answers", "yes,"}, "bad --answers: yes,\n"},
        BadInput{{"central", "--dialog", "1002=1000,"}, "bad --dialog answer: 1002=1000,\n"},
        BadInput{{"central", "--dialog", "1002=1000,1002=2000"}, "bad --dialog answer: 1002=1000,1002=2000\n"}));

TEST(RenderTest, TheSecondAnswerGoesToTheSecondDialogAndAnEmptyOneAcceptsIt) {
    const std::string out = testing::TempDir() + "/pairs.png";
    // Correlation asks for the pairs at each right click.
    EXPECT_EQ(Command({"correlation", "--out", out, "--dialog", "1001=3;", "--events", "rclick:5,5@1;rclick:5,5@9"})
                  .status,
              0);
}

TEST(RenderTest, WritesThePictureToStandardOutputForDash) {
    const QString here = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QString::fromStdString(testing::TempDir())));
    QFile::remove("-");
    const Outcome o = Command({"regression", "--out", "-", "--size", "640x480"});
    EXPECT_FALSE(QFile::exists("-"));
    QDir::setCurrent(here);
    EXPECT_EQ(o.status, 0) << o.err;
    // The PNG signature, then the header chunk: width 640 (0x280) and height 480 (0x1E0), big-endian.
    ASSERT_GT(o.out.size(), 24u);
    EXPECT_EQ(o.out.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(o.out.substr(12, 12), std::string("IHDR\0\0\x02\x80\0\0\x01\xe0", 12));

    const Outcome both = Command({"regression", "--text", "--out", "-"});
    EXPECT_EQ(both.status, 2);
    EXPECT_NE(both.err.find("--text and --out - both write to standard output"), std::string::npos);
}

// The window's Export Data: on standard output, or beside the picture; a file that cannot be
// written is reported. Regression's least-squares figures as its picture prints them.
TEST(RenderTest, WritesTheDataAsCsv) {
    const Outcome o = Command({"regression", "--csv", "-", "--time", "7"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_TRUE(o.out.starts_with("Parameter,Value\r\nDemonstration,Regression\r\nr,0.53546082987")) << o.out;
    EXPECT_NE(o.out.find("Syx,2.43176432987"), std::string::npos);  // "Syx = 2.4317643" once a line is drawn
    EXPECT_NE(o.out.find("\r\nSeed,7\r\n\r\nPoint,x,y\r\na,-2,"), std::string::npos);
    EXPECT_NE(o.out.find("\r\nLeast squares,0.69910580767"), std::string::npos);
    const Outcome full = Command({"regression", "--csv", "/dev/full"});
    EXPECT_EQ(full.status, 1);
    EXPECT_NE(full.err.find("cannot write /dev/full: No space left"), std::string::npos) << full.err;
}

// A message quotes at most 80 bytes of an argument, never half a character.
TEST(RenderTest, MessagesQuoteOnlyTheStartOfAHugeArgument) {
    const std::string nines(100000, '9');
    const Outcome o = Command({"regression", "--out", "x.png", "--size", nines + "x5"});
    EXPECT_EQ(o.status, 2);
    EXPECT_NE(o.err.find("bad --size (each side 101 to 8000): " + nines.substr(0, 80) + "...\n"), std::string::npos);
    EXPECT_LT(o.err.size(), 4000u);
    EXPECT_EQ(Excerpt(std::string(79, 'a') + "\xc3\xa9" + "bc"), std::string(79, 'a') + "...");
    EXPECT_EQ(Excerpt(std::string(80, 'a')), std::string(80, 'a'));
}

TEST(RenderTest, TakesTheEdgesOfEveryRange) {
    const std::string out = testing::TempDir() + "/edges.png";
    EXPECT_EQ(Command({"regression", "--out", out, "--size", "101x8000", "--view", "100x8000", "--time",
                       "-2147483648", "--events",
                       "click:-32768,32767@0;paint@3600000"})
                  .status,
              0);
    EXPECT_EQ(Parse({"regression", "--out", out, "--time", "2147483647"})->scenario.time, 2147483647);
}

// Every view fills its background from (100, 100), which the smallest canvas the tool takes holds.
TEST(RenderTest, TheSmallestCanvasGetsItsBackgroundEverywhere) {
    for (const std::string& name : DemoNames()) {
        Scenario s(*TemplateIdByName(name), ScenarioOptions{{101, 101}, {}, 0});
        s.RunUntil(1000);
        for (const Point p : {Point{0, 0}, Point{100, 100}}) EXPECT_NE(s.Pixel(p.x, p.y), kWhite) << name;
    }
}

TEST(RenderTest, RunsOnToInputScriptedAfterTheHour) {
    // Ten thousand samples paused 2.5 s each would take seven hours; "0" drops the pauses.
    const Outcome o = Command({"central", "--out", testing::TempDir() + "/late.png", "--events", "key:0@3700000"});
    EXPECT_EQ(o.status, 0) << o.err;
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

// The description comes after the texts, on a line of its own, and only when asked for; the
// texts are the same with it or without it.
TEST(RenderTest, DescribePrintsThePicturesDescriptionAfterTheTexts) {
    const std::string out = testing::TempDir() + "/render-describe.png";
    std::string printed[2];
    for (int i = 0; i < 2; ++i) {
        std::vector<std::string> args{"alpha", "--out", out, "--size", "640x480", "--text"};
        if (i == 1) args.push_back("--describe");
        RenderOptions o = *Parse(args);
        std::ostringstream text, err;
        ASSERT_EQ(Render(o, text, err), 0) << err.str();
        printed[i] = text.str();
    }
    const std::string line = "Description: Normal density curve, the rejection region shaded above 1.645\n";
    EXPECT_EQ(printed[1], printed[0] + line);
    EXPECT_EQ(printed[0].find("Description:"), std::string::npos);
    // Nothing at all for a picture without one: a window whose dialog was cancelled.
    RenderOptions o = *Parse({"alpha", "--out", out, "--dialog", "cancel", "--describe"});
    std::ostringstream text, err;
    ASSERT_EQ(Render(o, text, err), 0) << err.str();
    EXPECT_EQ(text.str(), "");
}

TEST(RenderOptionsTest, ReadsScalesInHundredthsFrom1To4AndThePalettes) {
    EXPECT_EQ(Parse({"central", "--out", "x.png", "--scale", "1.25"})->scenario.scale, 1.25);
    EXPECT_EQ(Parse({"central", "--out", "x.png", "--scale", "2.5"})->scenario.scale, 2.5);
    EXPECT_EQ(Parse({"central", "--out", "x.png", "--scale", "4"})->scenario.scale, 4.0);
    EXPECT_EQ(Parse({"central", "--out", "x.png", "--palette", "projector"})->scenario.palette, &Palette::Projector());
    for (const char* bad : {"0.5", "4.01", "1.333", "1.", "x", "", "-2"})
        EXPECT_FALSE(Parse({"central", "--out", "x.png", "--scale", bad})) << bad;
    std::string why;
    EXPECT_FALSE(Parse({"central", "--out", "x.png", "--size", "5000x700", "--scale", "4"}, &why));
    EXPECT_EQ(why, "--size times --scale exceeds 16000 pixels a side");
    EXPECT_FALSE(Parse({"central", "--out", "x.png", "--palette", "dark"}));
}

// The picture at twice the scale: twice the pixels each way, its texts as crisp as at scale 1 (no
// colour that the picture at scale 1 lacks, so no smoothed glyph edges), and the same texts at
// the same logical places.
TEST(RenderTest, AtScale2TheTextsAreAsCrispAndInTheSamePlaces) {
    QImage images[2];
    std::string texts[2];
    for (int i = 0; i < 2; ++i) {
        const std::string out = testing::TempDir() + "/scale" + std::to_string(i + 1) + ".png";
        RenderOptions o = *Parse({"power", "--out", out, "--size", "640x480", "--text", "--scale", i == 0 ? "1" : "2"});
        std::ostringstream text, err;
        ASSERT_EQ(Render(o, text, err), 0) << err.str();
        images[i] = QImage(QString::fromStdString(out));
        texts[i] = text.str();
    }
    ASSERT_EQ(images[1].size(), QSize(1280, 960));
    EXPECT_EQ(texts[1], texts[0]);
    auto colours = [](const QImage& image) {
        std::set<QRgb> set;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) set.insert(image.pixel(x, y));
        return set;
    };
    EXPECT_EQ(colours(images[1]), colours(images[0]));
    // "sd = 1.00" at (507, 88): its ink within the scaled cell of its scale-1 ink, black on grey.
    auto ink = [](const QImage& image, QRect within) {
        int n = 0;
        for (int y = within.top(); y <= within.bottom(); ++y)
            for (int x = within.left(); x <= within.right(); ++x) n += (image.pixel(x, y) & 0xFFFFFFu) == 0;
        return n;
    };
    const QRect cell(500, 85, 70, 20);
    const int at1 = ink(images[0], cell);
    ASSERT_GT(at1, 40);
    const int at2 = ink(images[1], QRect(cell.topLeft() * 2, cell.size() * 2));
    EXPECT_GT(at2, at1 * 3);  // strokes twice as long and about twice as thick
    EXPECT_LT(at2, at1 * 5);
}

TEST(RenderTest, AnUnwritablePictureIsAnErrorWithItsCause) {
    for (const std::string out : {"/nonexistent-folder/x.png: No such file", "/dev/full: No space left"}) {
        const Outcome o = Command({"regression", "--out", out.substr(0, out.find(':'))});
        EXPECT_EQ(o.status, 1);
        EXPECT_NE(o.err.find("cannot write " + out), std::string::npos) << o.err;
    }
}

TEST(RenderTest, WithoutItsFontsTheToolNamesTheMissingFileAndMakesNoPicture) {
    const std::string out = testing::TempDir() + "/no-fonts.png";
    QFile::remove(QString::fromStdString(out));
    setenv("DULM_FONT_DIR", "/nonexistent-fonts", 1);
    const Outcome o = Command({"central", "--out", out});
    unsetenv("DULM_FONT_DIR");
    EXPECT_EQ(o.status, 1);
    EXPECT_EQ(o.err, "dulm-render: cannot open the font file /nonexistent-fonts/LiberationSans-Bold.ttf: No such file "
                     "or directory\n");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(RenderTest, AWriteCutShortLeavesTheOldPictureAndNoPartOfTheNew) {
    const QString folder = QString::fromStdString(testing::TempDir()) + "/short-write";
    QDir(folder).removeRecursively();
    ASSERT_TRUE(QDir().mkpath(folder));
    const std::string out = folder.toStdString() + "/x.png";
    std::ofstream(out) << "the old picture";
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 200;  // a 640 x 480 picture takes a few kilobytes
    setrlimit(RLIMIT_FSIZE, &small);
    const Outcome o = Command({"regression", "--out", out, "--size", "640x480"});
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("cannot write " + out + ": File too large"), std::string::npos) << o.err;
    EXPECT_EQ(Contents(out), "the old picture");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{"x.png"});
}

// The tool itself, as a separate process.
Outcome RunTool(const QStringList& args, const QProcessEnvironment& env, std::string* out = nullptr) {
    QProcess tool;
    tool.setProcessEnvironment(env);
    tool.start(DULM_RENDER_EXE, args);
    tool.waitForFinished(120000);
    if (out) *out = tool.readAllStandardOutput().toStdString();
    const int status = tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1;
    return {status, tool.readAllStandardError().toStdString()};
}

TEST(RenderToolTest, DrawsOffscreenWhateverPlatformTheEnvironmentNames) {
    for (const char* platform : {"xcb", "no-such-platform"}) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", platform);
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        std::string out;
        EXPECT_EQ(RunTool({"--help"}, env, &out).status, 0) << platform;
        EXPECT_TRUE(out.starts_with("usage: dulm-render")) << platform;
        const std::string png = testing::TempDir() + "/platform.png";
        const Outcome o = RunTool({"regression", "--out", QString::fromStdString(png), "--size", "300x200"}, env);
        EXPECT_EQ(o.status, 0) << platform << o.err;
        EXPECT_EQ(QImage(QString::fromStdString(png)).size(), QSize(300, 200));
    }
}

TEST(RenderToolTest, ACanvasTooLargeForMemoryIsReported) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers reserve more address space than the limit allows";
#else
    // Room for the toolkit and a small canvas, not for two 8000 x 8000 images of 256 MB each.
    QProcess tool;
    tool.setChildProcessModifier([] {
        const rlimit limit{400u << 20, 400u << 20};
        setrlimit(RLIMIT_AS, &limit);
    });
    const std::string png = testing::TempDir() + "/huge.png";
    tool.start(DULM_RENDER_EXE, {"regression", "--out", QString::fromStdString(png), "--size", "8000x8000"});
    tool.waitForFinished(120000);
    EXPECT_EQ(tool.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(tool.exitCode(), 1);
    const std::string err = tool.readAllStandardError().toStdString();
    EXPECT_NE(err.find("dulm-render: not enough memory for a 8000 x 8000 canvas\n"), std::string::npos) << err;
#endif
}

TEST(RenderTest, AViewStillBusyAfterAVirtualHourIsReported) {
    // Ten thousand samples paused 2.5 s each take about seven hours.
    RenderOptions o = *Parse({"central", "--out", testing::TempDir() + "/busy.png"});
    std::ostringstream text, err;
    EXPECT_EQ(Render(o, text, err), 1);
    EXPECT_NE(err.str().find("still busy after a virtual hour"), std::string::npos);
}

// --text logs every text drawn; --shown-text lists what the finished picture still shows, in
// reading order: the sentence a new window shows before its dialog is answered and each sample's
// line under the plot are erased (drawn again in the grey of the background).
TEST(RenderTest, ShownTextLeavesOutTheTextsErased) {
    const std::string out = testing::TempDir() + "/render-shown.png";
    const std::vector<std::string> run = {"central", "--out", out, "--size", "800x600", "--time", "42",
                                          "--dialog", "1002=1000,1001=5", "--events", "key:0@1"};
    auto with = [&](const char* option) {
        std::vector<std::string> args = run;
        args.push_back(option);
        return Command(args);
    };
    const Outcome all = with("--text");
    const Outcome shown = with("--shown-text");
    ASSERT_EQ(all.status, 0) << all.err;
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(all.out.find("100 100 #c0c0c0 Use 'Start Demo'"), std::string::npos);
    EXPECT_NE(all.out.find(" / 5 = "), std::string::npos);
    EXPECT_EQ(shown.out.find("Use 'Start Demo'"), std::string::npos);
    EXPECT_EQ(shown.out.find(" / 5 = "), std::string::npos);
    // The title and the population panel's name share the top line, left to right.
    EXPECT_EQ(shown.out.rfind("0 0 #000000 SAMPLE MEAN DISTRIBUTION\n688 0 #0000b4 Uniform\n", 0), 0u);
    EXPECT_NE(shown.out.find("16 70 #000000 # of samples=1000\n"), std::string::npos);

    const Outcome both = Command({"central", "--shown-text", "--out", "-"});
    EXPECT_EQ(both.status, 2);
    EXPECT_NE(both.err.find("--shown-text and --out - both write to standard output"), std::string::npos);
}

}  // namespace
}  // namespace dulm
