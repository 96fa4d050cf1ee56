// The preview shows the pixels 56420BMP leaves on a virtual board, turns
// its test card with the record's rotation, and gives a reason instead of a
// picture for records the chip cannot show.
#include "preview/panel_preview.h"

#include <gtest/gtest.h>

#include <string>

#include "common/default_record.h"
#include "tests/bmp/program_runner.h"
#include "tests/bmp/test_bitmaps.h"
#include "tests/support/temp_dir.h"

namespace {

const char* const kRotationOptions[4] = {"", " /r90", " /r180", " /r270"};

HAL_STRUCT PanelRecord(uint32_t width, uint32_t height, unsigned rotation, unsigned depthCode) {
  HAL_STRUCT record = QLC_DEFAULT_HAL_STRUCT;
  SetPanelSize(record, width, height);
  SetRecordRegister(record, 0x71, rotation);
  SetRecordRegister(record, 0x70, depthCode);
  return record;
}

struct BoardCase {
  uint32_t panelWidth, panelHeight;
  unsigned rotation;
  int pictureWidth, pictureHeight, pictureDepth;
  bool runLength;
};

TEST(PanelPreview, ShowsThePixels56420BmpLeavesOnTheVirtualBoard) {
  const BoardCase cases[] = {
      {320, 240, 0, 320, 240, 8, false}, {320, 240, 1, 300, 200, 1, false},
      {192, 128, 2, 200, 140, 2, false}, {192, 128, 3, 100, 60, 4, true},
      {160, 120, 0, 170, 90, 16, false}, {160, 120, 1, 160, 120, 24, false},
  };
  TempDir dir;
  int run = 0;
  for (const BoardCase& c : cases) {
    std::string what = std::to_string(c.pictureDepth) + " bpp, rotation " +
                       std::to_string(c.rotation) + ", panel " + std::to_string(c.panelWidth);
    HAL_STRUCT record = PanelRecord(c.panelWidth, c.panelHeight, c.rotation, 3);
    std::string program = dir.File("program-" + std::to_string(run) + ".exe");
    ASSERT_TRUE(MakeConfiguredProgram(program, [&](HAL_STRUCT& r) { r = record; }));
    TestBmpLayout layout;
    layout.runLength = c.runLength;
    std::string picture = dir.File("picture-" + std::to_string(run) + ".bmp");
    ASSERT_TRUE(WriteFileBytes(
        picture, EncodeTestBmp(MakeTestPicture(c.pictureWidth, c.pictureHeight, c.pictureDepth,
                                               static_cast<uint32_t>(run)),
                               layout)));
    std::string board = dir.File("board-" + std::to_string(run++));
    std::string output;
    ASSERT_EQ(RunBmpProgram(program, HostPath(picture) + kRotationOptions[c.rotation],
                            HostPath(board), &output),
              0)
        << what << "\n"
        << output;

    PanelPreview preview = BuildPanelPreview(record, picture);
    ASSERT_TRUE(preview.shown) << what << ": " << preview.reason;
    PanelImage shown = RenderBoard(board);
    EXPECT_EQ(preview.image.width, shown.width) << what;
    EXPECT_EQ(preview.image.height, shown.height) << what;
    EXPECT_TRUE(preview.image.pixels == shown.pixels) << what;
  }
}

// The same card at 90 degrees on a panel of the other orientation: the
// display has the same size, so the panel shows the card turned. The card
// differs from its mirror image and from itself turned by 180 degrees.
TEST(PanelPreview, TestCardAtNinetyDegreesIsTheCardTurned) {
  const int width = 160, height = 120;
  for (unsigned depthCode = 0; depthCode <= 4; ++depthCode) {
    PanelPreview upright = BuildPanelPreview(PanelRecord(width, height, 0, depthCode));
    PanelPreview turned = BuildPanelPreview(PanelRecord(height, width, 1, depthCode));
    ASSERT_TRUE(upright.shown && turned.shown) << upright.reason << turned.reason;
    ASSERT_EQ(turned.image.width, height);
    bool same = true, mirrored = true, halfTurned = true;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        uint32_t pixel = upright.image.pixels[static_cast<size_t>(y * width + x)];
        same &= turned.image.pixels[static_cast<size_t>((width - 1 - x) * height + y)] == pixel;
        mirrored &= upright.image.pixels[static_cast<size_t>(y * width + width - 1 - x)] == pixel;
        halfTurned &=
            upright.image.pixels[static_cast<size_t>((height - 1 - y) * width + width - 1 - x)] ==
            pixel;
      }
    }
    EXPECT_TRUE(same) << "depth code " << depthCode;
    EXPECT_FALSE(mirrored) << "depth code " << depthCode;
    EXPECT_FALSE(halfTurned) << "depth code " << depthCode;
  }
}

struct RefusedCase {
  const char* what;
  void (*edit)(HAL_STRUCT& record);
  const char* reason;
};

TEST(PanelPreview, RecordsTheChipCannotShowGiveTheReasonAndNoPicture) {
  const RefusedCase cases[] = {
      {"1024 pixels at 16 bpp",
       [](HAL_STRUCT& r) {
         SetRecordRegister(r, 0x14, 0x7F);
         SetRecordRegister(r, 0x70, 4);
       },
       "Not enough display memory: the main window needs 491520 bytes, the chip has 81920."},
      {"pixel clock beyond the memory clock",
       [](HAL_STRUCT& r) {
         r.BusClk = 6000;
         SetRecordRegister(r, 0x05, 0x02);
       },
       "The memory clock (6.000 MHz) is too slow for the pixel clock (50.000 MHz) at 8 bpp, "
       "0 degrees."},
      {"zero height",
       [](HAL_STRUCT& r) {
         SetRecordRegister(r, 0x1C, 0xFF);
         SetRecordRegister(r, 0x1D, 0xFF);
       },
       "The panel height registers REG[1Ch]/REG[1Dh] hold FFFFh: a height of 0 or more than the "
       "chip's 1024 lines."},
      {"width beyond the chip's", [](HAL_STRUCT& r) { SetRecordRegister(r, 0x14, 0x80); },
       "The panel width register REG[14h] holds 80h: more than the chip's 1024 pixels."},
      {"no line offset",
       [](HAL_STRUCT& r) {
         SetRecordRegister(r, 0x78, 0);
         SetRecordRegister(r, 0x79, 0);
       },
       "The main window's line offset REG[78h]/REG[79h] is 0: no display memory is laid out for "
       "it."},
      {"not an LCD", [](HAL_STRUCT& r) { r.Flags = 0; },
       "The record is not configured for an LCD (fVALID_LCD is not set)."},
  };
  for (const RefusedCase& c : cases) {
    HAL_STRUCT record = QLC_DEFAULT_HAL_STRUCT;
    c.edit(record);
    PanelPreview preview = BuildPanelPreview(record);
    EXPECT_FALSE(preview.shown) << c.what;
    EXPECT_EQ(preview.reason, c.reason) << c.what;
    EXPECT_TRUE(preview.image.pixels.empty()) << c.what;
  }
}

TEST(PanelPreview, PicturesThatCannotBeShownGiveTheReason) {
  TempDir dir;
  std::string missing = dir.File("missing.bmp"), text = dir.File("text.bmp");
  ASSERT_TRUE(WriteFileBytes(text, "BM is not enough"));
  const HAL_STRUCT record = QLC_DEFAULT_HAL_STRUCT;
  EXPECT_EQ(BuildPanelPreview(record, missing).reason,
            "The picture \"" + missing + "\" cannot be opened.");
  EXPECT_EQ(
      BuildPanelPreview(record, text).reason,
      "\"" + text + "\" is not a bitmap that can be shown (1, 4, 8, 16 or 24 bits per pixel).");
}

// The board's synthesizer lacks the clock: 56420BMP warns and shows the
// picture, and so does the preview.
TEST(PanelPreview, ClockOutsideTheSynthesizersTableIsANote) {
  HAL_STRUCT record = QLC_DEFAULT_HAL_STRUCT;
  record.ClkI = 12345;
  PanelPreview preview = BuildPanelPreview(record);
  EXPECT_TRUE(preview.shown) << preview.reason;
  ASSERT_EQ(preview.notes.size(), 1u);
  EXPECT_EQ(preview.notes[0],
            "CLKI of 12.345 MHz is not in the synthesizer's table: an external oscillator is "
            "assumed.");
}

}  // namespace
