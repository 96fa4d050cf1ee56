#include "common/register_catalogue.h"

#include <gtest/gtest.h>
#include <string.h>

#include <string>

TEST(RegisterCatalogue, DescriptionsAreExactAndUnknownIndexesGiveQuestionMarks) {
  EXPECT_STREQ(RegisterDescription(0x05), "PCLK Config  Register");
  EXPECT_STREQ(RegisterDescription(0xA3), "BIG Endian Support Register");
  EXPECT_STREQ(RegisterDescription(0x03), "?????");
  EXPECT_STREQ(RegisterSymbol(0x03), "?????");
}

TEST(RegisterCatalogue, SymbolsArePaddedToThirtyCharacters) {
  EXPECT_EQ(std::string(RegisterSymbol(0x14)), "REG_HDP" + std::string(23, ' '));
  for (const RegisterInfo& row : kRegisterCatalogue)
    EXPECT_EQ(strlen(row.symbol), 30u) << row.symbol;
}

TEST(RegisterCatalogue, RowsAscendAndEnumeratorsAreSixtyTwo) {
  int enumerators = 0, inDefault = 0;
  for (int i = 0; i < kRegisterCount; ++i) {
    if (i > 0) {
      EXPECT_LT(kRegisterCatalogue[i - 1].index, kRegisterCatalogue[i].index);
    }
    enumerators += kRegisterCatalogue[i].enumerator != nullptr;
    inDefault += kRegisterCatalogue[i].inDefaultList;
  }
  EXPECT_EQ(enumerators, 62);
  EXPECT_EQ(inDefault, 54);
  EXPECT_STREQ(kRegisterCatalogue[kRegisterCount - 1].enumerator, "PWMClkDutyCycle");
}

TEST(RegisterCatalogue, SymbolLookupMatchesWholeNamesOnly) {
  ASSERT_NE(FindRegisterBySymbol("REG_HDP"), nullptr);
  EXPECT_EQ(FindRegisterBySymbol("REG_HDP")->index, 0x14);
  EXPECT_EQ(FindRegisterBySymbol("REG_HDP_START_POS1")->index, 0x17);
  EXPECT_EQ(FindRegisterBySymbol("REG_HD"), nullptr);
  EXPECT_EQ(FindRegisterBySymbol(""), nullptr);
}
