#include "cfg/ui/controls.h"

#include <commctrl.h>
#include <string.h>

#include <algorithm>

std::string ControlText(HWND control) {
  int length = GetWindowTextLengthA(control);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  int got = GetWindowTextA(control, &text[0], length + 1);
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return text;
}

std::string ControlText(HWND dialog, int id) {
  return ControlText(GetDlgItem(dialog, id));
}

void SetControlText(HWND dialog, int id, const std::string& text) {
  SetDlgItemTextA(dialog, id, text.c_str());
}

bool IsChecked(HWND button) {
  return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsChecked(HWND dialog, int id) {
  return IsChecked(GetDlgItem(dialog, id));
}

void SetChecked(HWND button, bool checked) {
  SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SetChecked(HWND dialog, int id, bool checked) {
  SetChecked(GetDlgItem(dialog, id), checked);
}

void ShowText(HWND control, const std::string& text) {
  if (ControlText(control) != text) SetWindowTextA(control, text.c_str());
}

void ShowText(HWND dialog, int id, const std::string& text) {
  ShowText(GetDlgItem(dialog, id), text);
}

void ShowChecked(HWND button, bool checked) {
  if (IsChecked(button) != checked) SetChecked(button, checked);
}

void ShowChecked(HWND dialog, int id, bool checked) {
  ShowChecked(GetDlgItem(dialog, id), checked);
}

void ShowEnabled(HWND control, bool enabled) {
  if ((IsWindowEnabled(control) != 0) != enabled) EnableWindow(control, enabled);
}

void ShowEnabled(HWND dialog, int id, bool enabled) {
  ShowEnabled(GetDlgItem(dialog, id), enabled);
}

void ShowChoiceList(HWND dialog, int id, const ChoiceList& list) {
  ShowChoiceList(GetDlgItem(dialog, id), list);
}

void ShowChoiceList(HWND box, const ChoiceList& list) {
  // A list refilled on a shown page is drawn once, when it is complete. A
  // page being built is not shown yet: holding back its drawing would only
  // cost window-system round trips.
  bool shown = IsWindowVisible(box) != 0;
  HWND dropped = nullptr;
  if (shown) {
    COMBOBOXINFO parts = {};
    parts.cbSize = sizeof parts;
    if (GetComboBoxInfo(box, &parts)) dropped = parts.hwndList;
    SendMessageA(box, WM_SETREDRAW, FALSE, 0);
    if (dropped) SendMessageA(dropped, WM_SETREDRAW, FALSE, 0);
  }
  if (SendMessageA(box, CB_GETCOUNT, 0, 0) > 0) SendMessageA(box, CB_RESETCONTENT, 0, 0);
  SendMessageA(box, CB_INITSTORAGE, list.entries.size(), list.entries.size() * 8);
  for (const std::string& entry : list.entries)
    SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(list.selected), 0);
  if (list.selected < 0) SetWindowTextA(box, list.text.c_str());
  if (!shown) return;
  if (dropped) SendMessageA(dropped, WM_SETREDRAW, TRUE, 0);
  SendMessageA(box, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(box, nullptr, TRUE);
}

static std::vector<std::string> ListEntries(HWND box) {
  std::vector<std::string> entries;
  int count = static_cast<int>(SendMessageA(box, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LRESULT length = SendMessageA(box, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
    SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(strlen(text.c_str()));
    entries.push_back(text);
  }
  return entries;
}

bool ListHoldsEntries(HWND box, const std::vector<std::string>& entries) {
  if (SendMessageA(box, CB_GETCOUNT, 0, 0) != static_cast<LRESULT>(entries.size())) return false;
  std::vector<std::string> held = ListEntries(box);
  if (!(GetWindowLongA(box, GWL_STYLE) & CBS_SORT)) return held == entries;
  std::vector<std::string> wanted = entries;
  std::sort(held.begin(), held.end());
  std::sort(wanted.begin(), wanted.end());
  return held == wanted;
}

void UpdateChoiceList(HWND box, const ChoiceList& list) {
  if (!ListHoldsEntries(box, list.entries)) {
    ShowChoiceList(box, list);
    return;
  }
  bool editable = (GetWindowLongA(box, GWL_STYLE) & 3) == CBS_DROPDOWN;
  bool selectionAgrees = SendMessageA(box, CB_GETCURSEL, 0, 0) == list.selected;
  if (selectionAgrees && (!editable || ControlText(box) == list.Text())) return;
  SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(list.selected), 0);
  if (list.selected < 0) SetWindowTextA(box, list.text.c_str());
}

void ReadChoiceList(HWND box, ChoiceList* list, bool selectionChanging) {
  int selected = static_cast<int>(SendMessageA(box, CB_GETCURSEL, 0, 0));
  bool valid = selected >= 0 && selected < static_cast<int>(list->entries.size());
  list->selected = valid ? selected : -1;
  if (selectionChanging && valid) {
    list->text = list->entries[static_cast<size_t>(selected)];
    return;
  }
  list->text = ControlText(box);
  if (valid && list->text != list->entries[static_cast<size_t>(selected)]) list->selected = -1;
}

void FocusControl(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  if (control) SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
}

static const FieldControl* ControlOfField(int field, const FieldControl* table, size_t count) {
  for (size_t i = 0; i < count; ++i)
    if (table[i].field == field) return &table[i];
  return nullptr;
}

void CarryOutFieldRequests(HWND page, std::vector<int>* fields, const FieldControl* table,
                           size_t count) {
  std::vector<int> requests;
  requests.swap(*fields);
  for (int field : requests) {
    const FieldControl* request = ControlOfField(field, table, count);
    if (!request) continue;
    // An up-down control hands the focus to the number it changes, which
    // shows it and answers the arrow keys.
    HWND control = GetDlgItem(page, request->control);
    char className[32] = "";
    if (control) GetClassNameA(control, className, sizeof className);
    HWND buddy = lstrcmpiA(className, UPDOWN_CLASSA) == 0
                     ? reinterpret_cast<HWND>(SendMessageA(control, UDM_GETBUDDY, 0, 0))
                     : nullptr;
    if (buddy) {
      SendMessageA(page, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(buddy), TRUE);
      continue;
    }
    FocusControl(page, request->control);
    if (request->selectAllText)
      SendDlgItemMessageA(page, request->control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  }
}
