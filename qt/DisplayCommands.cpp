#include "qt/DisplayCommands.h"

#include <QAction>
#include <QStatusBar>

#include "platform/ViewHost.h"
#include "qt/ChildWindow.h"
#include "qt/MainWindow.h"
#include "qt/PrintPicture.h"
#include "qt/ViewWidget.h"
#include "qt/ZoomArea.h"
#include "res/Resources.h"

namespace dulm {

DisplayCommands::DisplayCommands(MainWindow& window) : QObject(&window), m_window(window) {
    if (QAction* projector = m_window.Actions().Action(res::ID_VIEW_PROJECTOR)) projector->setCheckable(true);
    if (QAction* full = m_window.Actions().Action(res::ID_VIEW_FULL_SCREEN)) full->setCheckable(true);
}

bool DisplayCommands::Handle(unsigned id) {
    ChildWindow* child = m_window.ActiveChild();
    switch (id) {
    case res::ID_VIEW_ZOOM_IN:
        if (child) Zoom(ZoomArea::StepIn(child->Zoom()));
        break;
    case res::ID_VIEW_ZOOM_OUT:
        if (child) Zoom(ZoomArea::StepOut(child->Zoom()));
        break;
    case res::ID_VIEW_ACTUAL_SIZE: Zoom(100); break;
    case res::ID_VIEW_FULL_SCREEN: ToggleFullScreen(); break;
    case res::ID_VIEW_PROJECTOR: ToggleProjector(); break;
    case res::ID_FILE_PRINT: Print(); break;
    default: return false;
    }
    Update();
    return true;
}

void DisplayCommands::Update() {
    const ChildWindow* child = m_window.ActiveChild();
    const int zoom = child ? child->Zoom() : 100;
    auto set = [&](unsigned id, bool enabled) {
        if (QAction* action = m_window.Actions().Action(id)) action->setEnabled(enabled);
    };
    set(res::ID_VIEW_ZOOM_IN, child && zoom < ZoomArea::StepIn(zoom));
    set(res::ID_VIEW_ZOOM_OUT, child && zoom > 100);
    set(res::ID_VIEW_ACTUAL_SIZE, child && zoom != 100);
    set(res::ID_FILE_PRINT, child && child->View().Host());
    if (QAction* full = m_window.Actions().Action(res::ID_VIEW_FULL_SCREEN)) full->setChecked(m_window.isFullScreen());
    if (QAction* projector = m_window.Actions().Action(res::ID_VIEW_PROJECTOR))
        projector->setChecked(m_palette == &Palette::Projector());
}

void DisplayCommands::Zoom(int percent) {
    ChildWindow* child = m_window.ActiveChild();
    if (!child) return;
    child->SetZoom(percent);
    m_window.statusBar()->showMessage(QString("Zoom %1%").arg(child->Zoom()), 2000);
}

// The frame's state before full screen comes back after it. Esc belongs to the runs, so F11 (or
// this command again) is the way back, and the status bar says so.
void DisplayCommands::ToggleFullScreen() {
    if (m_window.isFullScreen()) {
        if (m_wasMaximized) m_window.showMaximized();
        else m_window.showNormal();
        return;
    }
    m_wasMaximized = m_window.isMaximized();
    m_window.showFullScreen();
    m_window.statusBar()->showMessage("Full screen: press F11 to leave it.", 5000);
}

void DisplayCommands::ToggleProjector() {
    m_palette = m_palette == &Palette::Projector() ? &Palette::Classic() : &Palette::Projector();
    for (ChildWindow* child : m_window.Children())
        if (ViewHost* host = child->View().Host()) host->SetPalette(*m_palette);
}

void DisplayCommands::Print() {
    ChildWindow* child = m_window.ActiveChild();
    if (!child || !child->View().Host()) return;
    PrintWithPreview(*child->View().Host(), *m_palette, child->Title(), &m_window,
                     [this](const QString& text) { m_window.statusBar()->showMessage(text, 8000); });
}

}  // namespace dulm
