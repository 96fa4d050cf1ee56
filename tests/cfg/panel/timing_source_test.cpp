// Reading a panel's timing from device-tree source and modeline text.
#include "cfg/panel/timing_source.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cfg/panel/timing_source_file.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

namespace {

const char kVgaProperties[] =
    "clock-frequency = <25175000>; hactive = <640>; vactive = <480>;\n"
    "hfront-porch = <16>; hback-porch = <48>; hsync-len = <96>;\n"
    "vfront-porch = <10>; vback-porch = <33>; vsync-len = <2>;\n";

std::string Vga(const std::string& extra = "") {
  return std::string(kVgaProperties) + extra;
}

TEST(TimingSourceTest, TolerantReadersFindTheTiming) {
  struct Case {
    const char* what;
    std::string text;
    int64_t hsync, hback;
    int hsyncActive, vsyncActive;
  } const cases[] = {
      {"a bare node", "panel-timing {" + Vga() + "};", 96, 48, -1, -1},
      {"a board file",
       "// board\n#include <dt-bindings/gpio/gpio.h>\n#define X 1\n/dts-v1/;\n"
       "/ { #address-cells = <1>; model = \"board\", \"b\";\n"
       "  gpio: gpio@0 { gpios = <&gpio 5 GPIO_ACTIVE_LOW>, <(1 + 2)>; data = [00 01]; };\n"
       "  panel { compatible = \"p\"; /* the timing */\n"
       "    t: panel-timing { hsync-active = <0x1>; vsync-active = <0>;" +
           Vga("hsync-len = <0x20>; hback-porch = <40 48 0x40>;") + "};\n  };\n};\n",
       32, 48, 1, 0},
      {"a native mode",
       "/ { display-timings { native-mode = <&m1>; m0: a { hsync-len = <1>; };\n"
       "  m1: b {" +
           Vga() + "}; }; };",
       96, 48, -1, -1},
      {"one timing, no native mode", "/ { display-timings { only {" + Vga() + "}; }; };", 96, 48,
       -1, -1},
      {"cvt's modeline",
       "# 640x480 59.38 Hz (CVT 0.31M3) hsync: 29.69 kHz; pclk: 23.75 MHz\n"
       "Modeline \"640x480_60.00\"   25.175  640 656 752 800  480 490 492 525 -hsync +vsync\n",
       96, 48, 0, 1},
      {"gtf's modeline",
       "\n  # 640x480 @ 60.00 Hz (GTF)\n  ModeLine \"640x480_60.00\"  25.175  640 656 752 800  480 "
       "490 492 525  -HSync +Vsync\n\n",
       96, 48, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TimingSource source;
    std::string error;
    ASSERT_TRUE(ReadTimingSource(c.text, &source, &error)) << error;
    const TimingTerms& t = source.terms;
    EXPECT_EQ(t.pixelClockHz, 25175000u);
    EXPECT_EQ(t.horizontal.active, 640);
    EXPECT_EQ(t.horizontal.frontPorch, 16);
    EXPECT_EQ(t.horizontal.syncLength, c.hsync);
    EXPECT_EQ(t.horizontal.backPorch, c.hback);
    EXPECT_EQ(t.vertical.active, 480);
    EXPECT_EQ(t.vertical.frontPorch, 10);
    EXPECT_EQ(t.vertical.syncLength, 2);
    EXPECT_EQ(t.vertical.backPorch, 33);
    EXPECT_EQ(t.horizontal.syncActive, c.hsyncActive);
    EXPECT_EQ(t.vertical.syncActive, c.vsyncActive);
  }
}

TEST(TimingSourceTest, BrokenSourcesGiveOneClearReason) {
  struct Case {
    std::string text;
    const char* error;
  } const cases[] = {
      {"", "the file is empty"},
      {std::string("\x7f"
                   "ELF\0\x01",
                   6),
       "the file is not a text file (it holds a NUL byte)"},
      {"/ { panel { }; };",
       "the file holds no panel-timing node, display-timings node or X modeline"},
      {"panel-timing { hactive = <640>; };", "the panel-timing node has no clock-frequency"},
      {"panel-timing {" + Vga("hactive = <64O>;") + "};",
       "hactive in the panel-timing node is not a 32-bit number"},
      {"panel-timing {" + Vga("hactive = <0x100000000>;") + "};",
       "hactive in the panel-timing node is not a 32-bit number"},
      {"panel-timing {" + Vga("vsync-len = <1 2>;") + "};",
       "vsync-len in the panel-timing node is not one number or three (min typ max)"},
      {"panel-timing {" + Vga("hactive = \"640\";") + "};",
       "hactive in the panel-timing node is not one number or three (min typ max)"},
      {"panel-timing {" + Vga("hsync-active = <2>;") + "};",
       "hsync-active in the panel-timing node is 2, not 0 or 1"},
      {"display-timings { a {" + Vga() + "}; b {" + Vga() + "}; };",
       "the display-timings node holds 2 timings and no native-mode"},
      {"display-timings { native-mode = <&x>; a {" + Vga() + "}; };",
       "the native-mode of the display-timings node names none of its timings"},
      {"panel-timing {" + Vga() + "}; panel-timing {" + Vga() + "};",
       "2 panel-timing and display-timings nodes; keep the one of the panel to import"},
      {"/* open\npanel-timing {", "line 1: a comment is not closed"},
      {"/ {\n panel-timing {" + Vga() + "};\n", "line 6: expected '}', found the end of the file"},
      {"/ { a = <1> }; };", "line 1: expected ';', found '}'"},
      {std::string(200, '{'), "line 1: expected a node, found '{'"},
      {[] {
         std::string deep;
         for (int i = 0; i < 100; ++i) deep += "a {";
         return deep;
       }(),
       "line 1: nodes nested deeper than 64, found '{'"},
      {"Modeline \"a\" 25.175 640 656 752 800 480 490 492 525\nModeline \"b\" 1 1 1 1 1 1 1 1 1",
       "2 modelines; keep the one of the panel to import"},
      {"Modeline \"a\" 25.175 640 656 752 800 480 490 492",
       "the modeline has 9 words; it needs a "
       "name, the clock and eight numbers"},
      {"Modeline \"a\" 25,175 640 656 752 800 480 490 492 525",
       "the modeline's clock '25,175' is not a number of MHz"},
      {"Modeline \"a\" 25.175 640 656 620 800 480 490 492 525",
       "the modeline's horizontal numbers 640 656 620 800 are not in rising order"},
      {"Modeline \"a\" 25.175 640 656 752 800 480 490 492 525 Interlace",
       "the modeline is interlaced; the panel is scanned progressively, line by line"},
      {"Modeline \"a\" 25.175 640 656 752 800 480 490 492 525 +wsync",
       "the modeline's flag '+wsync' is unknown"},
  };
  for (const Case& c : cases) {
    TimingSource source;
    std::string error;
    EXPECT_FALSE(ReadTimingSource(c.text, &source, &error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

TEST(TimingSourceFileTest, ReadsASmallTextAndSaysWhyOtherFilesAreNoSource) {
  TempDir folder;
  const std::string big = folder.File("big.dts"), empty = folder.File("empty.dts");
  ASSERT_TRUE(WriteFileBytes(folder.File("vga.dts"), "panel-timing {" + Vga() + "};"));
  ASSERT_TRUE(WriteFileBytes(big, std::string((4 << 20) + 1, ' ')));
  ASSERT_TRUE(WriteFileBytes(empty, ""));
  struct Case {
    std::string path, message;
  } const cases[] = {
      {folder.File("vga.dts"), ""},
      {folder.File("none.dts"), "ERROR: open failed on input file " + folder.File("none.dts")},
      {folder.Path(), "ERROR: open failed on input file " + folder.Path()},
      {big, "ERROR: " + big + ": the file is larger than 4 MB, too large for a timing source"},
      {empty, "ERROR: " + empty + ": the file is empty"},
  };
  for (const Case& c : cases) {
    MessageRecorder messages;
    TimingSource source;
    EXPECT_EQ(ReadTimingSourceFile(c.path, &source), c.message.empty()) << c.path;
    EXPECT_EQ(messages.Texts(),
              c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    if (c.message.empty()) {
      EXPECT_EQ(source.terms.horizontal.syncLength, 96);
    }
  }
}

}  // namespace
