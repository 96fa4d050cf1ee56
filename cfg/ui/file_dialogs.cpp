#include "cfg/ui/file_dialogs.h"

#include <commdlg.h>

#include "cfg/record/file_commands.h"

// Description and pattern of each filter of the Open dialog, in order.
static const FileFilter kOpenFilters[] = {
    {"All Configurable Executable Files", "*.exe;*.s9;*.idp;*.elf;*.lvb"},
    {"EXE Files", "*.exe"},
    {"ELF Files", "*.ELF"},
    {"S9 Files", "*.S9"},
    {"IDP Files", "*.IDP"},
    {"LVEB-SH3 Files", "*.LVB"},
    {"APPCFG.H File", "APPCFG.H"},
    {"All Files (*.*)", "*.*"},
};

// File > Import Timing: device-tree source and modeline text.
static const FileFilter kTimingFilters[] = {
    {"Device Tree Source (*.dts;*.dtsi)", "*.dts;*.dtsi"},
    {"Modeline Text (*.txt)", "*.txt"},
    {"All Files (*.*)", "*.*"},
};

// The Panel Preview's picture.
static const FileFilter kPictureFilters[] = {
    {"Bitmap Files (*.bmp)", "*.bmp"},
    {"All Files (*.*)", "*.*"},
};

std::string FilterList(const FileFilter* filters, size_t count) {
  std::string list;
  for (size_t i = 0; i < count; ++i) {
    list += filters[i].description;
    list += '\0';
    list += filters[i].pattern;
    list += '\0';
  }
  return list;
}

template <size_t N>
static FileDialogRequest OpenRequest(const char* title, const FileFilter (&filters)[N],
                                     const char* defaultExtension) {
  FileDialogRequest request;
  request.save = false;
  request.title = title;
  request.filter = FilterList(filters, N);
  request.defaultExtension = defaultExtension;
  return request;
}

FileDialogRequest OpenFileRequest() {
  return OpenRequest("Open File", kOpenFilters, "exe");
}

FileDialogRequest ImportTimingRequest() {
  return OpenRequest("Import Timing", kTimingFilters, "dts");
}

FileDialogRequest PictureRequest() {
  return OpenRequest("Picture", kPictureFilters, "bmp");
}

FileDialogRequest SaveAsRequest(const std::string& currentFile) {
  FileDialogRequest request;
  request.save = true;
  request.title = "Save As";
  request.defaultExtension = SaveAsDefaultExtension(currentFile);
  request.initialName = currentFile;
  return request;
}

static bool SystemFileDialog(HWND owner, const FileDialogRequest& request, std::string* chosen) {
  char name[MAX_PATH * 4] = "";
  request.initialName.copy(name, sizeof name - 1);
  std::string filter = request.filter;
  filter += '\0';  // the list ends with an empty pair
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name;
  dialog.nMaxFile = sizeof name;
  dialog.lpstrTitle = request.title;
  dialog.lpstrDefExt =
      request.defaultExtension.empty() ? nullptr : request.defaultExtension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
  if (!request.save) dialog.Flags |= OFN_FILEMUSTEXIST;
  BOOL confirmed = request.save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  if (!confirmed) return false;
  *chosen = name;
  return true;
}

static FileChooser g_chooser = SystemFileDialog;

FileChooser SetFileChooser(FileChooser chooser) {
  FileChooser previous = g_chooser;
  g_chooser = chooser ? chooser : SystemFileDialog;
  return previous;
}

bool ChooseFile(HWND owner, const FileDialogRequest& request, std::string* chosen) {
  return g_chooser(owner, request, chosen);
}
