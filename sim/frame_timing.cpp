#include "sim/frame_timing.h"

#include "common/register_indices.h"

namespace {

const uint64_t kNanosecondsPerMillisecond = 1000000;
const uint64_t kFallbackFrameNs = 1000000000 / 60;
const uint64_t kLongestFrameNs = 1000000000;

}  // namespace

uint32_t ChipPixelClockKhz(const ChipState& chip) {
  uint8_t busConfig = chip.regs[REG_BUSCLK_MEMCLK_CONFIG];
  uint8_t pixelConfig = chip.regs[REG_PCLK_CONFIG];
  uint32_t bus = (busConfig & 1) ? chip.clki2Khz : chip.clkiKhz;
  uint32_t memory = bus / (((busConfig >> 4) & 3) + 1);
  uint32_t source = 0;
  switch (pixelConfig & 3) {
    case 0:
      source = memory;
      break;
    case 1:
      source = bus;
      break;
    case 2:
      source = chip.clkiKhz;
      break;
    default:
      source = chip.clki2Khz;
      break;
  }
  uint32_t code = (pixelConfig >> 4) & 7;
  return source / (code < 4 ? code + 1 : 8);
}

uint32_t ScannedLinesPerFrame(const ChipState& chip) {
  uint32_t total = ChipVertTotal(chip);
  uint32_t display = ChipPanelHeight(chip);
  return total > display ? total : display + 1;
}

uint64_t FrameNanoseconds(const ChipState& chip) {
  uint64_t pixelClock = ChipPixelClockKhz(chip);
  if (pixelClock == 0) return kFallbackFrameNs;
  uint64_t periods = uint64_t{ChipHorizTotal(chip)} * ScannedLinesPerFrame(chip);
  uint64_t frame = periods * kNanosecondsPerMillisecond / pixelClock;
  if (frame == 0) return 1;
  return frame < kLongestFrameNs ? frame : kLongestFrameNs;
}

bool InVerticalNonDisplay(const ChipState& chip, uint64_t elapsedNs) {
  uint64_t frame = FrameNanoseconds(chip);
  uint64_t position = elapsedNs % frame;
  // Line reached = position * lines / frame; compared without the division.
  return position * ScannedLinesPerFrame(chip) >= frame * ChipPanelHeight(chip);
}
