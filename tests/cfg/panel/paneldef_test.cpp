// Reading panel definition files: which file, which lines, the fields of a
// PANEL line, rejected panels, broken files and the shipped PANELS.DEF.
#include "cfg/panel/paneldef.h"

#include <stdlib.h>

#include "cfg/panel/matching.h"
#include "tests/cfg/panel/panel_fixture.h"
#include "tests/support/temp_dir.h"

using PanelDefTest = PanelTest;
using Texts = std::vector<std::string>;

// A complete PANEL line: TFT 640x480 unless fields says otherwise.
static std::string PanelLine(const std::string& name, const std::string& fields =
                                                          "TFT 640 480 F 18 F n T F 25175 800 144 "
                                                          "525 35 1 96 L 0 2 L F 160 45") {
  return "PANEL \"" + name + "\" " + fields + "\n";
}

static std::string DefinitionFolder(TempDir& dir, const std::string& panels,
                                    const std::string& debug = std::string()) {
  if (!panels.empty()) WriteFileBytes(dir.File("PANELS.DEF"), panels);
  if (!debug.empty()) WriteFileBytes(dir.File("DEBUG.DEF"), debug);
  return dir.Path();
}

static PanelRecord ParsedLine(const std::string& fields, int32_t lastDecimal = 0) {
  PanelRecord record;
  EXPECT_EQ(ParsePanelLine(("\"P\" " + fields).c_str(), &lastDecimal, &record), kPanelLineOk);
  return record;
}

TEST_F(PanelDefTest, DebugFileIsPreferredOverPanelsFile) {
  TempDir dir;
  PanelList list(QualifyPanel,
                 DefinitionFolder(dir, PanelLine("from panels"), PanelLine("from debug")));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.At(0).Name(), "from debug");
  EXPECT_TRUE(list.FromDebugFile());
  EXPECT_TRUE(list.Loaded());
}

TEST_F(PanelDefTest, NoFileLeavesTheListEmptyAndSilent) {
  TempDir dir;
  PanelList list(QualifyPanel, dir.Path());
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.Loaded());
  EXPECT_TRUE(Messages().empty());
}

TEST_F(PanelDefTest, OnlyKeywordsInTheFirstColumnCount) {
  TempDir dir;
  std::string text = "VERSION 2\n" + PanelLine("kept") + "PANEL\"no blank\" TFT\n" + " " +
                     PanelLine("indented") + "panel \"lower\" TFT\n# PANEL comment\n";
  PanelList list(QualifyPanel, DefinitionFolder(dir, text));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.At(0).Name(), "kept");
  EXPECT_EQ(list.Version(), 2);
}

TEST_F(PanelDefTest, FieldsAreReadInOrder) {
  PanelRecord r = ParsedLine("TFT 640 480 F 18 T 2 T 0 25175 800 144 525 35 3 96 H 7 2 L T 160 45");
  EXPECT_EQ(r.Name(), "P");
  EXPECT_EQ(r.Type(), kPanelRecordTft);
  EXPECT_EQ(r.Width(), 640);
  EXPECT_EQ(r.Height(), 480);
  EXPECT_EQ(r.El(), 0);
  EXPECT_EQ(r.DataWidth(), 18);
  EXPECT_EQ(r.Double(), 1);
  EXPECT_EQ(r.DataFormat(), 1);
  EXPECT_EQ(r.Color(), 1);
  EXPECT_EQ(r.Dual(), 0);
  EXPECT_EQ(r.PixelClock(), 25175);
  EXPECT_EQ(r.HorizTotal(), 800);
  EXPECT_EQ(r.HorizStart(), 144);
  EXPECT_EQ(r.VertTotal(), 525);
  EXPECT_EQ(r.VertStart(), 35);
  EXPECT_EQ(r.FplineStart(), 3);
  EXPECT_EQ(r.FplineWidth(), 96);
  EXPECT_EQ(r.FplinePolarity(), 1);
  EXPECT_EQ(r.FpframeStart(), 7);
  EXPECT_EQ(r.FpframeWidth(), 2);
  EXPECT_EQ(r.FpframePolarity(), 0);
  EXPECT_EQ(r.Mask(), 1);
  EXPECT_EQ(r.HorizNonDisplay(), 160);
  EXPECT_EQ(r.VertNonDisplay(), 45);
}

TEST_F(PanelDefTest, TypeTokensMayBeLeadingParts) {
  const std::string rest = " 160 160 F 16 F n T F 2000 200 20 164 2 1 2 H 0 1 L F 40 4";
  EXPECT_EQ(ParsedLine("HR" + rest).Type(), kPanelRecordHrTft);
  EXPECT_EQ(ParsedLine("T" + rest).Type(), kPanelRecordTft);
  EXPECT_EQ(ParsedLine("K" + rest).Type(), kPanelRecordKVrx);
  EXPECT_EQ(ParsedLine("S" + rest).Type(), kPanelRecordStn);
  EXPECT_EQ(ParsedLine("TFTX" + rest).Type(), kFieldUnknown);
}

TEST_F(PanelDefTest, FlagLettersAreCaseSensitive) {
  auto el = [](const char* token) {
    return ParsedLine(std::string("TFT 640 480 ") + token +
                      " 18 F n T F 25175 800 144 525 35 1 96 L 0 2 L F 160 45")
        .El();
  };
  EXPECT_EQ(el("True"), 1);
  EXPECT_EQ(el("T"), 1);
  EXPECT_EQ(el("1"), 1);
  EXPECT_EQ(el("F"), 0);
  EXPECT_EQ(el("n"), kFieldNotApplicable);
  EXPECT_EQ(el("t"), kFieldUnknown);
  PanelRecord r = ParsedLine("TFT 640 480 F 18 F x x F 25175 800 144 525 35 1 96 x 0 2 n F 0 0");
  EXPECT_EQ(r.DataFormat(), kFieldUnknown);
  EXPECT_EQ(r.Color(), kFieldUnknown);
  EXPECT_EQ(r.FplinePolarity(), kFieldUnknown);
  EXPECT_EQ(r.FpframePolarity(), kFieldNotApplicable);
}

TEST_F(PanelDefTest, DecimalWithoutNumberRepeatsThePreviousDecimal) {
  PanelRecord r = ParsedLine("TFT 640 n F 18 F n T F 25175 -1 n 525 n 1 96 L 0 2 L F n 45");
  EXPECT_EQ(r.Height(), 640);
  EXPECT_EQ(r.HorizTotal(), -1);
  EXPECT_EQ(r.HorizStart(), 0);  // "n" is 0 for the display starts
  EXPECT_EQ(r.VertStart(), 0);
  EXPECT_EQ(r.HorizNonDisplay(), 2);
  EXPECT_EQ(ParsedLine("TFT n 480 F 18 F n T F 1 1 1 1 1 1 1 L 0 2 L F 1 1", 77).Width(), 77);
}

TEST_F(PanelDefTest, NameOf78CharactersIsKeptAndLongerBreaksTheFile) {
  TempDir dir;
  std::string name78(78, 'x');
  PanelList good(nullptr, DefinitionFolder(dir, PanelLine(name78)));
  ASSERT_EQ(good.Count(), 1);
  EXPECT_EQ(good.At(0).Name(), name78);

  TempDir broken;
  std::string text = PanelLine("first") + "PANEL \"" + std::string(79, 'y') + " TFT 640\n";
  PanelList list(QualifyPanel, DefinitionFolder(broken, "", text));
  EXPECT_EQ(list.Count(), 0);
  EXPECT_FALSE(list.Loaded());
  EXPECT_EQ(Messages(), Texts(1, "Invalid PANELS.DEF"));
}

TEST_F(PanelDefTest, RejectedPanelsAreMarkedOnlyFromDebugFile) {
  const std::string text =
      PanelLine("good") + PanelLine("xga",
                                    "TFT 1024 768 F 18 F n T F 65000 1344 296 806 35 "
                                    "1 136 L 0 6 L F 320 38");
  TempDir panelsDir, debugDir;
  PanelList panels(QualifyPanel, DefinitionFolder(panelsDir, text));
  ASSERT_EQ(panels.Count(), 1);
  EXPECT_EQ(panels.At(0).Name(), "good");
  PanelList debug(QualifyPanel, DefinitionFolder(debugDir, "", text));
  ASSERT_EQ(debug.Count(), 2);
  EXPECT_FALSE(debug.At(0).Disqualified());
  EXPECT_TRUE(debug.At(1).Disqualified());
  EXPECT_EQ(debug.At(1).Reason(), "**Disqualified: >80K.");
}

TEST_F(PanelDefTest, NamedFileReadsAsEitherKindAndAMissingOneFails) {
  const std::string text =
      PanelLine("good") + PanelLine("xga",
                                    "TFT 1024 768 F 18 F n T F 65000 1344 296 806 35 "
                                    "1 136 L 0 6 L F 320 38");
  TempDir dir;
  WriteFileBytes(dir.File("my-panels.txt"), text);
  PanelList asPanels(QualifyPanel), asDebug(QualifyPanel), missing(QualifyPanel);
  ASSERT_TRUE(asPanels.LoadPanelFile(dir.File("my-panels.txt"), false));
  EXPECT_EQ(asPanels.Count(), 1);
  ASSERT_TRUE(asDebug.LoadPanelFile(dir.File("my-panels.txt"), true));
  ASSERT_EQ(asDebug.Count(), 2);
  EXPECT_TRUE(asDebug.FromDebugFile());
  EXPECT_TRUE(asDebug.At(1).Disqualified());
  EXPECT_FALSE(missing.LoadPanelFile(dir.File("none.def"), false));
  EXPECT_EQ(missing.Count(), 0);
}

TEST_F(PanelDefTest, ShortPanelLineIsDroppedAndTheRestKept) {
  TempDir dir;
  std::string text = PanelLine("before") + "PANEL \"short\" TFT 640 480\n" + PanelLine("after") +
                     "PANEL \"short too\" STN\n";
  PanelList list(QualifyPanel, DefinitionFolder(dir, text));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.At(0).Name(), "before");
  EXPECT_EQ(list.At(1).Name(), "after");
  EXPECT_EQ(Messages(), Texts(1, "Invalid PANELS.DEF"));
}

TEST_F(PanelDefTest, MoreThanHundredPanelsAreAllKept) {
  TempDir dir;
  std::string text;
  for (int i = 0; i < 150; ++i) text += PanelLine("panel " + std::to_string(i));
  PanelList list(QualifyPanel, DefinitionFolder(dir, text));
  ASSERT_EQ(list.Count(), 150);
  EXPECT_EQ(list.At(149).Name(), "panel 149");
}

TEST_F(PanelDefTest, CrLfLinesReadLikePlainLines) {
  TempDir dir;
  std::string line = PanelLine("dos");
  line.replace(line.size() - 1, 1, "\r\n");
  PanelList list(QualifyPanel, DefinitionFolder(dir, "VERSION 2\r\n" + line));
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.At(0).VertNonDisplay(), 45);
  EXPECT_EQ(list.Version(), 2);
}

TEST_F(PanelDefTest, FolderOfProgramDropsTheFileName) {
  EXPECT_EQ(FolderOfProgram("C:\\tools\\56420CFG.EXE"), "C:\\tools");
  EXPECT_EQ(FolderOfProgram("/opt/qlc/bin/56420cfg"), "/opt/qlc/bin");
}

// The shipped file as the build puts it beside the programs.
static std::string BuiltProgramFolder() {
  const char* binary = getenv("QLC_BINARY_DIR");
  return binary ? std::string(binary) + "/bin" : std::string();
}

TEST_F(PanelDefTest, ShippedFileLiesBesideTheProgramsAndLoads) {
  ASSERT_FALSE(BuiltProgramFolder().empty());
  PanelList list(QualifyPanel, BuiltProgramFolder());
  EXPECT_TRUE(Messages().empty());
  EXPECT_GE(list.Count(), 8);
  EXPECT_LE(list.Count(), 15);
  EXPECT_FALSE(list.FromDebugFile());
  EXPECT_EQ(list.Version(), 2);
  for (int i = 0; i < list.Count(); ++i) EXPECT_FALSE(list.At(i).Disqualified());

  // Read as DEBUG.DEF the rejected ones show up, marked.
  TempDir dir;
  WriteFileBytes(dir.File("DEBUG.DEF"), ReadFileBytes(BuiltProgramFolder() + "/PANELS.DEF"));
  PanelList debug(QualifyPanel, dir.Path());
  int rejected = 0;
  for (int i = 0; i < debug.Count(); ++i) rejected += debug.At(i).Disqualified();
  EXPECT_GE(rejected, 1);
  EXPECT_EQ(debug.Count(), list.Count() + rejected);
}
