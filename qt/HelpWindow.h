// The help window: one page of the help file at a time, opened at a context number, with the
// Index, a Back button and links between pages.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include <QTextBrowser>
#include <QWidget>

#include "app/HelpFile.h"

namespace dulm {

// Opens the help at a context number; what dialogs and views are given to ask for help.
using HelpRequest = std::function<void(unsigned context)>;

class HelpBrowser final : public QTextBrowser {
public:
    explicit HelpBrowser(QWidget* parent) : QTextBrowser(parent) {}
    void SetHelpFile(const HelpFile* file) { m_file = file; }
    // The page of a "topic:ID" address.
    static QUrl TopicUrl(const QString& id);

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    const HelpFile* m_file = nullptr;
};

// A window of its own, which no dialog blocks: help asked for from a dialog is read and clicked
// while the dialog stays open. Every request brings it to the front.
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(std::filesystem::path helpFile);

    // Moves the window before it is first shown; later it stays where the user put it.
    using Placement = std::function<void(QWidget& help)>;
    void SetFirstPlacement(Placement place) { m_place = std::move(place); }

    void ShowContext(unsigned context);
    void ShowIndex();
    void ShowUsingHelp();
    // The address of the page shown, "topic:0x20004".
    QUrl CurrentPage() const { return m_browser->source(); }

signals:
    // The window was closed or hidden: what it covered has to be drawn again.
    void hidden();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void ShowPage(const QString& id);
    bool EnsureLoaded();

    std::filesystem::path m_path;
    std::optional<HelpFile> m_file;
    HelpBrowser* m_browser;
    Placement m_place;
    bool m_placed = false;
};

}  // namespace dulm
