// The input clock synthesizer, bit-banged on GPIO5 (clock) and GPIO6 (data),
// and the check of the memory clock against the pixel clock.
#include "hal/hal_clk.h"

#include "hal/hal_record.h"
#include "hal/hal_regs.h"
#include "hal/hal_status.h"

namespace {

enum : uint8_t { kSynthClock = 0x20, kSynthData = 0x40 };

uint8_t gShadow = 0;

void WriteLines(uint8_t lines) {
  hxRegWrite8(REG_GPIO_STATUS_CONTROL0, gShadow | lines);
}

// One bit cell: the clock pulses low for each half, the data line carries d1
// then d2.
void SendCell(bool first, bool second) {
  uint8_t d1 = first ? kSynthData : 0;
  uint8_t d2 = second ? kSynthData : 0;
  WriteLines(d1 | kSynthClock);
  WriteLines(d1);
  WriteLines(d2);
  WriteLines(d2 | kSynthClock);
}

}  // namespace

const ClockRow* hxFindClock(const ClockRow* table, uint32_t kHz) {
  for (int i = 0; i < kClockRowCount; ++i) {
    if (table[i].kHz == kHz) return &table[i];
  }
  return nullptr;
}

uint32_t hxSynthWord(uint32_t word, unsigned synthRegister) {
  return (word & ~0xE00000u) | ((synthRegister & 7u) << 21);
}

int hxWriteSynth(uint32_t word, unsigned selection) {
  gShadow =
      hxRegRead8(REG_GPIO_STATUS_CONTROL0) & static_cast<uint8_t>(~(kSynthClock | kSynthData));
  hxRegWrite8(REG_GPIO_CONFIG0, hxRegRead8(REG_GPIO_CONFIG0) | kSynthClock | kSynthData);
  WriteLines(kSynthClock | kSynthData);

  for (int i = 0; i < 5; ++i) SendCell(true, true);
  for (int i = 0; i < 2; ++i) SendCell(false, false);
  for (int bit = 0; bit < 24; ++bit) {
    bool one = (word >> bit) & 1;
    SendCell(!one, one);
  }
  SendCell(true, true);

  switch (selection) {
    case 0:
      WriteLines(0);
      return 0;
    case 1:
      WriteLines(kSynthClock);
      return 0;
    case 2:
      WriteLines(kSynthClock | kSynthData);
      return 0;
    case 7:
      WriteLines(kSynthData);
      return 0;
    default:
      return 1;
  }
}

int hxProgramClocks() {
  const HAL_STRUCT* record = hxRecord();
  if (!record) return kHalClkINotInTable;
  int result = kHalOk;
  const ClockRow* clki = hxFindClock(kClkITable, record->ClkI);
  if (clki) {
    hxWriteSynth(hxSynthWord(clki->word, kSynthClkI), 0);
  } else {
    result = kHalClkINotInTable;
  }
  const ClockRow* clki2 = hxFindClock(kClkI2Table, record->ClkI2);
  if (clki2) {
    hxWriteSynth(hxSynthWord(clki2->word, kSynthClkI2), 0);
  } else {
    result = kHalClkI2NotInTable;
  }
  return result;
}

void hxModeClocks(uint32_t* memoryClock, uint32_t* pixelClock) {
  const HAL_STRUCT* record = hxRecord();
  *memoryClock = 0;
  *pixelClock = 0;
  if (!record) return;
  uint8_t memClockConfig = hxRegRead8(REG_BUSCLK_MEMCLK_CONFIG);
  uint8_t pixelClockConfig = hxRegRead8(REG_PCLK_CONFIG);
  uint32_t mclk = record->BusClk / (((memClockConfig >> 4) & 3u) + 1);

  uint32_t source;
  switch (pixelClockConfig & 3) {
    case 0:
      source = mclk;
      break;
    case 1:
      source = record->BusClk;
      break;
    case 2:
      source = record->ClkI;
      break;
    default:
      source = record->ClkI2;
      break;
  }
  unsigned divider = (pixelClockConfig >> 4) & 7u;
  *memoryClock = mclk;
  *pixelClock = source / (divider < 4 ? divider + 1 : 8);
}

int hxCheckClocks(unsigned d, unsigned r) {
  if (!hxRecord()) return kHalClocksTooSlow;
  uint32_t mclk, pclk;
  hxModeClocks(&mclk, &pclk);
  if (r == 1 || r == 3) return mclk >= 2 * pclk ? kHalOk : kHalClocksTooSlow;
  unsigned scale = d == 1 ? 16 : d == 2 ? 8 : d == 4 ? 4 : d == 8 ? 2 : 1;
  return mclk * scale >= pclk ? kHalOk : kHalClocksTooSlow;
}
