#include "qt/NewDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/DialogLook.h"

namespace dulm {

NewDialog::NewDialog(const std::vector<const CMultiDocTemplate*>& templates, HelpRequest help, QWidget* parent)
    : QDialog(parent), m_templates(templates), m_help(std::move(help)), m_list(new QListWidget(this)) {
    setWindowTitle("New");
    setWindowModality(Qt::WindowModal);  // blocks the main window, never the help its button opens
    DialogLook::Apply(*this);
    for (const CMultiDocTemplate* t : m_templates)
        m_list->addItem(QString::fromStdString(t->GetDocString(CMultiDocTemplate::fileNewName)));
    m_list->setCurrentRow(0);
    m_list->setAccessibleName("New");  // the list is the dialog: a screen reader names it as the caption
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* ok = new QPushButton("OK", this);
    auto* cancel = new QPushButton("Cancel", this);
    auto* helpButton = new QPushButton("&Help", this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton, &QPushButton::clicked, this, [this] { if (m_help) m_help(kHelpContext); });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(helpButton);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list);
    layout->addLayout(buttons);
    resize(360, 260);
}

const CMultiDocTemplate* NewDialog::Selected() const {
    const int row = m_list->currentRow();
    return row >= 0 && row < int(m_templates.size()) ? m_templates[size_t(row)] : nullptr;
}

const CMultiDocTemplate* NewDialog::Choose(const std::vector<const CMultiDocTemplate*>& templates, HelpRequest help,
                                           QWidget* parent) {
    if (templates.size() == 1) return templates.front();
    NewDialog dialog(templates, std::move(help), parent);
    return dialog.exec() == QDialog::Accepted ? dialog.Selected() : nullptr;
}

void NewDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && m_help) {
        m_help(kHelpContext);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace dulm
