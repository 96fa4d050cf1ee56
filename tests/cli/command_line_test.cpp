// The command line as data: commands, options, operands, assignments and the
// storage form chosen for a file.
#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "cli/assignment.h"
#include "cli/file_format.h"

namespace {

bool Parse(std::vector<std::string> words, Command* command, std::string* error = nullptr) {
  std::string ignored;
  return ParseCommandLine(words, command, error ? error : &ignored);
}

std::string UsageError(std::vector<std::string> words) {
  Command command;
  std::string error;
  EXPECT_FALSE(ParseCommandLine(words, &command, &error));
  return error;
}

TEST(CommandLine, EveryCommandTakesItsOperandsAndOptionsInAnyOrder) {
  Command c;
  ASSERT_TRUE(Parse({"show", "--json", "A.EXE", "--format", "srec"}, &c));
  EXPECT_EQ(c.kind, CommandKind::kShow);
  EXPECT_EQ(c.file, "A.EXE");
  EXPECT_TRUE(c.json);
  EXPECT_EQ(c.format, FileFormat::kSRecord);

  ASSERT_TRUE(Parse({"set", "a.s9", "Width=320", "-o", "b.s9", "REG_HDP=0x27"}, &c));
  EXPECT_EQ(c.assignments, (std::vector<std::string>{"Width=320", "REG_HDP=0x27"}));
  EXPECT_TRUE(c.hasOutput);
  EXPECT_EQ(c.output, "b.s9");

  ASSERT_TRUE(
      Parse({"export", "mode", "x", "--mode=7", "--sw-cursor", "--sw-blit", "-o", "-"}, &c));
  EXPECT_EQ(c.exportKind, kExportMode);
  EXPECT_EQ(c.modeNumber, 7u);
  EXPECT_TRUE(c.softwareCursor && c.softwareBlit);
  EXPECT_EQ(c.output, "-");

  ASSERT_TRUE(Parse({"configure", "src", "t1", "t2", "--preserve-addresses"}, &c));
  EXPECT_EQ(c.file, "src");
  EXPECT_EQ(c.targets, (std::vector<std::string>{"t1", "t2"}));
  EXPECT_TRUE(c.preserveAddresses);

  ASSERT_TRUE(Parse({"apply-panel", "f", "Mono STN 320x240", "--def", "P.DEF"}, &c));
  EXPECT_EQ(c.panelName, "Mono STN 320x240");
  EXPECT_EQ(c.definitionFile, "P.DEF");
  EXPECT_FALSE(c.keepPixelClock);
  ASSERT_TRUE(Parse({"apply-panel", "--keep-pixel-clock", "f", "2"}, &c));
  EXPECT_TRUE(c.keepPixelClock);
  EXPECT_EQ(UsageError({"set", "f", "Width=320", "--keep-pixel-clock"}),
            "option '--keep-pixel-clock' does not apply to 'set'");

  ASSERT_TRUE(Parse({"import", "f.exe", "appcfg.h"}, &c));
  EXPECT_EQ(c.header, "appcfg.h");

  ASSERT_TRUE(Parse({"preview", "-o", "p.png", "f.exe", "picture.bmp"}, &c));
  EXPECT_EQ(c.file, "f.exe");
  EXPECT_EQ(c.picture, "picture.bmp");
  EXPECT_EQ(c.output, "p.png");
  ASSERT_TRUE(Parse({"preview", "f.exe", "-o", "p.png"}, &c));
  EXPECT_EQ(c.picture, "") << "the test card";

  ASSERT_TRUE(Parse({"diff", "a.exe", "--json", "appcfg.h"}, &c));
  EXPECT_EQ(c.file, "a.exe");
  EXPECT_EQ(c.secondFile, "appcfg.h");
  EXPECT_TRUE(c.json);
}

TEST(CommandLine, DoubleDashMakesOptionLikeWordsOperands) {
  Command c;
  ASSERT_TRUE(Parse({"show", "--", "--json"}, &c));
  EXPECT_EQ(c.file, "--json");
  EXPECT_FALSE(c.json);
}

TEST(CommandLine, HelpAndVersionAreRecognisedBeforeAnythingElse) {
  Command c;
  ASSERT_TRUE(Parse({"--help"}, &c));
  EXPECT_EQ(c.kind, CommandKind::kHelp);
  EXPECT_EQ(c.helpTopic, "");
  ASSERT_TRUE(Parse({"set", "--help"}, &c));
  EXPECT_EQ(c.kind, CommandKind::kHelp);
  EXPECT_EQ(c.helpTopic, "set");
  EXPECT_FALSE(Parse({"apply", "--bogus", "--help"}, &c)) << "help counts only when reached";
  ASSERT_TRUE(Parse({"--version"}, &c));
  EXPECT_EQ(c.kind, CommandKind::kVersion);
}

TEST(CommandLine, UsageErrorsSayWhatIsWrong) {
  EXPECT_EQ(UsageError({}), "no command given");
  EXPECT_EQ(UsageError({"frobnicate"}), "unknown command 'frobnicate'");
  EXPECT_EQ(UsageError({"show"}), "'show' needs more arguments");
  EXPECT_EQ(UsageError({"show", "a", "b"}), "'show': unexpected argument 'b'");
  EXPECT_EQ(UsageError({"show", "a", "-o", "b"}), "option '-o' does not apply to 'show'");
  EXPECT_EQ(UsageError({"show", "a", "--format", "hex"}), "unknown format 'hex' (binary or srec)");
  EXPECT_EQ(UsageError({"export", "pdf", "a"}),
            "unknown export kind 'pdf' (appcfg, chip, mode, generic, csv, dts, modeline or "
            "paneldef)");
  EXPECT_EQ(UsageError({"export", "mode", "a", "--mode", "1001"}),
            "mode number '1001' is not a number from 0 to 1000");
  EXPECT_EQ(UsageError({"set", "a", "Width=8", "-o"}), "option '-o' needs a value");
  EXPECT_EQ(UsageError({"set", "a", "Width=8", "-o", "-"}),
            "'set' cannot write a configurable file to standard output");
  EXPECT_EQ(UsageError({"show", "a", "--json=1"}), "option '--json' takes no value");
  EXPECT_EQ(UsageError({"preview", "a"}), "'preview' needs -o OUT.png");
  EXPECT_EQ(UsageError({"preview", "a", "-o", "-"}), "'preview' needs -o OUT.png");
}

// Each option, with a value it takes, beside the commands that take it; every
// other command refuses it by its name.
TEST(CommandLine, EveryOptionIsRefusedByTheCommandsThatDoNotTakeIt) {
  struct OptionUse {
    std::vector<std::string> words;
    std::set<std::string> commands;
  };
  const std::set<std::string> writing = {"set", "apply-panel", "export", "import", "preview"};
  const OptionUse uses[] = {
      {{"--json"}, {"show", "diff"}},
      {{"-o", "out"}, writing},
      {{"--output=out"}, writing},
      {{"--format", "binary"},
       {"show", "set", "apply-panel", "check", "export", "import", "configure", "preview", "diff"}},
      {{"--def", "P.DEF"}, {"panels", "apply-panel"}},
      {{"--mode", "3"}, {"export"}},
      {{"--sw-cursor"}, {"export"}},
      {{"--sw-blit"}, {"export"}},
      {{"--preserve-addresses"}, {"configure"}},
      {{"--keep-pixel-clock"}, {"apply-panel"}},
  };
  const std::map<std::string, std::vector<std::string>> operands = {
      {"show", {"f"}},
      {"set", {"f", "Width=8"}},
      {"panels", {}},
      {"apply-panel", {"f", "1"}},
      {"check", {"f"}},
      {"export", {"mode", "f"}},
      {"import", {"f", "h"}},
      {"configure", {"f", "t"}},
      {"preview", {"f", "-o", "p.png"}},
      {"diff", {"a", "b"}},
  };
  for (const OptionUse& use : uses) {
    std::string option = use.words[0].substr(0, use.words[0].find('='));
    for (const auto& [name, words] : operands) {
      std::vector<std::string> line = {name};
      line.insert(line.end(), use.words.begin(), use.words.end());
      line.insert(line.end(), words.begin(), words.end());
      Command c;
      std::string error;
      bool taken = use.commands.count(name) > 0;
      EXPECT_EQ(ParseCommandLine(line, &c, &error), taken)
          << option << " " << name << ": " << error;
      if (!taken) {
        EXPECT_EQ(error, "option '" + option + "' does not apply to '" + name + "'");
      }
    }
  }
}

TEST(Assignment, NumbersAreDecimalOrHexWithPrefixOrSuffix) {
  uint32_t v = 0;
  EXPECT_TRUE(ParseNumberValue("320", &v));
  EXPECT_EQ(v, 320u);
  EXPECT_TRUE(ParseNumberValue("0x1F", &v));
  EXPECT_EQ(v, 0x1Fu);
  EXPECT_TRUE(ParseNumberValue("1Fh", &v));
  EXPECT_EQ(v, 0x1Fu);
  EXPECT_TRUE(ParseNumberValue("4294967295", &v));
  EXPECT_FALSE(ParseNumberValue("4294967296", &v)) << "no wrap beyond 32 bits";
  EXPECT_FALSE(ParseNumberValue("", &v));
  EXPECT_FALSE(ParseNumberValue("0x", &v));
  EXPECT_FALSE(ParseNumberValue("h", &v));
  EXPECT_FALSE(ParseNumberValue("1F", &v)) << "hex needs its mark";
  EXPECT_FALSE(ParseNumberValue("-1", &v));
  EXPECT_FALSE(ParseNumberValue("320.5", &v));
}

TEST(Assignment, RegistersAreNamedBySymbolOrIndex) {
  Assignment a;
  std::string error;
  ASSERT_TRUE(ParseAssignment("REG_HDP=0x27", &a, &error));
  EXPECT_EQ(a.target, AssignTarget::kRegister);
  EXPECT_EQ(a.registerIndex, 0x14u);
  EXPECT_EQ(a.number, 0x27u);
  ASSERT_TRUE(ParseAssignment("reg_hdp_start_pos0=5", &a, &error)) << "symbols in any case";
  EXPECT_EQ(a.registerIndex, 0x16u);
  ASSERT_TRUE(ParseAssignment("14h=39", &a, &error));
  EXPECT_EQ(a.registerIndex, 0x14u);
  ASSERT_TRUE(ParseAssignment("0x03=1", &a, &error)) << "an index outside the catalogue";
  EXPECT_EQ(a.registerIndex, 0x03u);
  EXPECT_FALSE(ParseAssignment("100h=1", &a, &error));
  EXPECT_EQ(error, "register index '100h' is beyond FFh");
  EXPECT_FALSE(ParseAssignment("REG_HD=1", &a, &error)) << "no prefix matching";
  EXPECT_EQ(error, "unknown register, field or panel setting 'REG_HD'");
  EXPECT_FALSE(ParseAssignment("REG_HDP=big", &a, &error));
  EXPECT_EQ(error, "'big' is not a number for REG_HDP");
  EXPECT_FALSE(ParseAssignment("REG_HDP", &a, &error));
  EXPECT_EQ(error, "'REG_HDP' is not NAME=VALUE");
}

TEST(Assignment, FieldsFlagsAndPanelSettingsAreToldApart) {
  Assignment a;
  std::string error;
  ASSERT_TRUE(ParseAssignment("clki=14318", &a, &error));
  EXPECT_EQ(a.target, AssignTarget::kField);
  EXPECT_EQ(a.field, RecordField::kClkI);
  ASSERT_TRUE(ParseAssignment("Flags=fVALID_LCD|fFIXED_CLKI2", &a, &error));
  EXPECT_EQ(a.number, 5u);
  ASSERT_TRUE(ParseAssignment("Flags=0x11", &a, &error));
  EXPECT_EQ(a.number, 0x11u);
  EXPECT_FALSE(ParseAssignment("Flags=fFIXED", &a, &error));
  EXPECT_EQ(error, "'fFIXED' is neither a number nor flag names for Flags");
  // FrameRate is the rate the frame-rate entry takes, so it goes to the rules.
  ASSERT_TRUE(ParseAssignment("FrameRate=74", &a, &error));
  EXPECT_EQ(a.target, AssignTarget::kPanel);
  EXPECT_STREQ(a.setting, "FrameRate");
  // Panel values are numbers like every other value; only the pixel clock
  // keeps its list text.
  for (const char* text : {"Width=320.5", "Height=.5", "Rotation=", "Bpp=8 ", "VertTotal=-1"}) {
    EXPECT_FALSE(ParseAssignment(text, &a, &error)) << text;
  }
  EXPECT_EQ(error, "'-1' is not a number for VertTotal");
  ASSERT_TRUE(ParseAssignment("Height=0x1E0", &a, &error));
  EXPECT_EQ(a.number, 480u);
  ASSERT_TRUE(ParseAssignment("PixelClock= 6.250   (50.000/8)", &a, &error));
  EXPECT_FALSE(a.hasNumber);
  EXPECT_EQ(a.valueText, " 6.250   (50.000/8)");
}

TEST(FileFormat, KnownNamesDecideThenTheFirstBytes) {
  EXPECT_EQ(ChooseFileFormat("prog.s9", FileFormat::kAuto,
                             "\x7f"
                             "E",
                             2),
            FileFormat::kSRecord);
  EXPECT_EQ(ChooseFileFormat("x.Lvb", FileFormat::kAuto, "", 0), FileFormat::kSRecord);
  EXPECT_EQ(ChooseFileFormat("x.idp", FileFormat::kAuto, "", 0), FileFormat::kSRecord);
  EXPECT_EQ(ChooseFileFormat("PROG.Exe", FileFormat::kAuto, "S0", 2), FileFormat::kBinary);
  EXPECT_EQ(ChooseFileFormat("prog.elf", FileFormat::kAuto, "S0", 2), FileFormat::kBinary);
  EXPECT_EQ(ChooseFileFormat("prog", FileFormat::kAuto, "S0", 2), FileFormat::kSRecord);
  EXPECT_EQ(ChooseFileFormat("prog", FileFormat::kAuto,
                             "\x7f"
                             "ELF",
                             4),
            FileFormat::kBinary);
  EXPECT_EQ(ChooseFileFormat("prog", FileFormat::kAuto, "MZ", 2), FileFormat::kBinary);
  EXPECT_EQ(ChooseFileFormat("prog", FileFormat::kAuto, "SX", 2), FileFormat::kBinary);
  EXPECT_EQ(ChooseFileFormat("prog", FileFormat::kAuto, "S", 1), FileFormat::kBinary);
  EXPECT_EQ(ChooseFileFormat("s9", FileFormat::kAuto, "", 0), FileFormat::kBinary)
      << "a name shorter than the extension does not end in it";
  EXPECT_EQ(ChooseFileFormat("prog.s9", FileFormat::kBinary, "S0", 2), FileFormat::kBinary)
      << "--format wins over the name";
}

// The S-record reader skips line ends before a record; so does the detection.
TEST(FileFormat, LeadingLineEndsAreSkippedAsTheReaderSkipsThem) {
  EXPECT_TRUE(LooksLikeSRecord("\r\n\nS0", 5));
  EXPECT_TRUE(LooksLikeSRecord("\nS1", 3));
  EXPECT_FALSE(LooksLikeSRecord("\r\nS", 3));
  EXPECT_FALSE(LooksLikeSRecord(" S0", 3));
  EXPECT_FALSE(LooksLikeSRecord("\n\n", 2));
  EXPECT_EQ(LeadingLineEnds("\r\n\r\nS", 5), 4u);
}

}  // namespace
