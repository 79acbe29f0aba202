// Documents: parameters, flags and finished results of one demonstration window.
#pragma once

#include <string>
#include <vector>

namespace dulm {

class CView;

// Enables and checks a menu command from an update handler.
struct CCmdUI {
    unsigned m_nID = 0;
    bool m_bHandled = false;
    bool m_bEnabled = false;
    int m_nCheck = -1;  // -1: the handler set no check mark
    void Enable(bool on = true) {
        m_bHandled = true;
        m_bEnabled = on;
    }
    void SetCheck(int check) {
        m_bHandled = true;
        m_bEnabled = true;
        m_nCheck = check;
    }
};

class CDocument {
public:
    virtual ~CDocument() = default;
    // Sets the defaults of a new document; false refuses the document.
    virtual bool OnNewDocument() { return true; }
    // Commands the view did not handle.
    virtual bool OnCommand(unsigned /*id*/) { return false; }
    virtual bool OnUpdateCommand(CCmdUI& /*cmdUI*/) { return false; }

    // Invalidates every view of the document but the sender.
    void UpdateAllViews(CView* sender = nullptr);
    void AddView(CView* view) { m_views.push_back(view); }
    const std::string& GetTitle() const { return m_title; }
    void SetTitle(std::string title) { m_title = std::move(title); }

private:
    std::vector<CView*> m_views;
    std::string m_title;
};

}  // namespace dulm
