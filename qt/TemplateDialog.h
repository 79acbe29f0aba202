// A modal dialog built from a dialog template: controls placed in dialog units, values exchanged
// with the program's dialog object. The dialog stays open while the exchange refuses an entry.
#pragma once

#include <map>

#include <QAbstractButton>
#include <QHash>
#include <QDialog>

#include "platform/Dialog.h"
#include "qt/HelpWindow.h"

class QButtonGroup;

namespace dulm {

// Converts dialog units with the base units of the dialog's font.
class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    QRect ToPixels(const DialogRect& rect) const;
    QSize ToPixels(int cx, int cy) const;

private:
    int X(int du) const;
    int Y(int du) const;
    double m_baseX;
    int m_baseY;
};

class TemplateDialog final : public QDialog {
public:
    // The dialog object has to live until the dialog has finished.
    TemplateDialog(CDialog& dialog, HelpRequest help, QWidget* parent = nullptr);

    // The control of a template id, for tests and for moving the focus to a refused entry.
    QWidget* Control(int id) const;

    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    static QFont DialogFont(const DialogTemplate& tmpl);
    QWidget* CreateControl(const DialogControl& control);
    static QRect Fitted(const QWidget& widget, QRect rect, int freeRight);
    static int FreeRight(const DialogTemplate& tmpl, const DialogControl& control, const DialogUnits& units);
    QAbstractButton* CreateRadio(const DialogControl& control);
    void NameControls();
    void FocusFirstControl();
    void OnButton(int id);
    void OnOk();
    void ShowRefusal(const ExchangeFailure& failure);
    DialogState Collect() const;
    void Apply(const DialogState& state);
    void OpenHelp();

    CDialog* m_dialog;  // null once the dialog has finished: its owner may be gone
    HelpRequest m_help;
    std::map<int, QWidget*> m_controls;
    QHash<const DialogControl*, QWidget*> m_labels;  // the static texts, which have no id
    std::map<int, bool> m_plainRadios;  // plain (not automatic) radio buttons, by id; the dialog may change them
    QButtonGroup* m_group = nullptr;     // the radio group being filled while the dialog is built
    DialogState m_applied;               // the state last shown, which a click on a plain radio keeps
};

}  // namespace dulm
