// Panel timing in the terms datasheets, device trees and X modelines use:
// active period, front porch, sync length, back porch and sync polarity for
// a line and for a frame, and the pixel clock. The chip keeps the same
// timing as totals, display start positions and FPLINE / FPFRAME pulses;
// this module converts between the two.
//
// The chip's model. A line is HT pixel positions 0 .. HT-1 long; the display
// period covers HDPS .. HDPS+W-1 (HDPS with the type's offset, as the Panel
// page shows it) and the FPLINE pulse starts at position (FPLINE start - 1),
// the value of REG[22h]/[23h], and lasts the FPLINE width. A frame likewise
// has VT lines; the display period covers VDPS .. VDPS+H-1 and FPFRAME starts
// at line REG[26h]/[27h]. The shipped panels read this way give the standard
// VGA and XGA porches exactly.
//
// Positions are taken round the line (modulo the total): the front porch is
// the distance from the end of the display period forward to the start of
// the sync, so a sync that starts after the display period and runs past the
// end of the line (wrapping round to its start) is an ordinary sync whose
// back porch simply continues in the next line; the back porch is what is
// left of the total. A sync that runs into the display period leaves a
// negative back porch: such a timing has no datasheet terms, see
// SyncOverlapNote.
//
// STN panels are the exception. Their frame pulse (FPFRAME, the first-line
// marker) comes with the first display line: FPFRAME start equals VDPS, as in
// every shipped STN panel. The terms count that pulse as the lines just
// before the frame's back porch (vback-porch = VDPS, the pulse then ends
// where the lines before the display begin), so that the porches stay whole
// and the totals right; going back, an STN panel's pulse is put on its first
// display line again (FPFRAME start = VDPS = vback-porch).
#ifndef QLC_CFG_PANEL_TIMING_TERMS_H
#define QLC_CFG_PANEL_TIMING_TERMS_H

#include <stdint.h>

#include <string>

#include "cfg/record/configuration.h"

// One direction of the scan: a line in pixels or a frame in lines. Values
// are 64-bit so that numbers read from outside cannot overflow the sums.
struct TimingAxis {
  int64_t active = 0;
  int64_t frontPorch = 0;
  int64_t syncLength = 0;
  int64_t backPorch = 0;  // negative: the sync runs that far into the display
  int syncActive = -1;    // 1 high, 0 low, -1 not given (a source may omit it)

  int64_t Total() const { return active + frontPorch + syncLength + backPorch; }
  bool operator==(const TimingAxis& other) const;
};

struct TimingTerms {
  TimingAxis horizontal;
  TimingAxis vertical;
  uint64_t pixelClockHz = 0;

  bool operator==(const TimingTerms& other) const;
};

// The record's panel timing in datasheet terms.
TimingTerms TimingTermsOf(const Configuration& config);

// Line frequency and frame rate in Hz; 0 when a total is 0.
double LineFrequencyHz(const TimingTerms& terms);
double FrameRateHz(const TimingTerms& terms);

// Empty when both syncs lie in the non-display periods; otherwise what runs
// into the display period, e.g. "FPFRAME runs 1 line into the display period".
std::string SyncOverlapNote(const TimingTerms& terms);

// The Panel page's settings that give a timing (pixel clock aside).
struct ChipTimingSettings {
  uint32_t width = 0, height = 0;
  uint32_t horizTotal = 0, vertTotal = 0;
  uint32_t horizStart = 0, vertStart = 0;  // HDPS with the type's offset, VDPS
  uint32_t fplineStart = 0, fplineWidth = 0;
  uint32_t fpframeStart = 0, fpframeWidth = 0;
  bool fplineHigh = false, fpframeHigh = false;
  bool largeResolution = false;  // REG[10h] bit 3 of HR-TFT and K-VRX panels
};

// Checks every term against the register field that holds it for a panel
// type (kPanelStn ...) and places the timing in the chip's line and frame:
// FPLINE at the line's first position and FPFRAME on the frame's first line
// (on an STN panel with the first display line, see above), the display
// after the sync and back porch (on a line, no earlier than the
// type's start offset; the sync then starts later). Polarities not given
// take the type's defaults. A term the chip cannot hold gives false and the
// refusal, naming the term, its value and the limit, e.g. "hsync-len 200 is
// more than the 128 pixels FPLINE can be". The smallest horizontal total
// depends on the clocks and is checked by the caller.
bool ChipSettingsFromTerms(const TimingTerms& terms, unsigned type, ChipTimingSettings* settings,
                           std::string* refusal);

// Panel type names: "STN", "TFT", "HR-TFT", "K-VRX"; FindPanelTypeName takes
// them without regard to case, with or without the dash.
const char* PanelTypeName(unsigned type);
bool FindPanelTypeName(const std::string& name, unsigned* type);

#endif
