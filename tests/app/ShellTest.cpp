// The application shell without windows: start-up order, the registry, conventions and placement.
#include <gtest/gtest.h>

#include "app/ChildPlacement.h"
#include "app/DemoApp.h"
#include "app/RecentFiles.h"
#include "app/ViewConventions.h"
#include "demos/Registry.h"
#include "platform/Messages.h"
#include "res/Menus.h"
#include "res/Resources.h"
#include "res/Strings.h"

namespace dulm {
namespace {

struct RecordingShell : Shell {
    std::vector<std::string> calls;
    int answer = IDYES;
    bool frameLoads = true;
    void SetDialogBkColor(Colour bk, Colour text) override {
        calls.push_back(bk == kGrey && text == kBlack ? "grey dialogs" : "wrong dialog colours");
    }
    void LoadStdProfileSettings(int n) override { calls.push_back("recent files " + std::to_string(n)); }
    bool LoadFrame() override {
        calls.push_back("frame");
        return frameLoads;
    }
    void RegisterShellFileTypes() override { calls.push_back("register"); }
    int MessageBox(const std::string& text, unsigned type) override {
        calls.push_back(text + (type == MB_YESNO ? " [yes/no]" : " [?]"));
        return answer;
    }
    void WinHelp(unsigned context) override { calls.push_back("help " + std::to_string(context)); }
    void OnFileNew() override { calls.push_back("new"); }
    void DragAcceptFiles() override { calls.push_back("drop"); }
    void ShowMainWindow() override { calls.push_back("show"); }
};

const std::string kQuestion = "Have you read the Introduction in the Index of the Help menu? [yes/no]";

TEST(InitInstanceTest, YesShowsTheNewListBeforeTheMainWindow) {
    CDemoApp app(MakeDemoTemplates);
    RecordingShell shell;
    ASSERT_TRUE(app.InitInstance(shell));
    EXPECT_EQ(shell.calls, (std::vector<std::string>{"grey dialogs", "recent files 4", "frame", "register", kQuestion,
                                                     "new", "drop", "show"}));
    EXPECT_EQ(app.Templates().size(), 13u);
    EXPECT_EQ(app.ExitInstance(), 0);
}

TEST(InitInstanceTest, NoOpensTheIntroductionAndCreatesNothing) {
    CDemoApp app(MakeDemoTemplates);
    RecordingShell shell;
    shell.answer = IDNO;
    ASSERT_TRUE(app.InitInstance(shell));
    EXPECT_EQ(shell.calls[5], "help " + std::to_string(0x20087));
    EXPECT_EQ(std::count(shell.calls.begin(), shell.calls.end(), "new"), 0);
}

TEST(InitInstanceTest, AFrameThatFailsToLoadEndsTheStart) {
    CDemoApp app(MakeDemoTemplates);
    RecordingShell shell;
    shell.frameLoads = false;
    EXPECT_FALSE(app.InitInstance(shell));
    EXPECT_EQ(shell.calls.back(), "frame");
}

TEST(RegistryTest, TheNewListFollowsTheRegistrationOrder) {
    const auto templates = MakeDemoTemplates();
    std::vector<std::string> names;
    for (const auto& t : templates) names.push_back(t->GetDocString(CMultiDocTemplate::fileNewName));
    EXPECT_EQ(names, (std::vector<std::string>{
                         "Binomial Demonstration", "Binomial Spinner Demonstration", "Complete Means Demonstration",
                         "Central Limit Demonstration", "Zentral Limit Demonstration", "Student's t Demonstration",
                         "Sample Variance Demonstration", "Alpha Demonstration", "Power Demonstration",
                         "Correlation Demonstration", "Regression Demonstration", "Anova Demonstration",
                         "Anova2 Demonstration"}));
    for (const auto& t : templates) {
        EXPECT_EQ(t->GetDocString(CMultiDocTemplate::windowTitle), "") << t->ResourceId();
        EXPECT_TRUE(t->GetDocString(CMultiDocTemplate::filterName).ends_with(
            "(*" + t->GetDocString(CMultiDocTemplate::filterExt) + ")"))
            << t->ResourceId();
    }
}

TEST(RegistryTest, FilesFindTheirTemplateByExtension) {
    CDemoApp app(MakeDemoTemplates);
    RecordingShell shell;
    app.InitInstance(shell);
    ASSERT_NE(app.TemplateForFile("/tmp/run.CNT"), nullptr);
    EXPECT_EQ(app.TemplateForFile("/tmp/run.CNT")->ResourceId(), res::IDR_CENTRAL);
    EXPECT_EQ(app.TemplateForFile("b.sc2")->ResourceId(), res::IDR_ANOVA2);
    EXPECT_EQ(app.TemplateForFile("notes.txt"), nullptr);
    EXPECT_EQ(app.TemplateForFile(".cnt"), nullptr);
}

TEST(MenuTest, EachGroupOfDemonstrationsHasItsMenu) {
    auto demoItems = [](unsigned id) {
        std::vector<std::string> items;
        for (const auto& item : MenuOf(id).front().popup) items.push_back(item.text);
        return items;
    };
    // The recent files below a separator (the window hides the items without a file), and in a
    // demonstration's window the classroom commands below another; the window handles those.
    const std::vector<std::string> recent{"", "Recent File 1", "Recent File 2", "Recent File 3", "Recent File 4", ""};
    const auto with = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<std::string> classroom{"", "&Run Again\tCtrl+R", "Cop&y Picture\tCtrl+C", "Save Picture &As...",
                                             "&Export Data...", "&Print...\tCtrl+P"};
    EXPECT_EQ(demoItems(res::IDR_MAINFRAME), with(with({"&New\tCtrl+N"}, recent), {"E&xit"}));
    EXPECT_EQ(demoItems(res::IDR_CENTRAL),
              with(with(with({"&New\tCtrl+N", "&Start Demo", "&Close"}, classroom), recent), {"E&xit"}));
    EXPECT_EQ(demoItems(res::IDR_ANOVA2), with(with(with({"&New\tCtrl+N", "&Close"}, classroom), recent), {"E&xit"}));
    EXPECT_EQ(res::MainFrameMenu().size(), 3u);  // no Window menu without a document
    EXPECT_EQ(res::ViewCommands(MenuOf(res::IDR_CORRELATION)), (std::vector<unsigned>{res::ID_CIRCLES, res::ID_LETTERS}));
    EXPECT_EQ(res::ViewCommands(MenuOf(res::IDR_POWER)), (std::vector<unsigned>{res::ID_START_DEMO}));
    EXPECT_TRUE(res::ViewCommands(MenuOf(res::IDR_REGRESSION)).empty());
    for (const auto& popup : MenuOf(res::IDR_ALPHA)) {
        for (const auto& item : popup.popup) {
            if (!item.IsSeparator()) {
                EXPECT_FALSE(res::LoadString(item.id).empty()) << item.text;
            }
        }
    }
}

TEST(ScaledFontTest, SmallerWindowsGetLargerLogicalFonts) {
    const CMainFrame frame(Size{1000, 700});
    auto points = [&](Size view) {
        return ScaledFont(frame, ScaledFontStep(view, frame.ReferenceCanvas())).pixelSize;
    };
    EXPECT_EQ(points({1000, 700}), Font::BoldArial(12).pixelSize);
    EXPECT_EQ(points({2000, 1400}), Font::BoldArial(12).pixelSize);
    EXPECT_EQ(points({500, 700}), Font::BoldArial(20).pixelSize);
    EXPECT_EQ(points({250, 700}), Font::BoldArial(28).pixelSize);
    EXPECT_EQ(points({1000, 87}), Font::BoldArial(48).pixelSize);  // 87 * 8 / 700 = 0
    const int expected[] = {48, 36, 28, 24, 20, 16, 14, 12, 12};
    for (int k = 0; k <= 8; ++k) {
        EXPECT_EQ(ScaledFont(frame, k), Font::BoldArial(expected[k])) << k;
    }
}

TEST(ViewConventionTest, GreyBackgroundCoversEverythingAndRestoresTheBrush) {
    Canvas canvas(Size{300, 200});
    Dc dc(canvas, Size{300, 200});
    dc.MoveTo(0, 150);
    dc.LineTo(300, 150);  // a line does not stop the fill
    PaintGreyBackground(dc);
    EXPECT_EQ(canvas.PixelAt(299, 199), kGrey);
    EXPECT_EQ(canvas.PixelAt(5, 150), kGrey);
    EXPECT_EQ(dc.CurrentBrush(), Brush::Solid(kWhite));
    EXPECT_EQ(dc.GetBkColor(), kGrey);
    const CMainFrame frame(Size{300, 200});
    {
        const auto font = SelectScaledFont(dc, frame);
        EXPECT_EQ(dc.CurrentFont(), frame.m_font12);
    }
    EXPECT_EQ(dc.CurrentFont(), Font::DeviceDefault());
}

TEST(MainFrameTest, PensAndReferenceCanvas) {
    const CMainFrame frame(Size{1024, 655});
    EXPECT_EQ(frame.m_cxClient, 1024);
    EXPECT_EQ(frame.m_cyClient, 655);
    EXPECT_EQ(frame.m_penGreen.colour, RGB(0, 168, 0));
    EXPECT_EQ(frame.m_penLightGrey.colour, RGB(228, 228, 228));
    EXPECT_EQ(frame.m_font36.pixelSize, 48);
}

TEST(ChildPlacementTest, CoversTheClientAreaAndLimitsShrinkingToAFifth) {
    const Rect client{0, 0, 996, 577};
    EXPECT_EQ(ChildPlacement::OnChildCreate(client), client);
    EXPECT_EQ(ChildPlacement::MinTrackSize(), (Size{997 / 5, 578 / 5}));
    ChildPlacement::OnChildCreate(Rect{0, 0, 499, 299});  // the latest creation rules every window
    EXPECT_EQ(ChildPlacement::MinTrackSize(), (Size{100, 60}));
}

TEST(RecentFilesTest, ReadsFourEntriesOfItsSectionOnly) {
    const std::string ini =
        "[Settings]\nFile1=wrong\n[Recent File List]\nFile1=/a.cnt\nFile3 = /c.stu \nFile5=/e.var\n[Other]\nFile2=x\n";
    EXPECT_EQ(ParseRecentFileList(ini, 4), (std::vector<std::string>{"/a.cnt", "/c.stu"}));
    EXPECT_TRUE(ParseRecentFileList("", 4).empty());
}

TEST(RecentFilesTest, TheLatestGoesFirstOnceAndOnlyItsSectionIsRewritten) {
    std::vector<std::string> files = AddRecentFile({"/a.cnt", "/b.stu", "/c.var", "/d.alp"}, "/c.var", 4);
    EXPECT_EQ(files, (std::vector<std::string>{"/c.var", "/a.cnt", "/b.stu", "/d.alp"}));
    files = AddRecentFile(files, "/e.reg", 4);
    EXPECT_EQ(files, (std::vector<std::string>{"/e.reg", "/c.var", "/a.cnt", "/b.stu"}));
    const std::string ini = "[Settings]\nx=1\n[Recent File List]\nFile1=/old.cnt\n[Other]\ny=2\n";
    const std::string written = WithRecentFileList(ini, {"/e.reg", "/c.var"});
    EXPECT_EQ(written, "[Settings]\nx=1\n[Recent File List]\nFile1=/e.reg\nFile2=/c.var\n[Other]\ny=2\n");
    EXPECT_EQ(ParseRecentFileList(written, 4), (std::vector<std::string>{"/e.reg", "/c.var"}));
    EXPECT_EQ(WithRecentFileList("[Settings]\nx=1\n", {"/a.cnt"}), "[Settings]\nx=1\n\n[Recent File List]\nFile1=/a.cnt\n");
}

}  // namespace
}  // namespace dulm
