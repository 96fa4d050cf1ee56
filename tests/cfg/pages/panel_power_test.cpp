// The Panel Power page's delays on the record.
#include "cfg/pages/panel_power/panel_power.h"

#include "cfg/panel/panel_messages.h"
#include "common/message.h"
#include "tests/cfg/panel/panel_fixture.h"

using PanelPowerTest = PanelTest;
using Texts = std::vector<std::string>;

TEST_F(PanelPowerTest, DelaysUpTo65535AreTakenAnEmptyFieldIsZero) {
  EXPECT_TRUE(TakePowerDelays(config, "65535", ""));
  EXPECT_EQ(WorkingRecord.PowerOffDelay, 65535u);
  EXPECT_EQ(WorkingRecord.PowerOnDelay, 0u);
  EXPECT_TRUE(TakePowerDelays(config, " 1 2", "1.5"));  // blanks ignored, every digit counts
  EXPECT_EQ(WorkingRecord.PowerOffDelay, 12u);
  EXPECT_EQ(WorkingRecord.PowerOnDelay, 15u);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PanelPowerTest, ConnectTimeIsCheckedFirstAndStopsTheClose) {
  WorkingRecord.PowerOffDelay = 7;
  WorkingRecord.PowerOnDelay = 9;
  EXPECT_FALSE(TakePowerDelays(config, "abc", "65536"));
  EXPECT_EQ(Messages(), Texts{"ERROR: Panel Power Connect Time!"});
  EXPECT_EQ(recorder_.Messages()[0].style, unsigned(kMsgOk | kMsgIconError | kMsgTaskModal));
  EXPECT_EQ(FocusedControls(), std::vector<int>{kPowerOnDelayField});
  EXPECT_EQ(WorkingRecord.PowerOffDelay, 7u);
  EXPECT_EQ(WorkingRecord.PowerOnDelay, 9u);
}

TEST_F(PanelPowerTest, DisconnectTimeRefusedAfterTheConnectTimeWasTaken) {
  EXPECT_FALSE(TakePowerDelays(config, "-5", "250"));
  EXPECT_EQ(Messages(), Texts{"ERROR: Panel Power Disconnect Time!"});
  EXPECT_EQ(FocusedControls(), std::vector<int>{kPowerOffDelayField});
  EXPECT_EQ(WorkingRecord.PowerOnDelay, 250u);
}
