// The look every dialog and message box of the program shares: the background and text colours the
// application chose at start-up, and message boxes captioned with the application title.
#pragma once

#include <string>

#include <QMessageBox>

#include "platform/Gdi.h"

class QWidget;

namespace dulm {

class DialogLook {
public:
    static void SetColours(Colour background, Colour text);
    // Paints the widget in the dialog colours.
    static void Apply(QWidget& widget);

    // A message box of the old type (MB_OK or MB_YESNO, optionally MB_ICONEXCLAMATION), not yet shown.
    static QMessageBox* MakeMessageBox(QWidget* parent, const std::string& text, unsigned type);
    // The old result code (IDOK, IDYES, IDNO) of the button a message box finished with.
    static int MessageBoxResult(int finishedWith);

private:
    static inline Colour s_background = kGrey;
    static inline Colour s_text = kBlack;
    static inline bool s_set = false;
};

}  // namespace dulm
