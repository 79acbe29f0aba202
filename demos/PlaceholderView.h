// The window of a demonstration that is not built yet: the reference canvas mapped onto the
// window, the grey background and the font for the current scale.
#pragma once

#include "app/MainFrame.h"
#include "platform/View.h"

namespace dulm {

class CPlaceholderDoc : public CDocument {};

class CPlaceholderView : public CScrollView {
public:
    CPlaceholderView() : m_pFrame(&AfxGetMainFrame()) {}
    void OnInitialUpdate() override;
    void OnDraw(Dc& dc) override;

private:
    const CMainFrame* m_pFrame;
};

}  // namespace dulm
