// The "New" dialog: the list of demonstrations to choose from.
#pragma once

#include <vector>

#include <QDialog>

#include "platform/DocTemplate.h"
#include "qt/HelpWindow.h"

class QListWidget;

namespace dulm {

class NewDialog final : public QDialog {
public:
    NewDialog(const std::vector<const CMultiDocTemplate*>& templates, HelpRequest help, QWidget* parent = nullptr);

    // The template chosen, or null after "Cancel". A single template needs no choice.
    static const CMultiDocTemplate* Choose(const std::vector<const CMultiDocTemplate*>& templates, HelpRequest help,
                                           QWidget* parent);
    const CMultiDocTemplate* Selected() const;
    QListWidget* List() const { return m_list; }

    // The help topic of the dialog: 0x20000 + its resource id.
    static constexpr unsigned kHelpContext = 0x27801;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<const CMultiDocTemplate*> m_templates;
    HelpRequest m_help;
    QListWidget* m_list;
};

}  // namespace dulm
