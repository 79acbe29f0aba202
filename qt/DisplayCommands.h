// The commands that act on the pictures rather than on a view: View > Zoom In, Zoom Out, Actual
// Size (the active window's own zoom), Full Screen (the main window), Projector Colours (every
// window, and every window opened later) and Demo > Print... (the active window's picture).
#pragma once

#include <QObject>

#include "platform/Palette.h"

namespace dulm {

class MainWindow;

class DisplayCommands final : public QObject {
    Q_OBJECT
public:
    explicit DisplayCommands(MainWindow& window);

    // Carries the command out when it is one of these; false otherwise.
    bool Handle(unsigned id);
    // Enables and checks the items as the active window and the main window stand.
    void Update();
    // The palette every picture is drawn in now.
    const Palette& CurrentPalette() const { return *m_palette; }

private:
    void Zoom(int percent);
    void ToggleFullScreen();
    void ToggleProjector();
    void Print();

    MainWindow& m_window;
    const Palette* m_palette = &Palette::Classic();
    bool m_wasMaximized = false;  // the main window before full screen
};

}  // namespace dulm
