// What the Panel page shows, computed from the registers: the values of its
// controls after a fill, the ranges of its up-downs, the entries of its width
// and height lists and the labels that depend on the panel type; and the
// page's side of what the logic shows (PanelPageView).
#ifndef QLC_CFG_PAGES_PANEL_PANEL_VIEW_H
#define QLC_CFG_PAGES_PANEL_PANEL_VIEW_H

#include <stdint.h>

#include <string>
#include <vector>

#include "cfg/pages/choice_list.h"
#include "cfg/panel/pixel_clock.h"
#include "cfg/panel/timing.h"
#include "cfg/record/configuration.h"

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
SpinSetting HorizTotalSpin(const Configuration& config);
// The up-down of the horizontal start: the type's offset to 1023, at HDPS. A
// type button moves the range with the offset.
SpinSetting HorizStartSpin(const Configuration& config);

// The horizontal total's up-down steps by 8 pixels, by 32 once its button has
// been held for 2 seconds.
struct SpinAcceleration {
  unsigned seconds;
  uint32_t step;
};
extern const SpinAcceleration kHorizTotalSteps[2];

// Whether a change of the entry (a PanelField) changes the frame rates the
// page lists, which it then lists again: the size, the totals and the pixel
// clock.
bool RebuildsFrameRates(int field);

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
PanelPageFill FillPanelPageFromRegisters(Configuration& config);

#endif
