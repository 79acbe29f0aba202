// "&About Dulm...": the About box, shown on the window's thread.
#pragma once

#include "qt/HelpWindow.h"

class QWidget;

namespace dulm {

class TemplateDialog;

class AboutDialog {
public:
    // Opens the About box over the parent and returns it; it deletes itself when closed.
    static TemplateDialog* Show(QWidget* parent, HelpRequest help);
};

}  // namespace dulm
