#include "res/Menus.h"

#include <string>

#include "res/Resources.h"

namespace dulm::res {

namespace {

MenuItem Separator() { return MenuItem{}; }

// The recent files, filled in by the window; hidden while there are none.
void AddRecentFiles(std::vector<MenuItem>& items) {
    items.push_back(Separator());
    for (unsigned k = 0; k < kRecentFiles; ++k)
        items.push_back(Item("Recent File " + std::to_string(k + 1), ID_FILE_MRU_FILE1 + k));
}

MenuItem ViewPopup() {
    return Popup("&View", {Item("&Toolbar", ID_VIEW_TOOLBAR), Item("&Status Bar", ID_VIEW_STATUS_BAR), Separator(),
                           Item("Zoom &In\tCtrl+=", ID_VIEW_ZOOM_IN), Item("Zoom &Out\tCtrl+-", ID_VIEW_ZOOM_OUT),
                           Item("&Actual Size\tCtrl+0", ID_VIEW_ACTUAL_SIZE), Separator(),
                           Item("&Full Screen\tF11", ID_VIEW_FULL_SCREEN),
                           Item("&Projector Colours", ID_VIEW_PROJECTOR, false)});
}
MenuItem WindowPopup() {
    return Popup("&Window", {Item("&Cascade", ID_WINDOW_CASCADE), Item("&Tile", ID_WINDOW_TILE_HORZ)});
}
MenuItem HelpPopup() {
    return Popup("&Help", {Item("&Index", ID_HELP_INDEX), Item("&Using Help", ID_HELP_USING), Separator(),
                           Item("&About Dulm...", ID_APP_ABOUT)});
}

}  // namespace

MenuItem Item(std::string text, unsigned id, bool checked) { return MenuItem{std::move(text), id, {}, checked}; }
MenuItem Popup(std::string text, std::vector<MenuItem> items) { return MenuItem{std::move(text), 0, std::move(items)}; }

const std::vector<MenuItem>& MainFrameMenu() {
    static const std::vector<MenuItem> menu = [] {
        std::vector<MenuItem> demo{Item("&New\tCtrl+N", ID_FILE_NEW)};
        AddRecentFiles(demo);
        demo.push_back(Separator());
        demo.push_back(Item("E&xit", ID_APP_EXIT));
        return std::vector<MenuItem>{Popup("&Demo", std::move(demo)), ViewPopup(), HelpPopup()};
    }();
    return menu;
}

std::vector<MenuItem> DemoMenu(bool startDemo, std::vector<MenuItem> ownPopups) {
    std::vector<MenuItem> demo{Item("&New\tCtrl+N", ID_FILE_NEW)};
    if (startDemo) demo.push_back(Item("&Start Demo", ID_START_DEMO));
    demo.push_back(Item("&Close", ID_FILE_CLOSE));
    demo.push_back(Separator());
    demo.push_back(Item("&Run Again\tCtrl+R", ID_RUN_AGAIN));
    demo.push_back(Item("Cop&y Picture\tCtrl+C", ID_EDIT_COPY));
    demo.push_back(Item("Save Picture &As...", ID_SAVE_PICTURE));
    demo.push_back(Item("&Export Data...", ID_EXPORT_DATA));
    demo.push_back(Item("&Print...\tCtrl+P", ID_FILE_PRINT));
    AddRecentFiles(demo);
    demo.push_back(Separator());
    demo.push_back(Item("E&xit", ID_APP_EXIT));
    std::vector<MenuItem> menu{Popup("&Demo", std::move(demo)), ViewPopup(), WindowPopup(), HelpPopup()};
    for (MenuItem& popup : ownPopups) menu.push_back(std::move(popup));
    return menu;
}

const std::vector<Accelerator>& LoadAccelerators() {
    constexpr unsigned VK_BACK = 0x08, VK_INSERT = 0x2D, VK_DELETE = 0x2E, VK_F1 = 0x70, VK_F6 = 0x75, VK_F11 = 0x7A,
                       VK_ADD = 0x6B, VK_SUBTRACT = 0x6D, VK_OEM_PLUS = 0xBB, VK_OEM_MINUS = 0xBD;
    static const std::vector<Accelerator> table = {
        {'N', true, false, false, ID_FILE_NEW},
        {'O', true, false, false, ID_FILE_OPEN},
        {'S', true, false, false, ID_FILE_SAVE},
        {'R', true, false, false, ID_RUN_AGAIN},
        {'R', true, true, false, ID_RUN_AGAIN_SAME_SEED},
        {'P', true, false, false, ID_FILE_PRINT},
        {'Z', true, false, false, ID_EDIT_UNDO},
        {VK_BACK, false, false, true, ID_EDIT_UNDO},
        {'X', true, false, false, ID_EDIT_CUT},
        {VK_DELETE, false, true, false, ID_EDIT_CUT},
        {'C', true, false, false, ID_EDIT_COPY},
        {VK_INSERT, true, false, false, ID_EDIT_COPY},
        {'V', true, false, false, ID_EDIT_PASTE},
        {VK_INSERT, false, true, false, ID_EDIT_PASTE},
        {VK_F6, false, false, false, ID_NEXT_PANE},
        {VK_F6, false, true, false, ID_PREV_PANE},
        {VK_F1, false, false, false, ID_HELP},
        {VK_F1, false, true, false, ID_CONTEXT_HELP},
        {VK_OEM_PLUS, true, false, false, ID_VIEW_ZOOM_IN},
        {VK_ADD, true, false, false, ID_VIEW_ZOOM_IN},
        {VK_OEM_MINUS, true, false, false, ID_VIEW_ZOOM_OUT},
        {VK_SUBTRACT, true, false, false, ID_VIEW_ZOOM_OUT},
        {'0', true, false, false, ID_VIEW_ACTUAL_SIZE},
        {VK_F11, false, false, false, ID_VIEW_FULL_SCREEN},
    };
    return table;
}

}  // namespace dulm::res

namespace dulm::res {

std::vector<unsigned> ViewCommands(const std::vector<MenuItem>& menu) {
    std::vector<unsigned> ids;
    for (const MenuItem& popup : menu)
        for (const MenuItem& item : popup.popup)
            if (!item.IsSeparator() && item.id < 0xE000 && !IsWindowCommand(item.id)) ids.push_back(item.id);
    return ids;
}

}  // namespace dulm::res
