// What the front-end tests share: a started program whose start-up question is answered without a
// user, waiting while the event loop runs, and small views and dialogs that make a test's point.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/DemoApp.h"
#include "platform/Dialog.h"
#include "platform/View.h"
#include "qt/MainWindow.h"
#include "qt/QtShell.h"

namespace dulm::test {

// Processes events until ready() holds; false after timeoutMs.
bool WaitFor(const std::function<bool()>& ready, int timeoutMs = 2000);

// Answers "Yes" to the start-up question and lets the test open its own windows.
class QuietShell final : public QtShell {
public:
    using QtShell::QtShell;
    int MessageBox(const std::string& text, unsigned) override;
    void OnFileNew() override {}
    std::vector<std::string> questions;
};

// The program after InitInstance, its main window shown.
class StartedProgram {
public:
    explicit StartedProgram(std::function<CDemoApp::TemplateList()> templates);
    StartedProgram();  // the thirteen demonstrations
    ~StartedProgram();
    MainWindow& Window() const { return *m_shell.Window(); }
    const CDemoApp& App() const { return m_app; }
    QuietShell& Shell() { return m_shell; }
    // A new window of the template with this id.
    ChildWindow* Open(unsigned templateId);

private:
    CDemoApp m_app;
    QuietShell m_shell;
};

// The Central Limit parameter dialog as its demonstration exchanges it.
class CentralParameters final : public CDialog {
public:
    CentralParameters();
    long m_nSamples = 10000;
    long m_nSize = 10;
    int m_nShape = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};

// Counts the views and documents alive, so that a test sees what a close leaves behind.
struct Alive {
    static inline std::atomic<int> views{0};
    static inline std::atomic<int> documents{0};
};

class CountedDoc : public CDocument {
public:
    CountedDoc() { ++Alive::documents; }
    ~CountedDoc() override { --Alive::documents; }
};

class CountedView : public CView {
public:
    CountedView() { ++Alive::views; }
    ~CountedView() override { --Alive::views; }
    void OnInitialUpdate() override { SetScaleToFitSize({200, 100}); }
};

// Draws once, then waits on its timer forever, as a demonstration's run pauses between samples.
class TimerLoopView final : public CountedView {
public:
    static inline std::atomic<bool> looping{false};
    void OnDraw(Dc& dc) override;
};

// Asks for the Central Limit parameters in its first paint.
class DialogView final : public CountedView {
public:
    static inline std::atomic<bool> asking{false};
    static inline std::atomic<int> result{0};
    void OnDraw(Dc& dc) override;
};

// Enables "&Start Demo" and says "S seen" in the status bar once it has seen the S key, and
// remembers the last key and the command.
class ProbeView final : public CountedView {
public:
    static inline std::atomic<unsigned> lastVk{0};
    static inline std::atomic<unsigned> lastScan{0};
    static inline std::atomic<bool> started{false};
    static inline std::atomic<int> paints{0};
    void OnDraw(Dc& dc) override;
    void OnKeyDown(unsigned nChar, unsigned, unsigned nFlags) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;
    bool OnCommand(unsigned id) override;

private:
    bool m_sawS = false;
};

class RefusingDoc final : public CountedDoc {
public:
    bool OnNewDocument() override { return false; }
};

// Templates for the window tests: Central Limit and Correlation probe, Anova loops on its timer,
// Alpha asks for parameters, Power's document refuses to open.
CDemoApp::TemplateList ViewTestTemplates();

}  // namespace dulm::test
