#include "common/text_read.h"

#include <gtest/gtest.h>

TEST(ReadDialogNumber, DigitsAccumulateAndThePointCountsDecimals) {
  uint32_t integer = 99;
  double fraction = 0;
  ASSERT_TRUE(ReadDialogNumber("1.5", &integer, &fraction));
  EXPECT_EQ(integer, 15u);
  EXPECT_DOUBLE_EQ(fraction, 1.5);
  ASSERT_TRUE(ReadDialogNumber("  6 250", &integer, &fraction));
  EXPECT_EQ(integer, 6250u);
  ASSERT_TRUE(ReadDialogNumber("1.2.34", &integer, &fraction));  // second point restarts the count
  EXPECT_EQ(integer, 1234u);
  EXPECT_DOUBLE_EQ(fraction, 12.34);
  ASSERT_TRUE(ReadDialogNumber("", &integer, &fraction));
  EXPECT_EQ(integer, 0u);
}

TEST(ReadDialogNumber, SignsLettersAndOverflowFail) {
  uint32_t integer = 0;
  double fraction = 0;
  EXPECT_FALSE(ReadDialogNumber("-1", &integer, &fraction));
  EXPECT_FALSE(ReadDialogNumber("12a", &integer, &fraction));
  EXPECT_TRUE(ReadDialogNumber("4294967295", &integer, &fraction));
  EXPECT_EQ(integer, 4294967295u);
  EXPECT_FALSE(ReadDialogNumber("4294967616", &integer, &fraction));  // would wrap to 320
}

TEST(ReadDialogHex, HexDigitsOnlyAfterLeadingBlanks) {
  uint32_t value = 0;
  ASSERT_TRUE(ReadDialogHex("  1aF", &value));
  EXPECT_EQ(value, 0x1AFu);
  ASSERT_TRUE(ReadDialogHex("", &value));
  EXPECT_EQ(value, 0u);
  EXPECT_FALSE(ReadDialogHex("0x10", &value));
  EXPECT_FALSE(ReadDialogHex("10 ", &value));
  EXPECT_FALSE(ReadDialogHex("1G", &value));
  EXPECT_TRUE(ReadDialogHex("FFFFFFFF", &value));
  EXPECT_FALSE(ReadDialogHex("100000000", &value));
}

TEST(EndsWithNoCase, ComparesTailWithoutCase) {
  EXPECT_TRUE(EndsWithNoCase("PROG.s9", ".S9"));
  EXPECT_TRUE(EndsWithNoCase("x.Lvb", ".LVB"));
  EXPECT_TRUE(EndsWithNoCase("PROG.Exe", ".exe"));
  EXPECT_FALSE(EndsWithNoCase("S9", ".S9"));
  EXPECT_FALSE(EndsWithNoCase("prog.elf.bak", ".ELF"));
}

TEST(CaseFolding, OnlyAsciiLettersFoldAndLengthsCount) {
  struct Case {
    std::string a, b;
    bool equal, aStartsWithB;
  };
  const Case cases[] = {
      {"FrameRate", "framerate", true, true},
      {"REG_hdp", "reg_HDP", true, true},
      {"Width", "Wid", false, true},
      {"Wid", "Width", false, false},
      {"", "", true, true},
      {"TFT 320", "", false, true},
      {"[x]", "{X}", false, false},  // the neighbours of the letters do not fold
      {"\xC9t\xE9", "\xE9T\xE9", false, false},
      {std::string("Bpp\0x", 5), "bpp", false, true},  // a NUL does not end a name
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EqualsNoCase(c.a, c.b), c.equal) << c.a << " / " << c.b;
    EXPECT_EQ(StartsWithNoCase(c.a, c.b), c.aStartsWithB) << c.a << " / " << c.b;
  }
  EXPECT_EQ(UpperCaseAscii("reg_Hdp 12 [z] \xE9"), "REG_HDP 12 [Z] \xE9");
}
