// Panel page: the panel type, dimensions and timings, and the predefined
// panels. Every rule, computation and message is the panel logic's; the page
// moves values between its controls and that logic, in the order the page's
// steps give: open, list choices, button clicks, up-down changes, the commits
// of the width and height boxes, and leaving.
// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs windows.h first
// clang-format on

#include "cfg/pages/panel/panel_page.h"
#include "cfg/panel/matching.h"
#include "cfg/panel/panel_messages.h"
#include "cfg/panel/rules.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/main_window.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/predefined_panels.h"
#include "cfg/ui/resource.h"
#include "common/message.h"
#include "common/text_read.h"

// The entries the panel rules name, with the controls the focus goes to.
static const FieldControl kFieldControls[] = {
    {kPanelWidthField, IDC_PANEL_WIDTH, true},
    {kPanelHeightField, IDC_PANEL_HEIGHT, true},
    {kPanelHorizTotalField, IDC_PANEL_HORIZ_TOTAL_SPIN, false},
    {kPanelVertTotalField, IDC_PANEL_VERT_TOTAL_SPIN, false},
    {kPanelHorizStartField, IDC_PANEL_HORIZ_START_SPIN, false},
    {kPanelVertStartField, IDC_PANEL_VERT_START_SPIN, false},
    {kPanelFplineStartField, IDC_PANEL_FPLINE_START_SPIN, false},
    {kPanelFplineWidthField, IDC_PANEL_FPLINE_WIDTH_SPIN, false},
    {kPanelFpframeStartField, IDC_PANEL_FPFRAME_START_SPIN, false},
    {kPanelFpframeWidthField, IDC_PANEL_FPFRAME_WIDTH_SPIN, false},
    {kPanelFrameRateField, IDC_PANEL_FRAME_RATE, false},
    {kPanelPixelClockField, IDC_PANEL_PIXEL_CLOCK, false},
};

// The fields the rules' messages named, until the page focuses them.
static std::vector<int> g_fieldRequests;

static void CarryOutPanelFocusRequests(HWND page) {
  CarryOutFieldRequests(page, &g_fieldRequests, kFieldControls,
                        sizeof kFieldControls / sizeof kFieldControls[0]);
}

// The status line's dark red; its dark blue is the notes' colour.
static const COLORREF kStatusRed = RGB(175, 0, 0);

// The commits of the width and height boxes, reported by their edit boxes.
enum : WORD { kCommitByTab = 0x7001, kCommitByEscape, kCommitByEnter };

// The type buttons by type code, the data width buttons by width code.
static const int kTypeButtons[] = {IDC_PANEL_STN, IDC_PANEL_TFT, IDC_PANEL_HRTFT, IDC_PANEL_KVRX};
static const int kDataWidthButtons[] = {IDC_PANEL_DATA_WIDTH_0, IDC_PANEL_DATA_WIDTH_1,
                                        IDC_PANEL_DATA_WIDTH_2};

// The eight numbers, in the order their rules run after an up-down change.
struct SpinControl {
  int field;
  int spin;
  SpinSetting PanelPageFill::*setting;
  const char* SpinEntryTexts::*entry;
};
static const SpinControl kSpins[] = {
    {IDC_PANEL_HORIZ_TOTAL, IDC_PANEL_HORIZ_TOTAL_SPIN, &PanelPageFill::horizTotal,
     &SpinEntryTexts::horizTotal},
    {IDC_PANEL_VERT_TOTAL, IDC_PANEL_VERT_TOTAL_SPIN, &PanelPageFill::vertTotal,
     &SpinEntryTexts::vertTotal},
    {IDC_PANEL_HORIZ_START, IDC_PANEL_HORIZ_START_SPIN, &PanelPageFill::horizStart,
     &SpinEntryTexts::horizStart},
    {IDC_PANEL_VERT_START, IDC_PANEL_VERT_START_SPIN, &PanelPageFill::vertStart,
     &SpinEntryTexts::vertStart},
    {IDC_PANEL_FPLINE_WIDTH, IDC_PANEL_FPLINE_WIDTH_SPIN, &PanelPageFill::fplineWidth,
     &SpinEntryTexts::fplineWidth},
    {IDC_PANEL_FPLINE_START, IDC_PANEL_FPLINE_START_SPIN, &PanelPageFill::fplineStart,
     &SpinEntryTexts::fplineStart},
    {IDC_PANEL_FPFRAME_WIDTH, IDC_PANEL_FPFRAME_WIDTH_SPIN, &PanelPageFill::fpframeWidth,
     &SpinEntryTexts::fpframeWidth},
    {IDC_PANEL_FPFRAME_START, IDC_PANEL_FPFRAME_START_SPIN, &PanelPageFill::fpframeStart,
     &SpinEntryTexts::fpframeStart},
};

// The field of a control, kNoField for a control no rule names.
static int FieldOfControl(int control) {
  for (const FieldControl& entry : kFieldControls)
    if (entry.control == control) return entry.field;
  return kNoField;
}

// One page at a time: the colour of its status line, and whether the page is
// itself changing its controls (their notifications are then not the user's).
static bool g_statusRed = false;
static bool g_filling = false;

class Filling {
 public:
  Filling() : previous_(g_filling) { g_filling = true; }
  ~Filling() { g_filling = previous_; }

 private:
  bool previous_;
};

// Under Wine every change of a check or a text is a trip to the server, so
// what already shows right is left alone. Checking a radio button also moves
// its group's tab stop to it: a radio button whose stop disagrees is set.
static void ShowChecked(HWND page, int id, bool checked) {
  HWND button = GetDlgItem(page, id);
  LONG style = GetWindowLongA(button, GWL_STYLE);
  bool radio = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
  bool stopAgrees = !radio || ((style & WS_TABSTOP) != 0) == checked;
  if (stopAgrees && IsChecked(page, id) == checked) return;
  SetChecked(page, id, checked);
}

static void ShowText(HWND page, int id, const std::string& text) {
  if (ControlText(page, id) != text) SetControlText(page, id, text);
}

static void CheckOneOf(HWND page, const int* buttons, unsigned count, unsigned checked) {
  for (unsigned i = 0; i < count; ++i) ShowChecked(page, buttons[i], i == checked);
}

static void ShowSpin(HWND page, int spin, const SpinSetting& setting) {
  Filling filling;
  HWND control = GetDlgItem(page, spin);
  SendMessageA(control, UDM_SETRANGE32, setting.lowest, setting.highest);
  SendMessageA(control, UDM_SETPOS32, 0, setting.position);
}

static void ShowPolarities(HWND page, bool fplineHigh, bool fpframeHigh) {
  ShowChecked(page, IDC_PANEL_FPLINE_LOW, !fplineHigh);
  ShowChecked(page, IDC_PANEL_FPLINE_HIGH, fplineHigh);
  ShowChecked(page, IDC_PANEL_FPFRAME_LOW, !fpframeHigh);
  ShowChecked(page, IDC_PANEL_FPFRAME_HIGH, fpframeHigh);
}

static void ShowFormat2(HWND page, bool enabled) {
  Configuration& config = WindowConfiguration();
  EnableWindow(GetDlgItem(page, IDC_PANEL_FORMAT2), enabled);
  ShowChecked(page, IDC_PANEL_FORMAT2, IsFormat2(config));
}

// The controls that depend on the panel type, with the polarities to show:
// the registers' when the page is filled, the type's defaults after a click
// on a type button.
static void ShowTypeControls(HWND page, unsigned type, bool fplineHigh, bool fpframeHigh,
                             bool format2Enabled) {
  Configuration& config = WindowConfiguration();
  Filling filling;
  PanelTypeLabels labels = TypeLabels(type);
  for (unsigned code = 0; code < 3; ++code)
    ShowText(page, kDataWidthButtons[code], labels.dataWidth[code]);
  ShowText(page, IDC_PANEL_RESOLUTION_160, labels.smallResolution);
  bool large = IsLargeActiveResolution(config);
  for (int id : {IDC_PANEL_RESOLUTION_160, IDC_PANEL_RESOLUTION_320}) {
    EnableWindow(GetDlgItem(page, id), labels.resolutionEnabled);
    ShowChecked(page, id, labels.resolutionEnabled && large == (id == IDC_PANEL_RESOLUTION_320));
  }
  ShowPolarities(page, fplineHigh, fpframeHigh);
  ShowFormat2(page, format2Enabled);
}

// What the panel logic shows on the page.
class PanelPageWindow : public PanelPageView {
 public:
  explicit PanelPageWindow(HWND page) : page_(page) {}

  void SetStatusLine(bool red, const std::string& text) override {
    g_statusRed = red;
    SetControlText(page_, IDC_PANEL_STATUS, text);
    InvalidateRect(GetDlgItem(page_, IDC_PANEL_STATUS), nullptr, TRUE);
  }

  void SetPredefinedPanelEntries(const std::vector<std::string>& entries) override {
    ShowList(IDC_PANEL_PREDEFINED, entries, -1);
  }

  void SelectPredefinedPanel(int index) override {
    SendDlgItemMessageA(page_, IDC_PANEL_PREDEFINED, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }

  // The list sorts its entries itself, so the selection is found by its text.
  void ShowPixelClockList(const PixelClockList& list) override {
    ShowList(IDC_PANEL_PIXEL_CLOCK, list.texts, -1);
    if (list.selected < 0) return;
    const std::string& text = list.texts[static_cast<size_t>(list.selected)];
    LRESULT index =
        SendDlgItemMessageA(page_, IDC_PANEL_PIXEL_CLOCK, CB_FINDSTRINGEXACT,
                            static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
    SendDlgItemMessageA(page_, IDC_PANEL_PIXEL_CLOCK, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  }

  void ShowFrameRateList(const FrameRateList& list) override {
    ShowList(IDC_PANEL_FRAME_RATE, list.texts, list.selected);
  }

  void ShowPanelSettings(const PanelPageFill& fill) override {
    Filling filling;
    CheckOneOf(page_, kTypeButtons, 4, fill.type);
    ShowChecked(page_, IDC_PANEL_MONO, !fill.color);
    ShowChecked(page_, IDC_PANEL_COLOR, fill.color);
    ShowChecked(page_, IDC_PANEL_FORMAT2, fill.format2);
    CheckOneOf(page_, kDataWidthButtons, 3, fill.dataWidthCode);
    for (const SpinControl& control : kSpins) ShowSpin(page_, control.spin, fill.*control.setting);
    ShowChoiceList(page_, IDC_PANEL_WIDTH, PanelWidthList(fill.width));
    ShowChoiceList(page_, IDC_PANEL_HEIGHT, PanelHeightList(fill.height));
    ShowTypeControls(page_, fill.type, fill.fplineHigh, fill.fpframeHigh, fill.format2Enabled);
  }

  void ShowDataWidth(unsigned code, bool sixteenBitAllowed) override {
    CheckOneOf(page_, kDataWidthButtons, 3, code);
    EnableWindow(GetDlgItem(page_, IDC_PANEL_DATA_WIDTH_2), sixteenBitAllowed);
  }

 private:
  void ShowList(int id, const std::vector<std::string>& texts, int selected) {
    Filling filling;
    ChoiceList list;
    list.entries = texts;
    list.selected = selected;
    ShowChoiceList(page_, id, list);
  }

  HWND page_;
};

// ---- The width and height boxes: Tab, Enter and Escape commit them.

static WORD CommitOfKey(WPARAM key) {
  switch (key) {
    case VK_TAB:
      return kCommitByTab;
    case VK_ESCAPE:
      return kCommitByEscape;
    case VK_RETURN:
      return kCommitByEnter;
    default:
      return 0;
  }
}

static LRESULT CALLBACK DimensionEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR listId, DWORD_PTR page) {
  switch (message) {
    case WM_GETDLGCODE:
      return DefSubclassProc(edit, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (WORD commit = CommitOfKey(wParam)) {
        SendMessageA(reinterpret_cast<HWND>(page), WM_COMMAND,
                     MAKEWPARAM(static_cast<WORD>(listId), commit),
                     reinterpret_cast<LPARAM>(GetParent(edit)));
        return 0;
      }
      break;
    case WM_KEYUP:
    case WM_CHAR:
      if (CommitOfKey(wParam)) return 0;
      break;
    case WM_KILLFOCUS:
      // The box of a refused entry takes the focus; the entry is not left.
      if (FieldMessageShowing()) return 0;
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(edit, DimensionEditProc, listId);
      break;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

static HWND EditOfList(HWND page, int id) {
  COMBOBOXINFO parts = {};
  parts.cbSize = sizeof parts;
  return GetComboBoxInfo(GetDlgItem(page, id), &parts) ? parts.hwndItem : nullptr;
}

static void TakeOverDimensionEdits(HWND page, bool takeOver) {
  for (int id : {IDC_PANEL_WIDTH, IDC_PANEL_HEIGHT}) {
    HWND edit = EditOfList(page, id);
    if (!edit) continue;
    if (takeOver)
      SetWindowSubclass(edit, DimensionEditProc, static_cast<UINT_PTR>(id),
                        reinterpret_cast<DWORD_PTR>(page));
    else
      RemoveWindowSubclass(edit, DimensionEditProc, static_cast<UINT_PTR>(id));
  }
}

// ---- Changes.

// The 16-bit rule on the data width buttons, then the search for a matching
// panel: what follows every notification but the list choices.
static void AfterNotification(HWND page) {
  Configuration& config = WindowConfiguration();
  PanelPageWindow view(page);
  bool sixteenBitAllowed = Apply16BitRule(config);
  view.ShowDataWidth(GetDataWidthCode(config), sixteenBitAllowed);
  FindMatchingPanel(config, PredefinedPanels(), view);
}

static void ShowFrameRates(HWND page) {
  Configuration& config = WindowConfiguration();
  PanelPageWindow(page).ShowFrameRateList(BuildFrameRateList(config));
}

// An accepted width moves the horizontal total's range with minHT, and a
// rounded width is shown as it was taken.
static void WidthTaken(HWND page, const EntryResult& result) {
  Configuration& config = WindowConfiguration();
  if (result.showValue) {
    Filling filling;
    SetControlText(page, IDC_PANEL_WIDTH, std::to_string(result.value));
  }
  ShowSpin(page, IDC_PANEL_HORIZ_TOTAL_SPIN, HorizTotalSpin(config));
}

// Width or height committed in its box. No search runs here.
static void CommitDimension(HWND page, int id, WORD commit) {
  Configuration& config = WindowConfiguration();
  std::string text = ControlText(page, id);
  bool taken;
  if (id == IDC_PANEL_WIDTH) {
    EntryResult result = ApplyWidthEntry(config, text.c_str());
    taken = EntryTaken(result);
    if (taken) WidthTaken(page, result);
  } else {
    taken = EntryTaken(ApplyHeightEntry(config, text.c_str()));
  }
  if (taken) {
    if (RebuildsFrameRates(FieldOfControl(id))) ShowFrameRates(page);
    if (commit == kCommitByTab && GetKeyState(VK_SHIFT) < 0)
      SendMessageA(page, WM_NEXTDLGCTL, 1, FALSE);
    else if (commit == kCommitByTab)
      FocusControl(page, id == IDC_PANEL_WIDTH ? IDC_PANEL_HEIGHT : IDC_PANEL_HORIZ_TOTAL);
  }
  CarryOutPanelFocusRequests(page);
}

// An entry chosen in one of the lists.
static void ListChosen(HWND page, int id) {
  Configuration& config = WindowConfiguration();
  HWND list = GetDlgItem(page, id);
  int index = static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
  PanelPageWindow view(page);
  if (id == IDC_PANEL_PREDEFINED) {
    ApplyPredefinedPanel(config, PredefinedPanels(), index, view);
    CarryOutPanelFocusRequests(page);
    return;
  }
  if (index < 0) return;
  MarkPanelSettingsChanged(config);
  LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
  SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(strlen(text.c_str()));
  if (id == IDC_PANEL_WIDTH || id == IDC_PANEL_HEIGHT) {
    // The rule reads the list's own text, which the choice has not reached yet.
    Filling filling;
    SetControlText(page, id, text);
  }
  switch (id) {
    case IDC_PANEL_FRAME_RATE:
      // The total the rate gives is shown at once, so that the next up-down
      // change does not write the old total back.
      if (EntryTaken(ApplyFrameRateEntry(config, text.c_str())))
        ShowSpin(page, IDC_PANEL_HORIZ_TOTAL_SPIN, HorizTotalSpin(config));
      break;
    case IDC_PANEL_WIDTH: {
      EntryResult result = ApplyWidthEntry(config, text.c_str());
      if (EntryTaken(result)) WidthTaken(page, result);
      break;
    }
    case IDC_PANEL_HEIGHT:
      ApplyHeightEntry(config, text.c_str());
      break;
    case IDC_PANEL_PIXEL_CLOCK:
      ApplyPixelClockEntry(config, text.c_str());
      break;
    default:
      return;
  }
  if (RebuildsFrameRates(FieldOfControl(id))) ShowFrameRates(page);
  FindMatchingPanel(config, PredefinedPanels(), view);
  CarryOutPanelFocusRequests(page);
}

static int IndexOf(const int* ids, int count, int id) {
  for (int i = 0; i < count; ++i)
    if (ids[i] == id) return i;
  return -1;
}

static void TypeClicked(HWND page, unsigned type) {
  Configuration& config = WindowConfiguration();
  uint32_t shownStart = 0;
  double fraction = 0;
  ReadDialogNumber(ControlText(page, IDC_PANEL_HORIZ_START).c_str(), &shownStart, &fraction);
  SelectPanelType(config, type, shownStart);
  ShowSpin(page, IDC_PANEL_HORIZ_START_SPIN, HorizStartSpin(config));
  bool fplineHigh = false, fpframeHigh = false;
  DefaultPolarities(type, &fplineHigh, &fpframeHigh);
  ShowTypeControls(page, type, fplineHigh, fpframeHigh, ApplyFormat2Rule(config));
}

static void ButtonClicked(HWND page, int id) {
  Configuration& config = WindowConfiguration();
  int type = IndexOf(kTypeButtons, 4, id);
  int dataWidth = IndexOf(kDataWidthButtons, 3, id);
  MarkPanelSettingsChanged(config);
  if (type >= 0) {
    TypeClicked(page, static_cast<unsigned>(type));
  } else if (dataWidth >= 0) {
    SetDataWidthCode(config, static_cast<unsigned>(dataWidth));
    ShowFormat2(page, ApplyFormat2Rule(config));
  } else if (id == IDC_PANEL_MONO || id == IDC_PANEL_COLOR) {
    SetColorPanel(config, id == IDC_PANEL_COLOR);
    ShowFormat2(page, ApplyFormat2Rule(config));
    CheckVideoMemory(config);
  } else if (id == IDC_PANEL_FORMAT2) {
    SetFormat2(config, IsChecked(page, IDC_PANEL_FORMAT2));
  } else if (id == IDC_PANEL_FPLINE_LOW || id == IDC_PANEL_FPLINE_HIGH) {
    SetFplineHigh(config, id == IDC_PANEL_FPLINE_HIGH);
  } else if (id == IDC_PANEL_FPFRAME_LOW || id == IDC_PANEL_FPFRAME_HIGH) {
    SetFpframeHigh(config, id == IDC_PANEL_FPFRAME_HIGH);
  } else if (id == IDC_PANEL_RESOLUTION_160 || id == IDC_PANEL_RESOLUTION_320) {
    SetLargeActiveResolution(config, id == IDC_PANEL_RESOLUTION_320);
  }
}

static void PanelCommand(HWND page, int id, WORD notification, HWND control) {
  if (notification == CBN_SELCHANGE) {
    ListChosen(page, id);
    return;
  }
  if (notification == kCommitByTab || notification == kCommitByEscape ||
      notification == kCommitByEnter) {
    CommitDimension(page, id, notification);
    return;
  }
  if (notification == BN_CLICKED && control) ButtonClicked(page, id);
  AfterNotification(page);
  CarryOutPanelFocusRequests(page);
}

// A new position of an up-down: the eight entry rules in their order.
static void SpinChanged(HWND page, int spin) {
  Configuration& config = WindowConfiguration();
  MarkPanelSettingsChanged(config);
  std::string texts[8];
  SpinEntryTexts entries = {};
  for (size_t i = 0; i < 8; ++i) {
    texts[i] = ControlText(page, kSpins[i].field);
    entries.*kSpins[i].entry = texts[i].c_str();
  }
  uint32_t refusedTotal = 0;
  ApplySpinEntries(config, entries, &refusedTotal);
  // A refused total shows minHT, the lowest the up-down now offers.
  if (refusedTotal) ShowSpin(page, IDC_PANEL_HORIZ_TOTAL_SPIN, HorizTotalSpin(config));
  if (RebuildsFrameRates(FieldOfControl(spin))) ShowFrameRates(page);
  PanelPageWindow view(page);
  FindMatchingPanel(config, PredefinedPanels(), view);
  CarryOutPanelFocusRequests(page);
}

// ---- Opening and leaving.

static void OpenPage(HWND page) {
  Configuration& config = WindowConfiguration();
  g_statusRed = false;
  UDACCEL steps[2];
  for (size_t i = 0; i < 2; ++i) steps[i] = {kHorizTotalSteps[i].seconds, kHorizTotalSteps[i].step};
  SendDlgItemMessageA(page, IDC_PANEL_HORIZ_TOTAL_SPIN, UDM_SETACCEL, 2,
                      reinterpret_cast<LPARAM>(steps));
  PanelPageWindow view(page);
  OpenPanelPage(config, PredefinedPanels(), view);
  TakeOverDimensionEdits(page, true);
  SendDlgItemMessageA(page, IDC_PANEL_PIXEL_CLOCK, CB_SETDROPPEDWIDTH, 120, 0);
  SendDlgItemMessageA(page, IDC_PANEL_PREDEFINED, CB_SETDROPPEDWIDTH, 200, 0);
}

static void ClosePage(HWND page) {
  Configuration& config = WindowConfiguration();
  PanelPageLeaveEntries entries = {
      !IsChecked(page, IDC_PANEL_FPLINE_LOW), !IsChecked(page, IDC_PANEL_FPFRAME_LOW),
      ControlText(page, IDC_PANEL_HEIGHT), ControlText(page, IDC_PANEL_WIDTH)};
  if (!LeavePanelPage(config, entries)) {
    CarryOutPanelFocusRequests(page);
    RefusePageClose(page);
    return;
  }
  // The warnings' focus moves are moot: the page is going.
  g_fieldRequests.clear();
  TakeOverDimensionEdits(page, false);
}

INT_PTR CALLBACK PanelPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
  MessageOwnerScope owner(page, &g_fieldRequests);
  switch (message) {
    case WM_INITDIALOG:
      OpenPage(page);
      return TRUE;
    case WM_COMMAND:
      if (!g_filling)
        PanelCommand(page, LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return TRUE;
    case WM_VSCROLL:
      if (!g_filling && LOWORD(wParam) == SB_THUMBPOSITION && lParam)
        SpinChanged(page, GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
      return TRUE;
    case kMsgPageClose:
      ClosePage(page);
      return TRUE;
    case WM_CTLCOLORSTATIC: {
      INT_PTR brush = NoteColours(wParam, lParam, {IDC_PANEL_STATUS});
      if (brush && g_statusRed) SetTextColor(reinterpret_cast<HDC>(wParam), kStatusRed);
      return brush;
    }
    case WM_DESTROY:
      TakeOverDimensionEdits(page, false);
      return FALSE;
    default:
      return FALSE;
  }
}
