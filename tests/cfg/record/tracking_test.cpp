#include "cfg/record/tracking.h"

#include <gtest/gtest.h>

#include "cfg/record/record.h"
#include "common/message.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/message_recorder.h"

namespace {

const char kHeading[] = "The following manually modified registers were recalculated:\n";

class TrackingTest : public ConfigurationTest {
 protected:
  void SetUp() override {
    TakeRegisterSnapshot(config);  // the Registers page was visited and closed
  }
  MessageRecorder messages;
};

}  // namespace

TEST_F(TrackingTest, RegisterOpenedAndCancelledIsReportedOnceWhenRecalculated) {
  MarkRegisterModified(config, 0x12);
  SetRegister(0x12, 0x2C);  // a page's apply
  ReportRecalculatedRegisters(config);
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "12h "});
  EXPECT_EQ(messages.Messages()[0].style, unsigned(kMsgOk | kMsgIconInfo));
  // The mark is gone: a second change is not reported.
  messages.Clear();
  SetRegister(0x12, 0x2D);
  ReportRecalculatedRegisters(config);
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(TrackingTest, MarkedRegisterLeftUnchangedIsNotListedAndKeepsItsMark) {
  MarkRegisterModified(config, 0x20);
  ReportRecalculatedRegisters(config);
  EXPECT_TRUE(messages.Messages().empty());
  SetRegister(0x20, 0x01);
  ReportRecalculatedRegisters(config);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "20h "});
}

TEST_F(TrackingTest, SeveralRegistersAreListedInListOrderInOneMessage) {
  MarkRegisterModified(config, 0x05);
  MarkRegisterModified(config, 0x04);  // position 0 of the list
  MarkRegisterModified(config, 0xB3);
  SetRegister(0xB3, 0x10);
  SetRegister(0x05, 0x10);
  SetRegister(0x04, 0x10);
  ReportRecalculatedRegisters(config);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "4h 5h b3h "});
}

TEST_F(TrackingTest, ComparisonIsAgainstTheLatestSnapshot) {
  MarkRegisterModified(config, 0x70);
  SetRegister(0x70, 0x05);       // the user's own value ...
  TakeRegisterSnapshot(config);  // ... seen again when the Registers page closes
  ReportRecalculatedRegisters(config);
  EXPECT_TRUE(messages.Messages().empty());
  SetRegister(0x70, 0x03);
  ReportRecalculatedRegisters(config);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "70h "});
}

TEST_F(TrackingTest, MarksArePositionsFoundLikeGetRegister) {
  WorkingRecord.Regs[30].Index = 0x70;  // 70h twice: the later one counts
  TakeRegisterSnapshot(config);
  MarkRegisterModified(config, 0x70);
  MarkRegisterModified(config, 0x00);  // not in the list: ignored
  WorkingRecord.Regs[20].Value = 0x09;
  ReportRecalculatedRegisters(config);
  EXPECT_TRUE(messages.Messages().empty());
  WorkingRecord.Regs[30].Value = 0x09;
  ReportRecalculatedRegisters(config);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "70h "});
}

TEST_F(TrackingTest, MarksSurviveOpeningAnotherFile) {
  MarkRegisterModified(config, 0x14);
  ResetRecords();  // the records replaced, as by an open
  WorkingRecord.Regs[5].Value = 0x99;
  ReportRecalculatedRegisters(config);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "14h "});
}
