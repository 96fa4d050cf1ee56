// The built qlccfg's panel timing commands: timing, the dts, modeline and
// paneldef exports and import-timing, on the shipped panels and on broken
// sources, with dtc and ImageMagick checking what they write.
#include <sstream>
#include <string>
#include <vector>

#include "tests/cli/qlccfg_runner.h"

namespace {

// The lines of a text that hold none of the words.
std::string Without(const std::string& text, const std::vector<std::string>& words) {
  std::istringstream lines(text);
  std::string kept, line;
  while (std::getline(lines, line)) {
    bool drop = false;
    for (const std::string& word : words) drop = drop || line.find(word) != std::string::npos;
    if (!drop) kept += line + "\n";
  }
  return kept;
}

class TimingCommandsTest : public ProgramTest {
 protected:
  // The timing and the timing registers of a file, without what the datasheet
  // terms do not carry (data width, colour and the REG[10h] they live in).
  std::string TimingOf(const std::string& file) {
    std::string shown = Without(Qlccfg({"show", file}).out, {"Panel:", "REG[10h]"});
    return Without(Qlccfg({"timing", file, "--json"}).out, {"data-width", "color"}) +
           shown.substr(shown.find("REG[12h]"), shown.find("REG[28h]") - shown.find("REG[12h]"));
  }

  // dtc compiles the node once it stands in a panel's node of a tree.
  void ExpectDtcAccepts(const std::string& node) {
    if (!kLinuxTools || !HaveProgram("dtc")) return;
    WriteFileBytes(
        File("board.dts"),
        "/dts-v1/;\n/ {\n\tpanel {\n\t\tcompatible = \"panel-dpi\";\n" + node + "\t};\n};\n");
    Result dtc = Shell("dtc -q -I dts -O dtb -o board.dtb board.dts");
    EXPECT_EQ(dtc.status, 0) << dtc.err << node;
  }
};

TEST_F(TimingCommandsTest, EveryShippedPanelRoundTripsThroughEachExport) {
  std::string image = MakeImage("image.bin");
  std::istringstream panels(Qlccfg({"panels"}).out);
  std::string line;
  int count = 0;
  while (std::getline(panels, line)) {
    std::string number = std::to_string(++count);
    SCOPED_TRACE(line);
    ASSERT_EQ(Qlccfg({"apply-panel", image, number, "-o", "panel.bin"}).status, 0);
    std::string type = Qlccfg({"timing", "panel.bin"}).out;
    type = type.substr(type.find_first_not_of(' ', type.find("\ntype") + 5));
    type = type.substr(0, type.find('\n'));
    std::string expected = TimingOf("panel.bin");

    ASSERT_EQ(Qlccfg({"export", "paneldef", "panel.bin", "-o", "panel.def"}).status, 0);
    std::string name = ReadFileBytes(File("panel.def"));
    name = name.substr(name.find("PANEL \"") + 7);
    name = name.substr(0, name.find('"'));
    ASSERT_EQ(Qlccfg({"apply-panel", image, name, "--def", "panel.def", "-o", "def.bin"}).status,
              0);
    EXPECT_EQ(Qlccfg({"show", "def.bin"}).out, Qlccfg({"show", "panel.bin"}).out);

    for (const char* kind : {"dts", "modeline"}) {
      Result exported = Qlccfg({"export", kind, "panel.bin", "-o", "source.txt"});
      ASSERT_EQ(exported.status, 0) << exported.err;
      if (std::string(kind) == "dts") ExpectDtcAccepts(ReadFileBytes(File("source.txt")));
      Result imported =
          Qlccfg({"import-timing", image, "source.txt", "--type", type, "-o", "import.bin"});
      ASSERT_EQ(imported.status, 0) << imported.err;
      EXPECT_EQ(TimingOf("import.bin"), expected) << kind;
    }
  }
  EXPECT_EQ(count, 12);
}

TEST_F(TimingCommandsTest, RefusedSourcesLeaveTheFileAsItWas) {
  std::string image = MakeImage("image.bin");
  std::string before = ReadFileBytes(image);
  const std::string vga =
      "clock-frequency = <25000000>; hactive = <640>; vactive = <480>; hfront-porch = <16>;"
      "hback-porch = <48>; vfront-porch = <10>; vback-porch = <33>; vsync-len = <2>;";
  struct Case {
    std::string source;
    const char* error;
  } const cases[] = {
      {"panel-timing {" + vga + "hsync-len = <200>; };",
       "ERROR: hsync-len 200 is more than the 128 pixels FPLINE can be!"},
      {"panel-timing {" + vga + "};", "ERROR: source.dts: the panel-timing node has no hsync-len"},
      {"/ { display-timings { a { }; b { }; }; };",
       "ERROR: source.dts: the display-timings node holds 2 timings and no native-mode"},
      {"", "ERROR: source.dts: the file is empty"},
      {before, "ERROR: source.dts: the file is not a text file (it holds a NUL byte)"},
      {"panel-timing {" + vga + "hsync-len = <96>; hactive = <1024>; };",
       "ERROR: htotal 1184 (hactive + hfront-porch + hsync-len + hback-porch) is more than the "
       "1024 pixels the horizontal total can be!"},
  };
  for (const Case& c : cases) {
    WriteFileBytes(File("source.dts"), c.source);
    Result imported = Qlccfg({"import-timing", image, "source.dts", "--type", "tft"});
    EXPECT_EQ(imported.status, 1);
    EXPECT_EQ(imported.err, std::string(c.error) + "\n");
    EXPECT_TRUE(ReadFileBytes(image) == before) << "the file is unchanged";
  }
}

TEST_F(TimingCommandsTest, SRecordFilesTakeModelinesAndDrawTheirDiagram) {
  REQUIRE_LINUX_TOOLS("srec_cat", "convert");
  MakeImage("image.bin");
  ASSERT_EQ(Shell("srec_cat image.bin -binary -offset 0x20000 -o image.S9").status, 0);
  WriteFileBytes(File("cvt.txt"),
                 "# 320x240 59.52 Hz (CVT) hsync: 15.00 kHz; pclk: 6.00 MHz\n"
                 "Modeline \"320x240_60.00\"  6.25  320 336 368 400  240 243 247 262 -hsync "
                 "+vsync\n");
  Result imported = Qlccfg({"import-timing", "image.S9", "cvt.txt", "--type", "TFT"});
  ASSERT_EQ(imported.status, 0) << imported.err;
  Result timing = Qlccfg({"timing", "image.S9", "--svg", "timing.svg"});
  EXPECT_NE(timing.out.find("hback-porch      32 pixels\nhtotal           400 pixels\n"
                            "hsync-active     low\n"),
            std::string::npos)
      << timing.out;
  EXPECT_NE(timing.out.find("frame rate       59.64 Hz\n"), std::string::npos);
  EXPECT_EQ(Shell("convert timing.svg timing.png").status, 0);
  EXPECT_EQ(ReadFileBytes(File("timing.png")).substr(1, 3), "PNG");
  Result exported = Qlccfg({"export", "dts", "image.S9", "-o", "-"});
  ASSERT_EQ(exported.status, 0);
  ExpectDtcAccepts(exported.out);
}

}  // namespace
