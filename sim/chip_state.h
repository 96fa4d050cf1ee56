// The chip's internal state as the virtual board models it, and the register
// semantics: what a read answers and what a write sets off.
#ifndef QLC_SIM_CHIP_STATE_H
#define QLC_SIM_CHIP_STATE_H

#include <stdint.h>

#include "sim/synthesizer.h"

enum {
  kChipRegisterCount = 256,
  kChipLutEntries = 256,
  kChipGcpEntries = 32,
  kChipProductCode = 0x28,
  kChipRevision = 1,
  kChipBufferSizeCode = 0x14,  // REG[01h]: display memory in 4 KB units
  kChipConfigReadback = 0x00,  // REG[02h]: the board's configuration pins
  kSynthRegisterCount = 8,
  kPowerUpClockKhz = 50000,  // what the synthesizer puts out until programmed
};

struct ChipState {
  uint8_t regs[kChipRegisterCount];
  uint8_t lut[kChipLutEntries][3];  // red, green, blue
  uint8_t gcp[kChipGcpEntries];
  long synthWords[kSynthRegisterCount];  // -1: nothing received
  uint32_t clkiKhz;
  uint32_t clki2Khz;
  SynthDecoder synth;  // the serial line decoder; not kept between runs
};

// A board straight after power-up: registers, LUT and GCP cleared, the
// synthesizer at its power-up frequency.
void ResetChip(ChipState* chip);

// Starts the synthesizer's decoder afresh from the line levels the registers
// hold now, as after power-up of a board whose registers were kept.
void ResyncSynthesizer(ChipState* chip);

// Register access; nonDisplay is the current vertical status (REG[A0h] bit 7).
uint8_t ChipReadRegister(const ChipState& chip, uint8_t offset, bool nonDisplay);
void ChipWriteRegister(ChipState* chip, uint8_t offset, uint8_t value);

// Multi-byte fields, low byte first across consecutive registers.
uint32_t ChipRegister16(const ChipState& chip, uint8_t offset);
uint32_t ChipRegister24(const ChipState& chip, uint8_t offset);

// Panel geometry in the chip's unrotated terms.
uint32_t ChipPanelWidth(const ChipState& chip);
uint32_t ChipPanelHeight(const ChipState& chip);
uint32_t ChipHorizTotal(const ChipState& chip);
uint32_t ChipVertTotal(const ChipState& chip);
// Bits per pixel from REG[70h] bits 2..0 (codes 5 to 7 scan as 8).
uint32_t ChipColorDepth(const ChipState& chip);

#endif
