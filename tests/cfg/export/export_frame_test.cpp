#include "cfg/export/export_frame.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "cfg/export/csv_writer.h"
#include "cfg/export/export_kinds.h"
#include "cfg/export/export_options.h"
#include "cfg/export/text_format.h"
#include "cfg/record/record.h"
#include "common/message.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/support/environment.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

namespace {

class ExportFrameTest : public ConfigurationTest {
 protected:
  TempDir dir;
  MessageRecorder messages;
};

// Every line end on disk is CR LF.
bool OnlyCrLfLineEnds(const std::string& bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) return false;
  }
  return bytes.find('\n') != std::string::npos;
}

}  // namespace

using ExportKindsTest = ConfigurationTest;
using ExportOptionsTest = ConfigurationTest;

TEST_F(ExportKindsTest, KindsByNameInListOrder) {
  const char* const names[kExportKindCount] = {"appcfg", "chip", "mode",     "generic",
                                               "csv",    "dts",  "modeline", "paneldef"};
  for (int i = 0; i < kExportKindCount; ++i) {
    ExportKind kind = kExportCsv;
    ASSERT_TRUE(FindExportKind(names[i], &kind)) << names[i];
    EXPECT_EQ(kind, i);
  }
  ExportKind kind = kExportAppcfg;
  EXPECT_FALSE(FindExportKind("APPCFG", &kind));
  EXPECT_FALSE(FindExportKind(nullptr, &kind));
}

TEST_F(ExportKindsTest, OptionsOnlyForTheDriverHeaders) {
  EXPECT_STREQ(kExportDefaultExtension, "h");  // for the CSV listing too
  EXPECT_EQ(ExportDefaultExtension(kExportCsv), "h");
  EXPECT_EQ(ExportDefaultExtension(kExportDts), "dtsi");
  for (int i = 0; i < kExportKindCount; ++i) {
    ExportKind kind = static_cast<ExportKind>(i);
    EXPECT_EQ(ExportHasOptions(kind), i == 2 || i == 3) << i;
    EXPECT_EQ(ExportOptionsShowModeNumber(kind), i == 2) << i;
  }
}

TEST_F(ExportKindsTest, FileNamesTakeTheModeNumber) {
  const char* const defaults[kExportKindCount] = {
      "appcfg.h",          "chip.h",       "mode0.h",  "qlc56420.h", "56420regs.csv",
      "panel-timing.dtsi", "modeline.txt", "panel.def"};
  for (int i = 0; i < kExportKindCount; ++i) {
    EXPECT_EQ(DefaultExportFileName(config, static_cast<ExportKind>(i)), defaults[i]);
  }
  SetExportModeNumber(config, 7);
  EXPECT_EQ(DefaultExportFileName(config, kExportMode), "mode7.h");
  SetExportModeNumber(config, 3);
  const char* const previews[kExportKindCount] = {
      "appcfg.h",          "CHIP.H",       "MODE3.H",  "qlc56420.h", "56420REGS.CSV",
      "PANEL-TIMING.DTSI", "MODELINE.TXT", "PANEL.DEF"};
  for (int i = 0; i < kExportKindCount; ++i) {
    EXPECT_EQ(PreviewExportFileName(config, static_cast<ExportKind>(i)), previews[i]);
  }
}

TEST_F(ExportOptionsTest, StartClearedAndModeNumberStaysWithin0To1000) {
  EXPECT_EQ(config.Export.softwareCursor, 0);
  EXPECT_EQ(config.Export.softwareBlitEmulation, 0);
  EXPECT_EQ(config.Export.modeNumber, 0);
  SetExportModeNumber(config, 1000);
  EXPECT_EQ(config.Export.modeNumber, 1000);
  SetExportModeNumber(config, 1001);
  EXPECT_EQ(config.Export.modeNumber, 1000);
  SetExportModeNumber(config, -1);
  EXPECT_EQ(config.Export.modeNumber, 0);
}

// The file holds the text with CR LF line ends, whichever build wrote it.
TEST_F(ExportFrameTest, WritesTheTextWithCrLfReplacingAnExistingFile) {
  std::string path = dir.File("out.csv");
  ASSERT_TRUE(WriteFileBytes(path, std::string(20000, 'x')));
  ASSERT_TRUE(WriteExport(config, kExportCsv, path.c_str()));
  std::string bytes = ReadFileBytes(path);
  EXPECT_EQ(bytes, WithCrLf(CsvListingText(config)));
  EXPECT_TRUE(OnlyCrLfLineEnds(bytes));
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(ExportFrameTest, AppcfgFileEndsWithoutALineEnd) {
  std::string path = dir.File("appcfg.h");
  ASSERT_TRUE(WriteExport(config, kExportAppcfg, path.c_str()));
  std::string bytes = ReadFileBytes(path);
  EXPECT_EQ(bytes.substr(0, 2), "\r\n");
  EXPECT_EQ(bytes.substr(bytes.size() - 10), "*/\r\n    };");
  EXPECT_TRUE(OnlyCrLfLineEnds(bytes));
}

TEST_F(ExportFrameTest, UncreatableFileIsReportedAndNothingIsWritten) {
  std::string path = dir.File("missing") + "/chip.h";
  EXPECT_FALSE(WriteExport(config, kExportChip, path.c_str()));
  ASSERT_EQ(messages.Texts(), std::vector<std::string>{"Failed to open file " + path});
  EXPECT_EQ(messages.Messages()[0].style & kMsgIconMask, unsigned(kMsgIconError));
  EXPECT_FALSE(FileExists(path));
}

// A file that opens but cannot be written completely is not a success.
TEST_F(ExportFrameTest, IncompleteWriteIsReported) {
  if (!FileExists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  EXPECT_FALSE(WriteExport(config, kExportChip, "/dev/full"));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Failed to write file /dev/full"});
}

#ifndef _WIN32
// Previews on POSIX systems: the temporary directory and the viewer are
// taken from TMPDIR and PATH, which these tests point at their own folders.
class PreviewTest : public ExportFrameTest {
 protected:
  void InstallViewer(const std::string& script) {
    std::string path = bin.File("xdg-open");
    ASSERT_TRUE(WriteFileBytes(path, "#!/bin/sh\n" + script));
    ASSERT_EQ(RunCommand("/bin/chmod +x '" + path + "'"), 0);
  }
  TempDir bin;

 private:
  ScopedVariable temporary_{"TMPDIR", dir.Path()};
  ScopedVariable path_{"PATH", bin.Path()};
};

TEST_F(PreviewTest, ModePreviewGoesToTheTemporaryDirectoryAndItsPathIsPrinted) {
  SetExportModeNumber(config, 3);
  std::string expected = dir.File("MODE3.H");
  EXPECT_EQ(PreviewExportPath(config, kExportMode), expected);
  testing::internal::CaptureStdout();
  bool written = WriteExport(config, kExportMode, nullptr);
  std::string printed = testing::internal::GetCapturedStdout();
  EXPECT_TRUE(written);
  EXPECT_EQ(printed, expected + "\n");
  EXPECT_TRUE(OnlyCrLfLineEnds(ReadFileBytes(expected)));
  EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(PreviewTest, ViewerIsStartedWithThePreviewPath) {
  std::string opened = bin.File("opened");
  InstallViewer("printf '%s' \"$1\" > '" + opened + "'\n");
  ASSERT_TRUE(WriteExport(config, kExportChip, ""));
  EXPECT_EQ(ReadFileBytes(opened), dir.File("CHIP.H"));
}

TEST_F(PreviewTest, FailingViewerIsReportedAndThePreviewStays) {
  InstallViewer("exit 3\n");
  EXPECT_FALSE(WriteExport(config, kExportCsv, nullptr));
  std::string path = dir.File("56420REGS.CSV");
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Failed to execute \"xdg-open " + path + "\""});
  EXPECT_TRUE(FileExists(path));
}
#endif
