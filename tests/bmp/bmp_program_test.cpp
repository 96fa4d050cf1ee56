// The built 56420BMP run as a user runs it: banner, usage, surface table,
// every message and exit code, and the embedded record patched in the file.
#include <gtest/gtest.h>

#include <string>

#include "tests/bmp/program_runner.h"
#include "tests/bmp/test_bitmaps.h"
#include "tests/support/temp_dir.h"

namespace {

const char kBanner[] =
    "\n56420BMP.EXE Version 1.02  [HAL 1.06]\n"
    "Bitmap demonstration for the QLC56420 LCD controller.\n"
    "Copyright (c) QLC56420 Configuration Tools.\n"
    "All rights reserved.\n"
    "\n"
    "Register Start Addr:       Configured by system\n"
    "Display Memory Start Addr: Configured by system\n";

const char kUsage[] =
    "Usage:   56420BMP bmpfile1 [bmpfile2] [ds=n | ds=?] [move=n]\n"
    "         [/noinit] [/r90 | /r180 | r270] [/v] [/?]\n"
    "   bmpfile1    BMP image used for the main window\n"
    "   bmpfile2    BMP image used for the sub-window\n"
    "                 If bmpfile2 not given, bmpfile1 is used for the sub-window.\n"
    "   ds=n        select predefined display surfaces\n"
    "   ds=?        show available display surfaces\n"
    "   move=n      automatically move sub-window for n seconds\n"
    "               (to move forever, use move=-1)\n"
    "   /noinit     skips register initialization\n"
    "   /r90        Rotara 90 degree rotation  (for LCD)\n"
    "   /r180       Rotara 180 degree rotation (for LCD)\n"
    "   /r270       Rotara 270 degree rotation (for LCD)\n"
    "   /v          verbose mode\n"
    "   /?          display help message\n"
    "Command line arguments in [] are optional.\n";

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Windows upper-cases file names before it uses them.
std::string ShownName(const std::string& path) {
#ifdef _WIN32
  std::string name = path;
  for (char& c : name) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return name;
#else
  return path;
#endif
}

class BmpProgram : public ::testing::Test {
 protected:
  std::string Run(const std::string& arguments, int* status, const std::string& program = "") {
    std::string output;
    *status = RunBmpProgram(program.empty() ? BuiltBmpProgram() : program, arguments,
                            dir.File("board"), &output);
    return output;
  }
  std::string Picture(const std::string& name, int width, int height, int depth,
                      uint32_t seed = 1) {
    std::string path = dir.File(name);
    EXPECT_TRUE(WriteFileBytes(path, EncodeTestBmp(MakeTestPicture(width, height, depth, seed))));
    return path;
  }
  TempDir dir;
};

TEST_F(BmpProgram, UsageTextWithExitCodes) {
  int status;
  EXPECT_EQ(std::string(kBanner) + kUsage, Run("", &status)) << "no argument";
  EXPECT_EQ(1, status);
  EXPECT_EQ(std::string(kBanner) + kUsage, Run("/?", &status));
  EXPECT_EQ(0, status);
  EXPECT_EQ(std::string(kBanner) + kUsage, Run("-?", &status));
  EXPECT_EQ(0, status);
  EXPECT_EQ(std::string(kBanner) + kUsage, Run("a.bmp -x", &status)) << "unknown option";
  EXPECT_EQ(1, status);
  EXPECT_EQ(std::string(kBanner) + kUsage, Run("a.bmp b.bmp c.bmp", &status)) << "third file";
  EXPECT_EQ(1, status);
  EXPECT_EQ(std::string(kBanner) + kUsage, Run("/v", &status)) << "no file";
  EXPECT_EQ(1, status);
  EXPECT_EQ(std::string(kBanner) + kUsage, Run("a.bmp /v /v /v /v /v /v /v", &status))
      << "nine arguments";
  EXPECT_EQ(1, status);
}

TEST_F(BmpProgram, SurfaceTableAndDsErrorComeBeforeAnyChipAccess) {
  int status;
  EXPECT_EQ(std::string(kBanner) +
                "\n   ds=   |  Surface 0       Surface 1\n"
                "--------------------------------------\n"
                "    0    | MAIN WINDOW         ---\n"
                "    1    | MAIN&SUB-WINDOW     ---\n"
                "    2    | MAIN WINDOW      SUB-WINDOW\n",
            Run("DS=?", &status));
  EXPECT_EQ(0, status);
  EXPECT_EQ(std::string(kBanner) + "\nERROR: Invalid number for ds= option.\n",
            Run("a.bmp ds=3", &status));
  EXPECT_EQ(1, status);
  EXPECT_FALSE(FileExists(dir.File("board")));
}

TEST_F(BmpProgram, WithoutABoardTheDriverIsMissing) {
  std::string output;
  int status = RunBmpProgram(BuiltBmpProgram(), Picture("a.bmp", 8, 8, 8), "", &output);
  EXPECT_EQ(std::string(kBanner) + "ERROR: PCI driver not found.\n", output);
  EXPECT_EQ(1, status);
}

TEST_F(BmpProgram, MissingAndInvalidFiles) {
  int status;
  std::string missing = dir.File("missing.bmp");
  std::string output = Run(missing, &status);
  EXPECT_TRUE(Contains(
      output, "\nERROR: Failed to open BMP file:'" + ShownName(missing) + "'\n" + kBanner + kUsage))
      << output;
  EXPECT_EQ(1, status);

  std::string text = dir.File("text.bmp");
  ASSERT_TRUE(WriteFileBytes(text, "BM but nothing else"));
  output = Run(text, &status);
  EXPECT_TRUE(Contains(output, "\nERROR: '" + ShownName(text) + "' is not a valid bitmap file.\n"));
  EXPECT_EQ(1, status);
  std::string bad = EncodeTestBmp(MakeTestPicture(8, 8, 8, 1));
  bad[28] = 32;  // 32 bits per pixel
  ASSERT_TRUE(WriteFileBytes(text, bad));
  output = Run(text, &status);
  EXPECT_TRUE(Contains(output, "\nERROR: '" + ShownName(text) + "' is not a valid bitmap file.\n"));
  EXPECT_EQ(1, status);
}

TEST_F(BmpProgram, TruncatedRunLengthDataIsRefusedAndNothingIsDrawn) {
  TestBmpLayout rle;
  rle.runLength = true;
  std::string file = EncodeTestBmp(MakeTestPicture(64, 32, 8, 5), rle);
  size_t data = static_cast<uint8_t>(file[10]) | static_cast<uint8_t>(file[11]) << 8;
  file = file.substr(0, data) + std::string("\x00\x0A\x01\x02\x03", 5);  // 10 bytes announced
  std::string path = dir.File("cut.bmp");
  ASSERT_TRUE(WriteFileBytes(path, file));
  int status;
  std::string output = Run(path, &status);
  EXPECT_TRUE(Contains(output, "\nERROR: '" + ShownName(path) + "' is not a valid bitmap file.\n"));
  EXPECT_EQ(1, status);
  PanelImage panel = RenderBoard(dir.File("board"));
  ASSERT_EQ(320u * 240u, panel.pixels.size());
  for (uint32_t pixel : panel.pixels) ASSERT_EQ(0u, pixel);
}

// About 1 KB of run-length data cannot hold a picture 2147483647 pixels
// wide or high: refused at once, as the one file or as the second.
TEST_F(BmpProgram, RunLengthPicturesLargerThanTheirDataAreRefused) {
  TestBmpLayout rle;
  rle.runLength = true;
  std::string good = EncodeTestBmp(MakeTestPicture(32, 16, 8, 6), rle);
  ASSERT_LT(good.size(), 2000u);
  for (size_t field : {size_t{18}, size_t{22}}) {
    std::string file = good;
    for (int i = 0; i < 4; ++i) file[field + i] = i == 3 ? '\x7F' : '\xFF';
    std::string path = dir.File("huge.bmp");
    ASSERT_TRUE(WriteFileBytes(path, file));
    int status;
    std::string output = Run(path, &status);
    EXPECT_TRUE(
        Contains(output, "\nERROR: '" + ShownName(path) + "' is not a valid bitmap file.\n"))
        << output;
    EXPECT_EQ(1, status);
    output = Run(Picture("small.bmp", 16, 16, 8) + " " + path, &status);
    EXPECT_TRUE(
        Contains(output, "\nERROR: '" + ShownName(path) + "' is not a valid bitmap file.\n"))
        << output;
    EXPECT_EQ(1, status);
  }
}

TEST_F(BmpProgram, VerboseReportAndSurfaceReport) {
  int status;
  std::string output = Run(Picture("a.bmp", 20, 10, 8) + " /v /R180", &status);
  EXPECT_EQ(0, status);
  EXPECT_TRUE(Contains(output,
                       "\nDisplay Surface: 0=MAIN WINDOW, 1=NONE\nRotara Mode: ROTARA 180 DEGREES\n"
                       "Image Size:    20 x 10 x 8 bits-per-pixel\nCompression:   NO\n"))
      << output;
  TestBmpLayout rle;
  rle.runLength = true;
  ASSERT_TRUE(WriteFileBytes(dir.File("r.bmp"), EncodeTestBmp(MakeTestPicture(20, 10, 4, 1), rle)));
  output = Run(dir.File("r.bmp") + " -v ds=1", &status);
  EXPECT_EQ(0, status);
  EXPECT_TRUE(Contains(output,
                       "\nDisplay Surface: 0=MAIN WINDOW & SUB-WINDOW, 1=NONE\n"
                       "Rotara Mode: LANDSCAPE\n"
                       "Image Size:    20 x 10 x 4 bits-per-pixel\nCompression:   YES\n"))
      << output;
}

TEST_F(BmpProgram, TwoFilesMustShareTheirDepthWith24CountingAs16) {
  int status;
  std::string eight = Picture("eight.bmp", 16, 16, 8), four = Picture("four.bmp", 16, 16, 4);
  std::string output = Run(eight + " " + four, &status);
  EXPECT_TRUE(Contains(output,
                       "ERROR: bmpfile1 and bmpfile2 must have the same bits-per-pixel mode.\n"
                       "       " +
                           ShownName(eight) + " has 8 bpp, and " + ShownName(four) +
                           " has 4 bpp.\n"))
      << output;
  EXPECT_EQ(1, status);

  std::string program = dir.File("small.exe");
  ASSERT_TRUE(MakeConfiguredProgram(program, [](HAL_STRUCT& r) { SetPanelSize(r, 160, 120); }));
  std::string deep = Picture("deep.bmp", 32, 16, 24), high = Picture("high.bmp", 32, 16, 16);
  output = Run(deep + " " + high, &status, program);
  EXPECT_EQ(0, status) << output;
  EXPECT_TRUE(Contains(output, "Display Surface: 0=MAIN WINDOW, 1=SUB-WINDOW\n")) << output;
}

TEST_F(BmpProgram, DifferentColourTablesAreReported) {
  int status;
  std::string one = Picture("one.bmp", 32, 16, 8, 1), two = Picture("two.bmp", 32, 16, 8, 2);
  std::string output = Run(one + " " + two, &status);
  EXPECT_EQ(0, status);
  EXPECT_TRUE(Contains(output, "WARNING: " + ShownName(one) + " and " + ShownName(two) +
                                   " use different Look-Up Tables (LUT).\n"
                                   "         The LUT from " +
                                   ShownName(two) + " will be used for both files.\n"))
      << output;
}

TEST_F(BmpProgram, SixteenBitsDoNotFitTheDefaultPanel) {
  int status;
  std::string output = Run(Picture("deep.bmp", 32, 16, 24), &status);
  EXPECT_TRUE(Contains(output,
                       "\nERROR: Could not change to 16 bits-per-pixel.\n"
                       "       Check if there is sufficient memory for image(s).\n"))
      << output;
  EXPECT_EQ(1, status);
}

TEST_F(BmpProgram, PatchedRecordIsWhatTheProgramUses) {
  int status;
  std::string picture = Picture("a.bmp", 16, 16, 8);
  std::string program = dir.File("patched.exe");
  ASSERT_TRUE(MakeConfiguredProgram(program, [](HAL_STRUCT& r) {
    r.RegAddr = 0x00123400;
    r.DispMemAddr = 0xFEDC0000;
    SetPanelSize(r, 160, 96);
  }));
  std::string output = Run(picture, &status, program);
  EXPECT_EQ(0, status) << output;
  EXPECT_TRUE(Contains(output,
                       "Register Start Addr:       00123400\n"
                       "Display Memory Start Addr: FEDC0000\n"))
      << output;
  PanelImage panel = RenderBoard(dir.File("board"));
  EXPECT_EQ(160, panel.width);
  EXPECT_EQ(96, panel.height);

  ASSERT_TRUE(MakeConfiguredProgram(program, [](HAL_STRUCT& r) { r.Flags &= ~fVALID_LCD; }));
  output = Run(picture, &status, program);
  EXPECT_TRUE(Contains(output,
                       "\nERROR: Program not configured for LCD."
                       "\n       Run 56420CFG and configure for LCD.\n"))
      << output;
  EXPECT_EQ(1, status);
}

TEST_F(BmpProgram, ClockWarningsAndErrors) {
  int status;
  std::string picture = Picture("a.bmp", 16, 16, 8);
  std::string program = dir.File("clocks.exe");
  ASSERT_TRUE(MakeConfiguredProgram(program, [](HAL_STRUCT& r) { r.ClkI = 12345; }));
  std::string output = Run(picture, &status, program);
  EXPECT_TRUE(Contains(output,
                       "WARNING: CLKI frequency not in HAL table.\n"
                       "         Program assumes that external oscillator is used.\n"));
  EXPECT_EQ(0, status);
  ASSERT_TRUE(MakeConfiguredProgram(program, [](HAL_STRUCT& r) { r.ClkI2 = 12345; }));
  output = Run(picture, &status, program);
  EXPECT_TRUE(Contains(output,
                       "WARNING: CLKI2 frequency not in HAL table.\n"
                       "         Program assumes that external oscillator is used.\n"));
  EXPECT_EQ(0, status);
  ASSERT_TRUE(MakeConfiguredProgram(program, [](HAL_STRUCT& r) { r.BusClk = 1000; }));
  output = Run(picture + " /r90", &status, program);
  EXPECT_TRUE(Contains(output, "\nERROR: Clocks not configured for Rotara 90 mode.\n")) << output;
  EXPECT_EQ(1, status);
}

TEST_F(BmpProgram, MotionStopsWhenTheSubWindowFillsTheDisplay) {
  int status;
  std::string output = Run(Picture("a.bmp", 16, 16, 8) + " move=5", &status);
  EXPECT_TRUE(Contains(output, "Display Surface: 0=MAIN WINDOW & SUB-WINDOW, 1=NONE\n"));
  EXPECT_TRUE(Contains(output, "WARNING: The sub-window fills the display; it cannot be moved.\n"))
      << output;
  EXPECT_EQ(0, status);
  output = Run(dir.File("a.bmp") + " move=-1", &status);  // ds=0: nothing moves
  EXPECT_TRUE(Contains(output, "Display Surface: 0=MAIN WINDOW, 1=NONE\n"));
  EXPECT_EQ(0, status);
}

TEST_F(BmpProgram, MoveOneMakesTwoMovesAndKeepsTheSubWindowSize) {
  std::string program = dir.File("moving.exe");
  ASSERT_TRUE(MakeConfiguredProgram(program, [](HAL_STRUCT& r) {
    SetRecordRegister(r, 0x84, 20);  // words 20..39, lines 60..119 at 8 bits
    SetRecordRegister(r, 0x8C, 39);
    SetRecordRegister(r, 0x88, 60);
    SetRecordRegister(r, 0x90, 119);
  }));
  int status;
  std::string output = Run(Picture("a.bmp", 64, 64, 8) + " move=1", &status, program);
  EXPECT_EQ(0, status) << output;
  std::string board = dir.File("board");
  EXPECT_TRUE(FileExists(board + "/panel-0001.png"));
  EXPECT_TRUE(FileExists(board + "/panel-0002.png"));
  EXPECT_FALSE(FileExists(board + "/panel-0003.png"));
  EXPECT_EQ(19u, BoardRegister16(board, 0x8C) - BoardRegister16(board, 0x84));
  EXPECT_EQ(59u, BoardRegister16(board, 0x90) - BoardRegister16(board, 0x88));
  EXPECT_EQ(0x10u, BoardRegister16(board, 0x71) & 0x10) << "the sub-window is on";
}

TEST_F(BmpProgram, NoInitKeepsTheChipAndRefusesASubWindowWithoutBuffer) {
  int status;
  std::string picture = Picture("a.bmp", 32, 16, 8);
  Run(picture + " /r270", &status);
  ASSERT_EQ(0, status);
  std::string output = Run(picture + " " + picture + " /noinit", &status);
  EXPECT_TRUE(Contains(output,
                       "Display Surface: 0=MAIN WINDOW, 1=SUB-WINDOW\n"
                       "Rotara Mode: ROTARA 270 DEGREES\n"))
      << output;
  EXPECT_TRUE(Contains(output, "WARNING: The sub-window has no buffer (/noinit); '" +
                                   ShownName(picture) + "' is not drawn.\n"))
      << output;
  EXPECT_EQ(0, status);
}

TEST_F(BmpProgram, SamplePictureShowsOnTheDefaultPanel) {
  std::string sample = dir.File("sample.bmp");
  std::string tool = BuiltBmpProgram();
  tool = tool.substr(0, tool.find_last_of("/\\") + 1) + "make_sample_bmp";
  ASSERT_EQ(0, RunCommand(tool + " " + sample + " 320 240 8"));
  int status;
  Run(sample, &status);
  ASSERT_EQ(0, status);
  PanelImage panel = RenderBoard(dir.File("board"));
  ASSERT_EQ(320, panel.width);
  EXPECT_EQ(0xFFFFFFu, panel.pixels[0]) << "white bar at the left";
  EXPECT_EQ(0x0000FFu, panel.pixels[100 * 320 + 6 * 40 + 20]) << "blue bar";
  EXPECT_EQ(0x000000u, panel.pixels[239 * 320]) << "ramp starts black";
  EXPECT_EQ(0xFFFFFFu, panel.pixels[239 * 320 + 319]) << "and ends white";
}

TEST_F(BmpProgram, PanelPngHoldsThePicture) {
#ifdef _WIN32
  GTEST_SKIP() << "ImageMagick runs on the build host only";
#endif
  if (!HaveProgram("convert")) GTEST_SKIP() << "ImageMagick is not installed";
  int status;
  Run(Picture("a.bmp", 100, 50, 8), &status);
  ASSERT_EQ(0, status);
  std::string png = dir.File("board") + "/panel.png";
  std::string rgb = CommandOutput("convert '" + png + "' -depth 8 rgb:-", &status);
  PanelImage panel = RenderBoard(dir.File("board"));
  ASSERT_EQ(panel.pixels.size() * 3, rgb.size());
  for (size_t i = 0; i < panel.pixels.size(); ++i) {
    uint32_t shown = static_cast<uint8_t>(rgb[3 * i]) << 16 |
                     static_cast<uint8_t>(rgb[3 * i + 1]) << 8 |
                     static_cast<uint8_t>(rgb[3 * i + 2]);
    ASSERT_EQ(panel.pixels[i], shown) << i;
  }
}

}  // namespace
