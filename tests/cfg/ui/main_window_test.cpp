// The main window under Wine: start-up, tabs and the close protocol, the file
// commands, dropped files, the keyboard, and the program itself.
#include "cfg/ui/main_window.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>

#include "cfg/panel/clocks.h"
#include "cfg/panel/rules.h"
#include "cfg/panel/timing.h"
#include "cfg/record/binary_record.h"
#include "cfg/record/config_file.h"
#include "cfg/record/record.h"
#include "cfg/record/srecord.h"
#include "cfg/ui/page_table.h"
#include "cfg/ui/predefined_panels.h"
#include "cfg/ui/resource.h"
#include "tests/cfg/record/record_files.h"
#include "tests/cfg/ui/modal_driver.h"
#include "tests/cfg/ui/window_driver.h"
#include "tests/support/temp_dir.h"

using Texts = std::vector<std::string>;

namespace {

const char kHexRequired[] = "Non-zero hexadecimal value required!";

// A copy of the built 56420BMP whose record holds the platform addresses of
// the Motorola IDP68000, power delays of 11 and 22 ms and a fixed CLKI of
// 12 MHz (not a table frequency) feeding a 6 MHz bus clock.
std::string MakeProgramFile(Configuration& config, const TempDir& folder, const std::string& name) {
  std::string path = folder.File(name);
  EXPECT_TRUE(CopyFileA(BuiltBmpProgram().c_str(), path.c_str(), FALSE)) << BuiltBmpProgram();
  HAL_STRUCT saved = config.WorkingRecord;
  config.WorkingRecord.RegAddr = 0xF80000;
  config.WorkingRecord.DispMemAddr = 0xF00000;
  config.WorkingRecord.PowerOffDelay = 11;
  config.WorkingRecord.PowerOnDelay = 22;
  config.WorkingRecord.Flags |= fFIXED_CLKI;
  config.WorkingRecord.ClkI = 12000;
  config.WorkingRecord.BusClk = 6000;
  EXPECT_TRUE(SaveConfigFile(config, path.c_str(), nullptr, false));
  config.WorkingRecord = saved;
  return path;
}

std::wstring Wide(const std::string& utf8) {
  std::wstring wide(utf8.size() + 1, L'\0');
  int length =
      MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
  wide.resize(length > 0 ? static_cast<size_t>(length) - 1 : 0);
  return wide;
}

// A file name outside every ANSI code page, UTF-8 encoded as the program's
// narrow calls take it: "écran-Ω-表示.exe", and upper-cased.
const char kNonAnsiName[] =
    "\xc3\xa9"
    "cran-\xce\xa9-\xe8\xa1\xa8\xe7\xa4\xba.exe";
const char kNonAnsiNameUpper[] =
    "\xc3\x89"
    "CRAN-\xce\xa9-\xe8\xa1\xa8\xe7\xa4\xba.EXE";

// A copy of a file under the non-ANSI name in the same folder (joined by
// hand: the test library's paths take narrow names as single bytes).
std::string NonAnsiCopy(const TempDir& folder, const std::string& source) {
  std::string name = folder.Path() + "\\" + kNonAnsiName;
  EXPECT_TRUE(CopyFileW(Wide(source).c_str(), Wide(name).c_str(), FALSE));
  return name;
}

// Where the record lies in a program file.
size_t RecordOffset(const std::string& bytes) {
  RecordLocation location = {};
  EXPECT_TRUE(
      FindBinaryRecord(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &location));
  return location.offset;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return text;
}

HAL_STRUCT FileRecord(const std::string& path) {
  HAL_STRUCT record = {};
  EXPECT_TRUE(RecordOfFile(path, &record)) << path;
  return record;
}

// A written program file: the bytes of the original but for the record at
// offset, which holds the working record.
void ExpectTheWorkingRecordIn(const Configuration& config, const std::string& written,
                              const std::string& original, size_t offset) {
  const size_t kRecordSize = 488;
  ASSERT_EQ(written.size(), original.size());
  EXPECT_TRUE(written.compare(0, offset, original, 0, offset) == 0);
  EXPECT_TRUE(written.compare(offset + kRecordSize, std::string::npos, original,
                              offset + kRecordSize) == 0);
  EXPECT_EQ(written.substr(offset, kRecordSize), RecordImage(config.WorkingRecord, false));
}

bool IsClass(HWND window, const char* name) {
  char className[32] = "";
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, name) == 0;
}

// A list view's cells, and how much of each column its client area shows.
std::string ShownListView(HWND list) {
  std::string shown;
  RECT client;
  GetClientRect(list, &client);
  for (int column = 0, left = 0; column < 5; ++column) {
    int width = ListView_GetColumnWidth(list, column);
    shown += " " + std::to_string(std::min<int>(left + width, client.right) - left);
    left += width;
  }
  for (int row = 0; row < ListView_GetItemCount(list); ++row)
    for (int column = 0; column < 5; ++column) {
      char cell[128] = "";
      ListView_GetItemText(list, row, column, cell, sizeof cell);
      shown += std::string(" |") + cell;
    }
  return shown;
}

// What a page shows, control by control: text, enabled state, a button's
// check, a list's entries and selection, an up-down's range and position, a
// list view's cells and columns, the colour a static is drawn in.
BOOL CALLBACK AddShownControl(HWND control, LPARAM into) {
  std::string line = std::to_string(GetDlgCtrlID(control)) + " '" + WindowText(control) + "' " +
                     (IsWindowEnabled(control) ? "on" : "off");
  if (IsClass(control, "Button"))
    line += " check " + std::to_string(SendMessageA(control, BM_GETCHECK, 0, 0));
  if (IsClass(control, "ComboBox")) {
    for (const std::string& entry : ComboEntries(control)) line += " |" + entry;
    line += " selected " + std::to_string(SendMessageA(control, CB_GETCURSEL, 0, 0));
  }
  if (IsClass(control, "msctls_updown32")) {
    int lowest = 0, highest = 0;
    SendMessageA(control, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lowest),
                 reinterpret_cast<LPARAM>(&highest));
    line += " " + std::to_string(lowest) + ".." + std::to_string(highest) + " at " +
            std::to_string(SendMessageA(control, UDM_GETPOS32, 0, 0));
  }
  if (IsClass(control, WC_LISTVIEWA)) line += ShownListView(control);
  if (IsClass(control, "Static")) {
    HDC dc = GetDC(control);
    SendMessageA(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
    line += " colour " + std::to_string(GetTextColor(dc));
    ReleaseDC(control, dc);
  }
  reinterpret_cast<Texts*>(into)->push_back(line);
  return TRUE;
}

Texts ShownControls(HWND page) {
  Texts shown;
  EnumChildWindows(page, AddShownControl, reinterpret_cast<LPARAM>(&shown));
  return shown;
}

}  // namespace

TEST_F(MainWindowTest, StartsOnTheGeneralTabWithSaveGreyed) {
  EXPECT_EQ(Caption(), "QLC56420 Configuration Utility");
  char className[32] = "";
  GetClassNameA(Main(), className, sizeof className);
  EXPECT_STREQ(className, "56420CFG");
  ASSERT_EQ(TabCtrl_GetItemCount(Tabs()), kPageCount);
  Texts tabs;
  for (int i = 0; i < kPageCount; ++i) {
    char text[64] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(Tabs(), TCM_GETITEMA, i, reinterpret_cast<LPARAM>(&item));
    tabs.push_back(text);
  }
  EXPECT_EQ(tabs, (Texts{"General", "Preference", "Clocks", "Panel", "Panel Power", "Registers"}));
  EXPECT_EQ(TabCtrl_GetCurSel(Tabs()), 0);
  EXPECT_EQ(PageIndex(), kGeneralPage);
  EXPECT_TRUE(IsWindowVisible(Page()));
  EXPECT_FALSE(MenuItemEnabled(IDM_FILE_SAVE));
  EXPECT_FALSE(MenuItemEnabled(IDM_FILE_SAVE_AS));
  EXPECT_TRUE(MenuItemEnabled(IDM_FILE_OPEN));

  // The page lies in the tab control's display area, at its top-left corner.
  RECT area = DisplayArea(), page = RectIn(Page(), Tabs());
  EXPECT_EQ(page.left, area.left);
  EXPECT_EQ(page.top, area.top);
  EXPECT_LE(page.right, area.right);
  EXPECT_LE(page.bottom, area.bottom);
}

TEST_F(MainWindowTest, EachTabShowsItsOwnPageOneAtATime) {
  const int kControlOfPage[kPageCount] = {
      IDC_GENERAL_EVALUATION_BOARD, IDC_PREFERENCE_ROTATE_0, IDC_CLOCKS_CLKI, 0,
      IDC_POWER_OFF_DELAY,          IDC_REGISTERS_HINT};
  for (int i = kPageCount - 1; i >= 0; --i) {
    ASSERT_TRUE(ClickTab(i));
    EXPECT_EQ(PageIndex(), i);
    if (kControlOfPage[i]) {
      EXPECT_NE(GetDlgItem(Page(), kControlOfPage[i]), nullptr) << i;
    }
    int shownPages = 0;
    for (HWND child = GetWindow(Tabs(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (IsWindowVisible(child))
        shownPages += child == Page() || GetWindowLongPtrA(child, GWL_STYLE) & DS_CONTROL ? 1 : 0;
    EXPECT_EQ(shownPages, 1);
  }
}

// A page is kept while other tabs show. Shown again after the record changed
// meanwhile (as Open, Export Options or another page change it), it shows
// what a page made afresh shows for the same record and working state.
TEST_F(MainWindowTest, APageShownAgainShowsWhatANewPageShowsForTheChangedRecord) {
  LoadPredefinedPanels();
  const struct {
    int page;
    void (*change)(Configuration&);
  } kChanges[] = {
      {kGeneralPage,
       [](Configuration& c) {
         c.WorkingRecord.RegAddr = 0xF80000;
         c.WorkingRecord.DispMemAddr = 0xF00000;
       }},
      {kPreferencePage,
       [](Configuration& c) {
         c.SetRegister(REG_SPECIAL_EFFECTS, c.GetRegister(REG_SPECIAL_EFFECTS) | 1);
         c.SetRegister(REG_DISPLAY_MODE, 0x21);
       }},
      {kClocksPage,
       [](Configuration& c) {
         c.WorkingRecord.Flags |= fFIXED_CLKI;
         c.WorkingRecord.ClkI = 12000;
         c.WorkingRecord.BusClk = 6000;
         c.SetRegister(REG_BUSCLK_MEMCLK_CONFIG, 0x10);
         c.SetRegister(REG_PWM_CV_CLOCK_CONTROL, 0x18);
         TakeClockWorkingValuesFromRecord(c);
       }},
      {kPanelPage,
       [](Configuration& c) {
         SetPanelType(c, 1);
         SetPanelWidth(c, 640);
         SetPanelHeight(c, 480);
         SetFplineHigh(c, true);
       }},
      {kPanelPowerPage, [](Configuration& c) { c.WorkingRecord.PowerOffDelay = 77; }},
      {kRegistersPage, [](Configuration& c) { c.SetRegister(REG_HORIZ_TOTAL, 0x40); }},
  };
  for (const auto& step : kChanges) {
    SCOPED_TRACE(kPages[step.page].tabText);
    ASSERT_TRUE(ClickTab(step.page));
    HWND kept = Page();
    ASSERT_TRUE(ClickTab(step.page == kGeneralPage ? kPanelPowerPage : kGeneralPage));
    step.change(config);
    Configuration before = config;
    ASSERT_TRUE(ClickTab(step.page));
    EXPECT_EQ(Page(), kept);
    Texts shown = ShownControls(Page());
    config = before;
    StartAgain();
    EXPECT_EQ(shown, ShownControls(Page()));
  }
}

TEST_F(MainWindowTest, ARefusingPageKeepsItsTabOnlyATabChangeHonoursIt) {
  ClickButton(IDC_GENERAL_USER_DEFINED);
  TypeInto(IDC_GENERAL_REGISTER_ADDRESS, "0x1000");
  EXPECT_FALSE(ClickTab(kClocksPage));
  EXPECT_EQ(PageIndex(), kGeneralPage);
  EXPECT_EQ(Messages(), Texts{kHexRequired});
  EXPECT_EQ(FocusId(), IDC_GENERAL_REGISTER_ADDRESS);
  EXPECT_EQ(Text(IDC_GENERAL_REGISTER_ADDRESS), "0x1000");

  // Export applies the page, is not stopped by the refusal, and shows the
  // page again from the record.
  Menu(IDM_FILE_EXPORT);
  EXPECT_EQ(exportCalls, 1);
  EXPECT_EQ(Messages(), (Texts{kHexRequired, kHexRequired}));
  EXPECT_TRUE(Checked(IDC_GENERAL_EVALUATION_BOARD));
  EXPECT_EQ(Text(IDC_GENERAL_REGISTER_ADDRESS), "");
}

TEST_F(MainWindowTest, OpenReadsTheFileRebuildsThePageAndNamesTheFile) {
  TempDir folder;
  std::string path = MakeProgramFile(config, folder, "demo.exe");
  chosenFiles.push_back(path);
  Menu(IDM_FILE_OPEN);

  ASSERT_EQ(fileRequests.size(), 1u);
  const FileDialogRequest& request = fileRequests[0];
  EXPECT_FALSE(request.save);
  EXPECT_STREQ(request.title, "Open File");
  EXPECT_EQ(request.defaultExtension, "exe");
  EXPECT_EQ(request.initialName, "");
  std::string filters = request.filter;
  Texts parts;
  for (size_t start = 0; start < filters.size(); start = filters.find('\0', start) + 1)
    parts.push_back(filters.substr(start, filters.find('\0', start) - start));
  EXPECT_EQ(parts, (Texts{"All Configurable Executable Files", "*.exe;*.s9;*.idp;*.elf;*.lvb",
                          "EXE Files", "*.exe", "ELF Files", "*.ELF", "S9 Files", "*.S9",
                          "IDP Files", "*.IDP", "LVEB-SH3 Files", "*.LVB", "APPCFG.H File",
                          "APPCFG.H", "All Files (*.*)", "*.*"}));

  EXPECT_TRUE(Messages().empty());
  EXPECT_EQ(Caption(), "56420CFG : " + Upper(WindowsPath(path)));
  EXPECT_EQ(CurrentFileName(), Upper(WindowsPath(path)));
  EXPECT_TRUE(Checked(IDC_GENERAL_IDP68000));
  EXPECT_EQ(Text(IDC_GENERAL_REGISTER_ADDRESS), "f80000");
  EXPECT_EQ(Text(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS), "f00000");
  EXPECT_TRUE(MenuItemEnabled(IDM_FILE_SAVE));
  EXPECT_TRUE(MenuItemEnabled(IDM_FILE_SAVE_AS));
}

TEST_F(MainWindowTest, ACancelledOrFailedOpenKeepsThePreviousFile) {
  TempDir folder;
  std::string path = MakeProgramFile(config, folder, "demo.exe");
  std::string notes = folder.File("notes.exe");
  WriteFileBytes(notes, "no record in here");
  chosenFiles = {path, "", notes};
  Menu(IDM_FILE_OPEN);
  std::string caption = Caption();
  Menu(IDM_FILE_OPEN);  // cancelled
  EXPECT_EQ(Caption(), caption);
  EXPECT_TRUE(MenuItemEnabled(IDM_FILE_SAVE));
  ClickTab(kPanelPowerPage);
  TypeInto(IDC_POWER_OFF_DELAY, "500");
  Menu(IDM_FILE_OPEN);  // not configurable: the page's pending entry is dropped with it
  EXPECT_EQ(Messages(),
            Texts{"ERROR: File \"" + Upper(WindowsPath(notes)) + "\" is not configurable!"});
  EXPECT_EQ(Caption(), caption);
  EXPECT_EQ(CurrentFileName(), Upper(WindowsPath(path)));
  EXPECT_EQ(Text(IDC_POWER_OFF_DELAY), "500");
  EXPECT_EQ(WorkingRecord.PowerOffDelay, 11);
  EXPECT_TRUE(ClickTab(kGeneralPage));
  Menu(IDM_FILE_SAVE);  // still writes the opened file
  EXPECT_EQ(FileRecord(path).PowerOffDelay, 500);
}

// Save writes what the open page shows: the page takes its entries over
// first and stays open; a refused entry saves nothing. Closing the window
// takes them over too.
TEST_F(MainWindowTest, SaveTakesTheOpenPagesEntriesOverAndARefusalSavesNothing) {
  TempDir folder;
  std::string path = MakeProgramFile(config, folder, "demo.exe");
  chosenFiles.push_back(path);
  Menu(IDM_FILE_OPEN);
  std::string original = ReadFileBytes(path);
  ClickTab(kPanelPowerPage);
  EXPECT_EQ(Text(IDC_POWER_OFF_DELAY), "11");
  TypeInto(IDC_POWER_OFF_DELAY, "5151");
  Menu(IDM_FILE_SAVE);
  HAL_STRUCT saved = FileRecord(path);
  EXPECT_EQ(saved.PowerOffDelay, 5151);
  EXPECT_EQ(saved.PowerOnDelay, 22);
  EXPECT_EQ(memcmp(&saved, &WorkingRecord, sizeof saved), 0);
  ExpectTheWorkingRecordIn(config, ReadFileBytes(path), original, RecordOffset(original));
  EXPECT_EQ(PageIndex(), kPanelPowerPage);

  TypeInto(IDC_POWER_ON_DELAY, "99999");
  Menu(IDM_FILE_SAVE);
  EXPECT_EQ(Messages(), Texts{"ERROR: Panel Power Connect Time!"});
  EXPECT_EQ(FocusId(), IDC_POWER_ON_DELAY);
  EXPECT_EQ(FileRecord(path).PowerOnDelay, 22);

  TypeInto(IDC_POWER_ON_DELAY, "33");
  Menu(IDM_FILE_EXIT);
  EXPECT_EQ(Main(), nullptr);
  EXPECT_EQ(WorkingRecord.PowerOnDelay, 33);
}

TEST_F(MainWindowTest, SaveAsTakesThePageOverAndWritesACopyTheCurrentFileStays) {
  TempDir folder;
  std::string path = MakeProgramFile(config, folder, "demo.exe");
  std::string copy = folder.File("copy.exe");
  chosenFiles = {path, copy};
  Menu(IDM_FILE_OPEN);
  std::string caption = Caption();
  std::string original = ReadFileBytes(path);
  ClickButton(IDC_GENERAL_USER_DEFINED);
  TypeInto(IDC_GENERAL_REGISTER_ADDRESS, "1000");
  TypeInto(IDC_GENERAL_DISPLAY_BUFFER_ADDRESS, "2a0000");
  Menu(IDM_FILE_SAVE_AS);

  ASSERT_EQ(fileRequests.size(), 2u);
  EXPECT_TRUE(fileRequests[1].save);
  EXPECT_STREQ(fileRequests[1].title, "Save As");
  EXPECT_EQ(fileRequests[1].initialName, Upper(WindowsPath(path)));
  EXPECT_EQ(fileRequests[1].defaultExtension, "EXE");
  EXPECT_EQ(fileRequests[1].filter, "");
  HAL_STRUCT written = FileRecord(copy);
  EXPECT_EQ(written.RegAddr, 0x1000u);
  EXPECT_EQ(written.DispMemAddr, 0x2A0000u);
  EXPECT_EQ(ReadFileBytes(path), original);
  ExpectTheWorkingRecordIn(config, ReadFileBytes(copy), original, RecordOffset(original));
  EXPECT_EQ(Caption(), caption);
  EXPECT_EQ(Text(IDC_GENERAL_REGISTER_ADDRESS), "1000");  // rebuilt from the record

  Menu(IDM_FILE_SAVE);
  EXPECT_EQ(FileRecord(path).RegAddr, 0x1000u);
}

TEST_F(MainWindowTest, AnSRecordFileOpensAndSavesInItsOwnForm) {
  TempDir folder;
  std::string path = folder.File("board.S9");
  WriteFileBytes(path, MakeSRecordText(RecordImage(SampleRecord(), true)));
  chosenFiles.push_back(path);
  Menu(IDM_FILE_OPEN);
  ASSERT_EQ(Caption(), "56420CFG : " + Upper(WindowsPath(path)));
  ClickTab(kPreferencePage);
  ClickButton(IDC_PREFERENCE_ROTATE_90);
  ClickTab(kGeneralPage);
  Menu(IDM_FILE_SAVE);
  std::string text = ReadFileBytes(path);
  ASSERT_TRUE(AllChecksumsCorrect(text));
  HAL_STRUCT saved = {};
  ASSERT_TRUE(ReadSRecordHal(reinterpret_cast<const uint8_t*>(text.data()), text.size(), &saved));
  EXPECT_EQ(memcmp(&saved, &WorkingRecord, sizeof saved), 0);
  EXPECT_EQ(GetRegister(REG_SPECIAL_EFFECTS) & 3, 1u);
}

TEST_F(MainWindowTest, AFileNameOutsideTheAnsiCodePageOpensAndSaves) {
  ASSERT_EQ(GetACP(), 65001u) << "the manifest asks for UTF-8 as the active code page";
  TempDir folder;
  std::string plain = MakeProgramFile(config, folder, "plain.exe");
  std::string name = NonAnsiCopy(folder, plain);
  chosenFiles.push_back(name);
  Menu(IDM_FILE_OPEN);
  ASSERT_TRUE(Messages().empty()) << Messages()[0];
  EXPECT_EQ(Caption(),
            "56420CFG : " + Upper(WindowsPath(folder.Path())) + "\\" + kNonAnsiNameUpper);
  EXPECT_TRUE(Checked(IDC_GENERAL_IDP68000));
  ClickButton(IDC_GENERAL_EVALUATION_BOARD);
  ClickTab(kClocksPage);
  Menu(IDM_FILE_SAVE);
  EXPECT_EQ(FileRecord(name).RegAddr, 0u);
  EXPECT_EQ(FileRecord(plain).RegAddr, 0xF80000u);

  // Save As into a folder of such a name.
  std::string subfolder = folder.Path() + "\\\xce\xa9";
  ASSERT_TRUE(CreateDirectoryW(Wide(subfolder).c_str(), nullptr));
  std::string copy = subfolder + "\\" + kNonAnsiName;
  chosenFiles.push_back(copy);
  ClickTab(kPanelPowerPage);
  TypeInto(IDC_POWER_ON_DELAY, "77");
  Menu(IDM_FILE_SAVE_AS);
  EXPECT_TRUE(Messages().empty()) << Messages()[0];
  EXPECT_EQ(FileRecord(copy).PowerOnDelay, 77);
  EXPECT_EQ(FileRecord(name).PowerOnDelay, 22);
}

TEST_F(MainWindowTest, OpenTakesTheClockWorkingValuesFromTheFile) {
  TempDir folder;
  std::string path = MakeProgramFile(config, folder, "demo.exe");
  config.FixedClkI = 33000;  // left by an earlier use of the Clocks page
  config.FixedBusClk = 33000;
  chosenFiles.push_back(path);
  Menu(IDM_FILE_OPEN);
  EXPECT_EQ(config.FixedClkI, 12000u);
  EXPECT_EQ(config.FixedClkI2, 0u);
  EXPECT_EQ(config.FixedBusClk, 6000u);
  ClickTab(kClocksPage);
  EXPECT_EQ(Text(IDC_CLOCKS_CLKI), "12.000");
  EXPECT_EQ(Entries(IDC_CLOCKS_CLKI).back(), "12.000");
  EXPECT_EQ(Text(IDC_CLOCKS_CLKI_AUTO), "");
  EXPECT_EQ(Text(IDC_CLOCKS_BCLK_DIVIDE), "2:1");
}

TEST_F(MainWindowTest, DroppedFilesGoToConfigureMultipleWithoutRuleWarnings) {
  SetRegister(REG_VDP_START_POS0, 200);  // the display-start rule fails
  ASSERT_FALSE(DisplayPeriodRuleHolds(config));
  const char kNames[] = "C:\\WORK\\ONE.EXE\0C:\\WORK\\TWO.S9\0";
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof kNames);
  DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), kNames, sizeof kNames);
  GlobalUnlock(memory);
  ClickButton(IDC_GENERAL_USER_DEFINED);  // an entry the drop takes over and refuses
  SendMessageA(Main(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  PumpMessages();
  ASSERT_EQ(configureMultipleCalls.size(), 1u);
  EXPECT_EQ(configureMultipleCalls[0], (Texts{"C:\\WORK\\ONE.EXE", "C:\\WORK\\TWO.S9"}));
  EXPECT_EQ(Messages(), Texts{kHexRequired});          // the page's own refusal, no rule warning
  EXPECT_TRUE(Checked(IDC_GENERAL_EVALUATION_BOARD));  // rebuilt from the record
}

// The shell hands dropped names over as UTF-16; names outside the ANSI code
// page reach Configure Multiple whole.
TEST_F(MainWindowTest, DroppedWideNamesKeepEveryCharacter) {
  std::wstring names = L"C:\\WORK\\" + Wide(kNonAnsiName) + L'\0' + L"C:\\WORK\\TWO.S9" + L'\0';
  size_t bytes = (names.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + bytes);
  DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(memory));
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.c_str(), bytes);
  GlobalUnlock(memory);
  SendMessageA(Main(), WM_DROPFILES, reinterpret_cast<WPARAM>(memory), 0);
  PumpMessages();
  ASSERT_EQ(configureMultipleCalls.size(), 1u);
  EXPECT_EQ(configureMultipleCalls[0],
            (Texts{std::string("C:\\WORK\\") + kNonAnsiName, "C:\\WORK\\TWO.S9"}));
}

TEST_F(MainWindowTest, ConfigureMultipleWarnsForEachFailedRuleThenOpens) {
  Menu(IDM_FILE_CONFIGURE_MULTIPLE);  // every rule holds: no warning
  EXPECT_TRUE(Messages().empty());
  SetRegister(REG_VDP_START_POS0, 200);
  Menu(IDM_FILE_CONFIGURE_MULTIPLE);
  EXPECT_EQ(Messages(), Texts{kDisplayPeriodRuleWarning});
  ASSERT_EQ(configureMultipleCalls.size(), 2u);
  EXPECT_TRUE(configureMultipleCalls[1].empty());

  // All three fail: shown in order, each an information box with OK and
  // Cancel owned by the main window; Cancel stops neither the later warnings
  // nor the dialog.
  messages.Clear();
  SetRegister(REG_PCLK_CONFIG, 0x03);
  WorkingRecord.BusClk = 20000;
  SetRegister(REG_HORIZ_TOTAL, 0x28);
  messages.Answer(IDCANCEL);
  messages.Answer(IDCANCEL);
  Menu(IDM_FILE_CONFIGURE_MULTIPLE);
  EXPECT_EQ(Messages(), (Texts{kMemoryClockRuleWarning, kDisplayPeriodRuleWarning,
                               kNonDisplayPeriodRuleWarning}));
  for (const RecordedMessage& message : messages.Messages()) {
    EXPECT_EQ(message.style, unsigned(MB_OKCANCEL | MB_ICONINFORMATION));
    EXPECT_EQ(message.owner, Main());
  }
  EXPECT_EQ(configureMultipleCalls.size(), 3u);
}

TEST_F(MainWindowTest, CtrlTabAndCtrlPageKeysMoveBetweenTabsUnderTheCloseProtocol) {
  ClickButton(IDC_GENERAL_EVALUATION_BOARD);
  PressKey(VK_TAB, true);
  EXPECT_EQ(PageIndex(), kPreferencePage);
  EXPECT_EQ(TabCtrl_GetCurSel(Tabs()), kPreferencePage);
  PressKey(VK_NEXT, true);
  EXPECT_EQ(PageIndex(), kClocksPage);
  PressKey(VK_PRIOR, true);
  PressKey(VK_TAB, true, true);
  EXPECT_EQ(PageIndex(), kGeneralPage);
  PressKey(VK_TAB, true, true);  // wraps round
  EXPECT_EQ(PageIndex(), kRegistersPage);
  EXPECT_EQ(TabCtrl_GetCurSel(Tabs()), kRegistersPage);
  PressKey(VK_TAB, true);
  ClickButton(IDC_GENERAL_USER_DEFINED);
  TypeInto(IDC_GENERAL_REGISTER_ADDRESS, "");
  PressKey(VK_TAB, true);
  EXPECT_EQ(PageIndex(), kGeneralPage);
  EXPECT_EQ(TabCtrl_GetCurSel(Tabs()), kGeneralPage);
  EXPECT_EQ(Messages(), Texts{kHexRequired});
}

TEST_F(MainWindowTest, TabWithoutCtrlMovesWithinThePageAndFromTheTabsIntoIt) {
  ClickTab(kPanelPowerPage);
  SetFocus(Tabs());
  PressKey(VK_TAB);
  EXPECT_EQ(FocusId(), IDC_POWER_OFF_DELAY);
  PressKey(VK_TAB);
  EXPECT_EQ(FocusId(), IDC_POWER_ON_DELAY);
}

TEST_F(MainWindowTest, EnableTooltipsTogglesItsCheckMark) {
  HMENU menu = GetMenu(Main());
  EXPECT_TRUE(GetMenuState(menu, IDM_HELP_TOOLTIPS, MF_BYCOMMAND) & MF_CHECKED);
  Menu(IDM_HELP_TOOLTIPS);
  EXPECT_FALSE(GetMenuState(menu, IDM_HELP_TOOLTIPS, MF_BYCOMMAND) & MF_CHECKED);
  Menu(IDM_HELP_TOOLTIPS);
  EXPECT_TRUE(GetMenuState(menu, IDM_HELP_TOOLTIPS, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MainWindowTest, ExitEndsTheWindowAndTheMessageLoop) {
  Menu(IDM_FILE_EXIT);
  EXPECT_EQ(Main(), nullptr);
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

// The program as a user starts it, with a file to open (named outside the
// ANSI code page, as the shell hands such a name over); its close box ends it
// with exit code 0.
TEST(ConfiguratorProgram, OpensTheFileNamedOnItsCommandLine) {
  TempDir folder;
  std::string path = NonAnsiCopy(folder, BuiltBmpProgram());
  const char* binary = getenv("QLC_BINARY_DIR");
  std::string program = WindowsPath(std::string(binary ? binary : ".") + "/bin/56420CFG.EXE");
  std::wstring command = Wide("\"" + program + "\" \"" + path + "\"");
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &process))
      << program;
  std::string expected =
      "56420CFG : " + Upper(WindowsPath(folder.Path())) + "\\" + kNonAnsiNameUpper;
  HWND window = nullptr;
  char caption[1024] = "";
  for (int attempt = 0; attempt < 300; ++attempt) {
    window = FindWindowA("56420CFG", nullptr);
    if (window && GetWindowTextA(window, caption, sizeof caption) && caption == expected) break;
    Sleep(50);
  }
  EXPECT_EQ(std::string(caption), expected);
  if (window) PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(WaitForSingleObject(process.hProcess, 20000), WAIT_OBJECT_0);
  DWORD code = 99;
  GetExitCodeProcess(process.hProcess, &code);
  EXPECT_EQ(code, 0u);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}
