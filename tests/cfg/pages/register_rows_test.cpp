#include "cfg/pages/registers/register_rows.h"

#include <gtest/gtest.h>

#include "cfg/record/record.h"

using Cells = std::vector<std::string>;

namespace {

Cells CellsOf(const RegisterRow& row) {
  return Cells(row.cells, row.cells + kRegisterColumnCount);
}

}  // namespace

TEST(RegisterRows, DefaultRecordGivesItsFiftyFourRegistersInListOrder) {
  std::vector<RegisterRow> rows = RegisterRows(kDefaultHalStruct);
  ASSERT_EQ(rows.size(), 54u);
  EXPECT_EQ(rows[0].index, 0x04u);
  EXPECT_EQ(CellsOf(rows[0]),
            (Cells{"0004h", "00h", "00000000b", "  0", "BUSCLK MEMCLK Config Register"}));
  EXPECT_EQ(CellsOf(rows[1]), (Cells{"0005h", "43h", "01000011b", " 67", "PCLK Config  Register"}));
  EXPECT_EQ(CellsOf(rows[8]),
            (Cells{"0018h", "FAh", "11111010b", "250", "Vertical Total Register 0"}));
  EXPECT_EQ(rows[53].index, 0xB3u);
}

TEST(RegisterRows, UnknownIndexWideValueAndAFullListWithoutEndMarker) {
  HAL_STRUCT record = kDefaultHalStruct;
  for (int i = 0; i < kMaxRegCfg; ++i) record.Regs[i] = REG_CFG{uint16_t(0x100 + i), 5};
  record.Regs[0] = REG_CFG{0x03, 0x1A5};  // not in the catalogue, beyond one byte
  std::vector<RegisterRow> rows = RegisterRows(record);
  ASSERT_EQ(rows.size(), 100u);
  EXPECT_EQ(CellsOf(rows[0]), (Cells{"0003h", "1A5h", "10100101b", "421", "?????"}));
  EXPECT_EQ(CellsOf(rows[99]), (Cells{"0163h", "05h", "00000101b", "  5", "?????"}));

  record.Regs[1].Index = FINISHED_REG_CFG;
  EXPECT_EQ(RegisterRows(record).size(), 1u);
  record.Regs[0].Index = FINISHED_REG_CFG;
  EXPECT_TRUE(RegisterRows(record).empty());
}
