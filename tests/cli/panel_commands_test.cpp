// The built qlccfg's panel commands: set's panel and address settings, panels,
// apply-panel and check, leaving each record as the Panel page would.
#include <string>
#include <vector>

#include "tests/cli/qlccfg_runner.h"

namespace {

const char kMemoryWarning300k[] =
    "Warning: Not enough installed video memory for selected options. Memory needed: 300k, "
    "memory installed: 80k,\n";
const char kMemoryWarning150k[] =
    "Warning: Not enough installed video memory for selected options. Memory needed: 150k, "
    "memory installed: 80k,\n";

std::string Repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

// ---------------------------------------------------------------------------
// set

TEST_F(ProgramTest, SetRefusesAFrameRateNoTotalGivesAndNamesTheNearestOnes) {
  std::string image = MakeImage("image.bin");
  std::string before = ReadFileBytes(image);
  // 6.25 MHz over 251 lines gives 61 Hz at the total 408 and 59 Hz at 416.
  Result between = Qlccfg({"set", image, "FrameRate=60"});
  EXPECT_EQ(between.status, 1);
  EXPECT_EQ(between.err, "ERROR: Panel Frame Rate!\nThe nearest frame rates are 59 and 61 Hz.\n");
  Result below = Qlccfg({"set", image, "FrameRate=10"});
  EXPECT_EQ(below.status, 1);
  EXPECT_EQ(below.err, "ERROR: Panel Frame Rate!\nThe nearest frame rate is 24 Hz.\n");
  EXPECT_TRUE(ReadFileBytes(image) == before) << "the file is unchanged";

  Result existing = Qlccfg({"set", image, "FrameRate=61"});
  ASSERT_EQ(existing.status, 0) << existing.err;
  Result shown = Qlccfg({"show", image});
  EXPECT_EQ(RegisterLine(shown.out, "12"), "REG[12h] = 32h");
  EXPECT_NE(shown.out.find("FrameRate:     61 Hz\n"), std::string::npos);

  // Clocks too fast for any real panel: the rates above what FrameRate holds
  // are listed, named and stored as its highest value.
  ASSERT_EQ(
      Qlccfg({"set", image, "0x18=0", "0x19=0", "0x14=0", "0x05=0x03", "ClkI2=100000"}).status, 0);
  Result beyond = Qlccfg({"set", image, "FrameRate=97656"});
  EXPECT_EQ(beyond.status, 1);
  EXPECT_EQ(beyond.err, "ERROR: Panel Frame Rate!\nThe nearest frame rate is 65535 Hz.\n");
  ASSERT_EQ(Qlccfg({"set", image, "FrameRate=65535"}).status, 0);
  EXPECT_NE(Qlccfg({"show", image}).out.find("FrameRate:     65535 Hz\n"), std::string::npos);
}

TEST_F(ProgramTest, SetRefusesAnAddressPairWithOneHalfZero) {
  std::string image = MakeImage("image.bin");
  std::string before = ReadFileBytes(image);
  for (const char* assignment : {"RegAddr=0x1000", "DispMemAddr=0xF00000"}) {
    Result half = Qlccfg({"set", image, assignment});
    EXPECT_EQ(half.status, 1) << assignment;
    EXPECT_EQ(half.err, "Non-zero hexadecimal value required!\n") << assignment;
  }
  EXPECT_TRUE(ReadFileBytes(image) == before) << "the file is unchanged";
  ASSERT_EQ(Qlccfg({"set", image, "RegAddr=0x1000", "DispMemAddr=0x2000"}).status, 0);
  Result zeroed = Qlccfg({"set", image, "DispMemAddr=0"});
  EXPECT_EQ(zeroed.status, 1);
  EXPECT_EQ(zeroed.err, "Non-zero hexadecimal value required!\n");
  // Both zero is the evaluation board.
  ASSERT_EQ(Qlccfg({"set", image, "RegAddr=0", "DispMemAddr=0"}).status, 0);
  EXPECT_TRUE(ReadFileBytes(image) == before) << "the file is unchanged";
}

TEST_F(ProgramTest, SetWarnsAsLeavingThePanelPageDoes) {
  std::string image = MakeImage("image.bin");
  // The width 336 raises the smallest total to 344, above the total 328.
  Result set = Qlccfg({"set", image, "HorizTotal=328", "Width=336", "VertTotal=240"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(set.err,
            "WARNING: The Horizontal Total is too small!\n"
            "WARNING: Vertical Total should be at least 1 line larger than Vertical Display!\n");
  Result shown = Qlccfg({"show", image});
  EXPECT_EQ(RegisterLine(shown.out, "12"), "REG[12h] = 28h");
  EXPECT_EQ(RegisterLine(shown.out, "18"), "REG[18h] = EFh");
}

TEST_F(ProgramTest, SetOpensThePanelPageWhichRaisesATooSmallTotal) {
  std::string image = MakeImage("image.bin");
  // A hand-set total of 264 is below the smallest total 328: opening the page
  // raises it, and leaving it reports the recalculated register.
  Result set = Qlccfg({"set", image, "REG_HORIZ_TOTAL=0x20", "VertTotal=260"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(set.err, "The following manually modified registers were recalculated:\n12h \n");
  Result shown = Qlccfg({"show", image});
  EXPECT_EQ(RegisterLine(shown.out, "12"), "REG[12h] = 28h");
  EXPECT_EQ(RegisterLine(shown.out, "A9"), "REG[A9h] = 80h");  // the STN type's GPIO
}

TEST_F(ProgramTest, ANewHeightKeepsTheRotatedLayoutRight) {
  std::string image = MakeImage("image.bin");
  ASSERT_EQ(Qlccfg({"set", image, "Rotation=90"}).status, 0);
  Result set = Qlccfg({"set", image, "Height=480", "VertTotal=490"});
  ASSERT_EQ(set.status, 0) << set.err;
  // The height's own check, then leaving the page warns once more (not once
  // for its height and again for its width).
  EXPECT_EQ(set.err, Repeated(kMemoryWarning150k, 2));
  Result shown = Qlccfg({"show", image});
  // 480 lines at 8 bpp: 120 words per line, the start at the last word of the first.
  EXPECT_EQ(RegisterLine(shown.out, "74"), "REG[74h] = 77h");
  EXPECT_EQ(RegisterLine(shown.out, "75"), "REG[75h] = 00h");
  EXPECT_EQ(RegisterLine(shown.out, "78"), "REG[78h] = 78h");
  EXPECT_EQ(RegisterLine(shown.out, "79"), "REG[79h] = 00h");
  Result checked = Qlccfg({"check", image});
  EXPECT_EQ(checked.status, 1);
  EXPECT_EQ(checked.err, kMemoryWarning150k);
}

// ---------------------------------------------------------------------------
// check, panels, apply-panel

TEST_F(ProgramTest, CheckPrintsEachFailedRuleAndExitsWithOne) {
  std::string image = MakeImage("image.bin");
  Result passed = Qlccfg({"check", image});
  EXPECT_EQ(passed.status, 0);
  EXPECT_EQ(passed.err, "");
  ASSERT_EQ(Qlccfg({"set", image, "HorizStart=1000", "Bpp=16"}).status, 0);
  Result failed = Qlccfg({"check", image});
  EXPECT_EQ(failed.status, 1);
  EXPECT_EQ(failed.err,
            "Warning: One of the following rules is violated:\n\n Horizontal Display Period + "
            "Horizontal Display Start < Horizontal Total.\n Vertical Display Period + Vertical "
            "Display Start < Vertical Total.\n\nBe sure to re-config HorzDispStart and/or "
            "VertDispStart and Save again!!\n\n"
            "Warning: Not enough installed video memory for selected options. Memory needed: "
            "150k, memory installed: 80k,\n");
}

const char kDefinitions[] =
    "VERSION 2\n"
    "; a comment line\n"
    "PANEL \"Test TFT 320x240\" TFT 320 240 F 18 F n T F 6250 400 20 260 10 1 8 L 0 2 L F 0 0\n"
    "PANEL \"Big TFT\" TFT 1024 768 F 18 F n T F 65000 1344 296 806 35 1 136 L 0 6 L F 0 0\n"
    // Values no register holds.
    "PANEL \"Deep\" TFT 320 240 F 18 F n T F 6250 400 20 -2147483648 18 1 30 L 0 3 L F 0 0\n"
    "PANEL \"Long pulse\" TFT 320 240 F 18 F n T F 6250 400 20 262 18 1 -2147483648 L "
    "-2147483648 3 L F 0 0\n"
    "PANEL \"Wide total\" TFT 320 240 F 18 F n T F 6250 2147483647 20 262 18 1 30 L 0 3 L F 0 "
    "0\n";

TEST_F(ProgramTest, PanelsListsTheDefinitionFileAndMarksRejectedOnesOfDebugDef) {
  WriteFileBytes(File("PANELS.DEF"), kDefinitions);
  WriteFileBytes(File("DEBUG.DEF"), kDefinitions);
  Result panels = Qlccfg({"panels", "--def", "PANELS.DEF"});
  EXPECT_EQ(panels.status, 0);
  EXPECT_EQ(panels.out, " 1  Test TFT 320x240\n");
  Result debug = Qlccfg({"panels", "--def", "DEBUG.DEF"});
  EXPECT_EQ(debug.out,
            " 1  Test TFT 320x240\n"
            " 2  **Big TFT  **Disqualified: >80K.\n"
            " 3  **Deep  **Disqualified: VTOTAL out of range.\n"
            " 4  **Long pulse  **Disqualified: FPLINE width out of range; FPFRAME start out of "
            "range.\n"
            " 5  **Wide total  **Disqualified: HTOTAL out of range.\n");
  Result missing = Qlccfg({"panels", "--def", "NONE.DEF"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, "ERROR: open failed on input file NONE.DEF\n");
}

TEST_F(ProgramTest, ApplyPanelWritesThePanelAsThePanelPageDoes) {
  std::string image = MakeImage("image.bin");
  WriteFileBytes(File("DEBUG.DEF"), kDefinitions);
  Result applied = Qlccfg({"apply-panel", image, "Test TFT 320x240", "--def", "DEBUG.DEF"});
  ASSERT_EQ(applied.status, 0) << applied.err;
  Result shown = Qlccfg({"show", image});
  EXPECT_EQ(shown.out.substr(0, shown.out.find('\n')),
            "Panel: 320x240x8bpp 60Hz Color TFT 18-bit (PCLK=6.250MHz) ");
  EXPECT_EQ(RegisterLine(shown.out, "12"), "REG[12h] = 31h");  // total 400
  EXPECT_EQ(RegisterLine(shown.out, "A9"), "REG[A9h] = 80h");  // TFT GPIO

  std::string before = ReadFileBytes(image);
  Result rejected = Qlccfg({"apply-panel", image, "2", "--def", "DEBUG.DEF"});
  EXPECT_EQ(rejected.status, 1);
  EXPECT_EQ(rejected.err, "**Disqualified: >80K.\n");
  Result deep = Qlccfg({"apply-panel", image, "Deep", "--def", "DEBUG.DEF"});
  EXPECT_EQ(deep.status, 1);
  EXPECT_EQ(deep.err, "**Disqualified: VTOTAL out of range.\n");
  Result unknown = Qlccfg({"apply-panel", image, "Other", "--def", "DEBUG.DEF"});
  EXPECT_EQ(unknown.status, 1);
  EXPECT_EQ(unknown.err, "ERROR: No predefined panel \"Other\"!\n");
  EXPECT_TRUE(ReadFileBytes(image) == before) << "the file is unchanged";
}

const char kPageDefinitions[] =
    "PANEL \"TFT 640x480 format 2\"    TFT   640 480 F 18 F 2 T F 25000 800 144 525 35 1 96 L 0 2 "
    "L "
    "F 0 0\n"
    "PANEL \"TFT 320x240 short total\" TFT   320 240 F 18 F n T F 25000 320 20 262 18 1 30 L 0 3 L "
    "F 0 0\n"
    "PANEL \"K-VRX 160x240\"           K-VRX 160 240 F 16 F n T F 3125 200 20 250 4 1 2 H 0 1 L "
    "F 40 10\n"
    "PANEL \"STN 320x240 low pulses\"  STN   320 240 F 4 F 1 T F 6250 352 22 251 0 1 8 L 0 1 L "
    "F 0 0\n"
    "PANEL \"TFT 320x240 odd clock\"   TFT   320 240 F 18 F n T F 6300 400 20 262 18 1 30 L 0 3 L "
    "F 0 0\n";

TEST_F(ProgramTest, ApplyPanelLeavesTheRecordAsChoosingAndLeavingThePanelPageDo) {
  std::string image = MakeImage("image.bin");
  WriteFileBytes(File("PANELS.DEF"), kPageDefinitions);
  // Applies a panel, checks what it said and returns what show prints then.
  auto apply = [&](const char* name, const std::string& errors) {
    Result applied = Qlccfg({"apply-panel", image, name, "--def", "PANELS.DEF"});
    EXPECT_EQ(applied.status, 0) << name;
    EXPECT_EQ(applied.err, errors) << name;
    return Qlccfg({"show", image}).out;
  };

  // Format 2 exists for colour STN only; the 640-pixel line needs 160 words,
  // which leaving the page says once.
  std::string shown = apply("TFT 640x480 format 2", kMemoryWarning300k);
  EXPECT_EQ(shown.substr(0, shown.find('\n')),
            "Panel: 640x480x8bpp 59Hz Color TFT 18-bit (PCLK=25.000MHz) ");
  EXPECT_EQ(RegisterLine(shown, "10"), "REG[10h] = 61h");
  EXPECT_EQ(RegisterLine(shown, "78"), "REG[78h] = A0h");
  Result checked = Qlccfg({"check", image});
  EXPECT_EQ(checked.status, 1);
  EXPECT_EQ(checked.err, kMemoryWarning300k);

  // The total 320 is below the smallest total 328 of 25 MHz: the page raises it.
  shown = apply("TFT 320x240 short total", "");
  EXPECT_EQ(RegisterLine(shown, "12"), "REG[12h] = 28h");
  EXPECT_EQ(RegisterLine(shown, "78"), "REG[78h] = 50h");

  shown = apply("K-VRX 160x240", "");
  EXPECT_EQ(RegisterLine(shown, "A8"), "REG[A8h] = 40h");
  EXPECT_EQ(RegisterLine(shown, "A9"), "REG[A9h] = 00h");
  EXPECT_EQ(RegisterLine(shown, "AC"), "REG[ACh] = 40h");
  EXPECT_EQ(RegisterLine(shown, "20"), "REG[20h] = 81h");

  // The panel's own polarities stay, not the STN type's high ones.
  shown = apply("STN 320x240 low pulses", "");
  EXPECT_EQ(RegisterLine(shown, "20"), "REG[20h] = 07h");
  EXPECT_EQ(RegisterLine(shown, "24"), "REG[24h] = 00h");
  EXPECT_EQ(RegisterLine(shown, "A8"), "REG[A8h] = 40h");  // K-VRX bits are not cleared
}

TEST_F(ProgramTest, ApplyPanelWritesNothingWhenThePanelsPixelClockCannotBeHad) {
  std::string image = MakeImage("image.bin");
  WriteFileBytes(File("PANELS.DEF"), kPageDefinitions);
  std::string before = ReadFileBytes(image);
  Result refused = Qlccfg({"apply-panel", image, "TFT 320x240 odd clock", "--def", "PANELS.DEF"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err,
            "Could not change pixel clock to \" 6.300\".\n"
            "ERROR: The panel's pixel clock cannot be had with these clock settings; nothing was "
            "written (--keep-pixel-clock applies the panel without it).\n");
  EXPECT_TRUE(ReadFileBytes(image) == before) << "the file is unchanged";

  Result kept = Qlccfg(
      {"apply-panel", image, "TFT 320x240 odd clock", "--def", "PANELS.DEF", "--keep-pixel-clock"});
  ASSERT_EQ(kept.status, 0) << kept.err;
  EXPECT_EQ(kept.err, "Could not change pixel clock to \" 6.300\".\n");
  Result shown = Qlccfg({"show", image});
  EXPECT_EQ(shown.out.substr(0, shown.out.find('\n')),
            "Panel: 320x240x8bpp 59Hz Color TFT 18-bit (PCLK=6.250MHz) ");
  EXPECT_NE(Qlccfg({"apply-panel", "--help"}).out.find("--keep-pixel-clock"), std::string::npos);
}

}  // namespace
