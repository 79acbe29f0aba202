#include "qt/DialogLook.h"

#include <QPalette>
#include <QWidget>

#include "platform/Messages.h"
#include "res/Resources.h"
#include "res/Strings.h"

namespace dulm {

namespace {
QColor ToQColor(Colour c) { return QColor(c.r, c.g, c.b); }
}  // namespace

void DialogLook::SetColours(Colour background, Colour text) {
    s_background = background;
    s_text = text;
    s_set = true;
}

void DialogLook::Apply(QWidget& widget) {
    if (!s_set) return;  // dialogs keep the desktop's colours until the application chooses its own
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, ToQColor(s_background));
    palette.setColor(QPalette::Button, ToQColor(s_background));
    palette.setColor(QPalette::WindowText, ToQColor(s_text));
    palette.setColor(QPalette::ButtonText, ToQColor(s_text));
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

QMessageBox* DialogLook::MakeMessageBox(QWidget* parent, const std::string& text, unsigned type) {
    const bool yesNo = (type & 0xF) == MB_YESNO;
    const bool exclamation = (type & 0xF0) == MB_ICONEXCLAMATION;
    auto* box = new QMessageBox(exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                                QString::fromStdString(res::LoadString(res::AFX_IDS_APP_TITLE)),
                                QString::fromStdString(text),
                                yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
    Apply(*box);
    return box;
}

int DialogLook::MessageBoxResult(int finishedWith) {
    switch (finishedWith) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Ok: return IDOK;
    default: return IDCANCEL;  // closed without an answer
    }
}

}  // namespace dulm
