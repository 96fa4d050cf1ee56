#include "cfg/record/config_file.h"

#include <gtest/gtest.h>
#include <string.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "cfg/record/record.h"
#include "cfg/record/whole_file.h"
#include "common/message.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/cfg/record/record_files.h"
#include "tests/support/fifo.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

namespace {

bool SameRecord(const HAL_STRUCT& a, const HAL_STRUCT& b) {
  return memcmp(&a, &b, 488) == 0;
}

std::string NotConfigurable(const std::string& path) {
  return "ERROR: File \"" + path + "\" is not configurable!";
}

// A program image: code before the record, data behind it.
std::string ProgramImage(const HAL_STRUCT& record, bool bigEndian) {
  return std::string(1000, '\x90') + RecordImage(record, bigEndian) + std::string(300, '\0');
}

// Offsets at which two equally long byte strings differ.
std::vector<size_t> Differences(const std::string& a, const std::string& b) {
  std::vector<size_t> offsets;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (a[i] != b[i]) offsets.push_back(i);
  }
  return offsets;
}

class ConfigFileTest : public ConfigurationTest {
 protected:
  void SetUp() override { ResetRecords(); }
  MessageRecorder messages;
  TempDir dir;
};

}  // namespace

// --- Reading whole files ---

TEST_F(ConfigFileTest, MissingFileIsReportedByReadAndByOpen) {
  std::string path = dir.File("absent.exe");
  FileBuffer buffer;
  EXPECT_FALSE(ReadWholeFile(path.c_str(), &buffer));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR: open failed on input file " + path});
  messages.Clear();
  EXPECT_FALSE(OpenConfigFile(config, path.c_str()));
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"ERROR: open failed on input file " + path,
                                                        NotConfigurable(path)}));
}

// --- Opening ---

TEST_F(ConfigFileTest, OpeningTakesTheRecordIntoBothCopies) {
  std::string path = dir.File("prog.exe");
  ASSERT_TRUE(WriteFileBytes(path, ProgramImage(SampleRecord(), false)));
  WorkingRecord.ClkI = 7;
  ASSERT_TRUE(OpenConfigFile(config, path.c_str()));
  EXPECT_TRUE(SameRecord(LoadedRecord, SampleRecord()));
  EXPECT_TRUE(SameRecord(WorkingRecord, SampleRecord()));
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ConfigFileTest, FailedOpenLeavesBothRecordsAsTheyWere) {
  WorkingRecord.ClkI = 7;
  HAL_STRUCT working = WorkingRecord;
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"short.exe", RecordImage(SampleRecord(), false).substr(0, 487)},
      {"empty.ELF", ""},
      {"none.exe", std::string(5000, 'A')},
      {"broken.S9", MakeSRecordText(RecordImage(SampleRecord(), false)).substr(0, 900)},
  };
  for (const Case& c : cases) {
    messages.Clear();
    std::string path = dir.File(c.name);
    ASSERT_TRUE(WriteFileBytes(path, c.bytes));
    EXPECT_FALSE(OpenConfigFile(config, path.c_str())) << c.name;
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{NotConfigurable(path)}) << c.name;
    EXPECT_TRUE(SameRecord(WorkingRecord, working)) << c.name;
    EXPECT_TRUE(SameRecord(LoadedRecord, kDefaultHalStruct)) << c.name;
  }
}

TEST_F(ConfigFileTest, DamagedChecksumIsReportedBeforeNotConfigurable) {
  std::string text = MakeSRecordText(RecordImage(SampleRecord(), false));
  size_t lineEnd = text.find("\r\n", text.find("\r\n") + 2);
  text[lineEnd - 1] = text[lineEnd - 1] == '0' ? '1' : '0';
  std::string path = dir.File("prog.S9");
  ASSERT_TRUE(WriteFileBytes(path, text));
  EXPECT_FALSE(OpenConfigFile(config, path.c_str()));
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{"ERROR: Invalid checksum!", NotConfigurable(path)}));
}

TEST_F(ConfigFileTest, NamesChooseTheStorageFormWithoutRegardToCase) {
  std::string text = MakeSRecordText(RecordImage(SampleRecord(), false));
  std::string image = ProgramImage(SampleRecord(), true);
  for (const char* name : {"prog.S9", "PROG.s9", "x.idp", "x.Lvb"}) {
    ResetRecords();
    std::string path = dir.File(name);
    ASSERT_TRUE(WriteFileBytes(path, text));
    EXPECT_TRUE(OpenConfigFile(config, path.c_str())) << name;
    EXPECT_TRUE(SameRecord(WorkingRecord, SampleRecord())) << name;
    // The same name holding a binary image is not read as binary.
    ASSERT_TRUE(WriteFileBytes(path, image));
    EXPECT_FALSE(OpenConfigFile(config, path.c_str())) << name;
  }
  for (const char* name : {"prog.elf", "PROG.Exe", "a.ELF"}) {
    ResetRecords();
    std::string path = dir.File(name);
    ASSERT_TRUE(WriteFileBytes(path, image));
    EXPECT_TRUE(OpenConfigFile(config, path.c_str())) << name;
    EXPECT_TRUE(SameRecord(WorkingRecord, SampleRecord())) << name;
  }
  EXPECT_TRUE(IsSRecordFileName("a.s9"));
  EXPECT_FALSE(IsSRecordFileName("S9"));
  EXPECT_FALSE(IsBinaryProgramFileName("exe"));
  EXPECT_FALSE(IsBinaryProgramFileName("prog.exe.bak"));
}

TEST_F(ConfigFileTest, OtherNamesGoToTheHeaderImportOnOpenAndAreBinaryOnSave) {
  // A binary record in a file named appcfg.h is not found on open: the import
  // looks for a header there.
  std::string path = dir.File("appcfg.h");
  ASSERT_TRUE(WriteFileBytes(path, ProgramImage(SampleRecord(), false)));
  EXPECT_FALSE(OpenConfigFile(config, path.c_str()));
  EXPECT_EQ(messages.Texts().back(), NotConfigurable(path));
  EXPECT_TRUE(SameRecord(WorkingRecord, kDefaultHalStruct));
  // Saving into it uses the binary writer.
  messages.Clear();
  EXPECT_TRUE(SaveConfigFile(config, path.c_str(), nullptr, false));
  EXPECT_EQ(ReadFileBytes(path), ProgramImage(kDefaultHalStruct, false));
  ASSERT_TRUE(WriteFileBytes(path, "#define X 1\n"));
  EXPECT_FALSE(SaveConfigFile(config, path.c_str(), nullptr, false));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"ERROR: file " + path + ": HAL INFO not found !"});
}

TEST_F(ConfigFileTest, ExplicitStorageFormOverridesTheName) {
  std::string srec = dir.File("image.txt");
  ASSERT_TRUE(WriteFileBytes(srec, MakeSRecordText(RecordImage(SampleRecord(), false))));
  ASSERT_TRUE(OpenConfigFile(config, srec.c_str(), kStorageSRecord));
  EXPECT_TRUE(SameRecord(WorkingRecord, SampleRecord()));
  WorkingRecord.ClkI = 0x99;
  ASSERT_TRUE(SaveConfigFile(config, srec.c_str(), nullptr, false, kStorageSRecord));
  EXPECT_TRUE(AllChecksumsCorrect(ReadFileBytes(srec)));

  std::string binary = dir.File("prog.S9");
  ASSERT_TRUE(WriteFileBytes(binary, ProgramImage(SampleRecord(), false)));
  ASSERT_TRUE(OpenConfigFile(config, binary.c_str(), kStorageBinary));
  EXPECT_TRUE(SameRecord(LoadedRecord, SampleRecord()));
  WorkingRecord.ClkI = 0x99;
  ASSERT_TRUE(SaveConfigFile(config, binary.c_str(), nullptr, false, kStorageBinary));
  HAL_STRUCT expected = SampleRecord();
  expected.ClkI = 0x99;
  EXPECT_EQ(ReadFileBytes(binary), ProgramImage(expected, false));
}

// --- Saving binary files ---

TEST_F(ConfigFileTest, BigEndianFileRoundTripsByteForByte) {
  std::string path = dir.File("target.elf");
  std::string original = ProgramImage(SampleRecord(), true);
  ASSERT_TRUE(WriteFileBytes(path, original));
  ASSERT_TRUE(OpenConfigFile(config, path.c_str()));
  EXPECT_EQ(WorkingRecord.ClkI, 0x00012345u);
  EXPECT_EQ(WorkingRecord.RegAddr, 0x12345678u);
  EXPECT_EQ(WorkingRecord.Regs[1].Index, 0x05);

  // Unchanged, the file comes back as it was.
  ASSERT_TRUE(SaveConfigFile(config, path.c_str(), nullptr, false));
  EXPECT_EQ(ReadFileBytes(path), original);

  SetRegister(0x05, 0x5A);
  WorkingRecord.FrameRate = 0x0160;
  HAL_STRUCT working = WorkingRecord;
  ASSERT_TRUE(SaveConfigFile(config, path.c_str(), nullptr, false));
  std::string saved = ReadFileBytes(path);
  ASSERT_EQ(saved.size(), original.size());
  // Register 05h is entry 1: its Value's low byte is the second byte big-endian;
  // FrameRate 0160h at 476: only its low byte (the second) changed.
  EXPECT_EQ(Differences(original, saved), (std::vector<size_t>{1000 + 24 + 4 + 3, 1000 + 477}));
  EXPECT_EQ(saved.substr(1000 + 16, 2), "\x12\x34");
  EXPECT_EQ(saved[1000 + 24 + 4 + 3], '\x5A');
  EXPECT_TRUE(SameRecord(WorkingRecord, working));
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ConfigFileTest, PreservedAddressesKeepTheFilesOwnInBothForms) {
  HAL_STRUCT fileRecord = SampleRecord();
  WorkingRecord.RegAddr = 0x1000;
  WorkingRecord.DispMemAddr = 0x2000;
  WorkingRecord.ClkI = 0x7777;
  HAL_STRUCT expected = WorkingRecord;
  expected.RegAddr = fileRecord.RegAddr;
  expected.DispMemAddr = fileRecord.DispMemAddr;

  std::string binary = dir.File("prog.exe");
  ASSERT_TRUE(WriteFileBytes(binary, ProgramImage(fileRecord, true)));
  HAL_STRUCT working = WorkingRecord;
  ASSERT_TRUE(SaveConfigFile(config, binary.c_str(), nullptr, true));
  EXPECT_EQ(ReadFileBytes(binary), ProgramImage(expected, true));
  // The save refreshed the loaded record from the file and left the working one.
  EXPECT_TRUE(SameRecord(LoadedRecord, fileRecord));
  EXPECT_TRUE(SameRecord(WorkingRecord, working));

  std::string srec = dir.File("prog.IDP");
  ASSERT_TRUE(WriteFileBytes(srec, MakeSRecordText(RecordImage(fileRecord, false))));
  ASSERT_TRUE(SaveConfigFile(config, srec.c_str(), nullptr, true));
  HAL_STRUCT inFile = expected;
  memcpy(inFile.Reserved, fileRecord.Reserved, sizeof inFile.Reserved);
  EXPECT_EQ(DataStream(ReadFileBytes(srec)), "HDR" + RecordImage(inFile, false));

  // Cleared, the working record's addresses are written.
  ASSERT_TRUE(SaveConfigFile(config, binary.c_str(), nullptr, false));
  EXPECT_EQ(ReadFileBytes(binary), ProgramImage(WorkingRecord, true));
  EXPECT_EQ(WorkingRecord.RegAddr, 0x1000u);
}

TEST_F(ConfigFileTest, SaveAsOverAnExistingFileCopiesAndPatchesLeavingTheSource) {
  for (const char* suffix : {".exe", ".S9"}) {
    std::string source = dir.File(std::string("current") + suffix);
    std::string target = dir.File(std::string("copy") + suffix);
    std::string original = suffix == std::string(".exe")
                               ? ProgramImage(SampleRecord(), false)
                               : MakeSRecordText(ProgramImage(SampleRecord(), false));
    ASSERT_TRUE(WriteFileBytes(source, original));
    ASSERT_TRUE(WriteFileBytes(target, std::string(100000, 'T')));
    ASSERT_TRUE(OpenConfigFile(config, source.c_str()));
    SetRegister(0x10, 0x61);
    ASSERT_TRUE(SaveConfigFile(config, source.c_str(), target.c_str(), false)) << suffix;
    EXPECT_EQ(ReadFileBytes(source), original) << suffix;
    ASSERT_TRUE(OpenConfigFile(config, target.c_str()));
    EXPECT_EQ(GetRegister(0x10), 0x61u) << suffix;
    EXPECT_EQ(ReadFileBytes(target).size(), original.size()) << suffix;
  }
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ConfigFileTest, SaveAsOntoTheSourceItselfPatchesItInPlace) {
  std::string path = dir.File("prog.exe");
  ASSERT_TRUE(WriteFileBytes(path, ProgramImage(SampleRecord(), false)));
  ASSERT_TRUE(OpenConfigFile(config, path.c_str()));
  WorkingRecord.ClkI = 42;
  ASSERT_TRUE(SaveConfigFile(config, path.c_str(), path.c_str(), false));
  EXPECT_EQ(ReadFileBytes(path), ProgramImage(WorkingRecord, false));
}

TEST_F(ConfigFileTest, SaveAsReportsACopyThatCannotBeMade) {
  std::string source = dir.File("absent.exe");
  std::string target = dir.File("copy.exe");
  EXPECT_FALSE(SaveConfigFile(config, source.c_str(), target.c_str(), false));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"ERROR: could not create file " + target + "!"});
  messages.Clear();
  std::string present = dir.File("present.S9");
  ASSERT_TRUE(WriteFileBytes(present, MakeSRecordText(RecordImage(SampleRecord(), false))));
  std::string intoMissingFolder = dir.File("no-such-folder/copy.S9");
  EXPECT_FALSE(SaveConfigFile(config, present.c_str(), intoMissingFolder.c_str(), false));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"ERROR: could not create file " + intoMissingFolder + "!"});
}

TEST_F(ConfigFileTest, FailedSRecordSaveLeavesTheTargetAsItWas) {
  std::string text = MakeSRecordText(ProgramImage(SampleRecord(), false));
  // Damage the checksum of the last line that holds record bytes: the S0 line
  // comes first, then data lines of 16 bytes from the image's start.
  std::vector<std::string> lines = SplitLines(text);
  std::string& damaged = lines[1 + (1000 + 487) / 16];
  damaged.back() = damaged.back() == '0' ? '1' : '0';
  std::string broken;
  for (const std::string& line : lines) broken += line + "\r\n";
  std::string source = dir.File("broken.LVB");
  ASSERT_TRUE(WriteFileBytes(source, broken));
  WorkingRecord.ClkI = 1;
  HAL_STRUCT working = WorkingRecord;
  EXPECT_FALSE(SaveConfigFile(config, source.c_str(), nullptr, false));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR: Invalid checksum!"});
  EXPECT_EQ(ReadFileBytes(source), broken);
  // Save As: the copy is made and stays a plain copy.
  std::string target = dir.File("copy.LVB");
  EXPECT_FALSE(SaveConfigFile(config, source.c_str(), target.c_str(), false));
  EXPECT_EQ(ReadFileBytes(target), broken);
  EXPECT_TRUE(SameRecord(WorkingRecord, working));
  EXPECT_TRUE(SameRecord(LoadedRecord, kDefaultHalStruct));
}

#ifndef _WIN32
TEST_F(ConfigFileTest, TargetThatCannotBeOpenedForWritingIsReported) {
  if (geteuid() == 0) GTEST_SKIP() << "file permissions do not bind this user";
  std::string path = dir.File("locked.exe");
  ASSERT_TRUE(WriteFileBytes(path, ProgramImage(SampleRecord(), false)));
  ASSERT_EQ(chmod(path.c_str(), 0444), 0);
  EXPECT_FALSE(SaveConfigFile(config, path.c_str(), nullptr, false));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR: open failed on input file " + path});
}
#endif

TEST_F(ConfigFileTest, FifoIsRefusedBeforeAnythingWaitsForAWriter) {
  for (const char* name : {"fifo.exe", "fifo.S9", "appcfg.h"}) {
    std::string path = dir.File(name);
    if (!MakeFifo(path)) GTEST_SKIP() << "no FIFOs here";
    messages.Clear();
    EXPECT_TRUE(ReturnsWithoutWaitingOnFifo(path, [&] {
      EXPECT_FALSE(OpenConfigFile(config, path.c_str()));
      EXPECT_FALSE(SaveConfigFile(config, path.c_str(), nullptr, false));
    })) << name;
    std::string openFailed = "ERROR: open failed on input file " + path;
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{openFailed, NotConfigurable(path), openFailed}))
        << name;
    EXPECT_TRUE(SameRecord(WorkingRecord, kDefaultHalStruct));
  }
}
