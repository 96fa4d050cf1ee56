// Moving values between a dialog's controls and plain data: texts, check
// states and lists, each given as the control or as the dialog and the
// control's id. The Show... functions change a control only when it shows
// something else: under Wine every change costs a trip to the window server,
// as does finding a control by its id.
#ifndef QLC_CFG_UI_CONTROLS_H
#define QLC_CFG_UI_CONTROLS_H

#include <windows.h>

#include <string>
#include <vector>

#include "cfg/pages/choice_list.h"

std::string ControlText(HWND control);
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);
bool IsChecked(HWND button);
bool IsChecked(HWND dialog, int id);
void SetChecked(HWND button, bool checked);
void SetChecked(HWND dialog, int id, bool checked);
void ShowText(HWND control, const std::string& text);
void ShowText(HWND dialog, int id, const std::string& text);
void ShowChecked(HWND button, bool checked);
void ShowChecked(HWND dialog, int id, bool checked);
void ShowEnabled(HWND control, bool enabled);
void ShowEnabled(HWND dialog, int id, bool enabled);

// Fills a combo box with the list's entries and selects its entry (or, with
// none selected, shows its typed text).
void ShowChoiceList(HWND box, const ChoiceList& list);
void ShowChoiceList(HWND dialog, int id, const ChoiceList& list);
// The same, refilling the list only when its entries differ (in any order
// for a sorted list); else only the selection or the typed text changes.
void UpdateChoiceList(HWND box, const ChoiceList& list);
// Whether a combo box holds exactly these entries.
bool ListHoldsEntries(HWND box, const std::vector<std::string>& entries);
// Reads the selection and, for an editable combo box, the text into list.
// Typed text that differs from the selected entry counts as no selection.
// While the selection is changing the box still shows the old text, so
// selectionChanging takes the newly selected entry's text instead.
void ReadChoiceList(HWND box, ChoiceList* list, bool selectionChanging = false);

// Moves the focus to a control the way the dialog manager does (an edit's
// text gets selected).
void FocusControl(HWND dialog, int id);
// A page's control for a field the logic names in its messages.
struct FieldControl {
  int field;
  int control;
  bool selectAllText;  // an editable list's text gets selected
};
// Carries out the focus requests left by messages about fields (after their
// boxes), in order, and clears them; a request for an up-down control
// focuses its buddy.
void CarryOutFieldRequests(HWND page, std::vector<int>* fields, const FieldControl* table,
                           size_t count);

#endif
