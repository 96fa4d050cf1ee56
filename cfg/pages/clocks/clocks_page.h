// The Clocks page's fill, change and close steps as logic over the page's
// selections and texts. The page moves values between its controls and a
// ClocksPage; everything the steps decide happens here.
#ifndef QLC_CFG_PANEL_CLOCKS_PAGE_H
#define QLC_CFG_PANEL_CLOCKS_PAGE_H

#include <string>

#include "cfg/pages/choice_list.h"
#include "cfg/record/configuration.h"

// The page's entries, as its changes and refusals name them.
enum ClocksField {
  kClkiField = 300,
  kClki2Field,
  kPclkSourceField,
  kPclkDivideField,
  kBclkSourceField,
  kBclkDivideField,
  kMclkDivideField,
  kPwmEnableField,
  kPwmForceHighField,
  kPwmSourceField,
  kPwmDivideField,
  kDutyCycleField,
  kCvEnableField,
  kCvForceHighField,
  kCvDivideField,
  kBurstLengthField,
};

// Positions in the PCLK source list.
enum { kPclkFromClki = 0, kPclkFromClki2 = 1, kPclkFromBclk = 2, kPclkFromMclk = 3 };

struct ClocksPage {
  ChoiceList clki;  // "Auto", then the table frequencies; editable
  ChoiceList clki2;
  ChoiceList pclkSource;   // "CLKI", "CLKI2", "BCLK", "MCLK"
  ChoiceList pclkDivide;   // "Auto", "1:1", "2:1", "3:1", "4:1", "8:1"
  ChoiceList bclkSource;   // "CLKI", and "CLKI2" when offered
  ChoiceList bclkDivide;   // "1:1" ... "4:1" ("1:1" only from CLKI2)
  ChoiceList mclkDivide;   // "1:1" ... "4:1"
  ChoiceList pwmSource;    // "CLKI", "CLKI2"
  ChoiceList pwmDivide;    // "1:1" ... "4096:1"
  ChoiceList cvDivide;     // "1:1" ... "128:1"
  ChoiceList dutyCycle;    // "0" ... "255"
  ChoiceList burstLength;  // "1" ... "256"
  bool pwmEnable = false;
  bool pwmForceHigh = false;
  bool cvEnable = false;
  bool cvForceHigh = false;

  // Read-outs, " %2.3f MHz" (the input read-outs are blank while a listed
  // frequency is selected).
  std::string clkiReadout;
  std::string clki2Readout;
  std::string pclkReadout;
  std::string bclkReadout;
  std::string mclkReadout;
  std::string pwmReadout;
  std::string cvReadout;
  std::string cvSource;  // " CLKI" or " CLKI2"
};

// Fills every list from the working record, then the read-outs.
void OpenClocksPage(const Configuration& config, ClocksPage* page);
void RefreshClockReadouts(const Configuration& config, ClocksPage* page);

// The entry (a ClocksField) changed: its new selection or text is already in
// page; the record fields and working values follow at once.
void ChangeClocksPage(Configuration& config, ClocksPage* page, int field);

// The Ctrl+Shift right double-click: offers and selects CLKI2 as the bus
// clock source.
void EnableClki2BusClock(Configuration& config, ClocksPage* page);

// Takes every entry over into the record. On a refusal the message has been
// shown, *focusField names the entry and nothing of the refused step or the
// later ones is written.
bool CloseClocksPage(Configuration& config, ClocksPage* page, int* focusField);

#endif
