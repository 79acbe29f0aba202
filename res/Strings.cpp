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
        // Document strings: window title, document name, "New" list name, filter, extension,
        // registry type id and registry type name.
        {IDR_BINOMIAL, "\nBinomial\nBinomial Demonstration\nQui Files (*.qui)\n.qui\nQui.Document\nQui Document"},
        {IDR_SPINNER,
         "\nBinomial Spinner\nBinomial Spinner Demonstration\nSki Files (*.ski)\n.ski\nSki.Document\nSki Document"},
        {IDR_COMPLETEMEANS,
         "\nComplete Means\nComplete Means Demonstration\nAll Files (*.all)\n.all\nAll.Document\nAll Document"},
        {IDR_CENTRAL,
         "\nCentral Limit\nCentral Limit Demonstration\nCent Files (*.cnt)\n.cnt\nCent.Document\nCent Document"},
        {IDR_ZENTRAL,
         "\nZentral Limit\nZentral Limit Demonstration\nZent Files (*.znt)\n.znt\nZent.Document\nZent Document"},
        {IDR_STUDENTT,
         "\nStudent's t\nStudent's t Demonstration\nStut Files (*.stu)\n.stu\nStut.Document\nStut Document"},
        {IDR_VARIANCE,
         "\nVariance\nSample Variance Demonstration\nVari Files (*.var)\n.var\nVari.Document\nVari Document"},
        {IDR_ALPHA, "\nAlpha\nAlpha Demonstration\nAlp Files (*.alp)\n.alp\nAlp.Document\nAlp Document"},
        {IDR_POWER, "\nPower\nPower Demonstration\nBet Files (*.bet)\n.bet\nBet.Document\nBet Document"},
        {IDR_CORRELATION,
         "\nCorrelation\nCorrelation Demonstration\nDulm Files (*.dlm)\n.dlm\nDulm.Document\nDulm Document"},
        {IDR_REGRESSION,
         "\nRegression\nRegression Demonstration\nRegr Files (*.reg)\n.reg\nRegr.Document\nRegr Document"},
        {IDR_ANOVA, "\nAnova\nAnova Demonstration\nSco Files (*.sco)\n.sco\nSco.Document\nSco Document"},
        {IDR_ANOVA2, "\nAnova2\nAnova2 Demonstration\nSc2 Files (*.sc2)\n.sc2\nSc2.Document\nSc2 Document"},
        // Status-bar prompts of the commands.
        {ID_FILE_NEW, "Create a new document"},
        {ID_FILE_CLOSE, "Close the active document"},
        {ID_APP_EXIT, "Quit the application; prompts to save documents"},
        {ID_VIEW_TOOLBAR, "Show or hide the toolbar"},
        {ID_VIEW_STATUS_BAR, "Show or hide the status bar"},
        {ID_WINDOW_CASCADE, "Arrange windows so they overlap"},
        {ID_WINDOW_TILE_HORZ, "Arrange windows as non-overlapping tiles"},
        {ID_HELP_INDEX, "List Help topics"},
        {ID_HELP_USING, "Display instructions about how to use help"},
        {ID_APP_ABOUT, "Display program information, version number and copyright"},
        {ID_START_DEMO, "Start the demonstration!"},
        {ID_CIRCLES, "The mapping symbols will be circles"},
        {ID_LETTERS, "The mapping symbols will be letters"},
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
