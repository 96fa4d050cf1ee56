// Frame-counted waits, power save sequencing and the priority nesting.
#include <gtest/gtest.h>

#include "hal/hal.h"
#include "tests/hal/fake_board.h"

namespace {

class PowerTest : public OpenedBoardTest {
 protected:
  // Frames one wait of ms sat through, starting outside the period.
  int FramesWaited(uint32_t ms) {
    fake_board::registers[REG_POWER_SAVE_CONFIG] &= 0x7F;
    fake_board::ClearStatusReads();
    EXPECT_EQ(hxWaitFrames(ms), 0);
    return fake_board::framesSeen;
  }
};

}  // namespace

// Frames are ms x FrameRate / 1000 rounded up; 0 ms does not look at the
// chip; a FrameRate of 0 waits no frames.
TEST_F(PowerTest, WaitCountsFramesRoundedUp) {
  record_.FrameRate = 70;
  EXPECT_EQ(FramesWaited(50), 4);  // 3.5 frames
  EXPECT_EQ(FramesWaited(1000), 70);
  EXPECT_EQ(FramesWaited(1), 1);
  fake_board::ClearStatusReads();
  EXPECT_EQ(hxWaitFrames(0), 0);
  EXPECT_EQ(fake_board::statusReadCount, 0ul);
  record_.FrameRate = 0;
  EXPECT_EQ(FramesWaited(1000), 0);
}

// Power save stops frames: the wait returns 1 at once.
TEST_F(PowerTest, WaitInPowerSaveReturnsOne) {
  fake_board::registers[REG_POWER_SAVE_CONFIG] = 0x01;
  fake_board::toggleVerticalStatus = false;
  EXPECT_EQ(hxWaitFrames(500), 1);
}

// Leaving power save: power-save bit cleared, PowerOnDelay waited in frames,
// then LCD power on.
TEST_F(PowerTest, LeavingPowerSaveSwitchesTheLcdOnAfterwards) {
  fake_board::registers[REG_POWER_SAVE_CONFIG] = 0x01;
  record_.PowerOnDelay = 50;
  hxPowerSave(0);
  EXPECT_EQ(fake_board::framesSeen, 4);
  ASSERT_EQ(fake_board::writes.size(), 2u);
  EXPECT_EQ(fake_board::writes[0], (RegisterWrite{REG_POWER_SAVE_CONFIG, 0x00}));
  EXPECT_EQ(fake_board::writes[1].index, (uint32_t)REG_GPIO_STATUS_CONTROL1);
  EXPECT_EQ(fake_board::registers[REG_GPIO_STATUS_CONTROL1] & 0x80, 0x80);
  // Already on: nothing more to switch.
  fake_board::writes.clear();
  hxPowerSave(0);
  EXPECT_EQ(fake_board::WritesTo(REG_GPIO_STATUS_CONTROL1).size(), 0u);
}

// Entering power save: LCD power off (other bits kept), then power save.
TEST_F(PowerTest, EnteringPowerSaveSwitchesTheLcdOffFirst) {
  fake_board::registers[REG_GPIO_STATUS_CONTROL1] = 0x85;
  record_.PowerOffDelay = 100;
  hxPowerSave(1);
  EXPECT_EQ(fake_board::framesSeen, 7);
  ASSERT_EQ(fake_board::writes.size(), 2u);
  EXPECT_EQ(fake_board::writes[0], (RegisterWrite{REG_GPIO_STATUS_CONTROL1, 0x05}));
  EXPECT_EQ(fake_board::writes[1], (RegisterWrite{REG_POWER_SAVE_CONFIG, 0x01}));
}

// K-VRX panels: a FrameRate of 0 is raised to 1 in the record; entering
// clears the panel control line first, leaving sets it last.
TEST_F(PowerTest, KvrxSequenceRaisesFrameRateAndDrivesTheControlLine) {
  fake_board::registers[REG_PANEL_TYPE] = 0x03;
  fake_board::registers[REG_GPIO_STATUS_CONTROL0] = 0x20;
  fake_board::registers[REG_GPIO_STATUS_CONTROL1] = 0x80;
  record_.FrameRate = 0;
  hxPowerSave(1);
  EXPECT_EQ(record_.FrameRate, 1);
  EXPECT_EQ(fake_board::framesSeen, 4);  // 4000 ms at 1 Hz
  ASSERT_EQ(fake_board::writes.size(), 3u);
  EXPECT_EQ(fake_board::writes[0], (RegisterWrite{REG_GPIO_STATUS_CONTROL0, 0x00}));
  EXPECT_EQ(fake_board::writes[1], (RegisterWrite{REG_POWER_SAVE_CONFIG, 0x01}));
  EXPECT_EQ(fake_board::writes[2], (RegisterWrite{REG_GPIO_STATUS_CONTROL1, 0x00}));

  fake_board::writes.clear();
  hxPowerSave(0);
  ASSERT_EQ(fake_board::writes.size(), 3u);
  EXPECT_EQ(fake_board::writes[0], (RegisterWrite{REG_GPIO_STATUS_CONTROL1, 0x80}));
  EXPECT_EQ(fake_board::writes[1], (RegisterWrite{REG_POWER_SAVE_CONFIG, 0x00}));
  EXPECT_EQ(fake_board::writes[2], (RegisterWrite{REG_GPIO_STATUS_CONTROL0, 0x20}));
}

// Raise and restore nest; the depth never goes below 0.
TEST(Priority, RaiseAndRestoreNest) {
  hxResetPriority();
  EXPECT_EQ(hxRaisePriority(), 1);
  EXPECT_EQ(hxRaisePriority(), 2);
  EXPECT_EQ(hxRestorePriority(), 1);
  EXPECT_EQ(hxRestorePriority(), 0);
  EXPECT_EQ(hxRestorePriority(), 0);
  EXPECT_EQ(hxRaisePriority(), 1);
  hxResetPriority();
  EXPECT_EQ(hxRestorePriority(), 0);
}
