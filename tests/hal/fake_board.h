// A board for the HAL that records every register write and toggles the
// vertical non-display status on each read of REG[A0h].
#ifndef QLC_TESTS_HAL_FAKE_BOARD_H
#define QLC_TESTS_HAL_FAKE_BOARD_H

#include <gtest/gtest.h>
#include <stdint.h>

#include <string>
#include <utility>
#include <vector>

#include "common/hal_struct.h"

struct RegisterWrite {
  uint32_t index;
  uint8_t value;
  bool operator==(const RegisterWrite& other) const {
    return index == other.index && value == other.value;
  }
};

namespace fake_board {

extern uint8_t registers[256];
extern uint8_t memory[0x14000];
extern std::vector<RegisterWrite> writes;
extern int releases;
extern int frames;
extern bool toggleVerticalStatus;
// Reads of REG[A0h]; periods entered (a read finding the status set right
// after one finding it clear, no register write between them); frames seen
// whole (such a period and then the read that finds it over).
extern unsigned long statusReadCount;
extern int periodsEntered;
extern int framesSeen;
// The allocator's trace lines since Install.
extern std::string trace;

// Clears the board (revision register 0x28: a QLC56420) and makes the HAL
// use it.
void Install();
void Uninstall();
// The writes to one register, in order.
std::vector<uint8_t> WritesTo(uint32_t index);
// Forgets the reads and frames seen so far.
void ClearStatusReads();

}  // namespace fake_board

// A record whose register list holds just these pairs.
HAL_STRUCT RecordWith(const std::vector<std::pair<uint16_t, uint16_t>>& regs);

// Opens the HAL on the fake board and returns hxOpen's result; its trace
// lines go to *trace when given.
int OpenOnFakeBoard(HAL_STRUCT* record, std::string* trace = nullptr);

// Sets the panel registers: width (multiple of 8) and height.
void SetPanel(uint32_t width, uint32_t height);

// Each test starts with the HAL open on the fake board over a record with
// an empty register list, the writes of opening forgotten.
class OpenedBoardTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override { fake_board::Uninstall(); }
  HAL_STRUCT record_;
};

#endif
