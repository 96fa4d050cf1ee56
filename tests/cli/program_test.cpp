// The built qlccfg run as a build script runs it, on the built 56420BMP, on
// ELF and S-record files made by the cross compiler, objcopy and srec_cat.
#include <string.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cfg/record/record.h"
#include "tests/cli/qlccfg_runner.h"

namespace {

// ---------------------------------------------------------------------------
// Usage, help and exit codes

TEST_F(ProgramTest, HelpVersionAndUsageErrorsUseExitCodesZeroAndTwo) {
  Result help = Qlccfg({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.rfind("Usage: qlccfg COMMAND [ARGUMENTS] [OPTIONS]", 0), 0u);
  Result setHelp = Qlccfg({"set", "--help"});
  EXPECT_EQ(setHelp.status, 0);
  EXPECT_EQ(setHelp.out.rfind("Usage: qlccfg set FILE NAME=VALUE...", 0), 0u);
  Result version = Qlccfg({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out.rfind("qlccfg ", 0), 0u);

  Result none = Shell(Quote(NativePath(QLCCFG_PATH)));
  EXPECT_EQ(none.status, 2);
  EXPECT_EQ(none.err, "qlccfg: no command given\nTry 'qlccfg --help'.\n");
  Result bad = Qlccfg({"set", MakeImage("a.bin"), "Nonsense=1"});
  EXPECT_EQ(bad.status, 2);
  EXPECT_EQ(bad.err, "qlccfg: unknown register, field or panel setting 'Nonsense'\n");
}

TEST_F(ProgramTest, AFileWithoutARecordIsReportedAsNotConfigurable) {
  WriteFileBytes(File("empty.exe"), std::string(487, '\0'));
  Result shown = Qlccfg({"show", "empty.exe"});
  EXPECT_EQ(shown.status, 1);
  EXPECT_EQ(shown.err, "ERROR: File \"empty.exe\" is not configurable!\n");
}

// ---------------------------------------------------------------------------
// show and set on binary images

TEST_F(ProgramTest, ShowPrintsTheBuiltDemonstrationProgramsDefaultRecord) {
#ifndef QLC_BMP_PATH
  GTEST_SKIP() << "56420BMP is not part of this build";
#else
  std::string bmp = File("bmp.exe");
  ASSERT_TRUE(WriteFileBytes(bmp, ReadFileBytes(QLC_BMP_PATH)));
  Result shown = Qlccfg({"show", bmp});
  ASSERT_EQ(shown.status, 0) << shown.err;
  EXPECT_EQ(shown.out.substr(0, shown.out.find("Registers:")),
            "Panel: 320x240x8bpp 70Hz Color Single STN 4-bit (PCLK=6.250MHz) \n"
            "Flags:         fVALID_LCD\n"
            "ClkI:          50000 kHz\n"
            "ClkI2:         50000 kHz\n"
            "BusClk:        50000 kHz\n"
            "RegAddr:       0x00000000\n"
            "DispMemAddr:   0x00000000\n"
            "FrameRate:     70 Hz\n"
            "PowerOffDelay: 1200 ms\n"
            "PowerOnDelay:  50 ms\n");
  EXPECT_EQ(RegisterLine(shown.out, "05"), "REG[05h] = 43h");
  EXPECT_EQ(shown.err, "");
#endif
}

TEST_F(ProgramTest, ShowJsonParsesAndCarriesTheRecordsFields) {
  REQUIRE_LINUX_TOOLS("python3");
  std::string image = MakeImage("image.bin");
  EXPECT_EQ(JsonField(image, "d['ClkI'], d['FrameRate'], d['Flags'], len(d['registers'])"),
            "50000 70 ['fVALID_LCD'] 54\n");
  EXPECT_EQ(JsonField(image, "d['registers'][5]"),
            "{'index': 20, 'value': 39, 'symbol': 'REG_HDP', 'description': "
            "'Horizontal Display Period Register'}\n");
}

TEST_F(ProgramTest, SetChangesRegistersFieldsAndPanelEntriesAndNothingElse) {
  std::string image = MakeImage("image.bin");
  std::string before = ReadFileBytes(image);
  Result set =
      Qlccfg({"set", image, "REG_MOD_RATE=0x12", "0x71=1", "ClkI=14318", "PowerOnDelay=65535",
              "RegAddr=0F80000h", "DispMemAddr=0xF00000", "FrameRate=74"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(set.err, "");
  std::string after = ReadFileBytes(image);
  ASSERT_EQ(after.size(), before.size());
  for (size_t i = 0; i < after.size(); ++i) {
    bool inRecord = i >= 1000 && i < 1000 + sizeof(HAL_STRUCT);
    if (!inRecord) {
      ASSERT_EQ(after[i], before[i]) << i;
    }
  }

  Result shown = Qlccfg({"show", image});
  EXPECT_EQ(RegisterLine(shown.out, "11"), "REG[11h] = 12h");
  EXPECT_EQ(RegisterLine(shown.out, "71"), "REG[71h] = 01h");
  // Frame rate 74 is reached with the total 336 (REG[12h] = 29h).
  EXPECT_EQ(RegisterLine(shown.out, "12"), "REG[12h] = 29h");
  EXPECT_NE(shown.out.find("FrameRate:     74 Hz\n"), std::string::npos);
  EXPECT_NE(shown.out.find("ClkI:          14318 kHz\n"), std::string::npos);
  EXPECT_NE(shown.out.find("RegAddr:       0x00F80000\n"), std::string::npos);
  EXPECT_NE(shown.out.find("PowerOnDelay:  65535 ms\n"), std::string::npos);
}

TEST_F(ProgramTest, ARefusedValueLeavesTheFileByteForByteUnchanged) {
  std::string image = MakeImage("image.bin");
  std::string before = ReadFileBytes(image);
  struct Case {
    const char* assignment;
    const char* message;
    int status;
  } cases[] = {
      // Values that are no numbers are usage errors, as for registers.
      {"Width=3.5", "qlccfg: '3.5' is not a number for Width\n", 2},
      {"Height=.5", "qlccfg: '.5' is not a number for Height\n", 2},
      {"Rotation=", "qlccfg: '' is not a number for Rotation\n", 2},
      {"Width=320.5", "qlccfg: '320.5' is not a number for Width\n", 2},
      {"FrameRate= 70", "qlccfg: ' 70' is not a number for FrameRate\n", 2},
      {"Bpp=8 bits", "qlccfg: '8 bits' is not a number for Bpp\n", 2},
      {"Width=1025", "ERROR: Panel width!\n", 1},
      {"Height=0", "ERROR: Panel height!\n", 1},
      {"HorizTotal=320", "ERROR: Panel Horizontal Total!\n", 1},
      {"FrameRate=76", "ERROR: Panel Frame Rate!\nThe nearest frame rate is 75 Hz.\n", 1},
      {"RegAddr=0x1000", "Non-zero hexadecimal value required!\n", 1},
      {"FplineWidth=129", "ERROR: TFT FPLINE Width!\n", 1},
      {"FpframeWidth=9", "ERROR: TFT FPFRAME Width!\n", 1},
      {"PixelClock=7.000   (7.000/1)", "ERROR: Panel Pixel Clock!\n", 1},
      {"REG_HDP=256", "ERROR:Invalid value entered!\n", 1},
      {"REG_REVISION_CODE=1", "Invalid register requested: 0h\n", 1},
      {"PowerOffDelay=65536", "ERROR: Panel Power Disconnect Time!\n", 1},
      {"BusClk=0", "ERROR: BusClk must be above 0 kHz!\n", 1},
  };
  for (const Case& c : cases) {
    // An accepted assignment before the refused one is not written either.
    Result set = Qlccfg({"set", image, "REG_MOD_RATE=5", c.assignment, "-o", "copy.bin"});
    EXPECT_EQ(set.status, c.status) << c.assignment;
    EXPECT_EQ(set.err, c.message) << c.assignment;
    EXPECT_EQ(ReadFileBytes(image), before) << c.assignment;
    EXPECT_FALSE(FileExists(File("copy.bin"))) << c.assignment;
  }
  // Hexadecimal numbers are numbers.
  EXPECT_EQ(Qlccfg({"set", image, "Height=0xF0", "Bpp=8h"}).status, 0);
}

TEST_F(ProgramTest, SetWithOutputWritesACopyAndLeavesTheSource) {
  std::string image = MakeImage("image.bin");
  std::string before = ReadFileBytes(image);
  // 250 is rounded up to the STN step after the rule's question.
  Result set =
      Qlccfg({"set", image, "Width=250", "PixelClock=12.500   (50.000/4)", "-o", "copy.bin"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(set.err, "The panel width will be rounded up to the closest allowable value\n");
  EXPECT_EQ(ReadFileBytes(image), before);
  Result shown = Qlccfg({"show", "copy.bin"});
  EXPECT_EQ(shown.out.substr(0, shown.out.find('\n')),
            "Panel: 256x240x8bpp 141Hz Color Single STN 4-bit (PCLK=12.500MHz) ");
  EXPECT_EQ(RegisterLine(shown.out, "05"), "REG[05h] = 33h");
}

TEST_F(ProgramTest, AHandSetRegisterThatARuleRecalculatesIsReported) {
  std::string image = MakeImage("image.bin");
  Result set = Qlccfg({"set", image, "REG_HDP=0x1F", "Width=320"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(set.err, "The following manually modified registers were recalculated:\n14h \n");
}

// ---------------------------------------------------------------------------
// Files made by real tools

TEST_F(ProgramTest, HostElfWithoutExtensionIsPatchedInPlace) {
  REQUIRE_LINUX_TOOLS("gcc");
  ASSERT_TRUE(Compile("gcc", "prog"));
  Result set = Qlccfg({"set", "prog", "REG_HDP=0x1F", "ClkI=25000"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(RunCommand(Quote(File("prog"))), 0) << "the program still runs";
  Result shown = Qlccfg({"show", "prog"});
  EXPECT_EQ(RegisterLine(shown.out, "14"), "REG[14h] = 1Fh");
  EXPECT_NE(shown.out.find("ClkI:          25000 kHz\n"), std::string::npos);
}

// The bytes objdump -s prints for one section, in address order.
std::string ObjdumpSectionBytes(const std::string& dump) {
  std::string bytes;
  std::istringstream lines(dump);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.size() < 2 || line[0] != ' ') continue;
    std::istringstream words(line.substr(0, 45));
    std::string address, group;
    words >> address;
    while (words >> group) {
      for (size_t i = 0; i + 1 < group.size(); i += 2)
        bytes += static_cast<char>(std::stoi(group.substr(i, 2), nullptr, 16));
    }
  }
  return bytes;
}

uint32_t BigEndian32(const std::string& bytes, size_t at) {
  const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes.data() + at);
  return (uint32_t{b[0]} << 24) | (uint32_t{b[1]} << 16) | (uint32_t{b[2]} << 8) | b[3];
}

TEST_F(ProgramTest, BigEndianElfShowsItsNewValuesInTheCrossObjdump) {
  REQUIRE_LINUX_TOOLS("m68k-linux-gnu-gcc", "m68k-linux-gnu-objdump");
  ASSERT_TRUE(Compile("m68k-linux-gnu-gcc", "prog68k.ELF"));
  Result set = Qlccfg(
      {"set", "prog68k.ELF", "ClkI=14318", "RegAddr=0xF80000", "DispMemAddr=0xF00000", "14h=1Fh"});
  ASSERT_EQ(set.status, 0) << set.err;
  std::string data = ObjdumpSectionBytes(
      CommandOutput("m68k-linux-gnu-objdump -s -j .data " + Quote(File("prog68k.ELF"))));
  size_t record = data.find("5642 HAL EXE");
  ASSERT_NE(record, std::string::npos);
  EXPECT_EQ(data.substr(record + 16, 4), std::string("\x12\x34\x01\xE8", 4));
  EXPECT_EQ(BigEndian32(data, record + 456), 14318u);
  EXPECT_EQ(BigEndian32(data, record + 472), 0xF00000u);
  // REG[14h] is the sixth entry: index 0014h, value 001Fh.
  EXPECT_EQ(BigEndian32(data, record + 24 + 5 * 4), 0x0014001Fu);
  EXPECT_EQ(BigEndian32(data, record + 460), 50000u) << "ClkI2 kept";
}

TEST_F(ProgramTest, ObjcopySRecordWithoutExtensionStaysValidAfterPatching) {
  REQUIRE_LINUX_TOOLS("m68k-linux-gnu-gcc", "m68k-linux-gnu-objcopy", "srec_info");
  ASSERT_TRUE(Compile("m68k-linux-gnu-gcc", "prog68k"));
  ASSERT_EQ(RunCommand("m68k-linux-gnu-objcopy -O srec " + Quote(File("prog68k")) + " " +
                       Quote(File("prog68k_srec"))),
            0);
  std::string before = ReadFileBytes(File("prog68k_srec"));
  Result set = Qlccfg({"set", "prog68k_srec", "BusClk=40000", "REG_PANEL_TYPE=0x41"});
  ASSERT_EQ(set.status, 0) << set.err;
  std::string after = ReadFileBytes(File("prog68k_srec"));
  EXPECT_EQ(after.size(), before.size()) << "every byte keeps its two characters";
  EXPECT_NE(after, before);
  EXPECT_EQ(RunCommand("srec_info " + Quote(File("prog68k_srec")) + " >/dev/null 2>&1"), 0);
  Result shown = Qlccfg({"show", "prog68k_srec"});
  EXPECT_NE(shown.out.find("BusClk:        40000 kHz\n"), std::string::npos);
  EXPECT_EQ(RegisterLine(shown.out, "10"), "REG[10h] = 41h");
}

TEST_F(ProgramTest, SrecCatFileIsReadWithForcedFormatAndWrittenAsACopy) {
  REQUIRE_LINUX_TOOLS("srec_cat", "srec_info");
  MakeImage("image.bin");
  // S2 records (3-byte addresses) at an address beyond 64 KB.
  ASSERT_EQ(RunCommand("srec_cat " + Quote(File("image.bin")) + " -binary -offset 0x20000 -o " +
                       Quote(File("image.txt")) + " -motorola -line-length 46"),
            0);
  std::string before = ReadFileBytes(File("image.txt"));
  Result set = Qlccfg({"set", "image.txt", "--format", "srec", "REG_HDP=0x13", "-o", "out.txt"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(ReadFileBytes(File("image.txt")), before);
  EXPECT_EQ(RunCommand("srec_info " + Quote(File("out.txt")) + " >/dev/null 2>&1"), 0);
  Result shown = Qlccfg({"show", "out.txt", "--format", "srec"});
  EXPECT_EQ(RegisterLine(shown.out, "14"), "REG[14h] = 13h");
  // Back to binary: the image holds the new value and nothing else changed.
  ASSERT_EQ(RunCommand("srec_cat " + Quote(File("out.txt")) + " -motorola -offset -0x20000 -o " +
                       Quote(File("back.bin")) + " -binary"),
            0);
  std::string image = ReadFileBytes(File("image.bin"));
  std::string back = ReadFileBytes(File("back.bin"));
  ASSERT_EQ(back.size(), image.size());
  size_t valueAt = 1000 + 24 + 5 * 4 + 2;  // REG[14h]'s Value, little-endian
  EXPECT_EQ(static_cast<unsigned char>(back[valueAt]), 0x13);
  back[valueAt] = image[valueAt];
  EXPECT_EQ(back, image);
}

// ---------------------------------------------------------------------------
// export, import, configure

TEST_F(ProgramTest, ExportToStandardOutputGivesTheFilesBytes) {
  std::string image = MakeImage("image.bin");
  for (const char* kind : {"appcfg", "chip", "generic", "csv"}) {
    ASSERT_EQ(Qlccfg({"export", kind, image, "-o", "out.h"}).status, 0) << kind;
    // Redirected by the shell, so that the bytes arrive as the program wrote them.
    Result piped = Shell(Quote(NativePath(QLCCFG_PATH)) + " export " + kind + " " + Quote(image) +
                         " -o - >piped.h");
    EXPECT_EQ(piped.status, 0) << kind;
    EXPECT_EQ(ReadFileBytes(File("piped.h")), ReadFileBytes(File("out.h"))) << kind;
  }
}

TEST_F(ProgramTest, ExportWithoutOutputUsesTheDefaultNameInTheCurrentFolder) {
  std::string image = MakeImage("image.bin");
  ASSERT_EQ(Qlccfg({"export", "mode", image, "--mode", "7", "--sw-cursor"}).status, 0);
  std::string header = ReadFileBytes(File("mode7.h"));
  EXPECT_NE(header.find("mfSWCURSOR"), std::string::npos);
  ASSERT_EQ(Qlccfg({"export", "csv", image}).status, 0);
  EXPECT_NE(ReadFileBytes(File("56420regs.csv")).find("\r\n"), std::string::npos);
}

TEST_F(ProgramTest, ImportTakesAnEditedHeaderBackIntoTheFile) {
  std::string image = MakeImage("image.bin");
  ASSERT_EQ(Qlccfg({"export", "appcfg", image, "-o", "appcfg.h"}).status, 0);
  std::string header = ReadFileBytes(File("appcfg.h"));
  size_t line = header.find("{REG_HDP ");
  ASSERT_NE(line, std::string::npos);
  size_t value = header.find("0x27", line);
  ASSERT_NE(value, std::string::npos);
  header.replace(value, 4, "0x1f");
  WriteFileBytes(File("appcfg.h"), header);

  Result imported = Qlccfg({"import", image, "appcfg.h", "-o", "imported.bin"});
  ASSERT_EQ(imported.status, 0) << imported.err;
  Result original = Qlccfg({"show", image});
  Result shown = Qlccfg({"show", "imported.bin"});
  EXPECT_EQ(RegisterLine(shown.out, "14"), "REG[14h] = 1Fh");
  std::string expected = original.out;
  expected.replace(expected.find("REG[14h] = 27h"), 14, "REG[14h] = 1Fh");
  // Only the register and the summary line's width change.
  EXPECT_EQ(shown.out.substr(shown.out.find('\n')), expected.substr(expected.find('\n')));

  WriteFileBytes(File("broken.h"), "nothing here\n");
  Result broken = Qlccfg({"import", image, "broken.h"});
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.err,
            "Wrong file format in broken.h\nERROR: File \"broken.h\" is not configurable!\n");
}

TEST_F(ProgramTest, ConfigureWritesEveryTargetAndReportsTheFailingOnes) {
  std::string source = MakeImage("source.bin");
  ASSERT_EQ(
      Qlccfg({"set", source, "REG_MOD_RATE=7", "RegAddr=0x1000", "DispMemAddr=0x1800"}).status, 0);
  MakeImage("first.bin");
  WriteFileBytes(File("notes.txt"), "no record here\n");
  MakeImage("second.bin");
  ASSERT_EQ(Qlccfg({"set", "second.bin", "RegAddr=0x2000", "DispMemAddr=0x2800"}).status, 0);

  Result configured = Qlccfg(
      {"configure", "source.bin", "first.bin", "notes.txt", "second.bin", "--preserve-addresses"});
  EXPECT_EQ(configured.status, 1);
  EXPECT_EQ(configured.err,
            "ERROR: file notes.txt: HAL INFO not found !\n"
            "ERROR: File \"notes.txt\" is not configurable!\n");
  Result second = Qlccfg({"show", "second.bin"});
  EXPECT_EQ(RegisterLine(second.out, "11"), "REG[11h] = 07h");
  EXPECT_NE(second.out.find("RegAddr:       0x00002000\n"), std::string::npos);
  EXPECT_EQ(RegisterLine(Qlccfg({"show", "first.bin"}).out, "11"), "REG[11h] = 07h");
}

// Installed programs and checkouts are often read-only: the copy -o makes
// must take the record, and a second run over that copy must work too.
TEST_F(ProgramTest, OutputCopyOfAReadOnlyProgramIsWritableAndTakesTheRecordEveryTime) {
  namespace fs = std::filesystem;
  std::string image = MakeImage("image.bin");
  fs::permissions(image, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  for (const char* value : {"REG_MOD_RATE=5", "REG_MOD_RATE=6"}) {
    Result set = Qlccfg({"set", image, value, "-o", "copy.bin"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_NE(fs::status(File("copy.bin")).permissions() & fs::perms::owner_write, fs::perms::none);
  }
  EXPECT_EQ(RegisterLine(Qlccfg({"show", "copy.bin"}).out, "11"), "REG[11h] = 06h");
  fs::permissions(image, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(ProgramTest, SRecordFileWithoutExtensionMayBeginWithLineEnds) {
  REQUIRE_LINUX_TOOLS("objcopy");
  MakeImage("image.bin");
  ASSERT_EQ(RunCommand("objcopy -I binary -O srec " + Quote(File("image.bin")) + " " +
                       Quote(File("image.srec"))),
            0);
  // More line ends than one block of the detection reads.
  WriteFileBytes(File("image_srec"), std::string(5000, '\n') + ReadFileBytes(File("image.srec")));
  Result set = Qlccfg({"set", "image_srec", "REG_MOD_RATE=9"});
  ASSERT_EQ(set.status, 0) << set.err;
  EXPECT_EQ(RegisterLine(Qlccfg({"show", "image_srec"}).out, "11"), "REG[11h] = 09h");
  EXPECT_EQ(ReadFileBytes(File("image_srec")).substr(0, 5001), std::string(5000, '\n') + "S");
}

TEST_F(ProgramTest, AFolderGivenAsTheHeaderCannotBeOpened) {
  std::string image = MakeImage("image.bin");
  std::filesystem::create_directory(File("headers"));
  Result imported = Qlccfg({"import", image, "headers"});
  EXPECT_EQ(imported.status, 1);
  EXPECT_EQ(imported.err,
            "Failed to open file headers\nERROR: File \"headers\" is not configurable!\n");
}

}  // namespace

// ---------------------------------------------------------------------------
// Files that are not regular files

TEST_F(ProgramTest, FifoGivenToAnyCommandIsRefusedWithoutWaitingForAWriter) {
  REQUIRE_LINUX_TOOLS("mkfifo", "timeout");
  ASSERT_EQ(RunCommand("mkfifo " + Quote(File("fifo")) + " " + Quote(File("fifo.S9"))), 0);
  MakeImage("prog.bin");
  const std::string notConfigurable = "ERROR: File \"fifo\" is not configurable!\n";
  const std::string openFailed = "ERROR: open failed on input file fifo\n";
  struct Case {
    std::vector<std::string> words;
    std::string err;
  } cases[] = {
      {{"show", "fifo"}, openFailed + notConfigurable},
      {{"show", "fifo.S9"},
       "ERROR: open failed on input file fifo.S9\nERROR: File \"fifo.S9\" is not configurable!\n"},
      {{"set", "fifo", "ClkI=1000"}, openFailed + notConfigurable},
      {{"configure", "prog.bin", "fifo"}, openFailed + notConfigurable},
      {{"import", "prog.bin", "fifo"}, "Failed to open file fifo\n" + notConfigurable},
  };
  for (const Case& c : cases) {
    // A command that waits is ended after a minute (status 124).
    std::string line = "timeout 60 " + Quote(QLCCFG_PATH);
    for (const std::string& word : c.words) line += " " + Quote(word);
    Result result = Shell(line);
    EXPECT_EQ(result.status, 1) << c.words[0];
    EXPECT_EQ(result.err, c.err) << c.words[0];
  }
}
