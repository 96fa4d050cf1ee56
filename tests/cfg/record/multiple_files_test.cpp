#include "cfg/record/multiple_files.h"

#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <filesystem>

#include "cfg/record/binary_record.h"
#include "cfg/record/record.h"
#include "common/message.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/cfg/record/record_files.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

using Texts = std::vector<std::string>;

namespace {

std::string ProgramImage(const HAL_STRUCT& record) {
  return std::string(700, '\x90') + RecordImage(record, false) + std::string(100, '\0');
}

HAL_STRUCT RecordOf(const std::string& path) {
  std::string bytes = ReadFileBytes(path);
  HAL_STRUCT record = {};
  RecordLocation location;
  EXPECT_TRUE(ReadBinaryHal(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &record,
                            &location))
      << path;
  return record;
}

Texts Sorted(Texts texts) {
  std::sort(texts.begin(), texts.end());
  return texts;
}

// Works inside a folder holding A.EXE, B.TXT, C.s9, D.elf and the folders
// sub and Other, and goes back where it was afterwards.
class MultipleFilesTest : public ConfigurationTest {
 protected:
  void SetUp() override {
    ResetRecords();
    start_ = CurrentFolder();
    for (const char* name : {"A.EXE", "B.TXT", "C.s9", "D.elf"})
      ASSERT_TRUE(WriteFileBytes(dir.File(name), "x"));
    std::filesystem::create_directory(dir.File("sub"));
    std::filesystem::create_directory(dir.File("Other"));
    ASSERT_TRUE(ChangeFolder(dir.Path()));
    folder_ = CurrentFolder();
  }
  void TearDown() override { ChangeFolder(start_); }

  std::string InFolder(const std::string& name) { return folder_ + kFolderSeparator + name; }

  TempDir dir;
  MessageRecorder messages;
  std::string folder_;

 private:
  std::string start_;
};

}  // namespace

TEST(MultipleFilesNames, ConfigurableNamesAndEntryTexts) {
  for (const char* name : {"A.EXE", "a.exe", "C.s9", "x.S9", "D.elf", "p.idp", "p.IDP", "q.Lvb"})
    EXPECT_TRUE(IsConfigurableFileName(name)) << name;
  for (const char* name : {"B.TXT", "exe", "s9", "a.exe.bak", "a.s19", "a.elf2", ""})
    EXPECT_FALSE(IsConfigurableFileName(name)) << name;
  EXPECT_EQ(FolderEntryText({"DEMO.EXE", false}), "DEMO.EXE");
  EXPECT_EQ(FolderEntryText({"work", true}), "[work]");
  EXPECT_EQ(FolderEntryText({"..", true}), "[..]");
  EXPECT_EQ(DriveEntryText('c'), "[-C-]");
  EXPECT_EQ(DriveEntryText('Z'), "[-Z-]");
  EXPECT_EQ(ConfigureProgressText(3, 1000, "C:\\WORK\\DEMO.EXE"),
            "Configuring file 3 of 1000: C:\\WORK\\DEMO.EXE");
  EXPECT_EQ(ConfigureSummaryText(1, 0), "1 file configured, 0 failed.");
  EXPECT_EQ(ConfigureSummaryText(998, 2), "998 files configured, 2 failed.");
  EXPECT_EQ(ConfigureSummaryText(0, 1), "0 files configured, 1 failed.");
}

TEST_F(MultipleFilesTest, ListingShowsConfigurableFilesOrAllFilesAndEveryFolder) {
  FolderListing listing = ListFolderForSelection(false);
  EXPECT_EQ(Sorted(listing.entries),
            Sorted({"A.EXE", "C.s9", "D.elf", "[..]", "[Other]", "[sub]"}));
  EXPECT_EQ(listing.folder, folder_);
  for (const std::string& drive : listing.drives) {
    ASSERT_EQ(drive.size(), 5u);
    EXPECT_EQ(drive.substr(0, 2) + drive.substr(3), "[--]") << drive;
    EXPECT_TRUE(drive[2] >= 'A' && drive[2] <= 'Z') << drive;
  }
  EXPECT_TRUE(std::is_sorted(listing.drives.begin(), listing.drives.end()));
#ifndef _WIN32
  EXPECT_TRUE(listing.drives.empty());
#endif

  listing = ListFolderForSelection(true);
  EXPECT_EQ(Sorted(listing.entries),
            Sorted({"A.EXE", "B.TXT", "C.s9", "D.elf", "[..]", "[Other]", "[sub]"}));
}

TEST_F(MultipleFilesTest, OnlyFileEntriesGiveAFullPath) {
  EXPECT_EQ(SelectedFilePath("A.EXE"), InFolder("A.EXE"));
  EXPECT_EQ(SelectedFilePath("B.TXT"), InFolder("B.TXT"));
  for (const char* entry : {"[sub]", "[..]", "[-C-]", "sub", "Z.EXE", ""})
    EXPECT_EQ(SelectedFilePath(entry), "") << entry;
  // A file whose name looks like a folder entry is still a file.
  ASSERT_TRUE(WriteFileBytes(dir.File("[odd].exe"), "x"));
  EXPECT_EQ(SelectedFilePath("[odd].exe"), InFolder("[odd].exe"));
}

TEST_F(MultipleFilesTest, FolderEntriesMoveInAndUpOtherEntriesLeaveTheFolder) {
  ASSERT_TRUE(EnterFolderEntry("[sub]"));
  EXPECT_EQ(CurrentFolder(), InFolder("sub"));
  EXPECT_EQ(SelectedFilePath("A.EXE"), "");
  ASSERT_TRUE(EnterFolderEntry("[..]"));
  EXPECT_EQ(CurrentFolder(), folder_);
  for (const char* entry : {"[missing]", "A.EXE", "[]", "[sub", "[-?-]"}) {
    EXPECT_FALSE(EnterFolderEntry(entry)) << entry;
    EXPECT_EQ(CurrentFolder(), folder_) << entry;
  }
#ifndef _WIN32
  EXPECT_FALSE(EnterFolderEntry("[-C-]"));  // no drives here
  EXPECT_EQ(CurrentFolder(), folder_);
#endif
}

TEST_F(MultipleFilesTest, ConfigureWritesEveryFileInOrderAndReportsEachFailure) {
  HAL_STRUCT own = SampleRecord();
  std::string first = InFolder("first.exe");
  std::string broken = InFolder("broken.exe");
  std::string last = InFolder("last.exe");
  ASSERT_TRUE(WriteFileBytes(first, ProgramImage(own)));
  ASSERT_TRUE(WriteFileBytes(broken, std::string(2000, 'A')));
  ASSERT_TRUE(WriteFileBytes(last, ProgramImage(own)));
  WorkingRecord.PowerOffDelay = 77;
  WorkingRecord.RegAddr = 0x123000;

  Texts progress;
  auto note = [](void* context, size_t number, size_t count, const std::string& file) {
    static_cast<Texts*>(context)->push_back(ConfigureProgressText(number, count, file));
  };
  ConfigureOutcome outcome = ConfigureFiles(config, {first, broken, last}, true, note, &progress);
  EXPECT_EQ(outcome.configured, 2u);
  EXPECT_EQ(outcome.failed, 1u);
  EXPECT_EQ(progress,
            (Texts{ConfigureProgressText(1, 3, first), ConfigureProgressText(2, 3, broken),
                   ConfigureProgressText(3, 3, last)}));
  EXPECT_EQ(messages.Texts(), (Texts{"ERROR: file " + broken + ": HAL INFO not found !",
                                     "ERROR: File \"" + broken + "\" is not configurable!",
                                     "2 files configured, 1 failed."}));
  EXPECT_EQ(messages.Messages().back().style, unsigned(kMsgOk | kMsgIconWarning));
  for (const std::string& path : {first, last}) {
    HAL_STRUCT written = RecordOf(path);
    EXPECT_EQ(written.PowerOffDelay, 77);
    EXPECT_EQ(written.RegAddr, own.RegAddr);  // preserved
    EXPECT_EQ(written.DispMemAddr, own.DispMemAddr);
  }
  EXPECT_EQ(ReadFileBytes(broken), std::string(2000, 'A'));

  messages.Clear();
  outcome = ConfigureFiles(config, {first}, false);
  EXPECT_EQ(RecordOf(first).RegAddr, 0x123000u);
  EXPECT_EQ(messages.Texts(), Texts{"1 file configured, 0 failed."});
  EXPECT_EQ(messages.Messages().back().style, unsigned(kMsgOk | kMsgIconInfo));
}

TEST_F(MultipleFilesTest, AnEmptySelectionWritesNothing) {
  ConfigureOutcome outcome = ConfigureFiles(config, {}, false);
  EXPECT_EQ(outcome.configured + outcome.failed, 0u);
  EXPECT_EQ(messages.Texts(), Texts{"ERROR: No files selected!"});
  EXPECT_EQ(messages.Messages()[0].style, unsigned(kMsgOk | kMsgIconError));
}
