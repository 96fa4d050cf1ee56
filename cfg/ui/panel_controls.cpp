// clang-format off
#include <windows.h>
#include <commctrl.h>  // needs windows.h first
// clang-format on

#include "cfg/ui/panel_controls.h"

#include "cfg/panel/timing.h"
#include "cfg/ui/controls.h"
#include "cfg/ui/resource.h"

const int kTypeButtons[4] = {IDC_PANEL_STN, IDC_PANEL_TFT, IDC_PANEL_HRTFT, IDC_PANEL_KVRX};
const int kDataWidthButtons[3] = {IDC_PANEL_DATA_WIDTH_0, IDC_PANEL_DATA_WIDTH_1,
                                  IDC_PANEL_DATA_WIDTH_2};

const SpinControl kSpins[8] = {
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

class PanelControls::FillingScope {
 public:
  explicit FillingScope(PanelControls& controls) : controls_(controls) { ++controls_.filling_; }
  ~FillingScope() { --controls_.filling_; }
  FillingScope(const FillingScope&) = delete;
  FillingScope& operator=(const FillingScope&) = delete;

 private:
  PanelControls& controls_;
};

static std::string WindowString(HWND window) {
  char text[64] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

void PanelControls::BeginRefresh() {
  refreshing_ = true;
  wantedRed_ = false;
  wantedStatus_.clear();
  wantedPredefined_ = -1;
}

void PanelControls::EndRefresh() {
  refreshing_ = false;
  bool textChanged = ControlText(page_.Control(IDC_PANEL_STATUS)) != wantedStatus_;
  if (textChanged) SetWindowTextA(page_.Control(IDC_PANEL_STATUS), wantedStatus_.c_str());
  if (textChanged || wantedRed_ != statusRed_) {
    statusRed_ = wantedRed_;
    InvalidateRect(page_.Control(IDC_PANEL_STATUS), nullptr, TRUE);
  }
  if (SendMessageA(page_.Control(IDC_PANEL_PREDEFINED), CB_GETCURSEL, 0, 0) != wantedPredefined_)
    SelectPredefinedPanel(wantedPredefined_);
}

void PanelControls::SetStatusLine(bool red, const std::string& text) {
  if (refreshing_) {
    wantedRed_ = red;
    wantedStatus_ = text;
    return;
  }
  statusRed_ = red;
  SetWindowTextA(page_.Control(IDC_PANEL_STATUS), text.c_str());
  InvalidateRect(page_.Control(IDC_PANEL_STATUS), nullptr, TRUE);
}

void PanelControls::SetPredefinedPanelEntries(const std::vector<std::string>& entries) {
  wantedPredefined_ = -1;
  if (refreshing_ && ListHoldsEntries(page_.Control(IDC_PANEL_PREDEFINED), entries)) return;
  ShowList(IDC_PANEL_PREDEFINED, entries, -1);
}

void PanelControls::SelectPredefinedPanel(int index) {
  if (refreshing_) {
    wantedPredefined_ = index;
    return;
  }
  SendMessageA(page_.Control(IDC_PANEL_PREDEFINED), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

// The list sorts its entries itself, so the selection is found by its text.
void PanelControls::ShowPixelClockList(const PixelClockList& list) {
  HWND box = page_.Control(IDC_PANEL_PIXEL_CLOCK);
  if (!ListHoldsEntries(box, list.texts)) ShowList(IDC_PANEL_PIXEL_CLOCK, list.texts, -1);
  LRESULT index = -1;
  if (list.selected >= 0) {
    const std::string& text = list.texts[static_cast<size_t>(list.selected)];
    index = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                         reinterpret_cast<LPARAM>(text.c_str()));
  }
  if (SendMessageA(box, CB_GETCURSEL, 0, 0) != index)
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void PanelControls::ShowFrameRateList(const FrameRateList& list) {
  ShowList(IDC_PANEL_FRAME_RATE, list.texts, list.selected);
}

void PanelControls::ShowPanelSettings(const PanelPageFill& fill) {
  FillingScope filling(*this);
  CheckOneOf(kTypeButtons, 4, fill.type);
  ShowButton(IDC_PANEL_MONO, !fill.color);
  ShowButton(IDC_PANEL_COLOR, fill.color);
  ShowButton(IDC_PANEL_FORMAT2, fill.format2);
  CheckOneOf(kDataWidthButtons, 3, fill.dataWidthCode);
  for (const SpinControl& control : kSpins) ShowSpin(control.spin, fill.*control.setting);
  UpdateChoiceList(page_.Control(IDC_PANEL_WIDTH), PanelWidthList(fill.width));
  UpdateChoiceList(page_.Control(IDC_PANEL_HEIGHT), PanelHeightList(fill.height));
  ShowTypeControls(fill.type, fill.fplineHigh, fill.fpframeHigh, fill.format2Enabled);
}

void PanelControls::ShowDataWidth(unsigned code, bool sixteenBitAllowed) {
  CheckOneOf(kDataWidthButtons, 3, code);
  ShowEnabled(page_.Control(IDC_PANEL_DATA_WIDTH_2), sixteenBitAllowed);
}

void PanelControls::ShowSpin(int spin, const SpinSetting& setting) {
  FillingScope filling(*this);
  HWND control = page_.Control(spin);
  int lowest = 0, highest = 0;
  SendMessageA(control, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lowest),
               reinterpret_cast<LPARAM>(&highest));
  HWND buddy = reinterpret_cast<HWND>(SendMessageA(control, UDM_GETBUDDY, 0, 0));
  if (static_cast<uint32_t>(lowest) == setting.lowest &&
      static_cast<uint32_t>(highest) == setting.highest && buddy &&
      WindowString(buddy) == std::to_string(setting.position))
    return;
  SendMessageA(control, UDM_SETRANGE32, setting.lowest, setting.highest);
  SendMessageA(control, UDM_SETPOS32, 0, setting.position);
}

void PanelControls::ShowTypeControls(unsigned type, bool fplineHigh, bool fpframeHigh,
                                     bool format2Enabled) {
  FillingScope filling(*this);
  PanelTypeLabels labels = TypeLabels(type);
  for (unsigned code = 0; code < 3; ++code)
    ShowText(page_.Control(kDataWidthButtons[code]), labels.dataWidth[code]);
  ShowText(page_.Control(IDC_PANEL_RESOLUTION_160), labels.smallResolution);
  bool large = IsLargeActiveResolution(config_);
  for (int id : {IDC_PANEL_RESOLUTION_160, IDC_PANEL_RESOLUTION_320}) {
    ShowEnabled(page_.Control(id), labels.resolutionEnabled);
    ShowButton(id, labels.resolutionEnabled && large == (id == IDC_PANEL_RESOLUTION_320));
  }
  ShowButton(IDC_PANEL_FPLINE_LOW, !fplineHigh);
  ShowButton(IDC_PANEL_FPLINE_HIGH, fplineHigh);
  ShowButton(IDC_PANEL_FPFRAME_LOW, !fpframeHigh);
  ShowButton(IDC_PANEL_FPFRAME_HIGH, fpframeHigh);
  ShowFormat2(format2Enabled);
}

void PanelControls::ShowFormat2(bool enabled) {
  ShowEnabled(page_.Control(IDC_PANEL_FORMAT2), enabled);
  ShowButton(IDC_PANEL_FORMAT2, IsFormat2(config_));
}

void PanelControls::ShowOwnText(int id, const std::string& text) {
  FillingScope filling(*this);
  SetWindowTextA(page_.Control(id), text.c_str());
}

// Checking a radio button also moves its group's tab stop to it: a radio
// button whose stop disagrees is set as well.
void PanelControls::ShowButton(int id, bool checked) {
  HWND button = page_.Control(id);
  LONG style = GetWindowLongA(button, GWL_STYLE);
  bool radio = (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
  bool stopAgrees = !radio || ((style & WS_TABSTOP) != 0) == checked;
  if (stopAgrees && IsChecked(button) == checked) return;
  SetChecked(button, checked);
}

void PanelControls::CheckOneOf(const int* buttons, unsigned count, unsigned checked) {
  for (unsigned i = 0; i < count; ++i) ShowButton(buttons[i], i == checked);
}

void PanelControls::ShowList(int id, const std::vector<std::string>& texts, int selected) {
  FillingScope filling(*this);
  ChoiceList list;
  list.entries = texts;
  list.selected = selected;
  UpdateChoiceList(page_.Control(id), list);
}
