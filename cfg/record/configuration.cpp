#include "cfg/record/configuration.h"

#include "cfg/record/record.h"
#include "common/message.h"

Configuration::Configuration() : LoadedRecord(kDefaultHalStruct), WorkingRecord(kDefaultHalStruct) {
  FixedClkI = (WorkingRecord.Flags & fFIXED_CLKI) ? WorkingRecord.ClkI : 0;
  FixedClkI2 = (WorkingRecord.Flags & fFIXED_CLKI2) ? WorkingRecord.ClkI2 : 0;
  FixedBusClk = WorkingRecord.BusClk;
}

void Configuration::ResetRecords() {
  LoadedRecord = kDefaultHalStruct;
  WorkingRecord = kDefaultHalStruct;
}

void Configuration::UseLoadedRecord() {
  WorkingRecord = LoadedRecord;
}

static void ReportInvalidRegister(unsigned index) {
  ShowMessage(kMsgOk | kMsgIconError, "Invalid register requested: %xh", index);
}

unsigned Configuration::GetRegister(unsigned index) const {
  int position = FindRegisterPosition(WorkingRecord, index);
  if (position < 0) {
    ReportInvalidRegister(index);
    return 0;
  }
  return WorkingRecord.Regs[position].Value & 0xFF;
}

static void StoreRegister(HAL_STRUCT& record, unsigned index, unsigned value) {
  int position = FindRegisterPosition(record, index);
  if (position < 0) {
    ReportInvalidRegister(index);
    return;
  }
  record.Regs[position].Value = static_cast<uint16_t>(value & 0xFF);
}

void Configuration::SetRegister(unsigned index, unsigned value) {
  StoreRegister(WorkingRecord, index, value);
}

void Configuration::SetLoadedRegister(unsigned index, unsigned value) {
  StoreRegister(LoadedRecord, index, value);
}
