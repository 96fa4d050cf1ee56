#include "tests/hal/fake_board.h"

#include <string.h>

#include "hal/hal.h"

namespace fake_board {

uint8_t registers[256];
uint8_t memory[0x14000];
std::vector<RegisterWrite> writes;
int releases = 0;
int frames = 0;
bool toggleVerticalStatus = true;
unsigned long statusReadCount = 0;
int periodsEntered = 0;
int framesSeen = 0;
std::string trace;

namespace {

int lastStatus = -1;    // -1: a write came after the last status read
bool inPeriod = false;  // entered a period within the current chain of reads

void RecordTrace(const char* line) {
  trace += line;
}

uint8_t Read(uint32_t index) {
  uint8_t value = registers[index & 0xFF];
  if ((index & 0xFF) == REG_POWER_SAVE_CONFIG) {
    ++statusReadCount;
    if (lastStatus == 0 && (value & 0x80)) {
      ++periodsEntered;
      inPeriod = true;
    } else if (lastStatus == 1 && !(value & 0x80) && inPeriod) {
      ++framesSeen;
      inPeriod = false;
    }
    lastStatus = (value & 0x80) ? 1 : 0;
    if (toggleVerticalStatus) registers[REG_POWER_SAVE_CONFIG] ^= 0x80;
  }
  return value;
}

void Write(uint32_t index, uint8_t value) {
  lastStatus = -1;
  inPeriod = false;
  if ((index & 0xFF) == REG_POWER_SAVE_CONFIG) {
    // The status bit is the chip's own: writes neither change nor record it.
    writes.push_back({index, static_cast<uint8_t>(value & 0x7F)});
    registers[index & 0xFF] = (value & 0x7F) | (registers[index & 0xFF] & 0x80);
  } else {
    writes.push_back({index, value});
    registers[index & 0xFF] = value;
  }
}

uint8_t* Memory() {
  return memory;
}
void Release() {
  ++releases;
}
bool SaveFrame() {
  ++frames;
  return true;
}

const HalBoardOps kFakeBoard = {Read, Write, Memory, Release, SaveFrame};

}  // namespace

void Install() {
  memset(registers, 0, sizeof registers);
  memset(memory, 0xA5, sizeof memory);
  registers[REG_REVISION_CODE] = 0x28;
  writes.clear();
  ClearStatusReads();
  trace.clear();
  hxSetTraceSink(RecordTrace);
  releases = 0;
  frames = 0;
  toggleVerticalStatus = true;
  hxUseBoard(&kFakeBoard);
}

void Uninstall() {
  hxUnmapBoard();
  hxUseBoard(nullptr);
  hxSetTraceSink(nullptr);
}

void ClearStatusReads() {
  statusReadCount = 0;
  periodsEntered = 0;
  framesSeen = 0;
  lastStatus = -1;
  inPeriod = false;
}

std::vector<uint8_t> WritesTo(uint32_t index) {
  std::vector<uint8_t> values;
  for (const RegisterWrite& w : writes) {
    if (w.index == index) values.push_back(w.value);
  }
  return values;
}

}  // namespace fake_board

HAL_STRUCT RecordWith(const std::vector<std::pair<uint16_t, uint16_t>>& regs) {
  HAL_STRUCT record;
  memset(&record, 0, sizeof record);
  memcpy(record.IdString, HAL_ID_STRING, kHalIdLength);
  record.DetectEndian = kDetectEndianLittle;
  record.Size = kHalStructSize;
  record.Flags = fVALID_LCD;
  size_t i = 0;
  for (; i < regs.size() && i < kMaxRegCfg; ++i) record.Regs[i] = {regs[i].first, regs[i].second};
  if (i < kMaxRegCfg) record.Regs[i].Index = FINISHED_REG_CFG;
  record.ClkI = 50000;
  record.ClkI2 = 50000;
  record.BusClk = 50000;
  record.FrameRate = 70;
  return record;
}

int OpenOnFakeBoard(HAL_STRUCT* record, std::string* trace) {
  fake_board::trace.clear();
  int result = hxOpen(record);
  if (trace) *trace = fake_board::trace;
  return result;
}

void SetPanel(uint32_t width, uint32_t height) {
  fake_board::registers[REG_HDP] = static_cast<uint8_t>(width / 8 - 1);
  fake_board::registers[REG_VDP0] = static_cast<uint8_t>((height - 1) & 0xFF);
  fake_board::registers[REG_VDP0 + 1] = static_cast<uint8_t>((height - 1) >> 8);
}

void OpenedBoardTest::SetUp() {
  fake_board::Install();
  record_ = RecordWith({});
  ASSERT_EQ(OpenOnFakeBoard(&record_), kHalOk);
  fake_board::writes.clear();
}
