// What `show` prints for a record, in text and as JSON.
#include "cli/record_view.h"

#include <gtest/gtest.h>

#include "cfg/record/record.h"

namespace {

TEST(RecordView, FlagsAreNamedInBitOrderAndUnknownBitsShownAsValues) {
  EXPECT_EQ(FlagNamesOf(0), std::vector<std::string>{});
  EXPECT_EQ(FlagNamesOf(fVALID_LCD | fFIXED_DIVPCLK | 0x40),
            (std::vector<std::string>{"fVALID_LCD", "fFIXED_DIVPCLK", "0x40"}));
}

TEST(RecordView, JsonStringsEscapeQuotesBackslashesAndControls) {
  EXPECT_EQ(JsonQuote("a\"b\\c"), "\"a\\\"b\\\\c\"");
  EXPECT_EQ(JsonQuote("x\ny\tz\x01"), "\"x\\ny\\tz\\u0001\"");
  EXPECT_EQ(JsonQuote("\xe9"), "\"\\u00e9\"");
}

TEST(RecordView, RegisterListEndsAtTheMarkerOrAfterHundredEntries) {
  HAL_STRUCT record = kDefaultHalStruct;
  EXPECT_EQ(ListedRegisters(record).size(), 54u);
  for (int i = 0; i < kMaxRegCfg; ++i) record.Regs[i] = REG_CFG{0xA4, static_cast<uint16_t>(i)};
  EXPECT_EQ(ListedRegisters(record).size(), 100u);
}

TEST(RecordView, TextShowsFieldsAndEachRegisterWithSymbolAndDescription) {
  HAL_STRUCT record = kDefaultHalStruct;
  record.RegAddr = 0xF80000;
  record.Regs[1].Value = 0x1FF;  // only the low byte is the register value
  record.Regs[2].Index = 0x03;   // outside the catalogue
  std::string text = FormatRecordText(record, "Panel: x");
  EXPECT_EQ(text.substr(0, text.find("Registers:")),
            "Panel: x\n"
            "Flags:         fVALID_LCD\n"
            "ClkI:          50000 kHz\n"
            "ClkI2:         50000 kHz\n"
            "BusClk:        50000 kHz\n"
            "RegAddr:       0x00F80000\n"
            "DispMemAddr:   0x00000000\n"
            "FrameRate:     70 Hz\n"
            "PowerOffDelay: 1200 ms\n"
            "PowerOnDelay:  50 ms\n");
  EXPECT_NE(
      text.find("Registers:     54\n"
                "  REG[04h] = 00h  REG_BUSCLK_MEMCLK_CONFIG       BUSCLK MEMCLK Config Register\n"
                "  REG[05h] = FFh  REG_PCLK_CONFIG                PCLK Config  Register\n"
                "  REG[03h] = 40h  ????? ?????\n"),
      std::string::npos);
}

TEST(RecordView, JsonCarriesTheSameFieldsAndUnpaddedSymbols) {
  HAL_STRUCT record = kDefaultHalStruct;
  record.Regs[1] = REG_CFG{FINISHED_REG_CFG, 0};
  EXPECT_EQ(FormatRecordJson(record, "Panel: \"q\""),
            "{\n"
            "  \"Panel\": \"Panel: \\\"q\\\"\",\n"
            "  \"Flags\": [\"fVALID_LCD\"],\n"
            "  \"FlagBits\": 1,\n"
            "  \"ClkI\": 50000,\n"
            "  \"ClkI2\": 50000,\n"
            "  \"BusClk\": 50000,\n"
            "  \"RegAddr\": 0,\n"
            "  \"DispMemAddr\": 0,\n"
            "  \"FrameRate\": 70,\n"
            "  \"PowerOffDelay\": 1200,\n"
            "  \"PowerOnDelay\": 50,\n"
            "  \"registers\": [\n"
            "    {\"index\": 4, \"value\": 0, \"symbol\": \"REG_BUSCLK_MEMCLK_CONFIG\", "
            "\"description\": \"BUSCLK MEMCLK Config Register\"}\n"
            "  ]\n"
            "}\n");
  record.Regs[0] = REG_CFG{FINISHED_REG_CFG, 0};
  EXPECT_NE(FormatRecordJson(record, "").find("\"registers\": []\n}"), std::string::npos);
}

}  // namespace
