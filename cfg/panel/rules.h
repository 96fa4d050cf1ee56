// The rules that keep the panel settings within what the chip can do. Each
// entry rule takes the text its control holds, checks it, writes the register
// field when it is accepted and says its refusal through ShowPanelError.
#ifndef QLC_CFG_PANEL_RULES_H
#define QLC_CFG_PANEL_RULES_H

#include <stdint.h>

#include "cfg/record/configuration.h"

enum EntryOutcome { kEntryAccepted, kEntryCorrected, kEntryRefused };

struct EntryResult {
  EntryOutcome outcome;
  bool showValue;  // the control should now show value
  uint32_t value;
};

inline bool EntryTaken(const EntryResult& result) {
  return result.outcome != kEntryRefused;
}

// Width: 8 to 1024 in steps of 16 (STN) or 8; an off-step width asks whether
// to round it up. Accepted: REG[14h], the start address and line offset for
// the rotation and depth, the memory check.
EntryResult ApplyWidthEntry(Configuration& config, const char* text);
// Height 1 to 1024. Accepted: REG[1Ch]/[1Dh], start address and line offset
// as for the width, the memory check.
EntryResult ApplyHeightEntry(Configuration& config, const char* text);
// Refused: the entry shows minHT. Accepted values go down to a multiple of 8.
EntryResult ApplyHorizTotalEntry(Configuration& config, const char* text);
EntryResult ApplyVertTotalEntry(Configuration& config, const char* text);
EntryResult ApplyHorizStartEntry(Configuration& config, const char* text);
EntryResult ApplyVertStartEntry(Configuration& config, const char* text);
EntryResult ApplyFplineWidthEntry(Configuration& config, const char* text);
EntryResult ApplyFplineStartEntry(Configuration& config, const char* text);
EntryResult ApplyFpframeWidthEntry(Configuration& config, const char* text);
EntryResult ApplyFpframeStartEntry(Configuration& config, const char* text);
// A frame rate within the range: FrameRate and the smallest HT giving it.
EntryResult ApplyFrameRateEntry(Configuration& config, const char* text);
// A text of the pixel-clock list.
EntryResult ApplyPixelClockEntry(Configuration& config, const char* text);

// The eight up-down entries, in the order the page runs them after any
// up-down change; every rule runs even after a refusal.
struct SpinEntryTexts {
  const char* horizTotal;
  const char* vertTotal;
  const char* horizStart;
  const char* vertStart;
  const char* fplineWidth;
  const char* fplineStart;
  const char* fpframeWidth;
  const char* fpframeStart;
};
// Returns the number of refused entries; *horizTotalShown gets minHT when the
// total was refused (the entry shows it), else is left alone.
int ApplySpinEntries(Configuration& config, const SpinEntryTexts& texts, uint32_t* horizTotalShown);

// What the horizontal-total entry shows: min(max(HT, minHT), 1024).
uint32_t HorizTotalShownValue(const Configuration& config);

// Rules of leaving the Panel page: height, width (with its question), the
// memory warning once, then the two warnings. False keeps the page open.
bool CheckPanelOnLeave(Configuration& config, const char* heightText, const char* widthText);

// Silent corrections.
// HT below minHT is raised to minHT (the page runs this before filling).
void CorrectHorizTotalOnShow(Configuration& config);
// Clears REG[10h] bit 7 unless the panel is a colour STN with 8-bit data;
// returns whether "Format 2" may be chosen.
bool ApplyFormat2Rule(Configuration& config);
// Mono STN with 16-bit data becomes 8-bit; returns whether 16-bit may be chosen.
bool Apply16BitRule(Configuration& config);
// The horizontal start a type change moves the shown value to.
uint32_t HorizStartForType(uint32_t shownStart, unsigned type);

// Polarities the page shows for a type it switches to: STN both high, TFT
// both low, HR-TFT and K-VRX FPLINE high and FPFRAME low.
void DefaultPolarities(unsigned type, bool* fplineHigh, bool* fpframeHigh);
// The user picks a panel type: REG[10h] bits 1:0, REG[A9h], then the shown
// horizontal start moves into the new type's range and is written with the
// new offset. Returns the start the entry now shows.
uint32_t SelectPanelType(Configuration& config, unsigned type, uint32_t shownHorizStart);

// REG[A9h]: 80h for STN and TFT panels, 00h for HR-TFT and K-VRX.
void UpdateGpioForPanelType(Configuration& config);
// K-VRX panels need bit 6 of REG[A8h] and REG[ACh] once the page is left.
void SetKVrxGpioBits(Configuration& config);

// Display memory needed by the current size, colour depth and rotation.
uint32_t VideoMemoryNeeded(const Configuration& config);
// Warns when the display does not fit into the 80 KB; returns whether it fits.
bool CheckVideoMemory(const Configuration& config);

// The three timing rules checked before writing into several files.
bool MemoryClockRuleHolds(const Configuration& config);
bool DisplayPeriodRuleHolds(const Configuration& config);
bool NonDisplayPeriodRuleHolds(const Configuration& config);
extern const char kMemoryClockRuleWarning[];
extern const char kDisplayPeriodRuleWarning[];
extern const char kNonDisplayPeriodRuleWarning[];
// Runs the three rules in order and shows each failed rule's warning, with the information icon and
// OK and Cancel; returns how many failed. The command goes on whichever button is pressed.
int WarnAboutTimingRules(const Configuration& config);

enum { kVideoMemoryBytes = 81920 };

#endif
