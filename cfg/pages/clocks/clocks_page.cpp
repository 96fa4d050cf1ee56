#include "cfg/pages/clocks/clocks_page.h"

#include <stdio.h>
#include <stdlib.h>

#include "cfg/panel/clocks.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "common/message.h"
#include "common/text_read.h"

enum {
  kPwmDivideCount = 13,
  kCvDivideCount = 8,
};

static const char* const kAuto = "Auto";
static const char* const kFourDivides[] = {"1:1", "2:1", "3:1", "4:1"};
static const char* const kPclkSources[] = {"CLKI", "CLKI2", "BCLK", "MCLK"};
static const char* const kPclkDivides[] = {"Auto", "1:1", "2:1", "3:1", "4:1", "8:1"};
static const uint32_t kPclkDivideValues[] = {0, 1, 2, 3, 4, 8};

static std::string Megahertz(uint32_t kHz) {
  char text[32];
  snprintf(text, sizeof text, "%2.3f", kHz / 1000.0);
  return text;
}

static std::string Readout(double kHz) {
  char text[48];
  snprintf(text, sizeof text, " %2.3f MHz", kHz / 1000.0);
  return text;
}

static std::string Decimal(uint32_t value, const char* suffix = "") {
  char text[32];
  snprintf(text, sizeof text, "%u%s", value, suffix);
  return text;
}

static void FillInputClockList(ChoiceList* list, bool fixed, uint32_t kHz) {
  list->entries.assign(1, kAuto);
  for (int i = 0; i < kInputClockCount; ++i) list->entries.push_back(Megahertz(InputClockTable[i]));
  list->selected = 0;
  if (fixed) list->SelectOrAppend(Megahertz(kHz));
  list->text = list->Text();
}

static void FillEntries(ChoiceList* list, const char* const* entries, size_t count, int selected) {
  list->entries.assign(entries, entries + count);
  list->selected = selected;
}

static bool BusFromClki2(const ClocksPage& page) {
  return page.bclkSource.Text() == "CLKI2";
}

static void FillBclkDivideList(ClocksPage* page, bool fromClki2, int selected) {
  FillEntries(&page->bclkDivide, kFourDivides, fromClki2 ? 1 : 4, fromClki2 ? 0 : selected);
}

// The BCLK divide that gives the record's bus clock from CLKI.
static int BusDivideOfRecord(const Configuration& config) {
  uint32_t clki = config.WorkingRecord.ClkI, bus = config.WorkingRecord.BusClk;
  for (uint32_t divide = 1; divide <= 4; ++divide)
    if (bus == clki / divide) return static_cast<int>(divide - 1);
  return 0;
}

static void FillBclkSourceList(ClocksPage* page, bool offerClki2, bool selectClki2) {
  static const char* const kBusSources[] = {"CLKI", "CLKI2"};
  FillEntries(&page->bclkSource, kBusSources, offerClki2 ? 2 : 1, selectClki2 ? 1 : 0);
}

// "%d:1" entries for the powers of two up to 2^(count-1); a code beyond the
// list is appended so that the record's value is shown and kept.
static void FillPowerDivideList(ChoiceList* list, int count, unsigned code) {
  list->entries.clear();
  for (int i = 0; i < count; ++i) list->entries.push_back(Decimal(1u << i, ":1"));
  list->selected = -1;
  list->SelectOrAppend(Decimal(1u << code, ":1"));
}

static void FillNumberList(ChoiceList* list, uint32_t first, uint32_t last, uint32_t value) {
  list->entries.clear();
  for (uint32_t n = first; n <= last; ++n) list->entries.push_back(Decimal(n));
  list->selected = -1;
  list->SelectOrAppend(Decimal(value));
}

void OpenClocksPage(const Configuration& config, ClocksPage* page) {
  FillInputClockList(&page->clki, (config.WorkingRecord.Flags & fFIXED_CLKI) != 0,
                     config.WorkingRecord.ClkI);
  FillInputClockList(&page->clki2, (config.WorkingRecord.Flags & fFIXED_CLKI2) != 0,
                     config.WorkingRecord.ClkI2);
  // A bus clock taken from CLKI2 is offered and shown as such, so that
  // closing the page keeps it.
  bool busFromClki2 = (config.GetRegister(REG_BUSCLK_MEMCLK_CONFIG) & 1) != 0;
  FillBclkSourceList(page, config.Clki2BusClockOption || busFromClki2, busFromClki2);
  FillBclkDivideList(page, busFromClki2, BusDivideOfRecord(config));
  FillEntries(&page->mclkDivide, kFourDivides, 4,
              static_cast<int>((config.GetRegister(REG_BUSCLK_MEMCLK_CONFIG) >> 4) & 3));
  static const int kPositionOfSourceCode[] = {kPclkFromMclk, kPclkFromBclk, kPclkFromClki,
                                              kPclkFromClki2};
  FillEntries(&page->pclkSource, kPclkSources, 4,
              kPositionOfSourceCode[config.GetRegister(REG_PCLK_CONFIG) & 3]);
  unsigned divideCode = (config.GetRegister(REG_PCLK_CONFIG) >> 4) & 7;
  int dividePosition = (config.WorkingRecord.Flags & fFIXED_DIVPCLK)
                           ? static_cast<int>(divideCode > 4 ? 4 : divideCode) + 1
                           : 0;
  FillEntries(&page->pclkDivide, kPclkDivides, 6, dividePosition);

  unsigned clockConfig = config.GetRegister(REG_PWM_CV_CLOCK_CONFIG);
  static const char* const kPwmSources[] = {"CLKI", "CLKI2"};
  FillEntries(&page->pwmSource, kPwmSources, 2, static_cast<int>(clockConfig & 1));
  page->cvSource = (clockConfig & 1) ? " CLKI2" : " CLKI";
  FillPowerDivideList(&page->pwmDivide, kPwmDivideCount, clockConfig >> 4);
  FillPowerDivideList(&page->cvDivide, kCvDivideCount, (clockConfig >> 1) & 7);
  FillNumberList(&page->dutyCycle, 0, 255, config.GetRegister(REG_PWM_CLOCK_DUTY_CYCLE));
  FillNumberList(&page->burstLength, 1, 256, config.GetRegister(REG_CV_CLOCK_BURST_LENGTH) + 1);

  unsigned control = config.GetRegister(REG_PWM_CV_CLOCK_CONTROL);
  page->pwmEnable = (control & 0x10) != 0;
  page->pwmForceHigh = (control & 0x80) != 0;
  page->cvEnable = (control & 0x01) != 0;
  page->cvForceHigh = (control & 0x08) != 0;
  RefreshClockReadouts(config, page);
}

// The divide an entry "N:1" names; 1 for anything else.
static uint32_t DivideOfEntry(const std::string& text) {
  unsigned long divide = strtoul(text.c_str(), nullptr, 10);
  return divide ? static_cast<uint32_t>(divide) : 1;
}

static uint32_t PclkDivideOfPage(const Configuration& config, const ClocksPage& page) {
  int position = page.pclkDivide.selected;
  if (position >= 1 && position <= 5) return kPclkDivideValues[position];
  return PixelDivideOfCode(config.GetRegister(REG_PCLK_CONFIG) >> 4);
}

static int Position(const ChoiceList& list) {
  return list.selected < 0 ? 0 : list.selected;
}

// An input read-out shows the clock while "Auto" or typed text is selected.
static std::string InputReadout(const ChoiceList& list, uint32_t kHz) {
  return list.selected <= 0 ? Readout(kHz) : std::string();
}

void RefreshClockReadouts(const Configuration& config, ClocksPage* page) {
  double clki = config.WorkingRecord.ClkI, clki2 = config.WorkingRecord.ClkI2;
  double bus = BusFromClki2(*page) ? clki2 : clki;
  double bclk = bus / (Position(page->bclkDivide) + 1);
  double mclk = bus / ((Position(page->mclkDivide) + 1) * (Position(page->bclkDivide) + 1));
  const double kSources[] = {clki, clki2, bclk, mclk};
  double pclkSource = kSources[Position(page->pclkSource) & 3];
  double pwmSource = page->pwmSource.selected == 1 ? clki2 : clki;

  page->clkiReadout = InputReadout(page->clki, config.WorkingRecord.ClkI);
  page->clki2Readout = InputReadout(page->clki2, config.WorkingRecord.ClkI2);
  page->pclkReadout = Readout(pclkSource / PclkDivideOfPage(config, *page));
  page->bclkReadout = Readout(bclk);
  page->mclkReadout = Readout(mclk);
  page->pwmReadout = Readout(pwmSource / DivideOfEntry(page->pwmDivide.Text()));
  page->cvReadout = Readout(pwmSource / DivideOfEntry(page->cvDivide.Text()));
}

// Frequency in kHz of an input-clock entry; false when the text does not
// read or reads as zero.
static bool ReadInputClock(const ChoiceList& list, uint32_t* kHz) {
  uint32_t integer = 0;
  double megahertz = 0;
  std::string text = list.Text();
  if (!ReadDialogNumber(text.c_str(), &integer, &megahertz) || megahertz <= 0) return false;
  double value = megahertz * 1000;
  *kHz = value >= 4294967295.0 ? 0xFFFFFFFFu : static_cast<uint32_t>(value);
  return true;
}

static uint32_t BusDivideOfPage(const ClocksPage& page) {
  return static_cast<uint32_t>(Position(page.bclkDivide)) + 1;
}

static void ChangeInputClock(Configuration& config, ClocksPage* page, bool second) {
  const ChoiceList& list = second ? page->clki2 : page->clki;
  uint32_t flag = second ? fFIXED_CLKI2 : fFIXED_CLKI;
  if (list.selected == 0) {
    config.WorkingRecord.Flags &= ~flag;
    return;
  }
  config.WorkingRecord.Flags |= flag;
  uint32_t kHz = 0;
  if (!ReadInputClock(list, &kHz)) return;
  bool feedsBus = BusFromClki2(*page) == second;
  uint32_t busClock = second ? kHz : kHz / BusDivideOfPage(*page);
  // A clock that would stop the bus clock is left for the close to refuse.
  if (kHz == 0 || (feedsBus && busClock == 0)) return;
  (second ? config.WorkingRecord.ClkI2 : config.WorkingRecord.ClkI) = kHz;
  (second ? config.FixedClkI2 : config.FixedClkI) = kHz;
  if (feedsBus) {
    config.WorkingRecord.BusClk = busClock;
    config.FixedBusClk = busClock;
  }
}

void ChangeClocksPage(Configuration& config, ClocksPage* page, int field) {
  switch (field) {
    case kClkiField:
      ChangeInputClock(config, page, false);
      break;
    case kClki2Field:
      ChangeInputClock(config, page, true);
      break;
    case kPclkDivideField:
      if (page->pclkDivide.selected > 0)
        config.WorkingRecord.Flags |= fFIXED_DIVPCLK;
      else
        config.WorkingRecord.Flags &= ~static_cast<uint32_t>(fFIXED_DIVPCLK);
      break;
    case kBclkDivideField: {
      uint32_t busClock = BusFromClki2(*page) ? config.WorkingRecord.ClkI2
                                              : config.WorkingRecord.ClkI / BusDivideOfPage(*page);
      if (busClock != 0) {
        config.WorkingRecord.BusClk = busClock;
        config.FixedBusClk = busClock;
      }
      break;
    }
    case kBclkSourceField:
      FillBclkDivideList(page, BusFromClki2(*page), Position(page->bclkDivide));
      break;
    case kPwmSourceField:
      page->cvSource = page->pwmSource.selected == 1 ? " CLKI2" : " CLKI";
      break;
    default:
      break;
  }
  RefreshClockReadouts(config, page);
}

void EnableClki2BusClock(Configuration& config, ClocksPage* page) {
  FillBclkSourceList(page, true, true);
  config.Clki2BusClockOption = true;
}

// The register code of a power-of-two divide entry.
static unsigned PowerCode(const ChoiceList& list) {
  uint32_t divide = DivideOfEntry(list.Text());
  unsigned code = 0;
  while (code < 15 && (1u << code) < divide) ++code;
  return code;
}

static bool Refuse(int* focusField, int field, const char* text) {
  ShowMessage(kMsgOk | kMsgIconError, "%s", text);
  if (focusField) *focusField = field;
  return false;
}

// One input clock entry at close: the clock it gives (unchanged when the
// text does not read or reads as zero) and whether it is fixed. A positive
// entry below 1 kHz cannot be stored and is refused.
static bool TakeInputClock(const ChoiceList& list, uint32_t* clock, uint32_t* fixed) {
  *fixed = 0;
  if (list.selected == 0) return true;
  uint32_t kHz = 0;
  if (ReadInputClock(list, &kHz)) {
    if (kHz == 0) return false;
    *clock = kHz;
  }
  *fixed = *clock;
  return true;
}

bool CloseClocksPage(Configuration& config, ClocksPage* page, int* focusField) {
  // The input clocks and the bus clock are worked out first, so that an
  // entry that would stop the bus clock is refused before anything changes.
  uint32_t clki = config.WorkingRecord.ClkI, clki2 = config.WorkingRecord.ClkI2;
  uint32_t fixedClki = 0, fixedClki2 = 0;
  if (!TakeInputClock(page->clki, &clki, &fixedClki))
    return Refuse(focusField, kClkiField, "ERROR: CLKI Timing!");
  if (!TakeInputClock(page->clki2, &clki2, &fixedClki2))
    return Refuse(focusField, kClki2Field, "ERROR: CLKI2 Timing!");
  bool busFromClki2 = BusFromClki2(*page);
  uint32_t busClock = busFromClki2 ? clki2 : clki / BusDivideOfPage(*page);
  if (busClock == 0)
    return Refuse(focusField, busFromClki2 ? kClki2Field : kClkiField,
                  busFromClki2 ? "ERROR: CLKI2 Timing!" : "ERROR: CLKI Timing!");

  config.WorkingRecord.ClkI = clki;
  config.WorkingRecord.ClkI2 = clki2;
  config.FixedClkI = fixedClki;
  config.FixedClkI2 = fixedClki2;
  config.WorkingRecord.BusClk = busClock;
  config.FixedBusClk = busClock;
  unsigned busConfig =
      (busFromClki2 ? 1u : 0u) | (static_cast<unsigned>(Position(page->mclkDivide)) & 3) << 4;
  config.SetRegister(REG_BUSCLK_MEMCLK_CONFIG, busConfig);

  static const unsigned kSourceCodeOfPosition[] = {2, 3, 1, 0};
  unsigned pclkConfig = kSourceCodeOfPosition[Position(page->pclkSource) & 3];
  int dividePosition = page->pclkDivide.selected;
  if (dividePosition >= 1 && dividePosition <= 5)
    pclkConfig |= PixelDivideCode(kPclkDivideValues[dividePosition]) << 4;
  else
    pclkConfig |= config.GetRegister(REG_PCLK_CONFIG) & 0x70;
  config.SetRegister(REG_PCLK_CONFIG, pclkConfig);

  uint32_t duty = 0, burst = 0;
  double fraction = 0;
  std::string dutyText = page->dutyCycle.Text();
  if (!ReadDialogNumber(dutyText.c_str(), &duty, &fraction) || duty > 255)
    return Refuse(focusField, kDutyCycleField, "decimal number less than 256 is required");
  config.SetRegister(REG_PWM_CLOCK_DUTY_CYCLE, duty);
  std::string burstText = page->burstLength.Text();
  if (!ReadDialogNumber(burstText.c_str(), &burst, &fraction) || burst == 0 || burst > 256)
    return Refuse(focusField, kBurstLengthField, "decimal number between 1 and 256 is required");
  config.SetRegister(REG_CV_CLOCK_BURST_LENGTH, burst - 1);

  unsigned clockConfig = PowerCode(page->pwmDivide) << 4 | (PowerCode(page->cvDivide) & 7) << 1 |
                         (page->pwmSource.selected == 1 ? 1u : 0u);
  config.SetRegister(REG_PWM_CV_CLOCK_CONFIG, clockConfig);
  unsigned clockControl = (page->pwmEnable ? 0x10u : 0) | (page->pwmForceHigh ? 0x80u : 0) |
                          (page->cvEnable ? 0x01u : 0) | (page->cvForceHigh ? 0x08u : 0);
  config.SetRegister(REG_PWM_CV_CLOCK_CONTROL, clockControl);
  return true;
}
