// The General page's platform table and the address rule, on the record.
#include "cfg/pages/general/platforms.h"

#include <gtest/gtest.h>

#include "cfg/record/record.h"
#include "common/message.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/message_recorder.h"

namespace {

class PlatformsTest : public ConfigurationTest {
 protected:
  void SetUp() override { ResetRecords(); }
  void SetAddresses(uint32_t reg, uint32_t mem) {
    WorkingRecord.RegAddr = reg;
    WorkingRecord.DispMemAddr = mem;
  }
  MessageRecorder messages;
};

const char kHexRequired[] = "Non-zero hexadecimal value required!";

}  // namespace

TEST_F(PlatformsTest, RecordAddressesSelectTheirPlatformOrUserDefined) {
  EXPECT_EQ(PlatformOfRecord(config), kEvaluationBoard);  // the default record: 0 and 0
  SetAddresses(0xF80000, 0xF00000);
  EXPECT_EQ(PlatformOfRecord(config), 1);
  EXPECT_STREQ(kPlatforms[1].name, "Motorola IDP68000");
  SetAddresses(0x41000000, 0x41020000);
  EXPECT_STREQ(kPlatforms[PlatformOfRecord(config)].name, "Motorola DSP56654 (\"RedCap\")");
  SetAddresses(0xF80000, 0x10E00000);  // halves of two platforms
  EXPECT_EQ(PlatformOfRecord(config), kUserDefinedPlatform);
}

TEST_F(PlatformsTest, FieldsShowLowerCaseHexExceptForTheEvaluationBoard) {
  EXPECT_EQ(PlatformAddressText(1, 0xF80000), "f80000");
  EXPECT_EQ(PlatformAddressText(3, 0x14200000), "14200000");
  EXPECT_EQ(PlatformAddressText(kEvaluationBoard, 0), "");
  EXPECT_EQ(PlatformAddressText(kUserDefinedPlatform, 0xABCDEF), "abcdef");
}

TEST_F(PlatformsTest, EvaluationBoardStoresZeroWhateverTheFieldsSay) {
  SetAddresses(0x1000, 0x2000);
  AddressField bad = kRegisterAddressField;
  EXPECT_TRUE(TakeAddressEntries(config, kEvaluationBoard, "zz", "", &bad));
  EXPECT_EQ(bad, kNoAddressField);
  EXPECT_EQ(WorkingRecord.RegAddr, 0u);
  EXPECT_EQ(WorkingRecord.DispMemAddr, 0u);
  EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(PlatformsTest, UserDefinedAddressesAreReadAsHexadecimal) {
  AddressField bad = kNoAddressField;
  EXPECT_TRUE(TakeAddressEntries(config, kUserDefinedPlatform, "1000", "  Ab0000", &bad));
  EXPECT_EQ(WorkingRecord.RegAddr, 0x1000u);
  EXPECT_EQ(WorkingRecord.DispMemAddr, 0xAB0000u);
}

TEST_F(PlatformsTest, BadFirstFieldIsRefusedAndLeavesBothUntaken) {
  SetAddresses(0x1111, 0x2222);
  for (const char* text : {"0x1000", "", "0", "12 ", "123456789"}) {
    messages.Clear();
    AddressField bad = kNoAddressField;
    EXPECT_FALSE(TakeAddressEntries(config, kUserDefinedPlatform, text, "3000", &bad)) << text;
    EXPECT_EQ(bad, kRegisterAddressField) << text;
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{kHexRequired}) << text;
    EXPECT_EQ(messages.Messages()[0].style, unsigned(kMsgOk | kMsgIconError));
  }
  EXPECT_EQ(WorkingRecord.RegAddr, 0x1111u);
  EXPECT_EQ(WorkingRecord.DispMemAddr, 0x2222u);
}

TEST_F(PlatformsTest, BadSecondFieldKeepsTheFirstTaken) {
  SetAddresses(0x1111, 0x2222);
  AddressField bad = kNoAddressField;
  EXPECT_FALSE(TakeAddressEntries(config, 2, "10a00000", "g", &bad));
  EXPECT_EQ(bad, kDisplayBufferAddressField);
  EXPECT_EQ(WorkingRecord.RegAddr, 0x10A00000u);
  EXPECT_EQ(WorkingRecord.DispMemAddr, 0x2222u);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{kHexRequired});
}
