#include "cfg/pages/registers/register_entry.h"

#include <gtest/gtest.h>

#include "cfg/record/record.h"
#include "common/message.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/message_recorder.h"

using Texts = std::vector<std::string>;

namespace {

const char kInvalid[] = "ERROR:Invalid value entered!";

class RegisterEntryTest : public ConfigurationTest {
 protected:
  void SetUp() override { ResetRecords(); }
  MessageRecorder messages;
};

}  // namespace

TEST(RegisterEntry, TitleAndValueTexts) {
  EXPECT_EQ(ModifyRegisterTitle(0x04), "Modify register 004h");
  EXPECT_EQ(ModifyRegisterTitle(0xB3), "Modify register 0B3h");
  EXPECT_EQ(RegisterValueText(0x0A, kHexadecimalRadix), "0A");
  EXPECT_EQ(RegisterValueText(0x1A5, kHexadecimalRadix), "1A5");
  EXPECT_EQ(RegisterValueText(0x0A, kDecimalRadix), "10");
}

TEST(RegisterEntry, RadixSwitchConvertsWhatReadsAndKeepsWhatDoesNot) {
  EXPECT_EQ(ConvertRegisterValueText("20", kHexadecimalRadix, kDecimalRadix), "32");
  EXPECT_EQ(ConvertRegisterValueText("32", kDecimalRadix, kHexadecimalRadix), "20");
  EXPECT_EQ(ConvertRegisterValueText("  ff", kHexadecimalRadix, kDecimalRadix), "255");
  EXPECT_EQ(ConvertRegisterValueText("1 0", kDecimalRadix, kHexadecimalRadix), "0A");
  // The decimal reader ignores the point.
  EXPECT_EQ(ConvertRegisterValueText("1.5", kDecimalRadix, kHexadecimalRadix), "0F");
  // Large values keep their sign on the way to decimal and come back whole.
  EXPECT_EQ(ConvertRegisterValueText("FFFFFFFF", kHexadecimalRadix, kDecimalRadix), "4294967295");
  EXPECT_EQ(ConvertRegisterValueText("4294967295", kDecimalRadix, kHexadecimalRadix), "FFFFFFFF");
  for (const char* text : {"1G", "0x20", "-1", "", "   "})
    EXPECT_EQ(ConvertRegisterValueText(text, kHexadecimalRadix, kDecimalRadix), text) << text;
  for (const char* text : {"ff", "1e3", "4294967296", ""})
    EXPECT_EQ(ConvertRegisterValueText(text, kDecimalRadix, kHexadecimalRadix), text) << text;
}

TEST_F(RegisterEntryTest, OkStoresValuesBelow256InEitherRadix) {
  EXPECT_TRUE(TakeRegisterValue(config, 0x12, "255", kDecimalRadix));
  EXPECT_EQ(GetRegister(0x12), 0xFFu);
  EXPECT_TRUE(TakeRegisterValue(config, 0x12, " 0a", kHexadecimalRadix));
  EXPECT_EQ(GetRegister(0x12), 0x0Au);
  EXPECT_TRUE(TakeRegisterValue(config, 0xB3, "0", kDecimalRadix));
  EXPECT_EQ(GetRegister(0xB3), 0u);
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(RegisterEntryTest, OkRefusesTooLargeMalformedAndDigitlessValues) {
  const struct {
    const char* text;
    RegisterRadix radix;
  } refused[] = {{"256", kDecimalRadix}, {"100", kHexadecimalRadix},    {"1G", kHexadecimalRadix},
                 {"ff", kDecimalRadix},  {"", kHexadecimalRadix},       {"  ", kDecimalRadix},
                 {".", kDecimalRadix},   {"99999999999", kDecimalRadix}};
  for (const auto& entry : refused) {
    messages.Clear();
    EXPECT_FALSE(TakeRegisterValue(config, 0x12, entry.text, entry.radix)) << entry.text;
    ASSERT_EQ(messages.Texts(), Texts{kInvalid}) << entry.text;
    EXPECT_EQ(messages.Messages()[0].style, unsigned(kMsgOk | kMsgIconError));
    EXPECT_EQ(GetRegister(0x12), 0x2Bu) << entry.text;
  }
}
