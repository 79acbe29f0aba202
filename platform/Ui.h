// What a view asks of the user interface: modal dialogs, message boxes, help, mouse capture.
// The window front end implements it (the view's thread waits for the answer); tests script it.
#pragma once

#include <string>

namespace dulm {

class CDialog;

class Ui {
public:
    virtual ~Ui() = default;
    // Shows the dialog; the dialog stays open while its data exchange refuses an entry.
    virtual int DoModal(CDialog& dialog) = 0;
    // Yes/No and OK boxes captioned with the application title; returns IDYES, IDNO or IDOK.
    virtual int MessageBox(const std::string& text, unsigned type) = 0;
    // Opens the help file at a context number (HELP_CONTEXT).
    virtual void WinHelp(unsigned context) = 0;
    // Routes all mouse input to the view until released.
    virtual void SetCapture(bool captured) = 0;
};

// The Ui of the calling view's thread.
Ui& CurrentUi();

// The framework's message box: application title as caption, exclamation icon on Yes/No boxes.
int AfxMessageBox(const std::string& text, unsigned type);

}  // namespace dulm
