// What the panel shows after a run: turned back by the rotation, it is the
// bitmap as the chip can show it (LUT colours, 5-6-5 for 24 bits), clipped at
// the display's edges, with the sub-window where the registers place it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "tests/bmp/program_runner.h"
#include "tests/bmp/test_bitmaps.h"
#include "tests/support/temp_dir.h"

namespace {

// A panel whose lines and sub-window positions fall on whole words at
// every depth, and large enough for a 16-bit main window.
const uint32_t kPanelWidth = 192, kPanelHeight = 128;
const int kMainWidth = 200, kMainHeight = 140;  // larger than the display both ways
const int kSubWidth = 64, kSubHeight = 32;
const char* const kRotationOptions[4] = {"", " /r90", " /r180", " /r270"};

struct Format {
  const char* name;
  int depth;
  TestBmpLayout layout;
};

Format Plain(const char* name, int depth) {
  return {name, depth, {}};
}
Format Layout(const char* name, int depth, bool runLength, bool topDown, bool bitFields,
              uint32_t infoSize) {
  Format f{name, depth, {}};
  f.layout.runLength = runLength;
  f.layout.topDown = topDown;
  f.layout.bitFields = bitFields;
  f.layout.infoSize = infoSize;
  return f;
}

struct UserRect {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // ends exclusive
  bool Holds(int x, int y) const { return x >= x1 && x < x2 && y >= y1 && y < y2; }
};

// The panel pixel that shows user pixel (x, y) of a width x height display.
size_t PanelIndex(const PanelImage& panel, int rotation, int width, int height, int x, int y) {
  int px = x, py = y;
  if (rotation == 1) {
    px = y;
    py = width - 1 - x;
  } else if (rotation == 2) {
    px = width - 1 - x;
    py = height - 1 - y;
  } else if (rotation == 3) {
    px = height - 1 - y;
    py = x;
  }
  return static_cast<size_t>(py) * panel.width + px;
}

// The sub-window from the chip's registers, in user coordinates.
UserRect SubWindowOf(const std::string& board, int rotation, int width, int height) {
  UserRect r;
  if (!(BoardRegister16(board, 0x71) & 0x10)) return r;
  uint32_t depthCode = BoardRegister16(board, 0x70) & 7;
  int perWord = 32 >> (depthCode > 4 ? 3 : depthCode);
  int xs = static_cast<int>(BoardRegister16(board, 0x84)),
      ys = static_cast<int>(BoardRegister16(board, 0x88));
  int xe = static_cast<int>(BoardRegister16(board, 0x8C)) + 1;
  int ye = static_cast<int>(BoardRegister16(board, 0x90)) + 1;
  // Panel rectangle: along the chip's lines in words.
  int left = xs, top = ys, right = xe, bottom = ye;
  if (rotation & 1) {
    top *= perWord;
    bottom *= perWord;
  } else {
    left *= perWord;
    right *= perWord;
  }
  switch (rotation) {
    case 0:
      r = {left, top, right, bottom};
      break;
    case 1:
      r = {width - bottom, left, width - top, right};
      break;
    case 2:
      r = {width - right, height - bottom, width - left, height - top};
      break;
    default:
      r = {top, height - right, bottom, height - left};
      break;
  }
  return r;
}

class PanelPicture : public ::testing::Test {
 protected:
  void SetUp() override { UsePanel(kPanelWidth, kPanelHeight); }

  // The program configured for a width x height panel.
  void UsePanel(uint32_t width, uint32_t height) {
    panelWidth = width;
    panelHeight = height;
    program = dir.File("panel-" + std::to_string(width) + "x" + std::to_string(height) + ".exe");
    ASSERT_TRUE(
        MakeConfiguredProgram(program, [=](HAL_STRUCT& r) { SetPanelSize(r, width, height); }));
  }

  std::string Write(const std::string& name, const TestPicture& picture,
                    const TestBmpLayout& layout) {
    std::string path = dir.File(name);
    EXPECT_TRUE(WriteFileBytes(path, EncodeTestBmp(picture, layout)));
    return path;
  }

  // Runs the program and compares the panel with main (and sub, drawn into
  // the sub-window; null: no sub-window is looked at). pictureOnly leaves out
  // what lies past the picture (its colour depends on a colour table the
  // test does not know).
  void Check(const std::string& arguments, int rotation, const TestPicture& main,
             const TestPicture* sub, const std::string& what, bool pictureOnly = false) {
    std::string board = NewBoard();
    Run(arguments, board, what);
    Compare(board, rotation, main, sub, what, pictureOnly);
  }

  // The same for a sub-window that shows the main window's memory (ds=1):
  // it must be on.
  void CheckShared(const std::string& arguments, int rotation, const TestPicture& main,
                   const std::string& what) {
    std::string board = NewBoard();
    Run(arguments, board, what);
    CompareShared(board, rotation, main, what);
  }
  void CompareShared(const std::string& board, int rotation, const TestPicture& main,
                     const std::string& what) {
    EXPECT_TRUE(BoardRegister16(board, 0x71) & 0x10) << what << ": the sub-window is off";
    Compare(board, rotation, main, &main, what, false, true);
  }

  std::string NewBoard() { return dir.File("board-" + std::to_string(runs++)); }

  void Run(const std::string& arguments, const std::string& board, const std::string& what) {
    std::string output;
    int status = RunBmpProgram(program, arguments, board, &output);
    ASSERT_EQ(0, status) << what << "\n" << output;
  }

  // The panel of the board: sub (null: none) in the sub-window, main around
  // it. A shared sub-window starts its scan at the main window's start
  // address, so it shows the main picture from the corner where the chip's
  // scan starts: top left at 0 degrees, top right at 90, bottom right at 180,
  // bottom left at 270.
  void Compare(const std::string& board, int rotation, const TestPicture& main,
               const TestPicture* sub, const std::string& what, bool pictureOnly = false,
               bool shared = false) {
    PanelImage panel = RenderBoard(board);
    ASSERT_EQ(static_cast<int>(panelWidth), panel.width) << what;
    ASSERT_EQ(static_cast<int>(panelHeight), panel.height) << what;
    int width = (rotation & 1) ? panel.height : panel.width;
    int height = (rotation & 1) ? panel.width : panel.height;
    UserRect window = sub ? SubWindowOf(board, rotation, width, height) : UserRect();
    const TestPicture& lut = sub ? *sub : main;
    int wrong = 0;
    std::string first;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        uint32_t expected;
        int mx = x, my = y;  // the main picture's pixel shown here
        if (window.Holds(x, y) && !shared) {
          int sx = x - window.x1, sy = y - window.y1;
          if (sx >= sub->width || sy >= sub->height) continue;  // past the sub image
          expected = ShownColour(lut, sub->At(sx, sy));
        } else {
          if (window.Holds(x, y)) {
            mx = (rotation == 1 || rotation == 2) ? width - (window.x2 - x) : x - window.x1;
            my = rotation >= 2 ? height - (window.y2 - y) : y - window.y1;
          }
          bool inside = mx < main.width && my < main.height;
          if (!inside && pictureOnly) continue;
          expected = ShownColour(lut, inside ? main.At(mx, my) : 0);
        }
        uint32_t shown = panel.pixels[PanelIndex(panel, rotation, width, height, x, y)];
        if (shown != expected && wrong++ == 0) {
          char text[96];
          snprintf(text, sizeof text, "first at (%d, %d): shown %06X, expected %06X", x, y, shown,
                   expected);
          first = text;
        }
      }
    }
    EXPECT_EQ(0, wrong) << what << ": " << first;
  }

  TempDir dir;
  std::string program;
  uint32_t panelWidth = 0, panelHeight = 0;
  int runs = 0;
};

const Format kFormats[] = {
    Plain("1-bit", 1),
    Plain("2-bit", 2),
    Plain("4-bit", 4),
    Layout("4-bit RLE", 4, true, false, false, 40),
    Plain("8-bit", 8),
    Layout("8-bit RLE", 8, true, false, false, 40),
    Layout("8-bit V5 header", 8, false, false, false, 124),
    Plain("16-bit", 16),
    Layout("16-bit bit fields", 16, false, false, true, 108),
    Plain("24-bit", 24),
    Layout("24-bit top-down", 24, false, true, false, 40),
};

TEST_F(PanelPicture, OneFileInEachRotationAlone) {
  for (const Format& format : kFormats) {
    TestPicture main = MakeTestPicture(kMainWidth, kMainHeight, format.depth, 11);
    std::string file = Write("main.bmp", main, format.layout);
    for (int rotation = 0; rotation < 4; ++rotation)
      Check(file + " ds=0" + kRotationOptions[rotation], rotation, main, nullptr,
            std::string(format.name) + " rotation " + std::to_string(rotation));
  }
}

TEST_F(PanelPicture, SharedSubWindowShowsTheMainPicture) {
  for (const Format& format : kFormats) {
    TestPicture main = MakeTestPicture(kMainWidth, kMainHeight, format.depth, 12);
    std::string file = Write("main.bmp", main, format.layout);
    for (int rotation = 0; rotation < 4; ++rotation)
      CheckShared(file + " ds=1" + kRotationOptions[rotation], rotation, main,
                  std::string(format.name) + " ds=1 rotation " + std::to_string(rotation));
  }
}

// ds=1, given or chosen for one file with move=n: the sub-window is on and
// shows the main window's picture from its top left corner where the
// registers place it, also after it has moved.
TEST_F(PanelPicture, SharedSubWindowIsOnWhereverItIsPlaced) {
  program = dir.File("small-sub-window.exe");
  ASSERT_TRUE(MakeConfiguredProgram(program, [](HAL_STRUCT& r) {
    SetPanelSize(r, kPanelWidth, kPanelHeight);
    SetRecordRegister(r, 0x84, 2);  // words 2..5, lines 3..9: inside the panel at every depth
    SetRecordRegister(r, 0x8C, 5);
    SetRecordRegister(r, 0x88, 3);
    SetRecordRegister(r, 0x90, 9);
  }));
  for (const Format& format : {Plain("1-bit", 1), Plain("4-bit", 4), Plain("8-bit", 8),
                               Plain("16-bit", 16), Plain("24-bit", 24)}) {
    TestPicture main = MakeTestPicture(kMainWidth, kMainHeight, format.depth, 22);
    std::string file = Write("main.bmp", main, format.layout);
    for (int rotation = 0; rotation < 4; ++rotation) {
      CheckShared(file + " ds=1" + kRotationOptions[rotation], rotation, main,
                  std::string(format.name) + " ds=1 rotation " + std::to_string(rotation));
    }
  }
  TestPicture main = MakeTestPicture(kMainWidth, kMainHeight, 8, 23);
  std::string file = Write("main.bmp", main, {});
  std::string board = NewBoard();
  Run(file + " move=1", board, "move=1");
  EXPECT_TRUE(FileExists(board + "/panel-0002.png")) << "move=1: two moves";
  CompareShared(board, 0, main, "move=1");
}

TEST_F(PanelPicture, SecondFileInTheCentredSubWindow) {
  for (const Format& format : kFormats) {
    TestPicture main = MakeTestPicture(kMainWidth, kMainHeight, format.depth, 13);
    TestPicture sub = MakeTestPicture(kSubWidth, kSubHeight, format.depth, 14);
    sub.palette = main.palette;
    std::string first = Write("main.bmp", main, format.layout);
    std::string second = Write("sub.bmp", sub, format.layout);
    for (int rotation = 0; rotation < 4; ++rotation)
      Check(first + " " + second + kRotationOptions[rotation], rotation, main, &sub,
            std::string(format.name) + " ds=2 rotation " + std::to_string(rotation));
  }
}

TEST_F(PanelPicture, OneFileInBothWindowsWithTheSubWindowInTheMiddle) {
  TestPicture main = MakeTestPicture(kMainWidth, kMainHeight, 8, 15);
  std::string file = Write("main.bmp", main, {});
  for (int rotation = 0; rotation < 4; ++rotation)
    Check(file + " ds=2" + kRotationOptions[rotation], rotation, main, &main,
          "ds=2 one file rotation " + std::to_string(rotation));
}

// At 90 and 270 degrees the sub-window's height runs along the panel's lines,
// counted in pixels: a sub image of 20 lines at 1 and 2 bits per pixel (not
// a whole number of 32 or 16 pixels) shows from its first line.
TEST_F(PanelPicture, SubImageHeightsOfPartWordsAtQuarterTurns) {
  const int kShortHeight = 20;
  for (const Format& format : {Plain("1-bit", 1), Plain("2-bit", 2), Plain("8-bit", 8)}) {
    TestPicture main = MakeTestPicture(kMainWidth, kMainHeight, format.depth, 16);
    TestPicture sub = MakeTestPicture(kSubWidth, kShortHeight, format.depth, 17);
    sub.palette = main.palette;
    std::string first = Write("main.bmp", main, format.layout);
    std::string second = Write("sub.bmp", sub, format.layout);
    for (int rotation : {1, 3})
      Check(first + " " + second + kRotationOptions[rotation], rotation, main, &sub,
            std::string(format.name) + " 20-line sub image rotation " + std::to_string(rotation));
  }
}

// A second picture whose width is no whole number of words shows every
// column in every rotation: the sub-window is widened to whole words, not cut.
TEST_F(PanelPicture, SubImagesOfPartWordsShowEveryColumnInEveryRotation) {
  const int kOddWidth = 123;
  for (const Format& format : {Plain("1-bit", 1), Plain("2-bit", 2), Plain("4-bit", 4),
                               Layout("4-bit RLE", 4, true, false, false, 40), Plain("8-bit", 8)}) {
    TestPicture main = MakeTestPicture(kMainWidth, kMainHeight, format.depth, 24);
    TestPicture sub = MakeTestPicture(kOddWidth, kSubHeight, format.depth, 25);
    sub.palette = main.palette;
    std::string first = Write("main.bmp", main, format.layout);
    std::string second = Write("sub.bmp", sub, format.layout);
    for (int rotation = 0; rotation < 4; ++rotation) {
      std::string what =
          std::string(format.name) + " 123 columns rotation " + std::to_string(rotation);
      std::string board = NewBoard();
      Run(first + " " + second + kRotationOptions[rotation], board, what);
      int width = (rotation & 1) ? kPanelHeight : kPanelWidth;
      int height = (rotation & 1) ? kPanelWidth : kPanelHeight;
      UserRect window = SubWindowOf(board, rotation, width, height);
      EXPECT_GE(window.x2 - window.x1, kOddWidth) << what;
      EXPECT_GE(window.y2 - window.y1, kSubHeight) << what;
      Compare(board, rotation, main, &sub, what);
    }
  }
}

// /noinit on a board left rotated: the main window starts where that
// rotation needs, and the picture shows as the programmed run left it.
TEST_F(PanelPicture, NoInitKeepsTheRotationTheChipHas) {
  for (auto size : {std::make_pair(kPanelWidth, kPanelHeight), std::make_pair(200u, 114u)}) {
    UsePanel(size.first, size.second);
    for (const Format& format : {Plain("1-bit", 1), Plain("8-bit", 8)}) {
      TestPicture main = MakeTestPicture(kMainWidth, kMainHeight, format.depth, 26);
      std::string file = Write("main.bmp", main, format.layout);
      for (int rotation = 0; rotation < 4; ++rotation) {
        std::string what = std::string(format.name) + " /noinit after rotation " +
                           std::to_string(rotation) + " on " + std::to_string(size.first) + "x" +
                           std::to_string(size.second);
        std::string board = NewBoard();
        Run(file + kRotationOptions[rotation], board, what);
        Run(file + " /noinit", board, what);
        Compare(board, rotation, main, nullptr, what);
      }
    }
  }
}

// A 200 x 114 panel: its lines (200 pixels at 1 and 2 bits per pixel; 114,
// turned, at every depth below 16 bits) are lengthened to whole words in
// memory, and the pictures still show whole in every rotation, in the main
// window, shared with the sub-window and in a sub-window of their own (the
// whole display, so also lengthened).
TEST_F(PanelPicture, PaddedLinesShowTheWholePictureInEveryRotation) {
  UsePanel(200, 114);
  for (const Format& format : kFormats) {
    if (format.depth > 8) continue;  // whole words already, and two 16-bit displays do not fit
    TestPicture main = MakeTestPicture(kMainWidth + 16, kMainHeight, format.depth, 18);
    TestPicture sub = MakeTestPicture(kSubWidth, kSubHeight, format.depth, 19);
    sub.palette = main.palette;
    std::string first = Write("main.bmp", main, format.layout);
    std::string second = Write("sub.bmp", sub, format.layout);
    for (int rotation = 0; rotation < 4; ++rotation) {
      std::string name = std::string(format.name) + " rotation " + std::to_string(rotation);
      Check(first + " ds=0" + kRotationOptions[rotation], rotation, main, nullptr, name + " ds=0");
      CheckShared(first + " ds=1" + kRotationOptions[rotation], rotation, main, name + " ds=1");
      Check(first + " " + second + kRotationOptions[rotation], rotation, main, &sub,
            name + " ds=2");
      Check(first + " ds=2" + kRotationOptions[rotation], rotation, main, &main,
            name + " ds=2 one file");
    }
  }
}

// Files the reader did not write itself: ImageMagick's, with its larger
// information headers, run-length 8-bit data and 5-6-5 bit fields.
TEST_F(PanelPicture, FilesMadeByImageMagick) {
#ifdef _WIN32
  GTEST_SKIP() << "ImageMagick runs on the build host only";
#endif
  if (!HaveProgram("convert")) GTEST_SKIP() << "ImageMagick is not installed";
  struct Made {
    const char* options;
    int depth;
  };
  const Made kMade[] = {
      {"-monochrome", 1},
      {"-colors 16 -type Palette", 4},
      {"-colors 200 -type Palette", 8},
      {"-define bmp:subtype=RGB565", 16},
      {"-type TrueColor", 24},
  };
  for (const Made& made : kMade) {
    std::string file = dir.File("made.bmp");
    int status = RunCommand("convert -size 210x150 plasma:fractal -seed 3 " +
                            std::string(made.options) + " '" + file + "'");
    ASSERT_EQ(0, status) << made.options;
    std::string rgb = CommandOutput("convert '" + file + "' -depth 8 rgb:-", &status);
    ASSERT_EQ(210u * 150u * 3u, rgb.size()) << made.options;
    // The picture as the chip can show it: LUT colours as they are, deeper
    // pixels through 5-6-5.
    TestPicture picture;
    picture.width = 210;
    picture.height = 150;
    picture.depth = made.depth <= 8 ? 8 : 24;
    for (size_t i = 0; i < rgb.size(); i += 3) {
      uint32_t colour = static_cast<uint8_t>(rgb[i]) << 16 | static_cast<uint8_t>(rgb[i + 1]) << 8 |
                        static_cast<uint8_t>(rgb[i + 2]);
      // Palette files: every pixel its own LUT colour, shown exactly.
      picture.palette.push_back(colour);
      picture.pixels.push_back(made.depth <= 8 ? static_cast<uint32_t>(i / 3) : colour);
    }
    for (int rotation = 0; rotation < 4; ++rotation)
      Check(file + " ds=0" + kRotationOptions[rotation], rotation, picture, nullptr,
            std::string(made.options) + " rotation " + std::to_string(rotation), true);
  }
}

// Plain 16-bit files hold 5-5-5 colours: the panel shows what ImageMagick
// reads from the same file (through the chip's 5-6-5).
TEST_F(PanelPicture, PlainSixteenBitFilesShowWhatImageMagickReads) {
#ifdef _WIN32
  GTEST_SKIP() << "ImageMagick runs on the build host only";
#endif
  if (!HaveProgram("convert")) GTEST_SKIP() << "ImageMagick is not installed";
  std::string file = Write("plain16.bmp", MakeTestPicture(150, 100, 16, 27), {});
  int status;
  std::string rgb = CommandOutput("convert '" + file + "' -depth 8 rgb:-", &status);
  ASSERT_EQ(150u * 100u * 3u, rgb.size());
  TestPicture read;
  read.width = 150;
  read.height = 100;
  read.depth = 24;
  for (size_t i = 0; i < rgb.size(); i += 3)
    read.pixels.push_back(static_cast<uint8_t>(rgb[i]) << 16 |
                          static_cast<uint8_t>(rgb[i + 1]) << 8 | static_cast<uint8_t>(rgb[i + 2]));
  for (int rotation = 0; rotation < 4; ++rotation)
    Check(file + " ds=0" + kRotationOptions[rotation], rotation, read, nullptr,
          "plain 16-bit rotation " + std::to_string(rotation), true);
}

TEST(PanelPad, OneBitLinesOf321PixelsAt90Degrees) {
  // 90 degrees turns the 321 panel lines into the width: 352 pixels a line in
  // memory, the first 31 hidden.
  TempDir dir;
  std::string program = dir.File("tall.exe");
  ASSERT_TRUE(MakeConfiguredProgram(program, [](HAL_STRUCT& r) { SetPanelSize(r, 160, 321); }));
  TestPicture picture = MakeTestPicture(330, 170, 1, 21);
  std::string file = dir.File("wide.bmp");
  ASSERT_TRUE(WriteFileBytes(file, EncodeTestBmp(picture)));
  std::string output;
  ASSERT_EQ(0, RunBmpProgram(program, file + " /r90", dir.File("board"), &output)) << output;
  PanelImage panel = RenderBoard(dir.File("board"));
  ASSERT_EQ(160, panel.width);
  ASSERT_EQ(321, panel.height);
  int wrong = 0;
  for (int y = 0; y < 160; ++y)
    for (int x = 0; x < 321; ++x) {
      uint32_t expected = ShownColour(picture, y < picture.height ? picture.At(x, y) : 0);
      if (panel.pixels[PanelIndex(panel, 1, 321, 160, x, y)] != expected) ++wrong;
    }
  EXPECT_EQ(0, wrong);
}

}  // namespace
