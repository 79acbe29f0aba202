// The application object: the start-up sequence and the registry of the thirteen demonstrations.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/DocTemplate.h"

namespace dulm {

// The question the program asks as it starts; No opens the help at the Introduction.
inline constexpr const char* kIntroductionQuestion = "Have you read the Introduction in the Index of the Help menu?";

// What the application asks of the window system while it starts.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void SetDialogBkColor(Colour background, Colour text) = 0;
    virtual void LoadStdProfileSettings(int maxRecentFiles) = 0;
    // Creates the main frame (menu 2, accelerators 2, icon 2); false when that fails.
    virtual bool LoadFrame() = 0;
    virtual void RegisterShellFileTypes() = 0;
    virtual int MessageBox(const std::string& text, unsigned type) = 0;
    virtual void WinHelp(unsigned context) = 0;
    // The "New" command: the list of demonstrations, and a window for the one chosen.
    virtual void OnFileNew() = 0;
    virtual void DragAcceptFiles() = 0;
    virtual void ShowMainWindow() = 0;
};

class CDemoApp {
public:
    using TemplateList = std::vector<std::unique_ptr<CMultiDocTemplate>>;

    explicit CDemoApp(std::function<TemplateList()> makeTemplates);

    // Returns false when the main frame could not be created; the program then ends.
    bool InitInstance(Shell& shell);
    // Ends at once: nothing is written, the exit code is 0.
    int ExitInstance() { return 0; }

    const TemplateList& Templates() const { return m_templates; }
    const CMultiDocTemplate* FindTemplate(unsigned resourceId) const;
    // The template whose extension (".cnt") a file name ends with, compared without case.
    const CMultiDocTemplate* TemplateForFile(const std::string& path) const;

private:
    std::function<TemplateList()> m_makeTemplates;
    TemplateList m_templates;
};

}  // namespace dulm
