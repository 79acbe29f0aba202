// What every demonstration view has: the main frame it borrows the reference canvas, fonts and
// pens from, the canvas mapped onto its window, and, for the demonstrations that ask for their
// parameters at their first paint, the start-up protocol with "&Start Demo".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/MainFrame.h"
#include "platform/Document.h"
#include "platform/View.h"

namespace dulm {

class DemoData;

// The sentence of a window whose parameter dialog was cancelled (the sampling demonstrations'
// wording; the others pass their own).
inline constexpr const char* kStartInstruction = "Use 'Start Demo' on the Demo menu to start the demonstration.";

// The flags of a demonstration that asks for its parameters at its first paint.
class CDemoDoc : public CDocument {
public:
    bool OnNewDocument() override;

    int m_bDeclined = 0;  // the parameter dialog was cancelled: the start instruction shows
    int m_bChosen = 0;    // parameters chosen: paints run or redraw the demonstration
};

// The opening of every paint of such a demonstration: the grey background, then either the start
// instruction (declined) or the instruction erased and, at the first paint of a new document, the
// parameter dialog; and "&Start Demo", enabled exactly while the dialog stands declined.
class DemoStartup {
public:
    // sentence: what a declined window shows at (100, 100); afterErase: the text colour once the
    // paint has erased it.
    DemoStartup(std::string_view sentence, Colour afterErase) : m_sentence(sentence), m_afterErase(afterErase) {}

    // Cleared while the opening dialog is open, and by runs that hold painting off.
    int m_bPaintEnabled = 1;

private:
    friend class CDemoView;
    std::string_view m_sentence;
    Colour m_afterErase;
};

class CDemoView : public CScrollView {
public:
    // Maps the reference canvas W x H onto the whole window; painting enabled.
    void OnInitialUpdate() override;
    bool OnCommand(unsigned id) override;
    bool OnUpdateCommand(CCmdUI& cmdUI) override;
    // Export Data: the demonstration's parameters and the data of its run so far (none before it
    // has any). Called while the view's thread is parked in a wait (see ExportCsv).
    virtual void ExportData(DemoData& /*data*/) const {}

protected:
    // A view without a parameter dialog.
    CDemoView();
    // A view with the start-up protocol.
    explicit CDemoView(DemoStartup startup);

    std::int16_t W() const { return static_cast<std::int16_t>(m_pFrame->m_cxClient); }
    std::int16_t H() const { return static_cast<std::int16_t>(m_pFrame->m_cyClient); }
    Size ReferenceCanvas() const { return m_pFrame->ReferenceCanvas(); }

    // Shows the parameter dialog; on "OK" copies the parameters into the document and returns true.
    virtual bool ChooseParameters() { return false; }

    // The start of a paint: nothing while painting is held off; otherwise the grey background,
    // then the start instruction or the parameter dialog. True when the parameters are chosen and
    // the paint goes on to run or redraw; the text colour is then the colour after erasing.
    bool OpenPaint(Dc& dc);
    // "&Start Demo": the parameter dialog, unless parameters were chosen already; a repaint either way.
    void OnStartDemo();
    CDemoDoc& DemoDoc() const;

    // Holds painting off for a scope (a timed pause of a run), as the old paint flag did.
    class [[nodiscard]] PaintingHeld {
    public:
        explicit PaintingHeld(CDemoView& view) : m_flag(view.m_startup->m_bPaintEnabled) { m_flag = 0; }
        ~PaintingHeld() { m_flag = 1; }
        PaintingHeld(const PaintingHeld&) = delete;
        PaintingHeld& operator=(const PaintingHeld&) = delete;

    private:
        int& m_flag;
    };

    const CMainFrame* m_pFrame;
    std::optional<DemoStartup> m_startup;
};

// What the status bar says while a run goes on: the keys that act now and how far the run is
// ("sample 1234 of 10000"). The bar shows what it said before (the idle text, unless a longer
// guard speaks there) again when the run ends, however it ends.
class [[nodiscard]] RunStatus {
public:
    // unit: what the run counts ("sample"), total of them.
    RunStatus(CView& view, const char* keys, const char* unit, long total);
    ~RunStatus();
    RunStatus(const RunStatus&) = delete;
    RunStatus& operator=(const RunStatus&) = delete;

    void Progress(long done);
    // Progress from a run that does not pause: said every 1000th time only, and at the end.
    void FastProgress(long done) {
        if (done % 1000 == 0 || done == m_total) Progress(done);
    }

private:
    CView& m_view;
    std::string m_before;
    const char* m_keys;
    const char* m_unit;
    long m_total;
};

}  // namespace dulm
