// Configurable files made by real tools: programs built by the compilers on
// this machine and S-record files written by objcopy and srec_cat, with
// srec_info judging what the writer produced. Each test is skipped where its
// tools are not on PATH (as in the Windows build, whose tests run under Wine).
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <initializer_list>

#include "cfg/record/config_file.h"
#include "cfg/record/record.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/cfg/record/record_files.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

namespace {

const char kProgramSource[] =
    "#include <stdio.h>\n"
    "#include \"common/default_record.h\"\n"
    "HAL_STRUCT HalInfo = QLC_DEFAULT_HAL_STRUCT;\n"
    "#ifdef WITH_MAIN\n"
    "int main(void) {\n"
    "  printf(\"%u %u %u\\n\", (unsigned)HalInfo.ClkI, (unsigned)HalInfo.Regs[1].Value,\n"
    "         (unsigned)HalInfo.FrameRate);\n"
    "  return 0;\n"
    "}\n"
    "#endif\n";

std::string SourceDir() {
  const char* dir = getenv("QLC_SOURCE_DIR");
  return dir ? dir : ".";
}

// The tools are Linux programs taking POSIX paths: the Windows build does not
// run them even where Wine's "where" claims to find them.
bool HaveTools(std::initializer_list<const char*> names) {
#ifdef _WIN32
  (void)names;
  return false;
#else
  for (const char* name : names) {
    if (!HaveProgram(name)) return false;
  }
  return true;
#endif
}

bool SameRecord(const HAL_STRUCT& a, const HAL_STRUCT& b) {
  return memcmp(&a, &b, 488) == 0;
}

// The default record as the tests change it before saving.
HAL_STRUCT EditedDefault() {
  HAL_STRUCT record = kDefaultHalStruct;
  record.ClkI = 25175;
  record.Regs[1].Value = 0x5A;
  record.FrameRate = 60;
  return record;
}

void EditWorkingRecord(Configuration& config) {
  config.WorkingRecord.ClkI = 25175;
  config.SetRegister(0x05, 0x5A);
  config.WorkingRecord.FrameRate = 60;
}

size_t CountDifferences(const std::string& a, const std::string& b) {
  size_t count = a.size() == b.size() ? 0 : 1000000;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) count += a[i] != b[i];
  return count;
}

class RealToolsTest : public ConfigurationTest {
 protected:
  void SetUp() override {
    ResetRecords();
    ASSERT_TRUE(WriteFileBytes(dir.File("hal.c"), kProgramSource));
  }
  std::string Compile(const std::string& compiler, const std::string& flags,
                      const std::string& output) {
    return compiler + " " + flags + " -I'" + SourceDir() + "' '" + dir.File("hal.c") + "' -o '" +
           output + "'";
  }
  MessageRecorder messages;
  TempDir dir;
};

}  // namespace

TEST_F(RealToolsTest, NativeProgramRunsWithTheRecordSavedIntoIt) {
  if (!HaveTools({"gcc"})) GTEST_SKIP() << "no gcc";
  std::string program = dir.File("demo.ELF");
  ASSERT_EQ(RunCommand(Compile("gcc", "-DWITH_MAIN -O0", program)), 0);
  ASSERT_EQ(CommandOutput("'" + program + "'"), "50000 67 70\n");
  std::string before = ReadFileBytes(program);

  ASSERT_TRUE(OpenConfigFile(config, program.c_str()));
  EXPECT_TRUE(SameRecord(WorkingRecord, kDefaultHalStruct));
  EditWorkingRecord(config);
  ASSERT_TRUE(SaveConfigFile(config, program.c_str(), nullptr, false));
  EXPECT_EQ(CommandOutput("'" + program + "'"), "25175 90 60\n");
  // ClkI changes two bytes (C350h to 6257h), the register and FrameRate one each.
  EXPECT_EQ(CountDifferences(before, ReadFileBytes(program)), 4u);
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(RealToolsTest, BigEndianObjectRoundTripsByteForByte) {
  if (!HaveTools({"m68k-linux-gnu-gcc", "m68k-linux-gnu-objcopy"})) {
    GTEST_SKIP() << "no m68k cross compiler";
  }
  std::string object = dir.File("hal.ELF");
  ASSERT_EQ(RunCommand(Compile("m68k-linux-gnu-gcc", "-c -O0", object)), 0);
  std::string before = ReadFileBytes(object);
  ASSERT_TRUE(OpenConfigFile(config, object.c_str()));
  EXPECT_TRUE(SameRecord(WorkingRecord, kDefaultHalStruct));
  ASSERT_TRUE(SaveConfigFile(config, object.c_str(), nullptr, false));
  EXPECT_EQ(ReadFileBytes(object), before);

  EditWorkingRecord(config);
  ASSERT_TRUE(SaveConfigFile(config, object.c_str(), nullptr, false));
  EXPECT_EQ(CountDifferences(before, ReadFileBytes(object)), 4u);
  std::string data = dir.File("data.bin");
  ASSERT_EQ(RunCommand("m68k-linux-gnu-objcopy -O binary -j .data '" + object + "' '" + data + "'"),
            0);
  EXPECT_EQ(ReadFileBytes(data), RecordImage(EditedDefault(), true));
}

TEST_F(RealToolsTest, ObjcopySRecordsAreReadAndRewrittenWithValidChecksums) {
  if (!HaveTools({"m68k-linux-gnu-gcc", "m68k-linux-gnu-objcopy", "srec_info", "srec_cat"})) {
    GTEST_SKIP() << "no m68k cross compiler or srecord tools";
  }
  std::string object = dir.File("hal.o");
  std::string srec = dir.File("hal.S9");
  ASSERT_EQ(RunCommand(Compile("m68k-linux-gnu-gcc", "-c -O0", object)), 0);
  ASSERT_EQ(RunCommand("m68k-linux-gnu-objcopy -O srec -j .data '" + object + "' '" + srec + "'"),
            0);
  ASSERT_TRUE(OpenConfigFile(config, srec.c_str()));
  EXPECT_TRUE(SameRecord(WorkingRecord, kDefaultHalStruct));
  EditWorkingRecord(config);
  ASSERT_TRUE(SaveConfigFile(config, srec.c_str(), nullptr, false));
  EXPECT_EQ(RunCommand("srec_info '" + srec + "' >/dev/null 2>&1"), 0);
  EXPECT_TRUE(AllChecksumsCorrect(ReadFileBytes(srec)));
  std::string back = dir.File("back.bin");
  ASSERT_EQ(RunCommand("srec_cat '" + srec + "' -o '" + back + "' -binary"), 0);
  EXPECT_EQ(ReadFileBytes(back), RecordImage(EditedDefault(), true));
}

TEST_F(RealToolsTest, SrecCatS1S2S3FilesAreReadAndRewrittenWithValidChecksums) {
  if (!HaveTools({"srec_info", "srec_cat"})) GTEST_SKIP() << "no srecord tools";
  std::string image =
      std::string(301, '\x11') + RecordImage(kDefaultHalStruct, false) + std::string(99, '\x22');
  std::string binary = dir.File("image.bin");
  ASSERT_TRUE(WriteFileBytes(binary, image));
  std::string expected =
      std::string(301, '\x11') + RecordImage(EditedDefault(), false) + std::string(99, '\x22');
  for (int addressLength : {2, 3, 4}) {
    ResetRecords();
    std::string srec = dir.File("image" + std::to_string(addressLength) + ".S9");
    ASSERT_EQ(RunCommand("srec_cat '" + binary + "' -binary -offset 0x100 -o '" + srec +
                         "' -Motorola -address-length=" + std::to_string(addressLength) +
                         " -line-length=46"),
              0);
    std::string text = ReadFileBytes(srec);
    ASSERT_NE(text.find(std::string("\nS") + char('0' + addressLength - 1)), std::string::npos);
    ASSERT_TRUE(OpenConfigFile(config, srec.c_str())) << addressLength;
    EXPECT_TRUE(SameRecord(WorkingRecord, kDefaultHalStruct));
    EditWorkingRecord(config);
    ASSERT_TRUE(SaveConfigFile(config, srec.c_str(), nullptr, false));
    std::string saved = ReadFileBytes(srec);
    EXPECT_EQ(saved.size(), text.size());
    EXPECT_EQ(RunCommand("srec_info '" + srec + "' >/dev/null 2>&1"), 0) << addressLength;
    std::string back = dir.File("back.bin");
    ASSERT_EQ(
        RunCommand("srec_cat '" + srec + "' -offset -0x100 -o '" + back + "' -binary 2>/dev/null"),
        0);
    EXPECT_EQ(ReadFileBytes(back), expected) << addressLength;
  }
  EXPECT_TRUE(messages.Messages().empty());
}
