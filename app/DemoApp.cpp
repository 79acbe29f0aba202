#include "app/DemoApp.h"

#include <algorithm>
#include <cctype>

#include "platform/Messages.h"
#include "res/Resources.h"

namespace dulm {

CDemoApp::CDemoApp(std::function<TemplateList()> makeTemplates) : m_makeTemplates(std::move(makeTemplates)) {}

bool CDemoApp::InitInstance(Shell& shell) {
    shell.SetDialogBkColor(kGrey, kBlack);
    shell.LoadStdProfileSettings(4);
    m_templates = m_makeTemplates();
    if (!shell.LoadFrame()) return false;
    shell.RegisterShellFileTypes();
    if (shell.MessageBox(kIntroductionQuestion, MB_YESNO) == IDNO)
        shell.WinHelp(res::kIntroductionContext);
    else
        shell.OnFileNew();
    shell.DragAcceptFiles();
    shell.ShowMainWindow();
    return true;
}

const CMultiDocTemplate* CDemoApp::FindTemplate(unsigned resourceId) const {
    for (const auto& t : m_templates)
        if (t->ResourceId() == resourceId) return t.get();
    return nullptr;
}

namespace {
std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}
}  // namespace

const CMultiDocTemplate* CDemoApp::TemplateForFile(const std::string& path) const {
    const std::string lower = Lower(path);
    for (const auto& t : m_templates) {
        const std::string ext = Lower(t->GetDocString(CMultiDocTemplate::filterExt));
        if (!ext.empty() && lower.size() > ext.size() && lower.ends_with(ext)) return t.get();
    }
    return nullptr;
}

}  // namespace dulm
