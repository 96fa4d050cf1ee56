#include "sim/chip_state.h"

#include <string.h>

#include "common/register_indices.h"

namespace {

const uint8_t kVerticalNonDisplayBit = 0x80;
const uint8_t kSynthClockLine = 0x20;  // GPIO5
const uint8_t kSynthDataLine = 0x40;   // GPIO6

// A GPIO pin that is not an output is pulled up, so the synthesizer sees it high.
bool SynthLineLevel(const ChipState& chip, uint8_t line) {
  if (!(chip.regs[REG_GPIO_CONFIG0] & line)) return true;
  return (chip.regs[REG_GPIO_STATUS_CONTROL0] & line) != 0;
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
    case REG_REVISION_CODE:
      return kChipProductCode | kChipRevision;
    case REG_DISP_BUFFER_SIZE:
      return kChipBufferSizeCode;
    case REG_CONFIG_READBACK:
      return kChipConfigReadback;
    case REG_KVRX_GCP_DATA:
      return chip.gcp[chip.regs[REG_KVRX_GCP_INDEX] % kChipGcpEntries];
    case REG_POWER_SAVE_CONFIG:
      return (chip.regs[offset] & ~kVerticalNonDisplayBit) |
             (nonDisplay ? kVerticalNonDisplayBit : 0);
    default:
      return chip.regs[offset];
  }
}

void ChipWriteRegister(ChipState* chip, uint8_t offset, uint8_t value) {
  switch (offset) {
    case REG_REVISION_CODE:
    case REG_DISP_BUFFER_SIZE:
    case REG_CONFIG_READBACK:
      return;  // read-only
    case REG_LUT_WRITE_ADDR:
      chip->regs[offset] = value;
      chip->lut[value][0] = chip->regs[REG_LUT_RED_WRITE_DATA];
      chip->lut[value][1] = chip->regs[REG_LUT_GREEN_WRITE_DATA];
      chip->lut[value][2] = chip->regs[REG_LUT_BLUE_WRITE_DATA];
      return;
    case REG_LUT_READ_ADDR:
      chip->regs[offset] = value;
      chip->regs[REG_LUT_RED_READ_DATA] = chip->lut[value][0];
      chip->regs[REG_LUT_GREEN_READ_DATA] = chip->lut[value][1];
      chip->regs[REG_LUT_BLUE_READ_DATA] = chip->lut[value][2];
      return;
    case REG_KVRX_GCP_DATA:
      chip->regs[offset] = value;
      chip->gcp[chip->regs[REG_KVRX_GCP_INDEX] % kChipGcpEntries] = value;
      return;
    case REG_POWER_SAVE_CONFIG:
      chip->regs[offset] = value & ~kVerticalNonDisplayBit;  // the status bit is read-only
      return;
    case REG_GPIO_CONFIG0:
    case REG_GPIO_STATUS_CONTROL0:
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
  return ((chip.regs[REG_HDP] & 0x7Fu) + 1) * 8;
}

uint32_t ChipPanelHeight(const ChipState& chip) {
  return (ChipRegister16(chip, REG_VDP0) & 0x3FF) + 1;
}

uint32_t ChipHorizTotal(const ChipState& chip) {
  return ((chip.regs[REG_HORIZ_TOTAL] & 0x7Fu) + 1) * 8;
}

uint32_t ChipVertTotal(const ChipState& chip) {
  return (ChipRegister16(chip, REG_VERT_TOTAL0) & 0x3FF) + 1;
}

uint32_t ChipColorDepth(const ChipState& chip) {
  static const uint32_t kDepthByCode[8] = {1, 2, 4, 8, 16, 8, 8, 8};
  return kDepthByCode[chip.regs[REG_DISPLAY_MODE] & 7];
}
