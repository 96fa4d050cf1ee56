// The Clocks page's fill, change and close steps over a ClocksPage.
#include "cfg/pages/clocks/clocks_page.h"

#include "cfg/panel/clocks.h"
#include "cfg/panel/timing.h"
#include "common/message.h"
#include "tests/cfg/panel/panel_fixture.h"

using Texts = std::vector<std::string>;

class ClocksPageTest : public PanelTest {
 protected:
  ClocksPage Opened() {
    ClocksPage page;
    OpenClocksPage(config, &page);
    return page;
  }
  // The user types text into an input-clock list.
  static void Type(ChoiceList* list, const std::string& text) {
    list->selected = -1;
    list->text = text;
  }
  static void Pick(ChoiceList* list, const std::string& entry) {
    list->selected = -1;
    for (size_t i = 0; i < list->entries.size(); ++i)
      if (list->entries[i] == entry) list->selected = static_cast<int>(i);
    ASSERT_GE(list->selected, 0) << entry;
  }
  bool Close(ClocksPage* page, int* focus = nullptr) {
    int control = 0;
    bool accepted = CloseClocksPage(config, page, &control);
    if (focus) *focus = control;
    return accepted;
  }
};

TEST_F(ClocksPageTest, DefaultRecordOpensOnAutoWithCurrentReadouts) {
  ClocksPage page = Opened();
  EXPECT_EQ(page.clki.Text(), "Auto");
  EXPECT_EQ(page.clki2.Text(), "Auto");
  EXPECT_EQ(page.clki.entries.size(), 25u);
  EXPECT_EQ(page.clki.entries[3], "14.318");
  EXPECT_EQ(page.clkiReadout, " 50.000 MHz");
  EXPECT_EQ(page.clki2Readout, " 50.000 MHz");
  EXPECT_EQ(page.pclkSource.Text(), "CLKI2");
  EXPECT_EQ(page.pclkDivide.Text(), "Auto");
  EXPECT_EQ(page.bclkSource.entries, Texts{"CLKI"});
  EXPECT_EQ(page.bclkDivide.Text(), "1:1");
  EXPECT_EQ(page.pclkReadout, " 6.250 MHz");
  EXPECT_EQ(page.burstLength.Text(), "1");
  EXPECT_EQ(page.cvSource, " CLKI");
}

TEST_F(ClocksPageTest, FixedClockOffTheTableIsAppendedAndSelected) {
  WorkingRecord.Flags |= fFIXED_CLKI;
  WorkingRecord.ClkI = 12000;
  ClocksPage page = Opened();
  EXPECT_EQ(page.clki.entries.back(), "12.000");
  EXPECT_EQ(page.clki.selected, 25);
  EXPECT_EQ(page.clkiReadout, "");
}

TEST_F(ClocksPageTest, TypedClockIsTakenAndUnreadableTextOnlyFixesTheInput) {
  ClocksPage page = Opened();
  Type(&page.clki, "14.318");
  ChangeClocksPage(config, &page, kClkiField);
  EXPECT_EQ(WorkingRecord.ClkI, 14318u);
  EXPECT_EQ(config.FixedClkI, 14318u);
  EXPECT_EQ(WorkingRecord.BusClk, 14318u);
  EXPECT_TRUE(WorkingRecord.Flags & fFIXED_CLKI);
  Type(&page.clki, "abc");
  ChangeClocksPage(config, &page, kClkiField);
  EXPECT_EQ(WorkingRecord.ClkI, 14318u);
  Pick(&page.clki, "Auto");
  ChangeClocksPage(config, &page, kClkiField);
  EXPECT_FALSE(WorkingRecord.Flags & fFIXED_CLKI);
}

TEST_F(ClocksPageTest, ClockThatWouldStopTheBusClockIsRefused) {
  ClocksPage page = Opened();
  Type(&page.clki, "0.0005");
  ChangeClocksPage(config, &page, kClkiField);
  EXPECT_EQ(WorkingRecord.ClkI, 50000u);
  int focus = 0;
  EXPECT_FALSE(Close(&page, &focus));
  EXPECT_EQ(Messages(), Texts(1, "ERROR: CLKI Timing!"));
  EXPECT_EQ(focus, kClkiField);
  EXPECT_EQ(WorkingRecord.BusClk, 50000u);

  ClearMessages();
  Type(&page.clki, "0.002");  // 2 kHz divided by 3 is no bus clock
  Pick(&page.bclkDivide, "3:1");
  EXPECT_FALSE(Close(&page, &focus));
  EXPECT_EQ(Messages(), Texts(1, "ERROR: CLKI Timing!"));
  EXPECT_EQ(WorkingRecord.ClkI, 50000u);

  ClearMessages();
  Type(&page.clki, "50");
  Type(&page.clki2, "0.0001");
  EXPECT_FALSE(Close(&page, &focus));
  EXPECT_EQ(Messages(), Texts(1, "ERROR: CLKI2 Timing!"));
  EXPECT_EQ(focus, kClki2Field);
}

TEST_F(ClocksPageTest, BusClockFromClki2IsKeptWhenThePageCloses) {
  SetRegister(REG_BUSCLK_MEMCLK_CONFIG, 0x01);
  WorkingRecord.ClkI2 = 40000;
  ClocksPage page = Opened();
  EXPECT_EQ(page.bclkSource.Text(), "CLKI2");
  EXPECT_EQ(page.bclkDivide.entries, Texts{"1:1"});
  ASSERT_TRUE(Close(&page));
  EXPECT_EQ(Reg(REG_BUSCLK_MEMCLK_CONFIG) & 1, 1u);
  EXPECT_EQ(WorkingRecord.BusClk, 40000u);
  EXPECT_EQ(config.FixedBusClk, 40000u);
}

TEST_F(ClocksPageTest, GestureOffersClki2AsBusSource) {
  ClocksPage page = Opened();
  EnableClki2BusClock(config, &page);
  EXPECT_EQ(page.bclkSource.entries, (Texts{"CLKI", "CLKI2"}));
  EXPECT_EQ(page.bclkSource.Text(), "CLKI2");
  ASSERT_TRUE(Close(&page));
  EXPECT_EQ(Reg(REG_BUSCLK_MEMCLK_CONFIG), 0x01u);
  EXPECT_EQ(Opened().bclkSource.entries, (Texts{"CLKI", "CLKI2"}));
}

TEST_F(ClocksPageTest, BusDivideFromClkiFollowsTheRecord) {
  WorkingRecord.BusClk = 16666;
  ClocksPage page = Opened();
  EXPECT_EQ(page.bclkDivide.Text(), "3:1");
  Pick(&page.bclkDivide, "2:1");
  ChangeClocksPage(config, &page, kBclkDivideField);
  EXPECT_EQ(WorkingRecord.BusClk, 25000u);
  EXPECT_EQ(config.FixedBusClk, 25000u);
  EXPECT_EQ(page.bclkReadout, " 25.000 MHz");
}

TEST_F(ClocksPageTest, PixelDivideCodesShowAndCount) {
  WorkingRecord.Flags |= fFIXED_DIVPCLK;
  ClocksPage page = Opened();
  EXPECT_EQ(page.pclkDivide.Text(), "8:1");
  WorkingRecord.Flags &= ~static_cast<uint32_t>(fFIXED_DIVPCLK);
  SetRegister(REG_PCLK_CONFIG, 0x63);  // code 6 reads as 8 under "Auto"
  page = Opened();
  EXPECT_EQ(page.pclkDivide.Text(), "Auto");
  EXPECT_EQ(page.pclkReadout, " 6.250 MHz");
}

TEST_F(ClocksPageTest, PwmConfigShowsSourceAndDivides) {
  SetRegister(0xB1, 0xC5);
  ClocksPage page = Opened();
  EXPECT_EQ(page.pwmSource.Text(), "CLKI2");
  EXPECT_EQ(page.pwmDivide.Text(), "4096:1");
  EXPECT_EQ(page.cvDivide.Text(), "4:1");
  EXPECT_EQ(page.cvSource, " CLKI2");
  ASSERT_TRUE(Close(&page));
  EXPECT_EQ(Reg(0xB1), 0xC5u);
}

TEST_F(ClocksPageTest, PwmDivideBeyondTheListIsKept) {
  SetRegister(0xB1, 0xE0);  // code 14 has no entry
  ClocksPage page = Opened();
  EXPECT_EQ(page.pwmDivide.Text(), "16384:1");
  ASSERT_TRUE(Close(&page));
  EXPECT_EQ(Reg(0xB1), 0xE0u);
}

TEST_F(ClocksPageTest, CloseWritesRegistersAndChecksDutyAndBurst) {
  ClocksPage page = Opened();
  Pick(&page.pclkSource, "BCLK");
  Pick(&page.mclkDivide, "2:1");
  Pick(&page.burstLength, "256");
  Pick(&page.dutyCycle, "128");
  page.pwmEnable = page.cvForceHigh = true;
  ASSERT_TRUE(Close(&page));
  EXPECT_EQ(Reg(REG_BUSCLK_MEMCLK_CONFIG), 0x10u);
  EXPECT_EQ(Reg(REG_PCLK_CONFIG), 0x41u);  // "Auto" keeps the divide bits
  EXPECT_EQ(Reg(0xB2), 0xFFu);
  EXPECT_EQ(Reg(0xB3), 128u);
  EXPECT_EQ(Reg(0xB0), 0x18u);
  EXPECT_EQ(Opened().burstLength.Text(), "256");

  page.dutyCycle.selected = -1;
  page.dutyCycle.text = "256";
  int focus = 0;
  EXPECT_FALSE(Close(&page, &focus));
  EXPECT_EQ(focus, kDutyCycleField);
  page.dutyCycle.text = "255";
  page.burstLength.selected = -1;
  page.burstLength.text = "0";
  EXPECT_FALSE(Close(&page, &focus));
  EXPECT_EQ(focus, kBurstLengthField);
  EXPECT_EQ(Messages(), (Texts{"decimal number less than 256 is required",
                               "decimal number between 1 and 256 is required"}));
  EXPECT_EQ(recorder_.Messages()[0].style, unsigned(kMsgIconError));
}
