#include "app/DemoView.h"

#include <cstdio>

#include "app/ViewConventions.h"
#include "res/Resources.h"

namespace dulm {

bool CDemoDoc::OnNewDocument() {
    if (!CDocument::OnNewDocument()) return false;
    m_bDeclined = 0;
    m_bChosen = 0;
    return true;
}

CDemoView::CDemoView() : m_pFrame(&AfxGetMainFrame()) {}

CDemoView::CDemoView(DemoStartup startup) : m_pFrame(&AfxGetMainFrame()), m_startup(startup) {}

void CDemoView::OnInitialUpdate() {
    SetScaleToFitSize(m_pFrame->ReferenceCanvas());
    if (m_startup) m_startup->m_bPaintEnabled = 1;
}

CDemoDoc& CDemoView::DemoDoc() const { return dynamic_cast<CDemoDoc&>(*GetDocument()); }

bool CDemoView::OnCommand(unsigned id) {
    if (!m_startup || id != res::ID_START_DEMO) return false;
    OnStartDemo();
    return true;
}

bool CDemoView::OnUpdateCommand(CCmdUI& cmdUI) {
    if (!m_startup || cmdUI.m_nID != res::ID_START_DEMO) return false;
    cmdUI.Enable(DemoDoc().m_bDeclined != 0);
    return true;
}

bool CDemoView::OpenPaint(Dc& dc) {
    DemoStartup& startup = *m_startup;
    if (!startup.m_bPaintEnabled) return false;
    PaintGreyBackground(dc);
    CDemoDoc& doc = DemoDoc();
    if (doc.m_bDeclined) {
        Describe({});
        dc.TextOut(100, 100, startup.m_sentence);
        return false;
    }
    dc.SetTextColor(kGrey);  // erases the instruction a declined window showed
    dc.TextOut(100, 100, startup.m_sentence);
    dc.SetTextColor(startup.m_afterErase);
    if (doc.m_bChosen) return true;

    // The first paint of a new document asks for the parameters; the run starts with the next paint.
    startup.m_bPaintEnabled = 0;
    if (ChooseParameters()) doc.m_bChosen = 1;
    else doc.m_bDeclined = 1;
    InvalidateRect();
    startup.m_bPaintEnabled = 1;
    return false;
}

void CDemoView::OnStartDemo() {
    CDemoDoc& doc = DemoDoc();
    if (doc.m_bChosen) return;
    if (ChooseParameters()) {
        doc.m_bChosen = 1;
        doc.m_bDeclined = 0;
    }
    InvalidateRect();
}

RunStatus::RunStatus(CView& view, const char* keys, const char* unit, long total)
    : m_view(view), m_before(view.StatusText()), m_keys(keys), m_unit(unit), m_total(total) {
    Progress(0);
}

RunStatus::~RunStatus() { m_view.SetStatusText(std::move(m_before)); }

void RunStatus::Progress(long done) {
    char text[256];
    std::snprintf(text, sizeof text, "%s %ld of %ld    %s", m_unit, done, m_total, m_keys);
    m_view.SetStatusText(text);
}

}  // namespace dulm
