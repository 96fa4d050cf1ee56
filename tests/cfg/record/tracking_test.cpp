#include "cfg/record/tracking.h"

#include <gtest/gtest.h>

#include "cfg/record/record.h"
#include "common/message.h"
#include "tests/support/message_recorder.h"

namespace {

const char kHeading[] = "The following manually modified registers were recalculated:\n";

class TrackingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRecords();
    ResetRegisterTracking();
    TakeRegisterSnapshot();  // the Registers page was visited and closed
  }
  MessageRecorder messages;
};

}  // namespace

TEST_F(TrackingTest, RegisterOpenedAndCancelledIsReportedOnceWhenRecalculated) {
  MarkRegisterModified(0x12);
  SetRegister(0x12, 0x2C);  // a page's apply
  ReportRecalculatedRegisters();
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "12h "});
  EXPECT_EQ(messages.Messages()[0].style, unsigned(kMsgOk | kMsgIconInfo));
  // The mark is gone: a second change is not reported.
  messages.Clear();
  SetRegister(0x12, 0x2D);
  ReportRecalculatedRegisters();
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(TrackingTest, MarkedRegisterLeftUnchangedIsNotListedAndKeepsItsMark) {
  MarkRegisterModified(0x20);
  ReportRecalculatedRegisters();
  EXPECT_TRUE(messages.Messages().empty());
  SetRegister(0x20, 0x01);
  ReportRecalculatedRegisters();
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "20h "});
}

TEST_F(TrackingTest, SeveralRegistersAreListedInListOrderInOneMessage) {
  MarkRegisterModified(0x05);
  MarkRegisterModified(0x04);  // position 0 of the list
  MarkRegisterModified(0xB3);
  SetRegister(0xB3, 0x10);
  SetRegister(0x05, 0x10);
  SetRegister(0x04, 0x10);
  ReportRecalculatedRegisters();
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "4h 5h b3h "});
}

TEST_F(TrackingTest, ComparisonIsAgainstTheLatestSnapshot) {
  MarkRegisterModified(0x70);
  SetRegister(0x70, 0x05);  // the user's own value ...
  TakeRegisterSnapshot();   // ... seen again when the Registers page closes
  ReportRecalculatedRegisters();
  EXPECT_TRUE(messages.Messages().empty());
  SetRegister(0x70, 0x03);
  ReportRecalculatedRegisters();
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "70h "});
}

TEST_F(TrackingTest, MarksArePositionsFoundLikeGetRegister) {
  WorkingRecord.Regs[30].Index = 0x70;  // 70h twice: the later one counts
  TakeRegisterSnapshot();
  MarkRegisterModified(0x70);
  MarkRegisterModified(0x00);  // not in the list: ignored
  WorkingRecord.Regs[20].Value = 0x09;
  ReportRecalculatedRegisters();
  EXPECT_TRUE(messages.Messages().empty());
  WorkingRecord.Regs[30].Value = 0x09;
  ReportRecalculatedRegisters();
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "70h "});
}

TEST_F(TrackingTest, MarksSurviveOpeningAnotherFile) {
  MarkRegisterModified(0x14);
  ResetRecords();  // the records replaced, as by an open
  WorkingRecord.Regs[5].Value = 0x99;
  ReportRecalculatedRegisters();
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kHeading) + "14h "});
}
