// The window system as the application object sees it while it starts.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/DemoApp.h"

namespace dulm {

class MainWindow;

class QtShell : public Shell {
public:
    explicit QtShell(const CDemoApp& app);
    ~QtShell() override;

    void SetDialogBkColor(Colour background, Colour text) override;
    void LoadStdProfileSettings(int maxRecentFiles) override;
    bool LoadFrame() override;
    void RegisterShellFileTypes() override;
    int MessageBox(const std::string& text, unsigned type) override;
    void WinHelp(unsigned context) override;
    void OnFileNew() override;
    void DragAcceptFiles() override;
    void ShowMainWindow() override;

    // Null until LoadFrame.
    MainWindow* Window() const { return m_window.get(); }
    const std::vector<std::string>& RecentFiles() const { return m_recentFiles; }

private:
    const CDemoApp& m_app;
    std::unique_ptr<MainWindow> m_window;
    std::vector<std::string> m_recentFiles;
};

}  // namespace dulm
