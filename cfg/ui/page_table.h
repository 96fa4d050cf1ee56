// The six pages of the main window's tab control, and the contract every page
// follows.
//
// Page contract
// - A page is a dialog template of its own resource script (child style:
//   DS_CONTROL | DS_SETFONT | WS_CHILD, no caption, 8-point "MS Sans Serif",
//   at most 292 x 180 dialog units; ids from resource.h) and a dialog
//   procedure declared in pages.h. Its row in kPages (page_table.cpp) names
//   the tab text, the dialog id, the procedure and the tab's tooltip; the row
//   order is the tab order.
// - Building: the main window creates the page with CreateDialogParam as a
//   child of the tab control. In WM_INITDIALOG the page fills every control
//   from WorkingRecord (and the logic beneath it); it returns TRUE. Nothing
//   else opens a page.
// - Changes: the page handles its controls' notifications (WM_COMMAND,
//   WM_NOTIFY, WM_VSCROLL ...) by moving values between the controls and the
//   logic in cfg/panel and cfg/record, which writes the record. A page owns no
//   rule, arithmetic or message text; what it needs goes into that logic.
// - Close request: before a tab change, Save As, Configure Multiple, Export
//   and a drop of files the main window applies the page (ApplyPage): it
//   sends kMsgPageClose and reads the answer from the result. The dialog
//   manager sets the page's DWLP_MSGRESULT to 0, kPageAccept, before the page
//   sees the request. The page takes its pending entries over into
//   WorkingRecord. To refuse, it shows its message, moves the focus to the bad
//   entry, and then calls RefusePageClose (DWLP_MSGRESULT = kPageRefuse). It
//   returns TRUE either way. Only a tab
//   change honours a refusal; every other command rebuilds the page from the
//   record, so a refused entry is then lost. The Clocks, Preference, Panel
//   and Panel Power pages run ReportRecalculatedRegisters after a successful
//   apply.
// - Destroying: the main window destroys the page when another tab is shown,
//   when it rebuilds the page (after Open and every command that applies it)
//   and at the end; WM_DESTROY releases what the page made (fonts, sub-
//   classing). A page never destroys itself.
// - Tooltips: once WM_INITDIALOG has returned, every non-static child of the
//   page (and the windows inside it, such as a combo box's edit) becomes a
//   tool of the one tooltip window; its text comes by control id from
//   kTooltipTexts (tooltip_texts.cpp). A page registers nothing itself.
// - Notes and read-outs are drawn dark blue: answer WM_CTLCOLORSTATIC with
//   NoteColours (page_colours.h) for those ids.
// - Messages: every box goes through ShowMessage (common/message.h). While a
//   page handles a message it owns the boxes (a MessageOwnerScope of
//   message_box.h); a message about one entry (the panel rules' ShowPanelError)
//   leaves the entry's field, which the page maps to its control and focuses
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

#include <windows.h>

// The close request and the page's two answers.
enum : UINT { kMsgPageClose = WM_APP + 1 };
enum : LONG_PTR { kPageAccept = 0, kPageRefuse = 1 };

struct PageEntry {
  const char* tabText;
  int dialogId;
  DLGPROC procedure;
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

// A page's refusal of the close request (after its message and focus move).
void RefusePageClose(HWND page);

#endif
