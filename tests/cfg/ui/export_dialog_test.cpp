// Export through the real dialogs under Wine: the Export dialog, the system's
// save dialog with its extension, Export Options and the preview.
// clang-format off
#include <windows.h>
#include <dlgs.h>  // needs windows.h first
// clang-format on

#include "cfg/export/export_frame.h"
#include "cfg/export/export_kinds.h"
#include "cfg/export/export_options.h"
#include "cfg/export/text_format.h"
#include "cfg/panel/timing.h"
#include "cfg/record/record.h"
#include "cfg/ui/resource.h"
#include "cfg/ui/shell_dialogs.h"
#include "tests/cfg/ui/modal_driver.h"
#include "tests/cfg/ui/window_driver.h"
#include "tests/support/temp_dir.h"

using Texts = std::vector<std::string>;

namespace {

class ExportDialogTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CommandDialogs.exportConfiguration = RunExportDialog;
  }

  // File > Export, then kind picked in the Export dialog with its button (or
  // a double-click on the entry).
  void PickKind(ModalScript& script, int kind, bool doubleClick = false) {
    script.Then("Export", [kind, doubleClick](HWND dialog) {
      HWND list = GetDlgItem(dialog, IDC_EXPORT_KINDS);
      SendMessageA(list, LB_SETCURSEL, kind, 0);
      if (doubleClick)
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_EXPORT_KINDS, LBN_DBLCLK),
                     reinterpret_cast<LPARAM>(list));
      else
        PostClick(dialog, IDOK);
    });
  }
  // The name typed into the save dialog and "&Export" pressed.
  static void SaveAs(ModalScript& script, const std::string& path) {
    script.Then("Export As", [path](HWND dialog) {
      SetWindowTextA(SaveDialogFileName(dialog), path.c_str());
      PostClick(dialog, IDOK);
    });
  }
  void RunScript(ModalScript& script) {
    Menu(IDM_FILE_EXPORT);
    EXPECT_EQ(script.Missed(), Texts{});
  }

  TempDir folder;
};

std::string Written(const Configuration& config, ExportKind kind) {
  TempDir direct;
  std::string path = direct.File("direct");
  EXPECT_TRUE(WriteExport(config, kind, path.c_str()));
  return ReadFileBytes(path);
}

struct SaveDialogView {
  std::string title, okText, fileName;
  Texts fileTypes;
  bool optionsEnabled = false, previewEnabled = false;
};

SaveDialogView ViewOf(HWND dialog) {
  SaveDialogView view;
  view.title = WindowText(dialog);
  view.okText = WindowText(GetDlgItem(dialog, IDOK));
  view.fileName = WindowText(SaveDialogFileName(dialog));
  view.fileTypes = ComboEntries(GetDlgItem(dialog, cmb1));
  view.optionsEnabled = IsWindowEnabled(FindControl(dialog, IDC_EXPORT_AS_OPTIONS)) != 0;
  view.previewEnabled = IsWindowEnabled(FindControl(dialog, IDC_EXPORT_AS_PREVIEW)) != 0;
  return view;
}

const Texts kHeaderTypes = {"Header Files (*.h)", "All Files (*.*)"};
const Texts kCsvTypes = {"Comma-Separated-Value Files (*.csv)", "All Files (*.*)"};

}  // namespace

TEST_F(ExportDialogTest, TheDialogListsEveryKindWithoutScrollingAndCancelWritesNothing) {
  ModalScript script;
  Texts entries;
  int selected = -2, rowsShown = 0;
  std::string exportAs, cancel;
  script.Then("Export", [&](HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_EXPORT_KINDS);
    entries = ListEntries(list);
    RECT client;
    GetClientRect(list, &client);
    rowsShown = client.bottom / static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    selected = static_cast<int>(SendDlgItemMessageA(dialog, IDC_EXPORT_KINDS, LB_GETCURSEL, 0, 0));
    exportAs = WindowText(GetDlgItem(dialog, IDOK));
    cancel = WindowText(GetDlgItem(dialog, IDCANCEL));
    PostClick(dialog, IDCANCEL);
  });
  RunScript(script);
  EXPECT_EQ(entries,
            (Texts{"C Header File for QLC56420 HAL-Based Applications\t[appcfg.h]",
                   "C Header File Defining a Map of QLC56420 Registers\t[chip.h]",
                   "C Header File for QLC56420 WinCE Drivers \t\t[mode#.h]",
                   "C Header File for QLC56420 Generic Drivers \t\t[qlc56420.h]",
                   "Comma-Delimited File Containing Current Configuration\t[56420regs.csv]",
                   "Device Tree Panel Timing Node for Linux\t\t[panel-timing.dtsi]",
                   "X Modeline of the Panel Timing\t\t\t[modeline.txt]",
                   "Panel Definition to Append to PANELS.DEF\t\t[panel.def]"}));
  EXPECT_GE(rowsShown, 8);
  EXPECT_EQ(selected, 0);
  EXPECT_EQ(exportAs, "&Export As...");
  EXPECT_EQ(cancel, "Cancel");
  EXPECT_EQ(Messages(), Texts{});
}

TEST_F(ExportDialogTest, EveryKindWrittenThroughTheDialogsHasTheWritersBytes) {
  SetRegister(REG_PANEL_TYPE, 0x0A);  // a record unlike the default one
  WorkingRecord.FrameRate = 60;
  const char* const names[] = {"appcfg.h", "chip.h", "mode0.h", "qlc56420.h", "56420regs.csv"};
  for (int kind = 0; kind <= kExportCsv; ++kind) {
    SCOPED_TRACE(kind);
    std::string path = folder.File(names[kind]);
    // An existing file is replaced without a question.
    if (kind == kExportAppcfg) {
      ASSERT_TRUE(WriteFileBytes(path, "old contents"));
    }
    ModalScript script;
    SaveDialogView view;
    PickKind(script, kind, kind == kExportChip);
    script.Then("Export As", [&](HWND dialog) {
      view = ViewOf(dialog);
      SetWindowTextA(SaveDialogFileName(dialog), path.c_str());
      PostClick(dialog, IDOK);
    });
    RunScript(script);
    EXPECT_EQ(view.title, "Export As");
    EXPECT_EQ(view.okText, "&Export");
    EXPECT_EQ(view.fileName, names[kind]);
    EXPECT_EQ(view.fileTypes, kind == kExportCsv ? kCsvTypes : kHeaderTypes);
    EXPECT_EQ(view.optionsEnabled, kind == kExportMode || kind == kExportGeneric);
    EXPECT_TRUE(view.previewEnabled);
    EXPECT_EQ(ReadFileBytes(path), Written(config, static_cast<ExportKind>(kind)));
  }
  EXPECT_EQ(ReadFileBytes(folder.File("chip.h")).substr(0, 80),
            "//----------------------------------------------------------------------------\r\n");
  EXPECT_EQ(Messages(), Texts{});
}

// A name typed without an extension gets the kind's own: "h" for the five
// headers and the CSV listing, the default file name's for the others.
TEST_F(ExportDialogTest, TheDefaultExtensionIsHForTheCsvListingTooAndTheTimingKindsOwn) {
  struct Case {
    ExportKind kind;
    const char* proposed;
    const char* written;
  } const cases[] = {
      {kExportCsv, "56420regs.csv", "listing.h"},
      {kExportDts, "panel-timing.dtsi", "listing.dtsi"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.proposed);
    ModalScript script;
    std::string proposed;
    PickKind(script, c.kind);
    script.Then("Export As", [&](HWND dialog) {
      proposed = WindowText(SaveDialogFileName(dialog));
      HWND types = GetDlgItem(dialog, cmb1);
      SendMessageA(types, CB_SETCURSEL, 1, 0);  // "All Files (*.*)"
      for (WORD code : {CBN_SELCHANGE, CBN_SELENDOK})
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(cmb1, code), reinterpret_cast<LPARAM>(types));
      SetWindowTextA(SaveDialogFileName(dialog), folder.File("listing").c_str());
      PostClick(dialog, IDOK);
    });
    RunScript(script);
    EXPECT_EQ(proposed, c.proposed);
    EXPECT_EQ(ReadFileBytes(folder.File(c.written)), Written(config, c.kind));
  }
}

TEST_F(ExportDialogTest, OptionsChangeTheModeNumberTheProposedNameAndBothFlags) {
  ModalScript script;
  bool noCursor = false, softwareCursor = true, blt = true, modeShown = false;
  std::string modeText, nameAfter;
  PickKind(script, kExportMode);
  script.Then("Export As", [](HWND dialog) { PostClick(dialog, IDC_EXPORT_AS_OPTIONS); });
  script.Then("Export Options", [&](HWND dialog) {
    noCursor = IsDlgButtonChecked(dialog, IDC_OPTIONS_NO_CURSOR) == BST_CHECKED;
    softwareCursor = IsDlgButtonChecked(dialog, IDC_OPTIONS_SOFTWARE_CURSOR) == BST_CHECKED;
    blt = IsDlgButtonChecked(dialog, IDC_OPTIONS_BLT_EMULATION) == BST_CHECKED;
    modeText = WindowText(GetDlgItem(dialog, IDC_OPTIONS_MODE_NUMBER));
    modeShown = IsWindowVisible(GetDlgItem(dialog, IDC_OPTIONS_MODE_SPIN)) &&
                IsWindowVisible(GetDlgItem(dialog, IDC_OPTIONS_MODE_LABEL));
    PostClick(dialog, IDC_OPTIONS_SOFTWARE_CURSOR);
    PostClick(dialog, IDC_OPTIONS_BLT_EMULATION);
    HWND number = GetDlgItem(dialog, IDC_OPTIONS_MODE_NUMBER);
    SetFocus(number);
    for (int i = 0; i < 7; ++i) PostKey(number, VK_UP);
    PostClick(dialog, IDCANCEL);  // the changes made stay
  });
  script.Then("Export As", [&](HWND dialog) {
    nameAfter = WindowText(SaveDialogFileName(dialog));
    PostClick(dialog, IDCANCEL);
  });
  RunScript(script);
  EXPECT_TRUE(noCursor);
  EXPECT_FALSE(softwareCursor);
  EXPECT_FALSE(blt);
  EXPECT_EQ(modeText, "0");
  EXPECT_TRUE(modeShown);
  EXPECT_EQ(config.Export.softwareCursor, 1);
  EXPECT_EQ(config.Export.softwareBlitEmulation, 1);
  EXPECT_EQ(config.Export.modeNumber, 7);
  EXPECT_EQ(nameAfter, "mode7.h");
  EXPECT_FALSE(FileExists(folder.File("mode7.h")));

  // The generic header has no mode number; "No Cursor" and the box clear the flags.
  ModalScript generic;
  PickKind(generic, kExportGeneric);
  generic.Then("Export As", [](HWND dialog) { PostClick(dialog, IDC_EXPORT_AS_OPTIONS); });
  generic.Then("Export Options", [&](HWND dialog) {
    modeShown = IsWindowVisible(GetDlgItem(dialog, IDC_OPTIONS_MODE_SPIN)) ||
                IsWindowVisible(GetDlgItem(dialog, IDC_OPTIONS_MODE_NUMBER)) ||
                IsWindowVisible(GetDlgItem(dialog, IDC_OPTIONS_MODE_LABEL));
    softwareCursor = IsDlgButtonChecked(dialog, IDC_OPTIONS_SOFTWARE_CURSOR) == BST_CHECKED;
    PostClick(dialog, IDC_OPTIONS_NO_CURSOR);
    PostClick(dialog, IDC_OPTIONS_BLT_EMULATION);
    PostClick(dialog, IDOK);
  });
  generic.Then("Export As", [&](HWND dialog) {
    nameAfter = WindowText(SaveDialogFileName(dialog));
    PostClick(dialog, IDCANCEL);
  });
  RunScript(generic);
  EXPECT_FALSE(modeShown);
  EXPECT_TRUE(softwareCursor);
  EXPECT_EQ(config.Export.softwareCursor, 0);
  EXPECT_EQ(config.Export.softwareBlitEmulation, 0);
  EXPECT_EQ(config.Export.modeNumber, 7);
  EXPECT_EQ(nameAfter, "qlc56420.h");
}

namespace {
struct TitleSearch {
  const char* part;
  HWND found;
};
BOOL CALLBACK MatchTitlePart(HWND window, LPARAM context) {
  TitleSearch* search = reinterpret_cast<TitleSearch*>(context);
  if (IsWindowVisible(window) && WindowText(window).find(search->part) != std::string::npos) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}
// A visible top-level window of any program whose title holds part.
HWND WaitForWindowTitled(const char* part) {
  for (int attempt = 0; attempt < 200; ++attempt) {
    TitleSearch search = {part, nullptr};
    EnumWindows(MatchTitlePart, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}
}  // namespace

TEST_F(ExportDialogTest, PreviewWritesTheTemporaryFileOpensTheEditorAndTheDialogStays) {
  SetExportModeNumber(config, 3);
  std::string preview = PreviewExportPath(config, kExportMode);
  DeleteFileA(preview.c_str());
  ASSERT_EQ(preview.substr(preview.size() - 8), "\\MODE3.H");
  ModalScript script;
  bool stillOpen = false;
  std::string previewBytes;
  PickKind(script, kExportMode);
  script.Then("Export As", [](HWND dialog) { PostClick(dialog, IDC_EXPORT_AS_PREVIEW); });
  script.Then("Export As", [&](HWND dialog) {
    stillOpen = true;
    previewBytes = ReadFileBytes(preview);
    PostClick(dialog, IDCANCEL);
  });
  RunScript(script);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(previewBytes, Written(config, kExportMode));
  EXPECT_EQ(Messages(), Texts{});
  HWND editor = WaitForWindowTitled("MODE3");
  EXPECT_NE(editor, nullptr) << "the preview did not open in the editor";
  if (editor) PostMessageA(editor, WM_CLOSE, 0, 0);
}
