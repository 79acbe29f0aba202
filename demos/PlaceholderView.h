// The window of a demonstration that is not built yet: the reference canvas mapped onto the
// window, the grey background and the font for the current scale.
#pragma once

#include "app/DemoView.h"

namespace dulm {

class CPlaceholderDoc : public CDocument {};

class CPlaceholderView : public CDemoView {
public:
    void OnDraw(Dc& dc) override;
};

}  // namespace dulm
