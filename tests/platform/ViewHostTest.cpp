// A view's thread: first paint, deferred repaints, help, commands, and closing at any moment.
#include <atomic>
#include <new>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

#include "platform/Dialog.h"
#include "platform/Keys.h"
#include "platform/ViewHost.h"

namespace dulm {
namespace {

struct FakeUi : Ui {
    std::vector<unsigned> help;
    int DoModal(CDialog&) override { return IDCANCEL; }
    int MessageBox(const std::string&, unsigned) override { return IDNO; }
    void WinHelp(unsigned context) override { help.push_back(context); }
    void SetCapture(bool) override {}
};

std::atomic<int> g_liveDocuments{0};
std::atomic<int> g_unwound{0};
std::atomic<bool> g_spinning{false};

// How a view's run goes wrong.
enum class Fault { None, BadAlloc, LengthError, CanvasTooLarge, FirstCanvasTooLarge, Spin };
constexpr Size kHugeCanvas{1 << 30, 1 << 30};
std::string FaultName(Fault f) {
    constexpr const char* kNames[] = {"None", "BadAlloc", "LengthError", "CanvasTooLarge", "FirstCanvasTooLarge", "Spin"};
    return kNames[static_cast<int>(f)];
}

struct TestDoc : CDocument {
    bool refuse = false;
    int commands = 0;
    TestDoc() { ++g_liveDocuments; }
    ~TestDoc() override { --g_liveDocuments; }
    bool OnNewDocument() override { return !refuse; }
    bool OnCommand(unsigned id) override { return id == 40 && ++commands; }
    bool OnUpdateCommand(CCmdUI& cmd) override {
        if (cmd.m_nID != 41) return false;
        cmd.SetCheck(commands);
        return true;
    }
};

// Paints count themselves; the first paint with pause set waits on timer 1 like a demonstration's
// pause, dispatching everything that arrives meanwhile.
struct TestView : CView {
    int paints = 0;
    int depth = 0;
    int maxDepth = 0;
    bool pause = false;
    bool invalidateOnce = false;
    bool helpHandled = false;
    Fault fault = Fault::None;
    bool rescaleUnderDc = false;
    std::vector<unsigned> keys;

    void OnInitialUpdate() override {
        SetScaleToFitSize(fault == Fault::FirstCanvasTooLarge ? kHugeCanvas : Size{100, 80});
    }
    void OnDraw(Dc& dc) override {
        struct Unwind {
            ~Unwind() { ++g_unwound; }
        } unwind;
        maxDepth = std::max(maxDepth, ++depth);
        ++paints;
        dc.SetPixel(0, 0, kRed);
        if (std::exchange(invalidateOnce, false)) InvalidateRect();
        if (pause && paints == 1) Pause(1000);
        if (rescaleUnderDc) {
            Dc held = GetDC();
            SetScaleToFitSize({60, 40});
            held.SetPixel(5, 5, kBlue);
        }
        --depth;
        Fail();
    }
    void Fail() {
        switch (fault) {
        case Fault::BadAlloc:
            throw std::bad_alloc();
        case Fault::LengthError:
            std::vector<int>().reserve(std::vector<int>().max_size() + 1);
            break;
        case Fault::CanvasTooLarge:
            SetScaleToFitSize(kHugeCanvas);
            break;
        case Fault::Spin:  // never waits: only looks at the queue
            for (MSG m;; g_spinning = true) PeekMessage(m);
        default:
            break;
        }
    }
    void Pause(unsigned ms) {
        SetTimer(1, ms);
        for (;;) {
            WaitMessage();
            MSG m;
            if (!PeekMessage(m)) continue;
            DispatchMessage(m);
            if (m.message == WM_TIMER) break;
        }
        KillTimer(1);
    }
    void OnKeyUp(unsigned nChar, unsigned, unsigned nFlags) override { keys.push_back(nChar << 8 | (nFlags & 0xFF)); }
    bool OnCommandHelp() override { return helpHandled; }
};

class ViewHostTest : public testing::Test {
protected:
    FakeUi ui;
    bool refuse = false;
    bool pause = false;
    bool invalidateOnce = false;
    Fault fault = Fault::None;
    bool rescaleUnderDc = false;
    CMultiDocTemplate tmpl{77, "\nTest\nTest Demonstration\nTest Files (*.tst)\n.tst\nTest.Document\nTest Document",
                           [this] {
                               auto doc = std::make_unique<TestDoc>();
                               doc->refuse = refuse;
                               return doc;
                           },
                           [this] {
                               auto view = std::make_unique<TestView>();
                               view->pause = pause;
                               view->invalidateOnce = invalidateOnce;
                               view->fault = fault;
                               view->rescaleUnderDc = rescaleUnderDc;
                               return view;
                           }};
    std::unique_ptr<ViewHost> host;

    void Create(Size client = {100, 80}) {
        host = std::make_unique<ViewHost>(tmpl, ui, std::make_unique<VirtualClock>(),
                                          ViewOptions{"Test1", client, {41}, false, {}});
    }
    // Input and the horizon are set before the thread starts, so that it cannot run past them.
    void Begin(std::int64_t horizonUs = 60'000'000) {
        host->Queue().SetHorizon(horizonUs);
        host->Start();
    }
    void Open(Size client = {100, 80}, std::int64_t horizonUs = 60'000'000) {
        Create(client);
        Begin(horizonUs);
    }
    Activity Rest() { return host->Queue().WaitUntilResting(); }
    TestView& View() { return dynamic_cast<TestView&>(*host->View()); }
    TestDoc& Doc() { return dynamic_cast<TestDoc&>(*host->Document()); }
};

TEST_F(ViewHostTest, PaintsOnceWhenOpenedAndDrawsOnTheCanvas) {
    Open();
    EXPECT_EQ(Rest(), Activity::Quiescent);
    EXPECT_EQ(View().paints, 1);
    EXPECT_EQ(host->GetCanvas()->GetSize(), (Size{100, 80}));
    EXPECT_EQ(host->GetCanvas()->PixelAt(0, 0), kRed);
    EXPECT_EQ(Doc().GetTitle(), "Test1");
}

TEST_F(ViewHostTest, AnInvalidationDuringOnDrawBringsTheNextPaint) {
    invalidateOnce = true;
    Open();
    Rest();
    EXPECT_EQ(View().paints, 2);
}

TEST_F(ViewHostTest, RepaintsAskedForDuringARunWaitUntilItEnds) {
    pause = true;
    Create();
    host->Queue().PostAt(100'000, MSG{WM_PAINT});
    host->Queue().PostAt(200'000, MSG{WM_PAINT});
    host->Queue().PostAt(300'000, MakeKeyMessage(WM_KEYUP, '5', 6));
    Begin();
    EXPECT_EQ(Rest(), Activity::Quiescent);
    EXPECT_EQ(View().maxDepth, 1);  // never re-entered
    EXPECT_EQ(View().paints, 2);    // one repaint after the run for both requests
    EXPECT_EQ(View().keys, (std::vector<unsigned>{'5' << 8 | 6}));  // input reached the view meanwhile
}

TEST_F(ViewHostTest, ClosingDuringATimedPauseUnwindsTheRunAndDestroysTheDocument) {
    pause = true;
    Open({100, 80}, 500'000);  // rest inside the pause
    EXPECT_EQ(Rest(), Activity::Horizon);
    const int unwoundBefore = g_unwound;
    host->Close();
    EXPECT_EQ(g_unwound, unwoundBefore + 1);
    EXPECT_EQ(g_liveDocuments, 0);
    EXPECT_EQ(host->Queue().WaitUntilResting(), Activity::Ended);
}

TEST_F(ViewHostTest, ADcTakenBeforeARescaleDrawsOnTheCanvasTheWindowShows) {
    rescaleUnderDc = true;
    Open();
    Rest();
    EXPECT_EQ(host->GetCanvas()->GetSize(), (Size{60, 40}));
    EXPECT_EQ(host->GetCanvas()->PixelAt(5, 5), kBlue);
}

TEST_F(ViewHostTest, AnUnhandledHelpRequestOpensTheTemplatesTopic) {
    Open();
    Rest();
    host->Post(MSG{WM_COMMANDHELP});
    Rest();
    View().helpHandled = true;
    host->Post(MSG{WM_COMMANDHELP});
    Rest();
    EXPECT_EQ(ui.help, (std::vector<unsigned>{0x20000 + 77}));
}

TEST_F(ViewHostTest, CommandsReachTheDocumentAndUpdateStatesArePublished) {
    Open();
    Rest();
    EXPECT_EQ(host->QueryCommand(41).check, 0);
    host->Post(MakeCommand(40));
    Rest();
    EXPECT_EQ(Doc().commands, 1);
    EXPECT_TRUE(host->QueryCommand(41).enabled);
    EXPECT_EQ(host->QueryCommand(41).check, 1);
    EXPECT_FALSE(host->QueryCommand(99).enabled);
}

TEST_F(ViewHostTest, AResizeRepaintsOnlyWhenTheScaledFontWouldChange) {
    Open({100, 80});
    Rest();
    host->Resize({95, 78});  // still k = 7
    Rest();
    EXPECT_EQ(View().paints, 1);
    host->Resize({50, 80});  // k = 4
    Rest();
    EXPECT_EQ(View().paints, 2);
}

TEST_F(ViewHostTest, ARefusedDocumentNeverOpensAndTellsTheWindow) {
    refuse = true;
    std::atomic<int> refusals{0};
    host = std::make_unique<ViewHost>(tmpl, ui, std::make_unique<VirtualClock>(),
                                      ViewOptions{"Test1", {100, 80}, {}, false, [&] { ++refusals; }});
    host->Start();
    EXPECT_EQ(Rest(), Activity::Ended);
    EXPECT_FALSE(host->Opened());
    EXPECT_EQ(refusals, 1);
    EXPECT_EQ(g_liveDocuments, 0);
}

class ViewFailureTest : public ViewHostTest, public testing::WithParamInterface<Fault> {};

// A failing run ends its own thread only; its canvas (when it has one) says what went wrong.
TEST_P(ViewFailureTest, StaysInItsWindowWhileAnotherWindowRunsOn) {
    pause = true;
    Open({100, 80}, 500'000);  // the other window, resting inside its pause
    ASSERT_EQ(Rest(), Activity::Horizon);
    std::unique_ptr<ViewHost> other = std::move(host);
    pause = false;
    fault = GetParam();
    host = std::make_unique<ViewHost>(tmpl, ui, std::make_unique<VirtualClock>(),
                                      ViewOptions{"Test2", {100, 80}, {}, true, {}});
    Begin();
    EXPECT_EQ(Rest(), Activity::Ended);
    EXPECT_EQ(g_liveDocuments, 1);
    const bool memory = GetParam() != Fault::LengthError;
    EXPECT_EQ(host->Failure().rfind(memory ? "This demonstration has stopped: there was not enough memory."
                                           : "This demonstration has stopped after an internal error (",
                                    0),
              0u);
    if (GetParam() == Fault::FirstCanvasTooLarge) {
        EXPECT_EQ(host->GetCanvas(), nullptr);
    } else {
        EXPECT_EQ(host->GetCanvas()->GetSize(), (Size{100, 80}));
        ASSERT_EQ(host->TextLog().size(), 2u);
        EXPECT_EQ(host->TextLog()[0].text, host->Failure());
    }
    other->Queue().SetHorizon(60'000'000);
    other->Post(MakeKeyMessage(WM_KEYUP, '5', 6));
    EXPECT_EQ(other->Queue().WaitUntilResting(), Activity::Quiescent);
    EXPECT_EQ(dynamic_cast<TestView&>(*other->View()).keys.size(), 1u);
    host->Close();
    other->Close();
    EXPECT_EQ(g_liveDocuments, 0);
}

INSTANTIATE_TEST_SUITE_P(Faults, ViewFailureTest,
                         testing::Values(Fault::BadAlloc, Fault::LengthError, Fault::CanvasTooLarge,
                                         Fault::FirstCanvasTooLarge),
                         [](const auto& info) { return FaultName(info.param); });

TEST_F(ViewHostTest, ARunSpinningOnTheQueueRestsAtEachHorizonOfTheVirtualClock) {
    fault = Fault::Spin;
    Open({100, 80}, 500'000);
    EXPECT_EQ(Rest(), Activity::Horizon);
    EXPECT_EQ(host->GetClock().NowUs(), 500'000 + MessageQueue::kVirtualPeekCostUs);
    host->Queue().SetHorizon(2'000'000);
    EXPECT_EQ(Rest(), Activity::Horizon);
    EXPECT_EQ(host->GetClock().NowUs(), 2'000'000 + MessageQueue::kVirtualPeekCostUs);
    host->Close();
    EXPECT_EQ(g_liveDocuments, 0);
}

// The window's cancelling of dialogs comes after the view has learnt that it is closing.
TEST_F(ViewHostTest, ClosingARunThatNeverWaitsReturnsAtItsNextPeek) {
    fault = Fault::Spin;
    g_spinning = false;
    std::vector<bool> closingSeen;
    host = std::make_unique<ViewHost>(tmpl, ui, std::make_unique<SteadyClock>(),
                                      ViewOptions{"Test1", {100, 80}, {}, false, {}, [&] {
                                                      closingSeen.push_back(host->Queue().Closing());
                                                  }});
    host->Start();
    while (!g_spinning) std::this_thread::yield();
    host->Close();
    host->Close();
    EXPECT_EQ(g_liveDocuments, 0);
    EXPECT_EQ(closingSeen, std::vector<bool>{true});
}

TEST(DocTemplateTest, SplitsTheSevenDocumentStrings) {
    const CMultiDocTemplate t{4, "\nCentral Limit\nCentral Limit Demonstration\nCent Files (*.cnt)\n.cnt\nCent.Document\nCent Document",
                              nullptr, nullptr};
    EXPECT_EQ(t.GetDocString(CMultiDocTemplate::windowTitle), "");
    EXPECT_EQ(t.GetDocString(CMultiDocTemplate::fileNewName), "Central Limit Demonstration");
    EXPECT_EQ(t.GetDocString(CMultiDocTemplate::regFileTypeName), "Cent Document");
}

// A live window's keys: the A key makes the view ask (a dialog or a message box); the user answers
// with a key whose release then comes to the window. The view never sees that release, nor a
// repeat of the key held on; its own keys afterwards go through.
struct AnsweringUi : Ui {
    ViewHost* host = nullptr;
    KeyStroke key;
    int Answer(int result) {
        host->PostKey(MakeKeyMessage(WM_KEYDOWN, key.vk, key.scan), true);
        host->PostKey(MakeKeyMessage(WM_KEYUP, key.vk, key.scan));
        return result;
    }
    int DoModal(CDialog&) override { return Answer(IDOK); }
    int MessageBox(const std::string&, unsigned) override { return Answer(IDYES); }
    void WinHelp(unsigned) override {}
    void SetCapture(bool) override {}
};

struct AskingView : CView {
    bool dialog = false;
    std::vector<unsigned> downs, ups;
    void OnInitialUpdate() override { SetScaleToFitSize({100, 80}); }
    void OnDraw(Dc&) override {}
    void OnKeyDown(unsigned nChar, unsigned, unsigned) override {
        downs.push_back(nChar);
        if (nChar != 'A') return;
        static const DialogTemplate kTemplate{900, "Ask", "MS Sans Serif", 8, {0, 0, 100, 60}, {}};
        if (dialog) {
            CDialog ask(kTemplate);
            ask.DoModal();
        } else {
            AfxMessageBox("Go on?", MB_YESNO);
        }
    }
    void OnKeyUp(unsigned nChar, unsigned, unsigned) override { ups.push_back(nChar); }
};

TEST(ViewHostKeys, TheKeyThatAnswersADialogOrMessageBoxStaysWithIt) {
    for (const bool dialog : {false, true}) {
        for (const char* name : {"enter", "space", "esc", "y", "n"}) {
            AnsweringUi ui;
            ui.key = *KeyByName(name);
            CMultiDocTemplate tmpl{78, "\nAsk\nAsk\nAsk (*.ask)\n.ask\nAsk.Document\nAsk Document",
                                   [] { return std::make_unique<CDocument>(); },
                                   [dialog] {
                                       auto view = std::make_unique<AskingView>();
                                       view->dialog = dialog;
                                       return view;
                                   }};
            ViewHost host(tmpl, ui, std::make_unique<VirtualClock>(), ViewOptions{"Ask1", {100, 80}, {}, false, {}});
            ui.host = &host;
            const KeyStroke a = *LetterKey('a');
            host.PostKey(MakeKeyMessage(WM_KEYDOWN, a.vk, a.scan));
            host.Queue().SetHorizon(60'000'000);
            host.Start();
            host.Queue().WaitUntilResting();
            host.PostKey(MakeKeyMessage(WM_KEYDOWN, ui.key.vk, ui.key.scan));
            host.PostKey(MakeKeyMessage(WM_KEYUP, ui.key.vk, ui.key.scan));
            host.Queue().WaitUntilResting();
            const auto& view = dynamic_cast<const AskingView&>(*host.View());
            EXPECT_EQ(view.downs, (std::vector<unsigned>{a.vk, ui.key.vk})) << name << dialog;
            EXPECT_EQ(view.ups, std::vector<unsigned>{ui.key.vk}) << name << dialog;
            host.Close();
        }
    }
}

}  // namespace
}  // namespace dulm
