#include "res/Strings.h"

#include <map>

#include "res/Resources.h"

namespace dulm::res {

namespace {

const std::map<unsigned, std::string>& Table() {
    static const std::map<unsigned, std::string> table = {
        {IDR_MAINFRAME, "Dulm Windows Application"},
        {AFX_IDS_APP_TITLE, "Dulm Windows Application"},
        {AFX_IDS_IDLEMESSAGE, "For Help, press F1"},
        {AFX_IDS_HELPMODEMESSAGE, "Select an object on which to get Help"},
        // Status-bar prompts of the commands.
        {ID_FILE_NEW, "Create a new document"},
        {ID_FILE_CLOSE, "Close the active document"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar"},
        {ID_VIEW_ZOOM_IN, "Enlarge the active window's picture, up to 300%"},
        {ID_VIEW_ZOOM_OUT, "Make the active window's picture smaller, down to 100%"},
        {ID_VIEW_ACTUAL_SIZE, "Show the active window's picture at 100%, fitted to its window"},
        {ID_VIEW_FULL_SCREEN, "Fill the whole screen with the program; F11 leaves full screen"},
        {ID_VIEW_PROJECTOR, "Draw every picture in colours that stand out on a projector"},
        {ID_FILE_PRINT, "Print the active window's picture"},
        {ID_WINDOW_CASCADE, "Arrange windows so they overlap"},
        {ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles"},
        {ID_HELP_INDEX, "List Help topics"},
        {ID_HELP_USING, "Display instructions about how to use help"},
        {ID_APP_ABOUT, "Display program information, version number and copyright"},
        {ID_START_DEMO, "Start the demonstration!"},
        {ID_CIRCLES, "The mapping symbols will be circles"},
        {ID_LETTERS, "The mapping symbols will be letters"},
        {ID_EDIT_COPY, "Copy the picture of the active window, with its texts, to the clipboard"},
        {ID_SAVE_PICTURE, "Save the picture of the active window as a PNG file"},
        {ID_EXPORT_DATA, "Save the parameters and data of the active window as a CSV file for a spreadsheet"},
        {ID_RUN_AGAIN, "Run the active demonstration again with the same parameters (Ctrl+Shift+R: the same samples too)"},
        {ID_RUN_AGAIN_SAME_SEED, "Run the active demonstration again with the same parameters and the same samples"},
        {ID_COPY_LINK, "Copy a link that opens this demonstration with the same parameters and samples"},
        {ID_FILE_MRU_FILE1, "Open this document"},
        {ID_FILE_MRU_FILE1 + 1, "Open this document"},
        {ID_FILE_MRU_FILE1 + 2, "Open this document"},
        {ID_FILE_MRU_FILE1 + 3, "Open this document"},
        {ID_CONTEXT_HELP, "Display help for clicked on buttons, menus and windows"},
        {ID_HELP, "Display help for current task or command"},
        // Status-bar indicators.
        {ID_INDICATOR_CAPS, "CAP"},
        {ID_INDICATOR_NUM, "NUM"},
        {ID_INDICATOR_SCRL, "SCRL"},
    };
    return table;
}

}  // namespace

const std::string& LoadString(unsigned id) {
    static const std::string empty;
    const auto it = Table().find(id);
    return it == Table().end() ? empty : it->second;
}

}  // namespace dulm::res
