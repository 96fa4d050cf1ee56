// The six pages of the main window's tab control, and the contract every page
// follows.
//
// Page contract
// - A page is a dialog template of its own resource script (child style:
//   DS_CONTROL | DS_SETFONT | WS_CHILD, no caption, 8-point "MS Sans Serif",
//   at most 292 x 180 dialog units; ids from resource.h) and a class deriving
//   from DialogWindow (dialog_window.h), made by its factory in pages.h with
//   the configuration the main window edits. Its row in kPages
//   (page_table.cpp) names the tab text, the dialog id, the factory and the
//   tab's tooltip; the row order is the tab order. A page keeps its state in
//   its object, none in its file.
// - Building: the first time its tab is shown the main window makes the page
//   and creates its window as a child of the tab control. In OnInitialize
//   the page fills every control from WorkingRecord (and the logic beneath
//   it); it returns TRUE. The page then lives until the main window ends,
//   hidden while another tab shows.
// - Showing again: each later time its tab is shown, and when the main window
//   rebuilds the open page (after Open and after every command that applies
//   it but Save), the page gets kMsgPageShow (OnShow), a hidden page before
//   it is made visible. It then shows what a page filled afresh would show
//   for the record, changing only the controls that show something else:
//   under Wine every change of a control costs a trip to the window server.
// - Leaving: before its tab gives way to another, before a rebuild and when
//   the main window ends, the open page gets kMsgPageLeave (OnLeave).
// - Changes: the page handles its controls' notifications (OnCommand,
//   OnNotify, OnScroll ...) by moving values between the controls and the
//   logic in cfg/pages, cfg/panel and cfg/record, which writes the record. A
//   page owns no rule, arithmetic or message text; what it needs goes into
//   that logic.
// - Close request: before a tab change, Save, Save As, Configure Multiple,
//   Export, a drop of files and the end of the window, the main window
//   applies the page (ApplyPage): it sends kMsgPageClose and reads the
//   answer from the result. In OnClose the page takes its pending entries
//   over into WorkingRecord and returns true. To refuse, it shows its
//   message, moves the focus to the bad entry and returns false. A tab change
//   and Save honour a refusal (Save then writes nothing); after Save the page
//   stays as it is. Every other command rebuilds the page from the record, so
//   a refused entry is then lost. The Clocks, Preference, Panel and Panel
//   Power pages run ReportRecalculatedRegisters after a successful close.
// - Destroying: the main window destroys its pages when it ends; OnDestroy
//   releases what the page made (fonts, sub-classing). A page never destroys
//   itself.
// - Tooltips: once the page is created, every non-static child of the page
//   (and the windows inside it, such as a combo box's edit) becomes a tool of
//   the one tooltip window; its text comes by control id from kTooltipTexts
//   (tooltip_texts.cpp). A page registers nothing itself.
// - Notes and read-outs are drawn dark blue: OnColour answers with
//   NoteColours (page_colours.h) for those ids.
// - Messages: every box goes through ShowMessage (common/message.h). While a
//   page handles a message it owns the boxes (DialogWindow's
//   MessageOwnerScope of message_box.h); a message about one entry (the
//   panel rules' ShowPanelError) leaves the entry's field, which the page
//   maps to its control (UseFieldControls) and focuses
//   (CarryOutFieldRequests). The program shows them as message boxes; the
//   window tests hand them to a MessageRecorder (tests/support/
//   message_recorder.h), which records each text and owner and answers as the
//   test scripts.
// - Tests (tests/cfg/ui, under Wine on an Xvfb display) create the real main
//   window with CreateMainWindow and drive it as a user's input does
//   (window_driver.h): tabs through TCN_SELCHANGING / TCN_SELCHANGE, BM_CLICK
//   for buttons, CB_SETCURSEL or typed text followed by the notification the
//   control sends, key messages pumped through PreTranslateMainWindowMessage.
//   The file dialogs are replaced with SetFileChooser, the dialogs of the
//   other commands with the entries of ShellDialogs.
#ifndef QLC_CFG_UI_PAGE_TABLE_H
#define QLC_CFG_UI_PAGE_TABLE_H

#include <memory>

#include "cfg/record/configuration.h"
#include "cfg/ui/dialog_window.h"

typedef std::unique_ptr<DialogWindow> (*PageFactory)(Configuration& config);

struct PageEntry {
  const char* tabText;
  int dialogId;
  PageFactory make;
  const char* tabTooltip;
};

enum { kPageCount = 6 };
enum PageIndex {
  kGeneralPage,
  kPreferencePage,
  kClocksPage,
  kPanelPage,
  kPanelPowerPage,
  kRegistersPage
};
extern const PageEntry kPages[kPageCount];

#endif
