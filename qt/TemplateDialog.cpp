#include "qt/TemplateDialog.h"

#include <algorithm>

#include <QButtonGroup>
#include <QFontDatabase>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "qt/AccessiblePicture.h"
#include "qt/DialogLook.h"
#include "res/Dialogs.h"
#include "res/Resources.h"

namespace dulm {

namespace {

constexpr const char* kOldSystemFace = "MS Sans Serif";
constexpr int kIconPixels = 32;

// Clears or sets a radio button even where its group would refuse to leave none checked.
void SetRadioChecked(QAbstractButton& button, bool checked) {
    QButtonGroup* group = button.group();
    const bool exclusive = group && group->exclusive();
    if (exclusive) group->setExclusive(false);
    button.setChecked(checked);
    if (exclusive) group->setExclusive(true);
}

}  // namespace

// The average character width is taken over the 52 letters, as dialog base units always were,
// and kept unrounded: a font's own average leans towards narrow lower-case letters, and rounding
// it down leaves the labels a few pixels short of their text.
DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    m_baseX = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 52.0;
    m_baseY = metrics.height();
}

int DialogUnits::X(int du) const { return int(du * m_baseX / 4 + 0.5); }
int DialogUnits::Y(int du) const { return du * m_baseY / 8; }

QSize DialogUnits::ToPixels(int cx, int cy) const { return {X(cx), Y(cy)}; }

QRect DialogUnits::ToPixels(const DialogRect& rect) const {
    return {QPoint(X(rect.x), Y(rect.y)), ToPixels(rect.cx, rect.cy)};
}

// The old system's dialog face has no counterpart here; a sans face of Arial's proportions keeps
// the labels inside the room the templates give them, and any sans face will do without one.
QFont TemplateDialog::DialogFont(const DialogTemplate& tmpl) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    if (tmpl.fontFace == kOldSystemFace)
        font.setFamilies({"Liberation Sans", "Arial", "Nimbus Sans", "Helvetica"});
    else
        font.setFamily(QString::fromStdString(tmpl.fontFace));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(tmpl.fontPoints);
    return font;
}

TemplateDialog::TemplateDialog(CDialog& dialog, HelpRequest help, QWidget* parent)
    : QDialog(parent), m_dialog(&dialog), m_help(std::move(help)) {
    InstallAccessibleInterfaces();
    const DialogTemplate& tmpl = dialog.Template();
    setWindowTitle(QString::fromStdString(tmpl.caption));
    setFont(DialogFont(tmpl));
    DialogLook::Apply(*this);
    const DialogUnits units(font());
    setFixedSize(units.ToPixels(tmpl.rect.cx, tmpl.rect.cy));
    for (const DialogControl& control : tmpl.controls) {
        QWidget* widget = CreateControl(control);
        widget->setGeometry(Fitted(*widget, units.ToPixels(control.rect), FreeRight(tmpl, control, units)));
        if (control.id >= 0) m_controls[control.id] = widget;
        if (control.kind == ControlKind::Static) m_labels.insert(&control, widget);
    }
    NameControls();
    Apply(dialog.InitialState());
    FocusFirstControl();
}

// An edit is named by its label and described by its range (LabelsOf); each radio button of a
// group says the group's name after its own.
void TemplateDialog::NameControls() {
    const DialogTemplate& tmpl = m_dialog->Template();
    QString group;
    for (const DialogControl& control : tmpl.controls) {
        QWidget* widget = Control(control.id);
        if (control.kind == ControlKind::AutoRadio || control.kind == ControlKind::Radio) {
            if (control.group || group.isNull()) group = QString::fromStdString(res::RadioGroupName(tmpl.id, control.id));
            if (widget && !group.isEmpty()) widget->setAccessibleDescription(group);
            continue;
        }
        group = QString();
        auto* edit = qobject_cast<QLineEdit*>(widget);
        if (control.kind != ControlKind::Edit || !edit) continue;
        const EditLabels labels = LabelsOf(tmpl, control);
        if (auto* name = qobject_cast<QLabel*>(m_labels.value(labels.name))) name->setBuddy(edit);
        QStringList hints;
        for (const DialogControl* hint : labels.hints)
            if (auto* label = qobject_cast<QLabel*>(m_labels.value(hint))) hints.append(label->text());
        edit->setAccessibleDescription(hints.join(' ').simplified());
    }
}

// The dialog opens on its first control in tab order that takes the focus (of a radio group, the
// button checked), an edit with its whole text selected, so that typing replaces the value.
void TemplateDialog::FocusFirstControl() {
    for (const DialogControl& control : m_dialog->Template().controls) {
        QWidget* widget = Control(control.id);
        if (!widget || widget->focusPolicy() == Qt::NoFocus || !widget->isEnabled()) continue;
        if (auto* radio = qobject_cast<QRadioButton*>(widget); radio && radio->group())
            if (QAbstractButton* checked = radio->group()->checkedButton()) widget = checked;
        widget->setFocus(Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->selectAll();
        return;
    }
}

// Text in a face other than the one the templates were drawn for may need a little more room than
// they give it: a radio button grows to show all of its text rather than clip it, and a label grows
// wider rather than break its text into more lines than the template has room for (where the
// breaks of its lines fall is part of the text). A label of several lines grows into the free room
// at its right only; one that can't keep to its lines there grows downwards instead.
QRect TemplateDialog::Fitted(const QWidget& widget, QRect rect, int freeRight) {
    if (qobject_cast<const QRadioButton*>(&widget)) {
        rect.setWidth(std::max(rect.width(), widget.sizeHint().width()));
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget); label && label->pixmap().isNull()) {
        const QFontMetrics metrics = label->fontMetrics();
        const int lines = std::max(1, rect.height() / metrics.height());
        const int oneLine = metrics.horizontalAdvance(label->text());
        const int room = lines * metrics.height() + metrics.height() / 2;
        int width = rect.width();
        const int widest = lines == 1 ? oneLine : std::min(oneLine, freeRight - rect.left());
        while (width < widest && label->heightForWidth(width) > room) ++width;
        if (label->heightForWidth(width) <= room) rect.setWidth(width);
        rect.setHeight(std::max(rect.height(), label->heightForWidth(rect.width())));
    }
    return rect;
}

// Where the nearest control at the right of this one, beside it, begins; else the dialog's edge.
int TemplateDialog::FreeRight(const DialogTemplate& tmpl, const DialogControl& control, const DialogUnits& units) {
    const QRect own = units.ToPixels(control.rect);
    int right = units.ToPixels(tmpl.rect.cx, tmpl.rect.cy).width() - units.ToPixels(4, 0).width();
    for (const DialogControl& other : tmpl.controls) {
        const QRect rect = units.ToPixels(other.rect);
        if (&other == &control || rect.left() <= own.left()) continue;
        if (rect.bottom() < own.top() || rect.top() > own.bottom()) continue;
        right = std::min(right, rect.left() - units.ToPixels(2, 0).width());
    }
    return right;
}

QWidget* TemplateDialog::CreateControl(const DialogControl& control) {
    if (control.group) m_group = nullptr;  // a group mark ends the radio group before it
    const QString text = QString::fromStdString(control.text);
    switch (control.kind) {
    case ControlKind::Static: {
        auto* label = new QLabel(text, this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::Icon: {
        auto* icon = new QLabel(this);
        icon->setPixmap(QIcon(":/icons/dulm.xpm").pixmap(kIconPixels, kIconPixels));
        icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return icon;
    }
    case ControlKind::Edit:
        return new QLineEdit(this);
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = new QPushButton(text, this);
        button->setDefault(control.kind == ControlKind::DefPushButton);
        connect(button, &QPushButton::clicked, this, [this, id = control.id] { OnButton(id); });
        return button;
    }
    case ControlKind::AutoRadio:
    case ControlKind::Radio:
        return CreateRadio(control);
    }
    return new QWidget(this);
}

QAbstractButton* TemplateDialog::CreateRadio(const DialogControl& control) {
    const bool automatic = control.kind == ControlKind::AutoRadio;
    auto* radio = new QRadioButton(QString::fromStdString(control.text), this);
    // The button group below decides which buttons exclude each other; a button in a group never
    // looks at its own auto-exclusive flag, but screen readers do: without it a radio button is
    // announced as a check box.
    radio->setAutoExclusive(true);
    if (control.textLeft) radio->setLayoutDirection(Qt::RightToLeft);
    if (!m_group) {
        m_group = new QButtonGroup(this);
        m_group->setExclusive(automatic);
    }
    m_group->addButton(radio);
    if (!automatic) m_plainRadios[control.id] = true;
    connect(radio, &QRadioButton::clicked, this, [this, id = control.id] { OnButton(id); });
    return radio;
}

QWidget* TemplateDialog::Control(int id) const {
    const auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void TemplateDialog::OnButton(int id) {
    if (!m_dialog) return;
    if (id == IDOK) return OnOk();
    if (id == IDCANCEL) return reject();
    if (id == int(res::ID_HELP)) return OpenHelp();
    DialogState state = Collect();
    if (m_plainRadios.contains(id)) {
        // Clicking a plain radio button changes no button (its group may have moved the check):
        // only its dialog sets one.
        for (const auto& [cid, widget] : m_controls) {
            if (!qobject_cast<QRadioButton*>(widget)) continue;
            const ControlState* before = m_applied.Find(cid);
            state[cid].checked = before && before->checked;
        }
    }
    m_dialog->OnControlClicked(id, state);
    Apply(state);
}

void TemplateDialog::OnOk() {
    DialogState state = Collect();
    if (const std::optional<ExchangeFailure> failure = m_dialog->SaveState(state)) {
        ShowRefusal(*failure);
        return;
    }
    accept();
}

// The refused entry gets the focus with its text selected, so that typing replaces it.
void TemplateDialog::ShowRefusal(const ExchangeFailure& failure) {
    QMessageBox* box = DialogLook::MakeMessageBox(this, failure.prompt, MB_OK | MB_ICONEXCLAMATION);
    box->setAttribute(Qt::WA_DeleteOnClose);
    auto focusEntry = [this, id = failure.controlId] {
        QWidget* control = Control(id);
        if (!control) return;
        control->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
    };
    focusEntry();
    connect(box, &QMessageBox::finished, this, focusEntry);
    box->open();
}

DialogState TemplateDialog::Collect() const {
    DialogState state;
    for (const auto& [id, widget] : m_controls) {
        ControlState& control = state[id];
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            control.text = edit->text().toStdString();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            control.text = button->text().toStdString();
            control.checked = button->isCheckable() && button->isChecked();
            control.autoRadio = !m_plainRadios.contains(id);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            control.text = label->text().toStdString();
        }
    }
    return state;
}

void TemplateDialog::Apply(const DialogState& state) {
    for (const auto& [id, control] : state.Controls()) {
        QWidget* widget = Control(id);
        const QString text = QString::fromStdString(control.text);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (edit->text() != text) edit->setText(text);
        } else if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            SetRadioChecked(*radio, control.checked);
            radio->setText(text);
            if (control.autoRadio) m_plainRadios.erase(id);
            else m_plainRadios[id] = true;
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            button->setText(text);
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
            label->setText(text);
        }
    }
    m_applied = state;
}

void TemplateDialog::OpenHelp() {
    if (m_dialog && m_help) m_help(m_dialog->HelpContext());
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        OpenHelp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TemplateDialog::done(int result) {
    m_dialog = nullptr;
    QDialog::done(result);
}

}  // namespace dulm
