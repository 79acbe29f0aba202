// The About box: dialog 100, no data exchange.
#pragma once

#include "platform/Dialog.h"
#include "res/Dialogs.h"

namespace dulm {

class CAboutDlg : public CDialog {
public:
    CAboutDlg() : CDialog(res::AboutDialog()) {}
};

}  // namespace dulm
