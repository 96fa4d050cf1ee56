// Rotation and colour depth on the record, and settings applied by name.
#include "cfg/pages/preference/preference.h"

#include "cfg/pages/settings.h"
#include "cfg/panel/panel_messages.h"
#include "cfg/panel/timing.h"
#include "tests/cfg/panel/panel_fixture.h"

using PreferenceTest = PanelTest;
using Texts = std::vector<std::string>;

TEST_F(PreferenceTest, RotationSetsStartAndOffsetAt8Bpp) {
  SetRotation(config, kRotation90);
  EXPECT_EQ(StartAddress(), 59u);
  EXPECT_EQ(LineOffset(), 60u);
  SetRotation(config, kRotation180);
  EXPECT_EQ(StartAddress(), 19199u);
  EXPECT_EQ(LineOffset(), 80u);
  SetRotation(config, kRotation270);
  EXPECT_EQ(StartAddress(), 19140u);
  EXPECT_EQ(LineOffset(), 60u);
  EXPECT_EQ(Reg(REG_SPECIAL_EFFECTS), 3u);
  SetRotation(config, kRotation0);
  EXPECT_EQ(StartAddress(), 0u);
  EXPECT_EQ(LineOffset(), 80u);
}

TEST_F(PreferenceTest, DepthChangeAt90DegreesRecomputesBoth) {
  SetRotation(config, kRotation90);
  EXPECT_TRUE(SetColorDepth(config, 1));
  EXPECT_EQ(LineOffset(), 15u);
  EXPECT_EQ(StartAddress(), 14u);
  EXPECT_EQ(Reg(REG_DISPLAY_MODE) & 7, 1u);
  EXPECT_FALSE(SetColorDepth(config, 5));
  EXPECT_EQ(Reg(REG_DISPLAY_MODE) & 7, 1u);
}

TEST_F(PreferenceTest, StartBelowOneWordIsZeroNotWrapped) {
  SetPanelHeight(config, 16);
  SetColorDepth(config, 0);
  SetRotation(config, kRotation90);  // 16 lines at 1 bpp is no whole word
  EXPECT_EQ(StartAddress(), 0u);
}

TEST_F(PreferenceTest, InvertBitsAreIndependent) {
  SetSoftwareInvert(config, true);
  SetHardwareInvert(config, true);
  SetSoftwareInvert(config, false);
  EXPECT_EQ(Reg(REG_DISPLAY_MODE), 0x23u);
}

TEST_F(PreferenceTest, SettingsByNameUseThePageRules) {
  EXPECT_EQ(ApplyPanelSetting(config, "Width", "160"), kSettingAccepted);
  EXPECT_EQ(GetPanelWidth(config), 160u);
  EXPECT_EQ(ApplyPanelSetting(config, "horiztotal", "704"), kSettingAccepted);
  EXPECT_EQ(GetHorizTotal(config), 704u);
  EXPECT_EQ(ApplyPanelSetting(config, "FrameRate", "200"), kSettingRefused);
  EXPECT_EQ(ApplyPanelSetting(config, "VertStart", "1024"), kSettingRefused);
  EXPECT_EQ(ApplyPanelSetting(config, "PixelClock", "25.000   (25.000/1)"), kSettingAccepted);
  EXPECT_EQ(GetPixelClock(config), 25000u);
  EXPECT_EQ(WorkingRecord.FrameRate, 141);  // the frame-rate list was rebuilt
  EXPECT_EQ(ApplyPanelSetting(config, "Rotation", "90"), kSettingAccepted);
  EXPECT_EQ(Reg(REG_SPECIAL_EFFECTS), 1u);
  EXPECT_EQ(ApplyPanelSetting(config, "Rotation", "45"), kSettingRefused);
  EXPECT_EQ(ApplyPanelSetting(config, "Bpp", "16"), kSettingAccepted);
  EXPECT_EQ(Reg(REG_DISPLAY_MODE) & 7, 4u);
  EXPECT_EQ(ApplyPanelSetting(config, "Bpp", "3"), kSettingRefused);
  EXPECT_EQ(ApplyPanelSetting(config, "Colour", "1"), kSettingUnknown);
  EXPECT_EQ(Messages(), (Texts{"ERROR: Panel Frame Rate!\nThe nearest frame rate is 148 Hz.",
                               "ERROR: Panel Vertical Start Position!",
                               "ERROR: Rotation must be 0, 90, 180 or 270!",
                               "ERROR: Bpp must be 1, 2, 4, 8 or 16!"}));
}

TEST_F(PreferenceTest, NoFrameRateExistsWhenNoTotalFits) {
  SetRegister(REG_HDP, 0x7F);  // W 1024: the smallest total lies beyond 1024
  EXPECT_EQ(ApplyPanelSetting(config, "FrameRate", "24"), kSettingRefused);
  EXPECT_EQ(Messages(), Texts(1,
                              "ERROR: Panel Frame Rate!\nNo horizontal total gives a frame rate "
                              "with these settings."));
  EXPECT_EQ(FocusedControls(), std::vector<int>{kPanelFrameRateField});
}

TEST_F(PreferenceTest, TypePolarityAndResolutionSettingsActAsThePagesButtons) {
  // The type button moves the shown start 22 into TFT's range (22 - 5) and
  // shows the type's default polarities, which leaving the page writes.
  EXPECT_EQ(ApplyPanelSetting(config, "PanelType", "tft"), kSettingAccepted);
  EXPECT_EQ(Reg(REG_PANEL_TYPE) & 3, 1u);
  EXPECT_EQ(Reg(REG_HDP_START_POS0), 17u);
  EXPECT_FALSE(GetFplineHigh(config) || GetFpframeHigh(config));
  EXPECT_EQ(ApplyPanelSetting(config, "FplinePolarity", "HIGH"), kSettingAccepted);
  EXPECT_TRUE(GetFplineHigh(config));
  EXPECT_EQ(ApplyPanelSetting(config, "ActiveResolution", "320x240"), kSettingRefused);
  EXPECT_EQ(ApplyPanelSetting(config, "PanelType", "HRTFT"), kSettingAccepted);
  EXPECT_EQ(ApplyPanelSetting(config, "ActiveResolution", "320x240"), kSettingAccepted);
  EXPECT_TRUE(IsLargeActiveResolution(config));
  EXPECT_EQ(ApplyPanelSetting(config, "ActiveResolution", "160x240"), kSettingRefused);
  EXPECT_EQ(ApplyPanelSetting(config, "FpframePolarity", "up"), kSettingRefused);
  EXPECT_EQ(ApplyPanelSetting(config, "PanelType", "DSTN"), kSettingRefused);
  EXPECT_EQ(Messages(), (Texts{"ERROR: ActiveResolution applies to HR-TFT and K-VRX panels only!",
                               "ERROR: ActiveResolution must be 160x160 or 320x240 for HR-TFT "
                               "panels!",
                               "ERROR: FpframePolarity must be high or low!",
                               "ERROR: PanelType must be STN, TFT, HR-TFT or K-VRX!"}));
}
