#include "QtTestSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include "app/ViewConventions.h"
#include "demos/Registry.h"
#include "platform/ViewHost.h"
#include "res/Dialogs.h"
#include "res/Resources.h"

namespace dulm::test {

bool WaitFor(const std::function<bool()>& ready, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!ready()) {
        if (timer.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(1);
    }
    return true;
}

int QuietShell::MessageBox(const std::string& text, unsigned) {
    questions.push_back(text);
    return IDYES;
}

StartedProgram::StartedProgram(std::function<CDemoApp::TemplateList()> templates)
    : m_app(std::move(templates)), m_shell(m_app) {
    m_app.InitInstance(m_shell);
}

StartedProgram::StartedProgram() : StartedProgram(MakeDemoTemplates) {}

StartedProgram::~StartedProgram() {
    Window().close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ChildWindow* StartedProgram::Open(unsigned templateId) {
    const CMultiDocTemplate* tmpl = m_app.FindTemplate(templateId);
    return tmpl ? Window().NewDemo(*tmpl) : nullptr;
}

CentralParameters::CentralParameters() : CDialog(res::CentralDialog()) {}

void CentralParameters::DoDataExchange(CDataExchange& dx) {
    DDX_Text(dx, 1002, m_nSamples);
    DDV_MinMaxLong(dx, m_nSamples, 1000, 50000);
    DDX_Text(dx, 1001, m_nSize);
    DDV_MinMaxLong(dx, m_nSize, 1, 100);
    DDX_Radio(dx, 1003, m_nShape);
}

void TimerLoopView::OnDraw(Dc& dc) {
    PaintGreyBackground(dc);
    looping = true;
    for (;;) {
        SetTimer(1, 60'000);  // a close that waited for the timer would take a minute
        dulm::WaitMessage();
        for (MSG m; dulm::PeekMessage(m);) {
        }
    }
}

void DialogView::OnDraw(Dc&) {
    asking = true;
    CentralParameters parameters;
    result = parameters.DoModal();
}

void ProbeView::OnDraw(Dc& dc) {
    PaintGreyBackground(dc);
    ++paints;
}

void ProbeView::OnKeyDown(unsigned nChar, unsigned, unsigned nFlags) {
    lastVk = nChar;
    lastScan = nFlags & 0xFF;
    if (nChar == 'S') {
        m_sawS = true;
        SetStatusText("S seen");
    }
}

bool ProbeView::OnUpdateCommand(CCmdUI& cmdUI) {
    if (cmdUI.m_nID != res::ID_START_DEMO) return false;
    cmdUI.Enable(m_sawS);
    return true;
}

bool ProbeView::OnCommand(unsigned id) {
    if (id == res::ID_START_DEMO) started = true;
    return id == res::ID_START_DEMO;
}

namespace {

template <class Doc, class View>
std::unique_ptr<CMultiDocTemplate> TestTemplate(unsigned resourceId) {
    return std::make_unique<CMultiDocTemplate>(
        resourceId, FindDemo(resourceId)->DocString(), [] { return std::make_unique<Doc>(); },
        [] { return std::make_unique<View>(); });
}

}  // namespace

CDemoApp::TemplateList ViewTestTemplates() {
    CDemoApp::TemplateList templates;
    templates.push_back(TestTemplate<CountedDoc, ProbeView>(res::IDR_CENTRAL));
    templates.push_back(TestTemplate<CountedDoc, TimerLoopView>(res::IDR_ANOVA));
    templates.push_back(TestTemplate<CountedDoc, DialogView>(res::IDR_ALPHA));
    templates.push_back(TestTemplate<RefusingDoc, ProbeView>(res::IDR_POWER));
    templates.push_back(TestTemplate<CountedDoc, ProbeView>(res::IDR_CORRELATION));
    return templates;
}

}  // namespace dulm::test
