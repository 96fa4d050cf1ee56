#include "cfg/record/record.h"

#include "common/default_record.h"

const HAL_STRUCT kDefaultHalStruct = QLC_DEFAULT_HAL_STRUCT;

int FindRegisterPosition(const HAL_STRUCT& record, unsigned index) {
  int found = -1;
  for (int i = 0; i < kMaxRegCfg; ++i) {
    if (record.Regs[i].Index == index) found = i;
    if (record.Regs[i].Index == FINISHED_REG_CFG) break;
  }
  return found;
}

static uint16_t Swap16(uint16_t v) {
  return static_cast<uint16_t>((v >> 8) | (v << 8));
}

static uint32_t Swap32(uint32_t v) {
  return (v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24);
}

void SwapRecord(HAL_STRUCT* record) {
  record->DetectEndian = Swap16(record->DetectEndian);
  record->Size = Swap16(record->Size);
  record->Flags = Swap32(record->Flags);
  for (REG_CFG& entry : record->Regs) {
    entry.Index = Swap16(entry.Index);
    entry.Value = Swap16(entry.Value);
  }
  record->ClkI = Swap32(record->ClkI);
  record->ClkI2 = Swap32(record->ClkI2);
  record->BusClk = Swap32(record->BusClk);
  record->RegAddr = Swap32(record->RegAddr);
  record->DispMemAddr = Swap32(record->DispMemAddr);
  record->FrameRate = Swap16(record->FrameRate);
  record->PowerOffDelay = Swap16(record->PowerOffDelay);
  record->PowerOnDelay = Swap16(record->PowerOnDelay);
}
