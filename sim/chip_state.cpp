#include "sim/chip_state.h"

#include <string.h>

namespace {

enum {
  kRegRevision = 0x00,
  kRegBufferSize = 0x01,
  kRegConfigReadback = 0x02,
  kRegLutBlueWrite = 0x08,
  kRegLutGreenWrite = 0x09,
  kRegLutRedWrite = 0x0A,
  kRegLutWriteAddr = 0x0B,
  kRegLutBlueRead = 0x0C,
  kRegLutGreenRead = 0x0D,
  kRegLutRedRead = 0x0E,
  kRegLutReadAddr = 0x0F,
  kRegGcpIndex = 0x28,
  kRegGcpData = 0x2C,
  kRegPowerSave = 0xA0,
  kRegGpioConfig0 = 0xA8,
  kRegGpioStatus0 = 0xAC,
};

const uint8_t kVerticalNonDisplayBit = 0x80;
const uint8_t kSynthClockLine = 0x20;  // GPIO5
const uint8_t kSynthDataLine = 0x40;   // GPIO6

// A GPIO pin that is not an output is pulled up, so the synthesizer sees it high.
bool SynthLineLevel(const ChipState& chip, uint8_t line) {
  if (!(chip.regs[kRegGpioConfig0] & line)) return true;
  return (chip.regs[kRegGpioStatus0] & line) != 0;
}

void DriveSynthLines(ChipState* chip) {
  uint32_t word = 0;
  if (!FeedSynthLines(&chip->synth, SynthLineLevel(*chip, kSynthClockLine),
                      SynthLineLevel(*chip, kSynthDataLine), &word))
    return;
  int reg = SynthWordRegister(word);
  chip->synthWords[reg] = static_cast<long>(word);
  uint32_t khz = SynthWordFrequency(word);
  if (khz == 0) return;  // a setting outside the table: the output stays as it was
  if (reg == 0) chip->clkiKhz = khz;
  if (reg == 3) chip->clki2Khz = khz;
}

}  // namespace

void ResetChip(ChipState* chip) {
  memset(chip->regs, 0, sizeof chip->regs);
  memset(chip->lut, 0, sizeof chip->lut);
  memset(chip->gcp, 0, sizeof chip->gcp);
  for (long& word : chip->synthWords) word = -1;
  chip->clkiKhz = kPowerUpClockKhz;
  chip->clki2Khz = kPowerUpClockKhz;
  ResetSynthDecoder(&chip->synth, true, true);
}

void ResyncSynthesizer(ChipState* chip) {
  ResetSynthDecoder(&chip->synth, SynthLineLevel(*chip, kSynthClockLine),
                    SynthLineLevel(*chip, kSynthDataLine));
}

uint8_t ChipReadRegister(const ChipState& chip, uint8_t offset, bool nonDisplay) {
  switch (offset) {
    case kRegRevision:
      return kChipProductCode | kChipRevision;
    case kRegBufferSize:
      return kChipBufferSizeCode;
    case kRegConfigReadback:
      return kChipConfigReadback;
    case kRegGcpData:
      return chip.gcp[chip.regs[kRegGcpIndex] % kChipGcpEntries];
    case kRegPowerSave:
      return (chip.regs[offset] & ~kVerticalNonDisplayBit) |
             (nonDisplay ? kVerticalNonDisplayBit : 0);
    default:
      return chip.regs[offset];
  }
}

void ChipWriteRegister(ChipState* chip, uint8_t offset, uint8_t value) {
  switch (offset) {
    case kRegRevision:
    case kRegBufferSize:
    case kRegConfigReadback:
      return;  // read-only
    case kRegLutWriteAddr:
      chip->regs[offset] = value;
      chip->lut[value][0] = chip->regs[kRegLutRedWrite];
      chip->lut[value][1] = chip->regs[kRegLutGreenWrite];
      chip->lut[value][2] = chip->regs[kRegLutBlueWrite];
      return;
    case kRegLutReadAddr:
      chip->regs[offset] = value;
      chip->regs[kRegLutRedRead] = chip->lut[value][0];
      chip->regs[kRegLutGreenRead] = chip->lut[value][1];
      chip->regs[kRegLutBlueRead] = chip->lut[value][2];
      return;
    case kRegGcpData:
      chip->regs[offset] = value;
      chip->gcp[chip->regs[kRegGcpIndex] % kChipGcpEntries] = value;
      return;
    case kRegPowerSave:
      chip->regs[offset] = value & ~kVerticalNonDisplayBit;  // the status bit is read-only
      return;
    case kRegGpioConfig0:
    case kRegGpioStatus0:
      chip->regs[offset] = value;
      DriveSynthLines(chip);
      return;
    default:
      chip->regs[offset] = value;
      return;
  }
}

uint32_t ChipRegister16(const ChipState& chip, uint8_t offset) {
  return chip.regs[offset] | (uint32_t{chip.regs[(offset + 1) & 0xFF]} << 8);
}

uint32_t ChipRegister24(const ChipState& chip, uint8_t offset) {
  return ChipRegister16(chip, offset) | (uint32_t{chip.regs[(offset + 2) & 0xFF]} << 16);
}

uint32_t ChipPanelWidth(const ChipState& chip) {
  return ((chip.regs[0x14] & 0x7Fu) + 1) * 8;
}

uint32_t ChipPanelHeight(const ChipState& chip) {
  return (ChipRegister16(chip, 0x1C) & 0x3FF) + 1;
}

uint32_t ChipHorizTotal(const ChipState& chip) {
  return ((chip.regs[0x12] & 0x7Fu) + 1) * 8;
}

uint32_t ChipVertTotal(const ChipState& chip) {
  return (ChipRegister16(chip, 0x18) & 0x3FF) + 1;
}

uint32_t ChipColorDepth(const ChipState& chip) {
  static const uint32_t kDepthByCode[8] = {1, 2, 4, 8, 16, 8, 8, 8};
  return kDepthByCode[chip.regs[0x70] & 7];
}
