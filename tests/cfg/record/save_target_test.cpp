// Saving into program files over a file layer that fails on demand, and on
// real small file systems where this machine lets the test make them: what
// is written, with how many writes, and what a failing save leaves behind.
#include "cfg/record/save_target.h"

#include <errno.h>
#include <gtest/gtest.h>
#include <string.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "cfg/record/byte_window.h"
#include "cfg/record/config_file.h"
#include "cfg/record/record.h"
#include "cfg/record/srecord.h"
#include "tests/cfg/record/configuration_fixture.h"
#include "tests/cfg/record/failing_file_io.h"
#include "tests/cfg/record/record_files.h"
#include "tests/support/message_recorder.h"
#include "tests/support/temp_dir.h"

namespace {

namespace fs = std::filesystem;

bool SameRecord(const HAL_STRUCT& a, const HAL_STRUCT& b) {
  return memcmp(&a, &b, sizeof a) == 0;
}

// A program image: code before the record, data behind it.
std::string ProgramImage(const HAL_STRUCT& record) {
  return std::string(1000, '\x90') + RecordImage(record, false) + std::string(300, '\0');
}

struct Form {
  const char* name;
  bool srecord;
};
const Form kForms[] = {{"prog.exe", false}, {"prog.S9", true}};

std::string FileText(const Form& form, const HAL_STRUCT& record, bool lowerCase = false) {
  SRecordLayout layout;
  layout.lowerCase = lowerCase;
  return form.srecord ? MakeSRecordText(ProgramImage(record), layout) : ProgramImage(record);
}

// What a whole-file save of values gives: the binary writer writes all 488
// bytes, the S-record writer patches the text.
std::string SavedText(const Form& form, const std::string& original, const HAL_STRUCT& values) {
  if (!form.srecord) return ProgramImage(values);
  std::string text = original;
  EXPECT_TRUE(PatchSRecordHal(reinterpret_cast<uint8_t*>(&text[0]), text.size(), values));
  return text;
}

std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

const fs::perms kWritable =
    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;

bool IsWritableByItsOwner(const std::string& path) {
  return (fs::status(path).permissions() & fs::perms::owner_write) != fs::perms::none;
}

class SaveTargetTest : public ConfigurationTest {
 protected:
  void SetUp() override {
    ResetRecords();
    ForgetFileCalls();
  }

  // Writes the sample record into a file of the form in folder, opens it and
  // changes the working record; original and expected hold the file's text
  // before and after a save.
  std::string Prepare(const Form& form, const std::string& folder, bool lowerCase = false) {
    return PrepareText(form, (fs::path(folder) / form.name).string(),
                       FileText(form, SampleRecord(), lowerCase));
  }
  std::string Prepare(const Form& form) { return Prepare(form, dir.Path()); }
  std::string PrepareText(const Form& form, const std::string& path, const std::string& text) {
    original = text;
    EXPECT_TRUE(WriteFileBytes(path, original));
    EXPECT_TRUE(OpenConfigFile(config, path.c_str()));
    WorkingRecord.Flags = fVALID_LCD;
    SetRegister(0x05, 0x21);
    WorkingRecord.ClkI = 25175;
    WorkingRecord.PowerOnDelay = 75;
    working = WorkingRecord;
    expected = SavedText(form, original, WorkingRecord);
    messages.Clear();
    ForgetFileCalls();
    return path;
  }

  // Bytes a save of the prepared file writes: the record, or the span.
  size_t BytesToWrite(const Form& form) const {
    TextSpan span = DifferingSpan(original, expected);
    return form.srecord ? span.end - span.begin : 488;
  }

  MessageRecorder messages;
  TempDir dir;
  std::string original;
  std::string expected;
  HAL_STRUCT working;
};

}  // namespace

// --- What a save writes ---

TEST_F(SaveTargetTest, SRecordSaveWritesOnlyTheChangedSpanWithOneWrite) {
  for (bool lowerCase : {false, true}) {
    SCOPED_TRACE(lowerCase ? "lower case" : "upper case");
    std::string path = Prepare(kForms[1], dir.Path(), lowerCase);
    ASSERT_TRUE(SaveConfigFile(config, path.c_str(), nullptr, false));
    // Exactly the bytes a write of the whole text gives.
    EXPECT_EQ(ReadFileBytes(path), expected);
    TextSpan span = DifferingSpan(original, expected);
    ASSERT_EQ(WritesSeen().size(), 1u);
    EXPECT_EQ(WritesSeen()[0].offset, span.begin);
    EXPECT_EQ(WritesSeen()[0].length, span.end - span.begin);
    // From Flags to PowerOnDelay, with lower-case lines rewritten in upper case:
    // a small part of the file's text.
    EXPECT_LT(span.end - span.begin, original.size() / 3);
    EXPECT_TRUE(messages.Messages().empty());
  }
}

// The sample program's record across the end of the first block that the
// save's window reads: 16-byte lines of 44 characters before it.
std::string TextAcrossFirstBlock() {
  size_t before = (kWindowBlockSize + kWindowMaxCarry - 700) / 44 * 16;
  return MakeSRecordText(std::string(before, '\x90') + RecordImage(SampleRecord(), false));
}

// The sample program with 40 KB of S5 records behind each line of its
// record: more text between the record's lines than one write gathers.
std::string TextSpreadFarApart() {
  std::string filler;
  while (filler.size() < 40000) filler += SRecordLine(5, 0, "", false) + "\n";
  std::string image = ProgramImage(SampleRecord());
  std::string text;
  for (size_t at = 0; at < image.size(); at += 16) {
    text += SRecordLine(1, static_cast<uint32_t>(at), image.substr(at, 16), false) + "\n";
    if (at >= 1000 && at < 1488) text += filler;
  }
  return text;
}

TEST_F(SaveTargetTest, RecordAcrossBlocksOrFarApartIsWrittenAsTheWholeTextPatchGives) {
  struct Case {
    const char* what;
    std::string text;
    size_t writes;
  } cases[] = {
      {"across the first block's end", TextAcrossFirstBlock(), 1},
      {"lines far apart", TextSpreadFarApart(), 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string path = PrepareText(kForms[1], dir.File("big.S9"), c.text);
    ASSERT_TRUE(SaveConfigFile(config, path.c_str(), nullptr, false));
    EXPECT_TRUE(ReadFileBytes(path) == expected);
    EXPECT_EQ(WritesSeen().size(), c.writes);
    EXPECT_TRUE(messages.Messages().empty());
  }
  // The first case is what it says.
  TextSpan span = DifferingSpan(cases[0].text, SavedText(kForms[1], cases[0].text, working));
  EXPECT_LT(span.begin, kWindowBlockSize + kWindowMaxCarry);
  EXPECT_GT(span.end, kWindowBlockSize + kWindowMaxCarry);
}

TEST_F(SaveTargetTest, LaterWriteOfAFarApartRecordFailingUndoesTheEarlierOnes) {
  for (FileCall call : {FileCall::kRead, FileCall::kWrite}) {
    SCOPED_TRACE(call == FileCall::kRead ? "second span read back short" : "second write short");
    ResetRecords();
    std::string path = PrepareText(kForms[1], dir.File("big.S9"), TextSpreadFarApart());
    {
      ScopedFileFault fault(call, 1, 7);
      EXPECT_FALSE(SaveConfigFile(config, path.c_str(), nullptr, false));
    }
    EXPECT_TRUE(ReadFileBytes(path) == original);
    if (call == FileCall::kRead) {
      // Found before anything was written: the file was shortened.
      EXPECT_EQ(messages.Texts(),
                std::vector<std::string>{"ERROR: SetFilePointer failed, file:" + path});
      EXPECT_TRUE(WritesSeen().empty());
      continue;
    }
    // Both spans, then the 7 bytes of the second and the whole first put back.
    const std::vector<WriteSeen>& writes = WritesSeen();
    ASSERT_EQ(writes.size(), 4u);
    EXPECT_EQ(writes[2].offset, writes[1].offset);
    EXPECT_EQ(writes[2].length, 7u);
    EXPECT_EQ(writes[3].offset, writes[0].offset);
    EXPECT_EQ(writes[3].length, writes[0].length);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"ERROR: written " + std::to_string(writes[0].length + 7) +
                                       " bytes of " +
                                       std::to_string(writes[0].length + writes[1].length)});
  }
}

#ifndef _WIN32
TEST_F(SaveTargetTest, SavedFileKeepsItsIdentityLinksAndPermissions) {
  for (const Form& form : kForms) {
    SCOPED_TRACE(form.name);
    std::string path = Prepare(form);
    std::string link = dir.File(std::string("link-") + form.name);
    ASSERT_EQ(::link(path.c_str(), link.c_str()), 0);
    ASSERT_EQ(chmod(path.c_str(), 0750), 0);
    struct stat before;
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    ASSERT_TRUE(SaveConfigFile(config, path.c_str(), nullptr, false));
    struct stat after;
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_nlink, 2u);
    EXPECT_EQ(after.st_mode & 07777, 0750u);
    EXPECT_EQ(ReadFileBytes(link), expected);
    unlink(link.c_str());
  }
}
#endif

// --- Failing writes ---

TEST_F(SaveTargetTest, FailingStepsGiveTheirMessagesAndNeverLeaveTheTargetHalfWritten) {
  struct Case {
    const char* what;
    FileCall call;
    size_t movedBytes;
    const char* message;  // %s: the path, %d: bytes written, then bytes to write
  } cases[] = {
      {"open (file gone read-only)", FileCall::kOpenForWriting, 0,
       "ERROR: open failed on input file %s"},
      {"positioning", FileCall::kSeek, 0, "ERROR: SetFilePointer failed, file:%s"},
      {"reading the span back (file shortened)", FileCall::kRead, 10,
       "ERROR: SetFilePointer failed, file:%s"},
      {"write, nothing moved (disk full)", FileCall::kWrite, 0, "ERROR: written 0 bytes of %d"},
      {"write stopping part way", FileCall::kWrite, 100, "ERROR: written 100 bytes of %d"},
      {"flush to the disk (removed drive)", FileCall::kFlush, 0, "ERROR: written 0 bytes of %d"},
  };
  for (const Form& form : kForms) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(form.name) + ": " + c.what);
      ResetRecords();
      std::string path = Prepare(form);
      bool saved;
      {
        ScopedFileFault fault(c.call, 0, c.movedBytes);
        saved = SaveConfigFile(config, path.c_str(), nullptr, false);
      }
      EXPECT_FALSE(saved);
      char message[512];
      if (strstr(c.message, "%s"))
        snprintf(message, sizeof message, c.message, path.c_str());
      else
        snprintf(message, sizeof message, c.message, static_cast<int>(BytesToWrite(form)));
      EXPECT_EQ(messages.Texts(), std::vector<std::string>{message});
      EXPECT_TRUE(SameRecord(WorkingRecord, working));
      // Unchanged, or (when only the flush failed) fully written.
      std::string now = ReadFileBytes(path);
      if (c.call == FileCall::kFlush)
        EXPECT_TRUE(now == original || now == expected);
      else
        EXPECT_EQ(now, original);
    }
  }
}

TEST_F(SaveTargetTest, DriveThatRefusesEvenTheUndoIsStillReported) {
  // The first write moves 64 bytes, every later write and flush fails: the
  // undo cannot reach the file either, and the message is all there is.
  for (const Form& form : kForms) {
    SCOPED_TRACE(form.name);
    std::string path = Prepare(form);
    ScopedFileFault partly(FileCall::kWrite, 0, 64);
    ScopedFileFault gone(FileCall::kWrite, 1, 0, true);
    ScopedFileFault unflushable(FileCall::kFlush, 0, 0, true);
    EXPECT_FALSE(SaveConfigFile(config, path.c_str(), nullptr, false));
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"ERROR: written 64 bytes of " +
                                                         std::to_string(BytesToWrite(form))});
    EXPECT_EQ(WritesSeen().size(), 2u);
    EXPECT_TRUE(SameRecord(WorkingRecord, working));
  }
}

// --- Save As copies ---

TEST_F(SaveTargetTest, ReadOnlySourceGivesAWritableCopyThatTakesTheRecordEveryTime) {
  for (const Form& form : kForms) {
    SCOPED_TRACE(form.name);
    std::string source = Prepare(form);
    std::string target = dir.File(std::string("copy-") + form.name);
    fs::permissions(source, kWritable, fs::perm_options::remove);
    EXPECT_TRUE(SaveConfigFile(config, source.c_str(), target.c_str(), false));
    EXPECT_TRUE(IsWritableByItsOwner(target));
    EXPECT_EQ(ReadFileBytes(target), expected);
    // A second Save As over the first copy works as well.
    WorkingRecord.PowerOffDelay = 1;
    EXPECT_TRUE(SaveConfigFile(config, source.c_str(), target.c_str(), false));
    EXPECT_EQ(ReadFileBytes(target), SavedText(form, original, WorkingRecord));
    EXPECT_EQ(ReadFileBytes(source), original);
    EXPECT_FALSE(IsWritableByItsOwner(source));
    EXPECT_TRUE(messages.Messages().empty());
    fs::permissions(source, fs::perms::owner_write, fs::perm_options::add);
  }
}

TEST_F(SaveTargetTest, CopyThatFailsPartWayLeavesNoFileBehind) {
  struct Case {
    const char* what;
    FileCall call;
    size_t movedBytes;
  } cases[] = {
      {"write part way (disk full)", FileCall::kWrite, 700},
      {"flush (removed drive)", FileCall::kFlush, 0},
      {"making the file", FileCall::kCreateBeside, 0},
      {"putting it in place", FileCall::kPutInPlace, 0},
  };
  for (const Form& form : kForms) {
    for (const Case& c : cases) {
      for (bool targetExists : {false, true}) {
        SCOPED_TRACE(std::string(form.name) + ": " + c.what +
                     (targetExists ? ", over a file" : ""));
        TempDir folder;
        std::string source = Prepare(form, folder.Path());
        std::string target = (fs::path(folder.Path()) / "copy").string();
        if (targetExists) {
          ASSERT_TRUE(WriteFileBytes(target, "an older file"));
        }
        std::vector<std::string> before = FolderNames(folder.Path());
        bool saved;
        {
          ScopedFileFault fault(c.call, 0, c.movedBytes);
          saved = SaveConfigFile(config, source.c_str(), target.c_str(), false, kStorageByName);
        }
        EXPECT_FALSE(saved);
        EXPECT_EQ(messages.Texts(),
                  std::vector<std::string>{"ERROR: could not create file " + target + "!"});
        EXPECT_EQ(FolderNames(folder.Path()), before);
        if (targetExists) {
          EXPECT_EQ(ReadFileBytes(target), "an older file");
        }
        EXPECT_EQ(ReadFileBytes(source), original);
        EXPECT_TRUE(SameRecord(WorkingRecord, working));
        messages.Clear();
      }
    }
  }
}

#ifndef _WIN32
TEST_F(SaveTargetTest, SaveAsOntoALinkReplacesTheFileItLeadsTo) {
  std::string source = Prepare(kForms[1]);
  std::string real = dir.File("real.S9");
  std::string link = dir.File("link.S9");
  ASSERT_TRUE(WriteFileBytes(real, "older"));
  ASSERT_EQ(symlink(real.c_str(), link.c_str()), 0);
  ASSERT_TRUE(SaveConfigFile(config, source.c_str(), link.c_str(), false));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadFileBytes(real), expected);
}

// --- Real file systems ---

// A small tmpfs of its own, mounted in a mount namespace private to this
// process so that nothing outlives the test. Skipped where the machine does
// not allow it (mounting needs the right to administer the system).
class SmallFileSystemTest : public SaveTargetTest {
 protected:
  void SetUp() override {
    SaveTargetTest::SetUp();
    static const int isolation =
        unshare(CLONE_NEWNS) == 0 && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
            ? 0
            : errno;
    if (isolation != 0) GTEST_SKIP() << "no private mount namespace here: " << strerror(isolation);
    mountPoint = dir.File("small");
    ASSERT_TRUE(fs::create_directory(mountPoint));
    if (mount("qlc-test", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0)
      GTEST_SKIP() << "cannot mount a small tmpfs here: " << strerror(errno);
    mounted = true;
  }
  void TearDown() override {
    if (mounted) umount2(mountPoint.c_str(), MNT_DETACH);
  }
  // Fills the file system up with one more file.
  void FillUp() {
    FILE* filler = fopen((fs::path(mountPoint) / "filler").c_str(), "wb");
    ASSERT_NE(filler, nullptr);
    std::string block(4096, 'F');
    while (fwrite(block.data(), 1, block.size(), filler) == block.size() && fflush(filler) == 0) {
    }
    fclose(filler);
  }
  void Remount(unsigned long flags) {
    ASSERT_EQ(mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | flags, "size=64k"), 0)
        << strerror(errno);
  }

  std::string mountPoint;
  bool mounted = false;
};

TEST_F(SmallFileSystemTest, SaveAsOntoAFullDiskLeavesNoPartialCopy) {
  // The source lies outside the small file system and is larger than it.
  HAL_STRUCT record = SampleRecord();
  std::string big = std::string(100000, '\x90') + RecordImage(record, false);
  std::string source = dir.File("big.S9");
  ASSERT_TRUE(WriteFileBytes(source, MakeSRecordText(big)));
  ASSERT_TRUE(OpenConfigFile(config, source.c_str()));
  std::string older = (fs::path(mountPoint) / "older.S9").string();
  ASSERT_TRUE(WriteFileBytes(older, "an older file"));
  for (const std::string& name : {std::string("new.S9"), std::string("older.S9")}) {
    SCOPED_TRACE(name);
    messages.Clear();
    std::string target = (fs::path(mountPoint) / name).string();
    EXPECT_FALSE(SaveConfigFile(config, source.c_str(), target.c_str(), false));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"ERROR: could not create file " + target + "!"});
    EXPECT_EQ(FolderNames(mountPoint), std::vector<std::string>{"older.S9"});
    EXPECT_EQ(ReadFileBytes(older), "an older file");
  }
}

TEST_F(SmallFileSystemTest, InPlaceSaveOnAFullDiskSucceedsSinceNoByteIsAdded) {
  for (const Form& form : kForms) {
    SCOPED_TRACE(form.name);
    std::string path = Prepare(form, mountPoint);
    FillUp();
    EXPECT_TRUE(SaveConfigFile(config, path.c_str(), nullptr, false));
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_TRUE(messages.Messages().empty());
    fs::remove(fs::path(mountPoint) / "filler");
  }
}

TEST_F(SmallFileSystemTest, FileSystemGoneReadOnlyLeavesTheFileAsItWas) {
  // This runs as root, for whom a file's own write permission does not
  // apply: a read-only file system is the one refusal that binds here too.
  for (const Form& form : kForms) {
    SCOPED_TRACE(form.name);
    std::string path = Prepare(form, mountPoint);
    Remount(MS_RDONLY);
    EXPECT_FALSE(SaveConfigFile(config, path.c_str(), nullptr, false));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"ERROR: open failed on input file " + path});
    EXPECT_EQ(ReadFileBytes(path), original);
    EXPECT_TRUE(SameRecord(WorkingRecord, working));
    messages.Clear();
    std::string copy = (fs::path(mountPoint) / "copy").string();
    EXPECT_FALSE(SaveConfigFile(config, path.c_str(), copy.c_str(), false));
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"ERROR: could not create file " + copy + "!"});
    EXPECT_FALSE(FileExists(copy));
    Remount(0);
  }
}
#endif
