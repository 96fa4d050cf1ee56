// The Panel page's record logic, without any window: what opening the page,
// filling it from the registers and leaving it do to the working record. The
// page moves values between its controls and these functions; qlccfg runs the
// same functions, so that a command leaves the record exactly as the page.
//
// How the page uses it:
//   open                 OpenPanelPage(list, view)
//   a predefined panel   ApplyPredefinedPanel (matching.h); it refills the
//                        page through view.ShowPanelSettings, whose polarity
//                        values are the chosen panel's own
//   a type button        SelectPanelType, then DefaultPolarities for the
//                        polarity buttons (rules.h): only a click on a type
//                        button shows the type's default polarities
//   an entry             the entry rules of rules.h
//   leave                LeavePanelPage(entries): false keeps the page open;
//                        TakePanelFocusRequests (panel_messages.h) then names
//                        the control to focus. Warnings never keep it open.
#ifndef QLC_CFG_PANEL_PANEL_PAGE_H
#define QLC_CFG_PANEL_PANEL_PAGE_H

#include <stdint.h>

#include <string>
#include <vector>

#include "choice_list.h"
#include "timing.h"

class PanelList;

// Range and position of one up-down control.
struct SpinSetting {
  uint32_t lowest;
  uint32_t highest;
  uint32_t position;
};

// What the page's controls show after it is filled from the registers.
struct PanelPageFill {
  unsigned type;           // kPanelStn ... kPanelKVrx: type button and labels
  bool color;              // "Color", else "Mono"
  bool format2;            // "Format 2" checked
  bool format2Enabled;     // only colour STN with 8-bit data has format 2
  unsigned dataWidthCode;  // 0 to 2; 3 checks no data width button
  bool largeResolution;    // "320x240" (HR-TFT and K-VRX only)
  bool fplineHigh;         // polarity buttons: the registers' polarities
  bool fpframeHigh;
  uint32_t width;   // the width list
  uint32_t height;  // the height list
  SpinSetting horizTotal, vertTotal, horizStart, vertStart;
  SpinSetting fplineStart, fplineWidth, fpframeStart, fpframeWidth;
};

// The page's side of opening it and of choosing a predefined panel. Every
// method does nothing by default, so a front end without a page passes a
// plain PanelPageView.
class PanelPageView {
 public:
  virtual ~PanelPageView() = default;
  // The status line below the predefined panels. red: dark red, else dark blue.
  virtual void SetStatusLine(bool red, const std::string& text) { (void)red, (void)text; }
  // Entries of the "Predefined panels" list, replacing what it held.
  virtual void SetPredefinedPanelEntries(const std::vector<std::string>& entries) { (void)entries; }
  virtual void SelectPredefinedPanel(int index) { (void)index; }
  virtual void ShowPixelClockList(const PixelClockList& list) { (void)list; }
  virtual void ShowFrameRateList(const FrameRateList& list) { (void)list; }
  // Every control from the registers, polarity buttons included.
  virtual void ShowPanelSettings(const PanelPageFill& fill) { (void)fill; }
  // The data width buttons after the 16-bit rule: which one is checked and
  // whether "16-bit" may be chosen.
  virtual void ShowDataWidth(unsigned code, bool sixteenBitAllowed) {
    (void)code, (void)sixteenBitAllowed;
  }
};

// The up-down of the horizontal total: minHT to 1024, at the shown total. An
// accepted width moves the range with minHT.
SpinSetting HorizTotalSpin();
// The up-down of the horizontal start: the type's offset to 1023, at HDPS. A
// type button moves the range with the offset.
SpinSetting HorizStartSpin();

// The width and height lists: their preset entries, with the current value
// appended when it is not one of them, and selected.
ChoiceList PanelWidthList(uint32_t width);
ChoiceList PanelHeightList(uint32_t height);

// The labels of the type-dependent controls. Only HR-TFT and K-VRX panels
// choose an active resolution; the first resolution button reads "160x240"
// for K-VRX and "160x160" otherwise.
struct PanelTypeLabels {
  std::string dataWidth[3];  // "4-bit", "8-bit", "16-bit" for STN, else 9, 12, 18
  bool resolutionEnabled;
  std::string smallResolution;
};
PanelTypeLabels TypeLabels(unsigned type);

// Filling the page from the registers: a horizontal total below minHT is
// raised to it, REG[A9h] is set for the panel type and the format-2 rule
// runs; then the values the controls show.
PanelPageFill FillPanelPageFromRegisters();

// Opening the page: asks for a new search, shows the pixel-clock list, fills
// the controls, fills the predefined panels, shows the frame-rate list
// (which stores FrameRate), searches for a matching panel and applies the
// 16-bit rule.
void OpenPanelPage(const PanelList& list, PanelPageView& view);

// The choices that leaving the page takes over.
struct PanelPageLeaveEntries {
  bool fplineHigh;         // FPLINE "(hi)" checked
  bool fpframeHigh;        // FPFRAME "(hi)" checked
  std::string heightText;  // the height list's text
  std::string widthText;   // the width list's text
};

// The entries as the page shows them right after a fill, without edits.
PanelPageLeaveEntries ShownPanelPageEntries();

// Leaving the page: the polarity choices go into REG[20h] and REG[24h] bit 7;
// the height rule and the width rule (with its rounding question) may refuse,
// which keeps the page (false); the horizontal-total and vertical-total
// warnings do not; a K-VRX panel gets bit 6 of REG[A8h] and REG[ACh]; the
// recalculated hand-set registers are reported. True: the page may close.
bool LeavePanelPage(const PanelPageLeaveEntries& entries);

#endif
