// Configure Multiple under Wine: browsing, collecting files (also dropped
// ones) and writing the record into each of them.
// clang-format off
#include <windows.h>
#include <shlobj.h>  // needs windows.h first
// clang-format on

#include "cfg/ui/configure_multiple.h"

#include <algorithm>

#include "cfg/record/folder_listing.h"
#include "cfg/record/record.h"
#include "cfg/ui/message_box.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/shell_dialogs.h"
#include "common/message.h"
#include "tests/cfg/ui/modal_driver.h"
#include "tests/cfg/ui/window_driver.h"
#include "tests/support/temp_dir.h"

using Texts = std::vector<std::string>;

namespace {

const char kTitle[] = "Configure Multiple";

// What the dialog looked like when a message was shown during the writing.
struct Observation {
  std::string message, progress;
  bool anyInputEnabled;
};
std::vector<Observation>* g_observations = nullptr;
MessagePresenter g_recorder = nullptr;

int ObservingSink(void* owner, unsigned style, const char* text) {
  HWND dialog = FindWindowA(nullptr, kTitle);
  Observation seen = {text, "", false};
  if (dialog) {
    seen.progress = WindowText(GetDlgItem(dialog, IDC_MULTIPLE_PROGRESS));
    for (int id : {IDC_MULTIPLE_FOLDER_LIST, IDC_MULTIPLE_SELECTED_LIST, IDC_MULTIPLE_ADD,
                   IDC_MULTIPLE_ADD_ALL, IDC_MULTIPLE_REMOVE, IDC_MULTIPLE_REMOVE_ALL,
                   IDC_MULTIPLE_SHOW_ALL, IDC_MULTIPLE_SHOW_CONFIGURABLE,
                   IDC_MULTIPLE_PRESERVE_ADDRESSES, IDC_MULTIPLE_CONFIGURE, IDCANCEL})
      seen.anyInputEnabled |= IsWindowEnabled(GetDlgItem(dialog, id)) != 0;
  }
  g_observations->push_back(seen);
  return g_recorder(owner, style, text);
}

class ConfigureMultipleTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CommandDialogs.configureMultiple = RunConfigureMultiple;
    start_ = CurrentFolder();
    for (const char* name : {"A.EXE", "B.TXT", "C.s9", "D.elf"})
      ASSERT_TRUE(WriteFileBytes(folder.File(name), "x"));
    ASSERT_TRUE(CreateDirectoryA(folder.File("sub").c_str(), nullptr));
    ASSERT_TRUE(ChangeFolder(folder.Path()));
    g_observations = &observations;
    g_recorder = UseMessageBoxes(ObservingSink);
  }
  void TearDown() override {
    UseMessageBoxes(g_recorder);
    g_observations = nullptr;
    ChangeFolder(start_);
    MainWindowTest::TearDown();
  }

  static HWND Left(HWND dialog) { return GetDlgItem(dialog, IDC_MULTIPLE_FOLDER_LIST); }
  static HWND Right(HWND dialog) { return GetDlgItem(dialog, IDC_MULTIPLE_SELECTED_LIST); }
  // The user's click on an entry of a list, then a double-click or a button.
  static void Focus(HWND list, const std::string& entry) {
    LRESULT index =
        SendMessageA(list, LB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(entry.c_str()));
    ASSERT_NE(index, LB_ERR) << entry;
    SendMessageA(list, LB_SETCURSEL, index, 0);
  }
  static void DoubleClick(HWND dialog, int listId, const std::string& entry) {
    HWND list = GetDlgItem(dialog, listId);
    Focus(list, entry);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(listId, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(list));
  }
  static void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }
  // The entries before the drives, and the drives.
  static void SplitEntries(HWND dialog, Texts* entries, Texts* drives) {
    for (const std::string& entry : ListEntries(Left(dialog))) {
      bool drive = entry.size() == 5 && entry.compare(0, 2, "[-") == 0;
      (drive ? drives : entries)->push_back(entry);
    }
  }
  // Files dropped from the shell onto a window.
  static void DropFiles(HWND window, const Texts& names) {
    std::string list;
    for (const std::string& name : names) list += name + '\0';
    list += '\0';
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size());
    DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), list.data(), list.size());
    GlobalUnlock(memory);
    SendMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  }
  std::string InFolder(const std::string& name) { return CurrentFolder() + "\\" + name; }

  TempDir folder;
  std::vector<Observation> observations;

 private:
  std::string start_;
};

// A configurable copy of the built 56420BMP with addresses of its own.
std::string ProgramCopy(const std::string& path) {
  EXPECT_TRUE(CopyFileA(BuiltBmpProgram().c_str(), path.c_str(), FALSE));
  return path;
}

}  // namespace

TEST_F(ConfigureMultipleTest, BrowsesFoldersAndDrivesWithTheFilterBothWays) {
  ModalScript script;
  Texts shown, shownDrives, all, allDrives, inSub, subDrives, back, backDrives, added;
  std::string folderText, subText, driveText;
  bool preserve = true, confOnly = false, ownerDrawn = false, pageDisabled = false;
  int itemHeight = 0, extent = 0;
  script.Then(kTitle, [&](HWND dialog) {
    pageDisabled = !IsWindowEnabled(Page());
    SplitEntries(dialog, &shown, &shownDrives);
    folderText = WindowText(GetDlgItem(dialog, IDC_MULTIPLE_FOLDER));
    preserve = IsDlgButtonChecked(dialog, IDC_MULTIPLE_PRESERVE_ADDRESSES) == BST_CHECKED;
    confOnly = IsDlgButtonChecked(dialog, IDC_MULTIPLE_SHOW_CONFIGURABLE) == BST_CHECKED;
    LONG style = GetWindowLongA(Left(dialog), GWL_STYLE) & GetWindowLongA(Right(dialog), GWL_STYLE);
    ownerDrawn = (style & LBS_OWNERDRAWFIXED) && (style & LBS_SORT);
    itemHeight = static_cast<int>(SendMessageA(Right(dialog), LB_GETITEMHEIGHT, 0, 0));
    extent = static_cast<int>(SendMessageA(Left(dialog), LB_GETHORIZONTALEXTENT, 0, 0));

    Click(dialog, IDC_MULTIPLE_SHOW_ALL);
    SplitEntries(dialog, &all, &allDrives);
    Click(dialog, IDC_MULTIPLE_SHOW_CONFIGURABLE);

    // Adding twice keeps one entry; "Add" on a folder does nothing.
    Focus(Left(dialog), "A.EXE");
    Click(dialog, IDC_MULTIPLE_ADD);
    Click(dialog, IDC_MULTIPLE_ADD);
    Focus(Left(dialog), "[..]");
    Click(dialog, IDC_MULTIPLE_ADD);
    DoubleClick(dialog, IDC_MULTIPLE_FOLDER_LIST, "D.elf");
    added = ListEntries(Right(dialog));

    DoubleClick(dialog, IDC_MULTIPLE_FOLDER_LIST, "[sub]");
    subText = WindowText(GetDlgItem(dialog, IDC_MULTIPLE_FOLDER));
    SplitEntries(dialog, &inSub, &subDrives);
    DoubleClick(dialog, IDC_MULTIPLE_FOLDER_LIST, "[..]");
    SplitEntries(dialog, &back, &backDrives);
    DoubleClick(dialog, IDC_MULTIPLE_FOLDER_LIST, "[-C-]");
    driveText = WindowText(GetDlgItem(dialog, IDC_MULTIPLE_FOLDER));
    PostClick(dialog, IDCANCEL);
  });
  std::string here = CurrentFolder();
  Menu(IDM_FILE_CONFIGURE_MULTIPLE);
  EXPECT_EQ(script.Missed(), Texts{});

  EXPECT_TRUE(pageDisabled);
  EXPECT_TRUE(IsWindowEnabled(Page()));
  // Sorted as the system sorts words: brackets before letters.
  EXPECT_EQ(shown, (Texts{"[..]", "[sub]", "A.EXE", "C.s9", "D.elf"}));
  EXPECT_EQ(all, (Texts{"[..]", "[sub]", "A.EXE", "B.TXT", "C.s9", "D.elf"}));
  ASSERT_FALSE(shownDrives.empty());
  EXPECT_NE(std::find(shownDrives.begin(), shownDrives.end(), "[-C-]"), shownDrives.end());
  EXPECT_TRUE(std::is_sorted(shownDrives.begin(), shownDrives.end()));
  EXPECT_EQ(allDrives, shownDrives);
  EXPECT_EQ(folderText, here);
  EXPECT_FALSE(preserve);
  EXPECT_TRUE(confOnly);
  EXPECT_TRUE(ownerDrawn);
  TEXTMETRICA metrics = {};
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FIXED_FONT));
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  EXPECT_EQ(itemHeight, metrics.tmHeight);
  EXPECT_EQ(extent, 1024);

  EXPECT_EQ(added, (Texts{here + "\\A.EXE", here + "\\D.elf"}));
  EXPECT_EQ(subText, here + "\\sub");
  EXPECT_EQ(inSub, Texts{"[..]"});
  EXPECT_EQ(subDrives, shownDrives);
  EXPECT_EQ(back, shown);
  EXPECT_EQ(driveText.substr(0, 2), "C:");
  // The folder the dialog moved to stays the process's current folder.
  EXPECT_EQ(CurrentFolder().substr(0, 2), "C:");
  EXPECT_EQ(Messages(), Texts{});
}

TEST_F(ConfigureMultipleTest, CollectsDroppedFilesRemovesAndRefusesAnEmptyList) {
  ModalScript script;
  Texts dropped, afterDrop, afterRemove, afterDoubleClick, afterRemoveAll;
  int messagesBefore = -1;
  std::string one = InFolder("A.EXE"), two = InFolder("C.s9"), three = InFolder("D.elf");
  script.Then(kTitle, [&](HWND dialog) {
    dropped = ListEntries(Right(dialog));  // handed over from the main window
    DropFiles(dialog, {three, one});       // one is there already
    afterDrop = ListEntries(Right(dialog));
    Focus(Right(dialog), two);
    Click(dialog, IDC_MULTIPLE_REMOVE);
    afterRemove = ListEntries(Right(dialog));
    DoubleClick(dialog, IDC_MULTIPLE_SELECTED_LIST, one);
    afterDoubleClick = ListEntries(Right(dialog));
    Click(dialog, IDC_MULTIPLE_REMOVE_ALL);
    afterRemoveAll = ListEntries(Right(dialog));
    messagesBefore = static_cast<int>(Messages().size());
    PostClick(dialog, IDC_MULTIPLE_CONFIGURE);  // nothing selected: the dialog stays
  });
  script.Then(kTitle, [&](HWND dialog) { PostClick(dialog, IDCANCEL); });
  DropFiles(Main(), {one, two});
  PumpMessages();
  EXPECT_EQ(script.Missed(), Texts{});
  EXPECT_EQ(dropped, (Texts{one, two}));
  EXPECT_EQ(afterDrop, (Texts{one, two, three}));
  EXPECT_EQ(afterRemove, (Texts{one, three}));
  EXPECT_EQ(afterDoubleClick, Texts{three});
  EXPECT_EQ(afterRemoveAll, Texts{});
  EXPECT_EQ(messagesBefore, 0);
  EXPECT_EQ(Messages(), Texts{"ERROR: No files selected!"});
}

TEST_F(ConfigureMultipleTest, ConfigureWritesEachFileReportsTheOneThatFailsAndCloses) {
  std::string broken = InFolder("A.EXE");  // holds no record
  std::string good = ProgramCopy(InFolder("good.exe"));
  HAL_STRUCT own = {};
  ASSERT_TRUE(RecordOfFile(good, &own));
  WorkingRecord.PowerOffDelay = 321;
  WorkingRecord.RegAddr = own.RegAddr + 0x1000;
  ModalScript script;
  script.Then(kTitle, [&](HWND dialog) {
    Click(dialog, IDC_MULTIPLE_SHOW_ALL);
    Focus(Left(dialog), "good.exe");
    Click(dialog, IDC_MULTIPLE_ADD);
    Focus(Left(dialog), "A.EXE");
    Click(dialog, IDC_MULTIPLE_ADD);
    Click(dialog, IDC_MULTIPLE_PRESERVE_ADDRESSES);
    PostClick(dialog, IDC_MULTIPLE_CONFIGURE);
  });
  Menu(IDM_FILE_CONFIGURE_MULTIPLE);
  EXPECT_EQ(script.Missed(), Texts{});
  EXPECT_EQ(FindWindowA(nullptr, kTitle), nullptr);  // closed after writing
  EXPECT_EQ(Messages(), (Texts{"ERROR: file " + broken + ": HAL INFO not found !",
                               "ERROR: File \"" + broken + "\" is not configurable!",
                               "1 file configured, 1 failed."}));
  ASSERT_EQ(observations.size(), 3u);
  for (const Observation& seen : observations) {
    EXPECT_FALSE(seen.anyInputEnabled) << seen.message;
  }
  EXPECT_EQ(observations[1].progress, "Configuring file 1 of 2: " + broken);
  EXPECT_EQ(observations[2].progress, "Configuring file 2 of 2: " + good);
  HAL_STRUCT written = {};
  ASSERT_TRUE(RecordOfFile(good, &written));
  EXPECT_EQ(written.PowerOffDelay, 321);
  EXPECT_EQ(written.RegAddr, own.RegAddr);  // preserved
  EXPECT_EQ(ReadFileBytes(broken), "x");
}

TEST_F(ConfigureMultipleTest, ManyFilesShowTheirProgressAndOneSummary) {
  Texts files;
  for (int i = 0; i < 20; ++i)
    files.push_back(ProgramCopy(InFolder("copy" + std::to_string(i) + ".exe")));
  std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  });
  WorkingRecord.PowerOnDelay = 99;
  ModalScript script;
  script.Then(kTitle, [&](HWND dialog) { PostClick(dialog, IDC_MULTIPLE_CONFIGURE); });
  DropFiles(Main(), files);
  PumpMessages();
  EXPECT_EQ(script.Missed(), Texts{});
  EXPECT_EQ(Messages(), Texts{"20 files configured, 0 failed."});
  ASSERT_EQ(observations.size(), 1u);
  EXPECT_EQ(observations[0].progress, "Configuring file 20 of 20: " + files.back());
  for (const std::string& file : files) {
    HAL_STRUCT written = {};
    ASSERT_TRUE(RecordOfFile(file, &written)) << file;
    EXPECT_EQ(written.PowerOnDelay, 99) << file;
  }
}

// While the files are written the line is drawn for the first file, then at
// most every 50 ms, and for the last file always.
TEST(ProgressPacer, DrawsTheFirstAndLastFileAndOtherwiseAtMostEveryInterval) {
  const struct {
    DWORD now;
    bool last;
    bool due;
  } kFiles[] = {{1000, false, true}, {1010, false, false}, {1049, false, false},
                {1050, false, true}, {1060, true, true},   {1070, false, false}};
  ProgressPacer pacer(50);
  for (const auto& file : kFiles) EXPECT_EQ(pacer.Due(file.now, file.last), file.due) << file.now;
}

// A box about a file comes up beside that file's line, wherever the pacing
// of the line stands.
TEST_F(ConfigureMultipleTest, ABoxAboutAFileComesUpBesideItsLine) {
  Texts files = {InFolder("A.EXE"), InFolder("C.s9"), InFolder("D.elf")};  // no records
  for (const char* name : {"c", "e"})
    for (int i = 0; i < 8; ++i)
      files.push_back(ProgramCopy(InFolder(name + std::to_string(i) + ".exe")));
  std::sort(files.begin(), files.end(), [](const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) < 0;
  });
  ModalScript script;
  script.Then(kTitle, [&](HWND dialog) { PostClick(dialog, IDC_MULTIPLE_CONFIGURE); });
  DropFiles(Main(), files);
  PumpMessages();
  ASSERT_EQ(observations.size(), 6u);  // A.EXE and D.elf two each, C.s9 one, the summary
  for (size_t i = 0; i + 1 < observations.size(); ++i) {
    const Observation& seen = observations[i];
    std::string file = seen.progress.substr(seen.progress.find(": ") + 2);
    EXPECT_NE(seen.message.find(file), std::string::npos) << seen.message;
  }
  EXPECT_EQ(observations.back().progress, "Configuring file 19 of 19: " + files.back());
}
