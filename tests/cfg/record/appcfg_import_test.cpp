#include "cfg/record/appcfg_import.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <filesystem>
#include <string>

#include "cfg/record/record.h"
#include "common/message.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/fifo.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

namespace {

// A header in the form the appcfg.h export writes, with a shortened list.
const char kHeader[] =
    "\n"
    "/*  Panel: 320x240x8bpp 70Hz Color Single STN 4-bit (PCLK=6.250MHz)           */\n"
    "\n"
    "HAL_STRUCT HalInfo = \n"
    "    {\n"
    "    \"5642 HAL EXE\",     /* ID string */\n"
    "    0x1234,             /* Detect Endian */\n"
    "    sizeof(HAL_STRUCT), /* Size */\n"
    "    0 | fVALID_LCD | fFIXED_CLKI | fFIXED_DIVPCLK,    /* Flags */\n"
    "        {\n"
    "        /* Registers */\n"
    "        {REG_PCLK_CONFIG               ,0x21},   /* Reg    5h */\n"
    "        {REG_HDP                       ,0x1d},   /* Reg   14h */\n"
    "        {REG_DISPLAY_MODE              ,0x04},   /* Reg   70h */\n"
    "        {FINISHED_REG_CFG,              0x00}\n"
    "        },\n"
    "\n"
    "    {\n    /*GcpData*/\n"
    "    0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00\n"
    "    },\n"
    "\n"
    "     6000,             /* ClkI (kHz)      */\n"
    "    14318,             /* ClkI2 (kHz)     */\n"
    "    25000,             /* BCLK (kHz)      */\n"
    "    0x00A0C000,        /* Registers       */\n"
    "    0x00800000,        /* Display Memory  */\n"
    "      75,              /* Panel Frame Rate (Hz)              */\n"
    "      900,             /* Time before LCD power Off (in milliseconds) */\n"
    "       20,             /* Time before LCD power On (in milliseconds)  */\n"
    "    7,                 /* Reserved                 */\n"
    "    };";

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
  size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) text.replace(at, from.size(), to);
  return text;
}

std::string WithCrLf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

// Where the library looks for the temporary directory.
#ifdef _WIN32
const char kTemporaryDirectoryVariable[] = "TMP";
#else
const char kTemporaryDirectoryVariable[] = "TMPDIR";
#endif

class AppcfgImportTest : public ConfigurationTest {
 protected:
  void SetUp() override { ResetRecords(); }
  void TearDown() override { ResetRecords(); }

  bool Import(const std::string& content) {
    std::string path = dir.File("board.h");
    EXPECT_TRUE(WriteFileBytes(path, content));
    return ImportAppcfg(config, path.c_str());
  }

  unsigned Loaded(unsigned index) {
    return LoadedRecord.Regs[FindRegisterPosition(LoadedRecord, index)].Value;
  }

  TempDir dir;
  MessageRecorder messages;
};

// A copy of the header with REG[14h] = 33h waits as appcfg.h in the
// temporary directory.
class TemporaryAppcfgTest : public AppcfgImportTest {
 protected:
  void SetUp() override {
    AppcfgImportTest::SetUp();
    ASSERT_TRUE(
        WriteFileBytes(temporaryFolder.File("appcfg.h"), Replaced(kHeader, "0x1d}", "0x33}")));
  }

  TempDir temporaryFolder;
  ScopedVariable temporary{kTemporaryDirectoryVariable, temporaryFolder.Path()};
};

}  // namespace

// The values of the header reach the loaded record and then the working record.
TEST_F(AppcfgImportTest, AppliesFlagsRegistersClocksAddressesAndDelays) {
  WorkingRecord.ClkI = 1;  // an edit the import replaces
  ASSERT_TRUE(Import(kHeader));
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(LoadedRecord.Flags, uint32_t(fVALID_LCD | fFIXED_CLKI | fFIXED_DIVPCLK));
  EXPECT_EQ(Loaded(0x05), 0x21u);
  EXPECT_EQ(Loaded(0x14), 0x1Du);
  EXPECT_EQ(Loaded(0x70), 0x04u);
  EXPECT_EQ(LoadedRecord.ClkI, 6000u);  // written with a leading space
  EXPECT_EQ(LoadedRecord.ClkI2, 14318u);
  EXPECT_EQ(LoadedRecord.BusClk, 25000u);  // the export's own "BCLK (kHz)" label
  EXPECT_EQ(LoadedRecord.RegAddr, 0x00A0C000u);
  EXPECT_EQ(LoadedRecord.DispMemAddr, 0x00800000u);
  EXPECT_EQ(LoadedRecord.PowerOffDelay, 900);
  EXPECT_EQ(LoadedRecord.PowerOnDelay, 20);
  EXPECT_EQ(memcmp(&WorkingRecord, &LoadedRecord, sizeof(HAL_STRUCT)), 0);
}

// Frame rate, GCP table, reserved words and the list layout are not imported.
TEST_F(AppcfgImportTest, KeepsFieldsTheHeaderDoesNotCarryAndTheListLayout) {
  ASSERT_TRUE(Import(kHeader));
  HAL_STRUCT expected = kDefaultHalStruct;
  expected.Flags = LoadedRecord.Flags;
  expected.ClkI = LoadedRecord.ClkI;
  expected.ClkI2 = LoadedRecord.ClkI2;
  expected.BusClk = LoadedRecord.BusClk;
  expected.RegAddr = LoadedRecord.RegAddr;
  expected.DispMemAddr = LoadedRecord.DispMemAddr;
  expected.PowerOffDelay = LoadedRecord.PowerOffDelay;
  expected.PowerOnDelay = LoadedRecord.PowerOnDelay;
  expected.Regs[1].Value = 0x21;
  expected.Regs[5].Value = 0x1D;
  expected.Regs[20].Value = 0x04;
  EXPECT_EQ(memcmp(&expected, &LoadedRecord, sizeof(HAL_STRUCT)), 0);
}

TEST_F(TemporaryAppcfgTest, ReadsTheChosenFileNotTheTemporaryDirectoryCopy) {
  ASSERT_TRUE(Import(kHeader));
  EXPECT_EQ(Loaded(0x14), 0x1Du);
}

TEST_F(TemporaryAppcfgTest, NoPathReadsAppcfgInTheTemporaryDirectory) {
  ASSERT_TRUE(ImportAppcfg(config, nullptr));
  EXPECT_EQ(Loaded(0x14), 0x33u);
}

TEST_F(AppcfgImportTest, CrLfLineEndsReadTheSame) {
  ASSERT_TRUE(Import(WithCrLf(kHeader)));
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(Loaded(0x14), 0x1Du);
  EXPECT_EQ(LoadedRecord.Flags, uint32_t(fVALID_LCD | fFIXED_CLKI | fFIXED_DIVPCLK));
  EXPECT_EQ(LoadedRecord.RegAddr, 0x00A0C000u);
  EXPECT_EQ(LoadedRecord.PowerOnDelay, 20);
}

// Flag names count as whole words; the flags are rebuilt from the names alone.
TEST_F(AppcfgImportTest, FlagNamesAreWholeWords) {
  ASSERT_TRUE(Import(
      Replaced(kHeader, "0 | fVALID_LCD | fFIXED_CLKI | fFIXED_DIVPCLK,", "0 | fFIXED_CLKI2,")));
  EXPECT_EQ(LoadedRecord.Flags, uint32_t(fFIXED_CLKI2));
  ASSERT_TRUE(Import(Replaced(kHeader, "0 | fVALID_LCD | fFIXED_CLKI | fFIXED_DIVPCLK,",
                              "0 | fFIXED_DIVMCLK | fVALID_LCDX | xfFIXED_CLKI,")));
  EXPECT_EQ(LoadedRecord.Flags, uint32_t(fFIXED_DIVMCLK));
}

TEST_F(AppcfgImportTest, RegisterValueTakesOnlyTwoHexDigitsEitherCase) {
  ASSERT_TRUE(Import(Replaced(Replaced(kHeader, ",0x1d}", ",0x123}"), ",0x21}", ",0XaB}")));
  EXPECT_EQ(Loaded(0x14), 0x12u);
  EXPECT_EQ(Loaded(0x05), 0xABu);
}

// A symbol written without the padding blanks is still the register's name.
TEST_F(AppcfgImportTest, SymbolEndsAtACommaAsWellAsAtABlank) {
  ASSERT_TRUE(Import(Replaced(kHeader, "{REG_HDP                       ,0x1d}", "{REG_HDP,0x1e}")));
  EXPECT_EQ(Loaded(0x14), 0x1Eu);
}

TEST_F(AppcfgImportTest, FileEndingInsideTheListKeepsValuesReadSoFar) {
  std::string header = kHeader;
  header.resize(header.find("        {REG_DISPLAY_MODE"));
  ASSERT_TRUE(Import(header));
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(Loaded(0x14), 0x1Du);
  EXPECT_EQ(Loaded(0x70), 0x03u);
  EXPECT_EQ(LoadedRecord.ClkI, 50000u);
  EXPECT_EQ(memcmp(&WorkingRecord, &LoadedRecord, sizeof(HAL_STRUCT)), 0);
}

// A register the record's list lacks is reported and skipped; an unknown name is ignored.
TEST_F(AppcfgImportTest, AbsentRegisterIsReportedUnknownNameIgnored) {
  std::string header = Replaced(kHeader, "        {FINISHED_REG_CFG",
                                "        {REG_KVRX_GCP_INDEX            ,0x05},\n"
                                "        {REG_NOT_A_REGISTER            ,0x05},\n"
                                "        {FINISHED_REG_CFG");
  ASSERT_TRUE(Import(header));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Invalid register requested: 28h"});
  EXPECT_EQ(LoadedRecord.ClkI2, 14318u);
}

TEST_F(AppcfgImportTest, DelaysKeepTheLow16Bits) {
  ASSERT_TRUE(Import(Replaced(kHeader, "      900,", "    70000,")));
  EXPECT_EQ(LoadedRecord.PowerOffDelay, 70000 & 0xFFFF);
}

TEST_F(AppcfgImportTest, OlderBusClockLabelIsAccepted) {
  ASSERT_TRUE(Import(Replaced(kHeader, "/* BCLK (kHz)      */", "/* Bus Clock (kHz) */")));
  EXPECT_EQ(LoadedRecord.BusClk, 25000u);
}

// Failures leave the working record alone; what was applied stays in the loaded record.
TEST_F(AppcfgImportTest, MissingMarkerIsAWrongFormat) {
  std::string path = dir.File("board.h");
  ASSERT_FALSE(Import(Replaced(kHeader, "/* Flags */", "")));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Wrong file format in " + path});
  EXPECT_EQ(messages.Messages()[0].style & kMsgIconMask, unsigned(kMsgIconError));
  EXPECT_EQ(LoadedRecord.Flags, 0u);  // cleared at the ID line
  EXPECT_EQ(memcmp(&WorkingRecord, &kDefaultHalStruct, sizeof(HAL_STRUCT)), 0);

  messages.Clear();
  ASSERT_FALSE(Import(Replaced(kHeader, "HAL_STRUCT HalInfo =", "HAL_STRUCT Other =")));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Wrong file format in " + path});
}

TEST_F(AppcfgImportTest, BadRegisterValueOrBlankLineInTheListIsAWrongFormat) {
  std::string path = dir.File("board.h");
  ASSERT_FALSE(Import(Replaced(kHeader, ",0x04}", ",0x4}")));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Wrong file format in " + path});
  EXPECT_EQ(Loaded(0x14), 0x1Du);  // applied before the bad line
  EXPECT_EQ(memcmp(&WorkingRecord, &kDefaultHalStruct, sizeof(HAL_STRUCT)), 0);

  messages.Clear();
  ASSERT_FALSE(Import(Replaced(kHeader, "        {REG_HDP", "\n        {REG_HDP")));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Wrong file format in " + path});
}

TEST_F(AppcfgImportTest, UnreadableFileIsReported) {
  std::string path = dir.File("missing.h");
  EXPECT_FALSE(ImportAppcfg(config, path.c_str()));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Failed to open file " + path});
  // A folder cannot be opened as a header either, on every system.
  messages.Clear();
  EXPECT_FALSE(ImportAppcfg(config, dir.Path().c_str()));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Failed to open file " + dir.Path()});
}

// The export leaves the end-marker line out of a full list; the brace that
// closes the list then ends it, and the value lines behind it are read.
TEST_F(AppcfgImportTest, ClosingBraceEndsAListWithoutEndMarker) {
  std::string header = Replaced(kHeader, "        {FINISHED_REG_CFG,              0x00}\n", "");
  ASSERT_TRUE(Import(header));
  EXPECT_TRUE(messages.Messages().empty());
  EXPECT_EQ(Loaded(0x70), 0x04u);
  EXPECT_EQ(LoadedRecord.ClkI2, 14318u);
}

TEST_F(AppcfgImportTest, FifoOrFolderIsReportedBeforeAnythingWaits) {
  EXPECT_FALSE(ImportAppcfg(config, dir.Path().c_str()));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Failed to open file " + dir.Path()});
  std::string fifo = dir.File("appcfg.h");
  if (!MakeFifo(fifo)) GTEST_SKIP() << "no FIFOs here";
  messages.Clear();
  EXPECT_TRUE(
      ReturnsWithoutWaitingOnFifo(fifo, [&] { EXPECT_FALSE(ImportAppcfg(config, fifo.c_str())); }));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Failed to open file " + fifo});
}
