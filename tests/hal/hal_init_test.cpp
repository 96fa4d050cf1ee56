// Programming the chip from the record.
#include <gtest/gtest.h>

#include "common/default_record.h"
#include "hal/hal.h"
#include "tests/hal/fake_board.h"

namespace {

class ApplyTest : public testing::Test {
 protected:
  void SetUp() override { fake_board::Install(); }
  void TearDown() override { fake_board::Uninstall(); }

  // Opens on the fake board and applies the record; returns the result.
  // The chip starts with a 320x240 panel and 80 words a line, so that a
  // list that does not set them still finds room for the main surface.
  int Apply(HAL_STRUCT* record, unsigned flags, std::string* trace = nullptr) {
    std::string openTrace;
    EXPECT_EQ(OpenOnFakeBoard(record, &openTrace), kHalOk);
    SetPanel(320, 240);
    fake_board::registers[REG_MAIN_WIN_ADDR_OFFSET0] = 80;
    fake_board::writes.clear();
    fake_board::trace.clear();
    int result = hxApplyConfig(flags);
    if (trace) *trace = fake_board::trace;
    return result;
  }
  bool Wrote(uint32_t index) { return !fake_board::WritesTo(index).empty(); }
};

}  // namespace

// A list that starts with the end mark writes none of the listed registers.
TEST_F(ApplyTest, EmptyListWritesNoListedRegister) {
  HAL_STRUCT record = RecordWith({});
  record.Regs[1] = {0x12, 0x34};  // after the end mark: ignored
  EXPECT_EQ(Apply(&record, 0), kHalOk);
  EXPECT_FALSE(Wrote(0x12));
  EXPECT_FALSE(Wrote(REG_DISPLAY_MODE));
}

// Without an end mark the walk stops after 100 entries.
TEST_F(ApplyTest, UnterminatedListStopsAfterOneHundredEntries) {
  HAL_STRUCT record = RecordWith({});
  for (int i = 0; i < kMaxRegCfg; ++i) record.Regs[i] = {0xB2, static_cast<uint16_t>(i)};
  EXPECT_EQ(Apply(&record, 0), kHalOk);
  std::vector<uint8_t> values = fake_board::WritesTo(0xB2);
  ASSERT_EQ(values.size(), 100u);
  EXPECT_EQ(values.back(), 99);
}

// Values go out as their low byte, in list order, repeats included.
TEST_F(ApplyTest, ValuesAreWrittenInListOrderAsBytes) {
  HAL_STRUCT record = RecordWith({{0xB1, 0x1234}, {0xB0, 7}, {0xB1, 0x05}});
  EXPECT_EQ(Apply(&record, 0), kHalOk);
  EXPECT_EQ(fake_board::WritesTo(0xB1), (std::vector<uint8_t>{0x34, 0x05}));
}

// REG[10h] listed twice: the later value decides whether the synthesizer is
// programmed (K-VRX: not).
TEST_F(ApplyTest, LaterPanelTypeDecidesAboutTheSynthesizer) {
  HAL_STRUCT kvrxLast = RecordWith({{0x10, 0x00}, {0x10, 0x03}});
  EXPECT_EQ(Apply(&kvrxLast, 0), kHalOk);
  EXPECT_LT(fake_board::WritesTo(REG_GPIO_STATUS_CONTROL0).size(), 130u);
  fake_board::Uninstall();

  fake_board::Install();
  HAL_STRUCT plainLast = RecordWith({{0x10, 0x03}, {0x10, 0x40}});
  EXPECT_EQ(Apply(&plainLast, 0), kHalOk);
  EXPECT_GE(fake_board::WritesTo(REG_GPIO_STATUS_CONTROL0).size(), 260u);
}

// Blanking flag: REG[70h] goes out with bit 7 set and is shown again at the
// end; REG[ACh] always goes out with bit 5 clear.
TEST_F(ApplyTest, BlankingAndSynthesizerLineAreForced) {
  HAL_STRUCT record = RecordWith({{0x10, 0x03}, {0x70, 0x04}, {0xAC, 0xFF}});
  EXPECT_EQ(Apply(&record, kApplyBlankDisplay), kHalOk);
  std::vector<uint8_t> mode = fake_board::WritesTo(REG_DISPLAY_MODE);
  ASSERT_EQ(mode.size(), 2u);
  EXPECT_EQ(mode[0], 0x84);
  EXPECT_EQ(mode[1], 0x04);
  EXPECT_EQ(fake_board::WritesTo(REG_GPIO_STATUS_CONTROL0).front(), 0xDF);
}

// K-VRX panel: the 32 GCP bytes go through index/data, then REG[A8h] = 7Fh.
TEST_F(ApplyTest, KvrxPanelLoadsTheGcpTable) {
  HAL_STRUCT record = RecordWith({{0x10, 0x03}});
  for (int i = 0; i < 32; ++i) record.GcpData[i] = static_cast<uint8_t>(0xC0 + i);
  EXPECT_EQ(Apply(&record, 0), kHalOk);
  std::vector<uint8_t> index = fake_board::WritesTo(REG_KVRX_GCP_INDEX);
  std::vector<uint8_t> data = fake_board::WritesTo(REG_KVRX_GCP_DATA);
  ASSERT_EQ(index.size(), 32u);
  ASSERT_EQ(data.size(), 32u);
  EXPECT_EQ(index[31], 31);
  EXPECT_EQ(data[0], 0xC0);
  EXPECT_EQ(data[31], 0xDF);
  EXPECT_EQ(fake_board::WritesTo(REG_GPIO_CONFIG0), (std::vector<uint8_t>{0x7F}));
}

// A clock not in the table is reported after everything else was done.
TEST_F(ApplyTest, MissingClockIsReportedAfterProgramming) {
  HAL_STRUCT record = RecordWith({{0x70, 0x03}, {0x78, 0x50}, {0x14, 0x27}, {0x1C, 0xEF}});
  record.ClkI2 = 12;
  std::string trace;
  EXPECT_EQ(Apply(&record, kApplyClearMemory, &trace), kHalClkI2NotInTable);
  EXPECT_EQ(fake_board::WritesTo(REG_LUT_WRITE_ADDR).size(), 256u);  // 8 bpp LUT loaded
  EXPECT_EQ(hxMainSurface()->size, 0x50u * 4 * 240);
  EXPECT_EQ(fake_board::memory[0x13FFF], 0);
}

// Flag bit 0 clears all 80 KB; without it memory is left alone.
TEST_F(ApplyTest, ClearFlagZeroesAllDisplayMemory) {
  HAL_STRUCT record = RecordWith({});
  EXPECT_EQ(Apply(&record, 0), kHalOk);
  EXPECT_EQ(fake_board::memory[0], 0xA5);
  EXPECT_EQ(Apply(&record, kApplyClearMemory), kHalOk);
  for (uint8_t byte : fake_board::memory) {
    if (byte != 0) {
      ADD_FAILURE() << "display memory not cleared";
      break;
    }
  }
}

// A main surface larger than display memory gives 11.
TEST_F(ApplyTest, OversizedMainSurfaceGivesEleven) {
  HAL_STRUCT record = RecordWith({{0x78, 0x00}, {0x79, 0x01}, {0x1C, 0xEF}});
  std::string trace;
  EXPECT_EQ(Apply(&record, 0, &trace), kHalNoMemory);
  EXPECT_EQ(trace, "_hxVmemInit(00014000)\nhxVmemAlloc(0003C000) FAILED\n");
}

// The default record programs its 50 MHz clocks and a 320x240 8-bit panel,
// and the cached sub-window comes from the registers.
TEST_F(ApplyTest, DefaultRecordProgramsPanelAndCachesTheSubWindow) {
  HAL_STRUCT record = QLC_DEFAULT_HAL_STRUCT;
  EXPECT_EQ(Apply(&record, kApplyClearMemory | kApplyBlankDisplay), kHalOk);
  uint32_t w = 0, h = 0;
  hxGetDisplaySize(&w, &h);
  EXPECT_EQ(w, 320u);
  EXPECT_EQ(h, 240u);
  EXPECT_EQ(hxGetColorDepth(), 8u);
  int x1, y1, x2, y2;
  hxGetCachedSubWindow(&x1, &y1, &x2, &y2);
  EXPECT_EQ((std::vector<int>{x1, y1, x2, y2}), (std::vector<int>{0, 0, 319, 239}));
  EXPECT_EQ(fake_board::registers[REG_GPIO_STATUS_CONTROL1] & 0x80, 0x80);  // LCD on
}
