#include "qt/AboutDialog.h"

#include "app/AboutDlg.h"
#include "qt/TemplateDialog.h"

namespace dulm {

TemplateDialog* AboutDialog::Show(QWidget* parent, HelpRequest help) {
    static CAboutDlg about;  // no data of its own, so one object serves every About box
    auto* dialog = new TemplateDialog(about, std::move(help), parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);  // blocks the main window, never the help
    dialog->show();
    return dialog;
}

}  // namespace dulm
