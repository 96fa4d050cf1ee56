#include "cfg/record/record.h"

#include <gtest/gtest.h>
#include <string.h>

#include "common/default_record.h"
#include "common/message.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/message_recorder.h"

namespace {
class RecordTest : public ConfigurationTest {
 protected:
  void SetUp() override { ResetRecords(); }
  MessageRecorder messages;
};

const uint8_t* Bytes(const HAL_STRUCT& r) {
  return reinterpret_cast<const uint8_t*>(&r);
}
}  // namespace

TEST_F(RecordTest, DefaultRecordHasTheFixedLayoutAndValues) {
  const uint8_t* b = Bytes(kDefaultHalStruct);
  EXPECT_EQ(memcmp(b, "5642 HAL EXE\0\0\0\0", 16), 0);
  EXPECT_EQ(b[16], 0x34);
  EXPECT_EQ(b[17], 0x12);
  EXPECT_EQ(b[18] | b[19] << 8, 488);
  EXPECT_EQ(kDefaultHalStruct.Flags, uint32_t(fVALID_LCD));
  int count = 0;
  while (kDefaultHalStruct.Regs[count].Index != FINISHED_REG_CFG) ++count;
  EXPECT_EQ(count, 54);
  for (int i = count + 1; i < kMaxRegCfg; ++i) EXPECT_EQ(kDefaultHalStruct.Regs[i].Index, 0);
  EXPECT_EQ(b[24 + 4 * 53], 0xB3);  // last register entry
  EXPECT_EQ(b[424], 0x52);          // GcpData
  EXPECT_EQ(b[424 + 23], 0x40);
  EXPECT_EQ(b[456] | b[457] << 8 | b[458] << 16, 50000);  // ClkI
  EXPECT_EQ(b[476], 70);
  EXPECT_EQ(b[478] | b[479] << 8, 1200);
  EXPECT_EQ(b[480], 50);
  EXPECT_EQ(memcmp(&WorkingRecord, &kDefaultHalStruct, 488), 0);
}

TEST_F(RecordTest, RegisterWritesKeepTheIndexAndClearTheHighByte) {
  EXPECT_EQ(GetRegister(0x05), 0x43u);
  SetRegister(0x05, 0x1FF);
  EXPECT_EQ(WorkingRecord.Regs[1].Index, 0x0005);
  EXPECT_EQ(WorkingRecord.Regs[1].Value, 0x00FF);
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(RecordTest, AbsentRegisterIsReportedEachTimeReadsZeroAndIsNotAdded) {
  HAL_STRUCT before = WorkingRecord;
  EXPECT_EQ(GetRegister(0x00), 0u);
  SetRegister(0x00, 5);
  SetLoadedRegister(0x0F, 5);
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Invalid register requested: 0h",
                                                        "Invalid register requested: 0h",
                                                        "Invalid register requested: fh"}));
  EXPECT_EQ(messages.Messages()[0].style & kMsgIconMask, unsigned(kMsgIconError));
  EXPECT_EQ(memcmp(&before, &WorkingRecord, 488), 0);
}

TEST_F(RecordTest, DuplicateIndexActsOnTheLastOccurrence) {
  WorkingRecord.Regs[30].Index = 0x70;  // second 70h, the first is at position 20
  WorkingRecord.Regs[30].Value = 0x04;
  EXPECT_EQ(GetRegister(0x70), 0x04u);
  SetRegister(0x70, 0x02);
  EXPECT_EQ(WorkingRecord.Regs[20].Value, 0x03);
  EXPECT_EQ(WorkingRecord.Regs[30].Value, 0x02);
}

TEST_F(RecordTest, ListWithoutEndMarkerIsScannedToTheHundredthEntry) {
  for (int i = 0; i < kMaxRegCfg; ++i) WorkingRecord.Regs[i] = {uint16_t(0x200 + i), 0};
  WorkingRecord.Regs[99] = {0xB3, 0x77};
  EXPECT_EQ(GetRegister(0xB3), 0x77u);
  WorkingRecord.Regs[50] = {FINISHED_REG_CFG, 0};
  EXPECT_EQ(GetRegister(0xB3), 0u);  // behind the end marker
}

TEST_F(RecordTest, SwappingTwiceRestoresAndSwapsEveryWideField) {
  HAL_STRUCT record = kDefaultHalStruct;
  record.Reserved[0] = 0x0102;
  SwapRecord(&record);
  const uint8_t* b = Bytes(record);
  EXPECT_EQ(b[16], 0x12);
  EXPECT_EQ(b[17], 0x34);
  EXPECT_EQ(b[24], 0x00);
  EXPECT_EQ(b[25], 0x04);                       // Index 0004h big-endian
  EXPECT_EQ(memcmp(b, "5642 HAL EXE", 12), 0);  // bytes never change
  EXPECT_EQ(record.Reserved[0], 0x0102);        // left as it is
  EXPECT_EQ(record.ClkI, 0x50C30000u);          // 50000 = 0x0000C350
  SwapRecord(&record);
  HAL_STRUCT expected = kDefaultHalStruct;
  expected.Reserved[0] = 0x0102;
  EXPECT_EQ(memcmp(&record, &expected, 488), 0);
}
