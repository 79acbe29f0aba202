// Resource and command identifiers.
#pragma once

namespace dulm::res {

// The main frame: menu, accelerators, icon and strings.
inline constexpr unsigned IDR_MAINFRAME = 2;

// Document templates: a demonstration's row in demos/Registry.cpp names its number.
inline constexpr unsigned IDR_BINOMIAL = 111;
inline constexpr unsigned IDR_SPINNER = 116;
inline constexpr unsigned IDR_COMPLETEMEANS = 110;
inline constexpr unsigned IDR_CENTRAL = 4;
inline constexpr unsigned IDR_ZENTRAL = 121;
inline constexpr unsigned IDR_STUDENTT = 105;
inline constexpr unsigned IDR_VARIANCE = 106;
inline constexpr unsigned IDR_ALPHA = 124;
inline constexpr unsigned IDR_POWER = 126;
inline constexpr unsigned IDR_CORRELATION = 3;
inline constexpr unsigned IDR_REGRESSION = 128;
inline constexpr unsigned IDR_ANOVA = 112;
inline constexpr unsigned IDR_ANOVA2 = 120;

// Dialogs.
inline constexpr unsigned IDD_ABOUTBOX = 100;
inline constexpr unsigned IDD_PAIRS = 102;
inline constexpr unsigned IDD_CENTRAL = 103;
inline constexpr unsigned IDD_STUDENTT = 107;
inline constexpr unsigned IDD_VARIANCE = 108;
inline constexpr unsigned IDD_COMPLETEMEANS = 109;
inline constexpr unsigned IDD_SPINNER = 115;
inline constexpr unsigned IDD_BINOMIAL = 118;
inline constexpr unsigned IDD_ALPHA = 123;
inline constexpr unsigned IDD_ZENTRAL = 125;
inline constexpr unsigned IDD_POWER = 127;
inline constexpr unsigned IDD_NEWTYPE = 30721;  // the framework's "New" dialog

// Icons.
inline constexpr unsigned IDI_APPLICATION_ICON = 2;
inline constexpr unsigned IDI_CORRELATION = 3;

// Commands.
inline constexpr unsigned ID_CIRCLES = 32773;
inline constexpr unsigned ID_LETTERS = 32774;
inline constexpr unsigned ID_START_DEMO = 32775;
inline constexpr unsigned ID_FILE_NEW = 57600;
inline constexpr unsigned ID_FILE_OPEN = 57601;
inline constexpr unsigned ID_FILE_CLOSE = 57602;
inline constexpr unsigned ID_FILE_SAVE = 57603;
inline constexpr unsigned ID_FILE_PRINT_SETUP = 57606;
inline constexpr unsigned ID_FILE_PRINT = 57607;
inline constexpr unsigned ID_EDIT_COPY = 57634;
inline constexpr unsigned ID_EDIT_CUT = 57635;
inline constexpr unsigned ID_EDIT_PASTE = 57637;
inline constexpr unsigned ID_EDIT_UNDO = 57643;
inline constexpr unsigned ID_WINDOW_CASCADE = 57650;
inline constexpr unsigned ID_WINDOW_TILE_HORZ = 57651;
inline constexpr unsigned ID_APP_ABOUT = 57664;
inline constexpr unsigned ID_APP_EXIT = 57665;
inline constexpr unsigned ID_HELP_INDEX = 57666;
inline constexpr unsigned ID_HELP_USING = 57668;
inline constexpr unsigned ID_CONTEXT_HELP = 57669;
inline constexpr unsigned ID_HELP = 57670;
inline constexpr unsigned ID_DEFAULT_HELP = 57671;
inline constexpr unsigned ID_NEXT_PANE = 57680;
inline constexpr unsigned ID_PREV_PANE = 57681;
inline constexpr unsigned ID_VIEW_TOOLBAR = 59392;
inline constexpr unsigned ID_VIEW_STATUS_BAR = 59393;
inline constexpr unsigned ID_INDICATOR_CAPS = 59137;
inline constexpr unsigned ID_INDICATOR_NUM = 59138;
inline constexpr unsigned ID_INDICATOR_SCRL = 59139;

// The classroom: pictures and data out, runs saved and run again (0x8100-0x811F). The window
// handles these itself; they never reach a view.
inline constexpr unsigned ID_SAVE_PICTURE = 0x8100;
inline constexpr unsigned ID_EXPORT_DATA = 0x8101;
inline constexpr unsigned ID_RUN_AGAIN = 0x8102;
inline constexpr unsigned ID_RUN_AGAIN_SAME_SEED = 0x8103;
inline constexpr unsigned ID_FILE_MRU_FILE1 = 0x8104;  // to ID_FILE_MRU_FILE1 + 3: the recent files
inline constexpr unsigned kRecentFiles = 4;
inline constexpr unsigned ID_COPY_LINK = 0x8108;  // the browser edition's Demo menu only
inline constexpr unsigned kFirstWindowCommand = 0x8100;  // 0x8100 to 0x81FF: the window's own commands
inline constexpr unsigned kLastWindowCommand = 0x81FF;
constexpr bool IsWindowCommand(unsigned id) { return id >= kFirstWindowCommand && id <= kLastWindowCommand; }
// The picture on the screen: zoom, full screen, projector colours (0x8120-0x813F, among the
// window's own commands). They act on the main window and its pictures, not on a view.
inline constexpr unsigned ID_VIEW_ZOOM_IN = 0x8120;
inline constexpr unsigned ID_VIEW_ZOOM_OUT = 0x8121;
inline constexpr unsigned ID_VIEW_ACTUAL_SIZE = 0x8122;
inline constexpr unsigned ID_VIEW_FULL_SCREEN = 0x8123;
inline constexpr unsigned ID_VIEW_PROJECTOR = 0x8124;
constexpr bool IsPictureCommand(unsigned id) { return id >= 0x8120 && id <= 0x813F; }

// Strings of the framework.
inline constexpr unsigned AFX_IDS_APP_TITLE = 57344;
inline constexpr unsigned AFX_IDS_IDLEMESSAGE = 57345;
inline constexpr unsigned AFX_IDS_HELPMODEMESSAGE = 57346;

// The help topic of the Introduction.
inline constexpr unsigned kIntroductionContext = 0x20087;

}  // namespace dulm::res
