// Panel page: the panel type, dimensions and timings, and the predefined
// panels. Every rule, computation and message is the panel logic's; the page
// moves values between its controls and that logic, in the order the page's
// steps give: open, list choices, button clicks, up-down changes, the commits
// of the width and height boxes, and leaving.
// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs windows.h first
// clang-format on

#include <string.h>

#include <memory>

#include "cfg/pages/panel/panel_page.h"
#include "cfg/panel/matching.h"
#include "cfg/panel/panel_messages.h"
#include "cfg/panel/rules.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/page_colours.h"
#include "cfg/ui/pages.h"
#include "cfg/ui/panel_controls.h"
#include "cfg/ui/predefined_panels.h"
#include "cfg/ui/resource.h"
#include "common/message.h"
#include "common/text_read.h"

namespace {

// The entries the panel rules name, with the controls the focus goes to.
const FieldControl kFieldControls[] = {
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

// The status line's dark red; its dark blue is the notes' colour.
const COLORREF kStatusRed = RGB(175, 0, 0);

// The field of a control, kNoField for a control no rule names.
int FieldOfControl(int control) {
  for (const FieldControl& entry : kFieldControls)
    if (entry.control == control) return entry.field;
  return kNoField;
}

int IndexOf(const int* ids, int count, int id) {
  for (int i = 0; i < count; ++i)
    if (ids[i] == id) return i;
  return -1;
}

// ---- The width and height boxes: Tab, Enter and Escape commit them.

WORD CommitOfKey(WPARAM key) {
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

LRESULT CALLBACK DimensionEditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
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

HWND EditOfList(HWND page, int id) {
  COMBOBOXINFO parts = {};
  parts.cbSize = sizeof parts;
  return GetComboBoxInfo(GetDlgItem(page, id), &parts) ? parts.hwndItem : nullptr;
}

void TakeOverDimensionEdits(HWND page, bool takeOver) {
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

class PanelPage : public DialogWindow {
 public:
  explicit PanelPage(Configuration& config) : config_(config) { UseFieldControls(kFieldControls); }

 protected:
  BOOL OnInitialize() override;
  void OnShow() override;
  bool OnClose() override;

  bool OnCommand(int id, int code, HWND control) override {
    if (!view_->Filling()) PanelCommand(id, static_cast<WORD>(code), control);
    return true;
  }

  bool OnScroll(HWND control, int code) override {
    if (!view_->Filling() && code == SB_THUMBPOSITION && control)
      SpinChanged(GetDlgCtrlID(control));
    return true;
  }

  INT_PTR OnColour(HDC dc, HWND control) override {
    INT_PTR brush = NoteColours(dc, control, {IDC_PANEL_STATUS});
    if (brush && view_->StatusRed()) SetTextColor(dc, kStatusRed);
    return brush;
  }

  void OnDestroy() override { TakeOverDimensionEdits(Handle(), false); }

 private:
  void PanelCommand(int id, WORD notification, HWND control);
  void AfterNotification();
  void ShowFrameRates() { view_->ShowFrameRateList(BuildFrameRateList(config_)); }
  void WidthTaken(const EntryResult& result);
  void CommitDimension(int id, WORD commit);
  void ListChosen(int id);
  void TypeClicked(unsigned type);
  void ButtonClicked(int id);
  void SpinChanged(int spin);

  Configuration& config_;
  std::unique_ptr<PanelControls> view_;  // made with the window
};

BOOL PanelPage::OnInitialize() {
  view_.reset(new PanelControls(*this, config_));
  UDACCEL steps[2];
  for (size_t i = 0; i < 2; ++i) steps[i] = {kHorizTotalSteps[i].seconds, kHorizTotalSteps[i].step};
  SendDlgItemMessageA(Handle(), IDC_PANEL_HORIZ_TOTAL_SPIN, UDM_SETACCEL, 2,
                      reinterpret_cast<LPARAM>(steps));
  OpenPanelPage(config_, PredefinedPanels(), *view_);
  TakeOverDimensionEdits(Handle(), true);
  SendDlgItemMessageA(Handle(), IDC_PANEL_PIXEL_CLOCK, CB_SETDROPPEDWIDTH, 120, 0);
  SendDlgItemMessageA(Handle(), IDC_PANEL_PREDEFINED, CB_SETDROPPEDWIDTH, 200, 0);
  return TRUE;
}

// Opened again on the controls as they are: the status line and the
// predefined panel's selection start as on a new page.
void PanelPage::OnShow() {
  view_->BeginRefresh();
  OpenPanelPage(config_, PredefinedPanels(), *view_);
  view_->EndRefresh();
}

bool PanelPage::OnClose() {
  PanelPageLeaveEntries entries = {
      !IsChecked(Control(IDC_PANEL_FPLINE_LOW)), !IsChecked(Control(IDC_PANEL_FPFRAME_LOW)),
      ControlText(Control(IDC_PANEL_HEIGHT)), ControlText(Control(IDC_PANEL_WIDTH))};
  if (!LeavePanelPage(config_, entries)) {
    CarryOutFieldRequests();
    return false;
  }
  // The warnings' focus moves are moot: the page is left.
  DropFieldRequests();
  return true;
}

void PanelPage::PanelCommand(int id, WORD notification, HWND control) {
  if (notification == CBN_SELCHANGE) {
    ListChosen(id);
    return;
  }
  if (notification == kCommitByTab || notification == kCommitByEscape ||
      notification == kCommitByEnter) {
    CommitDimension(id, notification);
    return;
  }
  if (notification == BN_CLICKED && control) ButtonClicked(id);
  AfterNotification();
  CarryOutFieldRequests();
}

// The 16-bit rule on the data width buttons, then the search for a matching
// panel: what follows every notification but the list choices.
void PanelPage::AfterNotification() {
  bool sixteenBitAllowed = Apply16BitRule(config_);
  view_->ShowDataWidth(GetDataWidthCode(config_), sixteenBitAllowed);
  FindMatchingPanel(config_, PredefinedPanels(), *view_);
}

// An accepted width moves the horizontal total's range with minHT, and a
// rounded width is shown as it was taken.
void PanelPage::WidthTaken(const EntryResult& result) {
  if (result.showValue) view_->ShowOwnText(IDC_PANEL_WIDTH, std::to_string(result.value));
  view_->ShowSpin(IDC_PANEL_HORIZ_TOTAL_SPIN, HorizTotalSpin(config_));
}

// Width or height committed in its box. No search runs here.
void PanelPage::CommitDimension(int id, WORD commit) {
  std::string text = ControlText(Control(id));
  bool taken;
  if (id == IDC_PANEL_WIDTH) {
    EntryResult result = ApplyWidthEntry(config_, text.c_str());
    taken = EntryTaken(result);
    if (taken) WidthTaken(result);
  } else {
    taken = EntryTaken(ApplyHeightEntry(config_, text.c_str()));
  }
  if (taken) {
    if (RebuildsFrameRates(FieldOfControl(id))) ShowFrameRates();
    if (commit == kCommitByTab && GetKeyState(VK_SHIFT) < 0)
      SendMessageA(Handle(), WM_NEXTDLGCTL, 1, FALSE);
    else if (commit == kCommitByTab)
      FocusControl(Handle(), id == IDC_PANEL_WIDTH ? IDC_PANEL_HEIGHT : IDC_PANEL_HORIZ_TOTAL);
  }
  CarryOutFieldRequests();
}

// An entry chosen in one of the lists.
void PanelPage::ListChosen(int id) {
  HWND list = Control(id);
  int index = static_cast<int>(SendMessageA(list, CB_GETCURSEL, 0, 0));
  if (id == IDC_PANEL_PREDEFINED) {
    ApplyPredefinedPanel(config_, PredefinedPanels(), index, *view_);
    CarryOutFieldRequests();
    return;
  }
  if (index < 0) return;
  MarkPanelSettingsChanged(config_);
  LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
  SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
  text.resize(strlen(text.c_str()));
  // The rule reads the list's own text, which the choice has not reached yet.
  if (id == IDC_PANEL_WIDTH || id == IDC_PANEL_HEIGHT) view_->ShowOwnText(id, text);
  switch (id) {
    case IDC_PANEL_FRAME_RATE:
      // The total the rate gives is shown at once, so that the next up-down
      // change does not write the old total back.
      if (EntryTaken(ApplyFrameRateEntry(config_, text.c_str())))
        view_->ShowSpin(IDC_PANEL_HORIZ_TOTAL_SPIN, HorizTotalSpin(config_));
      break;
    case IDC_PANEL_WIDTH: {
      EntryResult result = ApplyWidthEntry(config_, text.c_str());
      if (EntryTaken(result)) WidthTaken(result);
      break;
    }
    case IDC_PANEL_HEIGHT:
      ApplyHeightEntry(config_, text.c_str());
      break;
    case IDC_PANEL_PIXEL_CLOCK:
      ApplyPixelClockEntry(config_, text.c_str());
      break;
    default:
      return;
  }
  if (RebuildsFrameRates(FieldOfControl(id))) ShowFrameRates();
  FindMatchingPanel(config_, PredefinedPanels(), *view_);
  CarryOutFieldRequests();
}

void PanelPage::TypeClicked(unsigned type) {
  uint32_t shownStart = 0;
  double fraction = 0;
  ReadDialogNumber(ControlText(Control(IDC_PANEL_HORIZ_START)).c_str(), &shownStart, &fraction);
  SelectPanelType(config_, type, shownStart);
  view_->ShowSpin(IDC_PANEL_HORIZ_START_SPIN, HorizStartSpin(config_));
  bool fplineHigh = false, fpframeHigh = false;
  DefaultPolarities(type, &fplineHigh, &fpframeHigh);
  view_->ShowTypeControls(type, fplineHigh, fpframeHigh, ApplyFormat2Rule(config_));
}

void PanelPage::ButtonClicked(int id) {
  int type = IndexOf(kTypeButtons, 4, id);
  int dataWidth = IndexOf(kDataWidthButtons, 3, id);
  MarkPanelSettingsChanged(config_);
  if (type >= 0) {
    TypeClicked(static_cast<unsigned>(type));
  } else if (dataWidth >= 0) {
    SetDataWidthCode(config_, static_cast<unsigned>(dataWidth));
    view_->ShowFormat2(ApplyFormat2Rule(config_));
  } else if (id == IDC_PANEL_MONO || id == IDC_PANEL_COLOR) {
    SetColorPanel(config_, id == IDC_PANEL_COLOR);
    view_->ShowFormat2(ApplyFormat2Rule(config_));
    CheckVideoMemory(config_);
  } else if (id == IDC_PANEL_FORMAT2) {
    SetFormat2(config_, IsChecked(Control(IDC_PANEL_FORMAT2)));
  } else if (id == IDC_PANEL_FPLINE_LOW || id == IDC_PANEL_FPLINE_HIGH) {
    SetFplineHigh(config_, id == IDC_PANEL_FPLINE_HIGH);
  } else if (id == IDC_PANEL_FPFRAME_LOW || id == IDC_PANEL_FPFRAME_HIGH) {
    SetFpframeHigh(config_, id == IDC_PANEL_FPFRAME_HIGH);
  } else if (id == IDC_PANEL_RESOLUTION_160 || id == IDC_PANEL_RESOLUTION_320) {
    SetLargeActiveResolution(config_, id == IDC_PANEL_RESOLUTION_320);
  }
}

// A new position of an up-down: the eight entry rules in their order.
void PanelPage::SpinChanged(int spin) {
  MarkPanelSettingsChanged(config_);
  std::string texts[8];
  SpinEntryTexts entries = {};
  for (size_t i = 0; i < 8; ++i) {
    texts[i] = ControlText(Control(kSpins[i].field));
    entries.*kSpins[i].entry = texts[i].c_str();
  }
  uint32_t refusedTotal = 0;
  ApplySpinEntries(config_, entries, &refusedTotal);
  // A refused total shows minHT, the lowest the up-down now offers.
  if (refusedTotal) view_->ShowSpin(IDC_PANEL_HORIZ_TOTAL_SPIN, HorizTotalSpin(config_));
  if (RebuildsFrameRates(FieldOfControl(spin))) ShowFrameRates();
  FindMatchingPanel(config_, PredefinedPanels(), *view_);
  CarryOutFieldRequests();
}

}  // namespace

std::unique_ptr<DialogWindow> MakePanelPage(Configuration& config) {
  return std::unique_ptr<DialogWindow>(new PanelPage(config));
}
