#include "cfg/export/export_frame.h"

#include <filesystem>

#include "cfg/export/preview_viewer.h"
#include "cfg/export/text_format.h"
#include "common/message.h"

std::string PreviewExportPath(const Configuration& config, ExportKind kind) {
  std::error_code error;
  std::filesystem::path directory = std::filesystem::temp_directory_path(error);
  return (directory / PreviewExportFileName(config, kind)).string();
}

bool WriteExport(const Configuration& config, ExportKind kind, const char* path) {
  if (!ExportWritable(config, kind)) return false;
  bool preview = !path || !*path;
  std::string destination = preview ? PreviewExportPath(config, kind) : std::string(path);
  switch (WriteTextFile(destination, ExportText(config, kind))) {
    case TextFileResult::kOpenFailed:
      ShowMessage(kMsgOk | kMsgIconError, "Failed to open file %s", destination.c_str());
      return false;
    case TextFileResult::kWriteFailed:
      // The file could be created but not completely written (a full disk).
      ShowMessage(kMsgOk | kMsgIconError, "Failed to write file %s", destination.c_str());
      return false;
    case TextFileResult::kWritten:
      break;
  }
  if (!preview) return true;
  std::string commandLine;
  if (!StartPreviewViewer(destination, &commandLine)) {
    ShowMessage(kMsgOk | kMsgIconError, "Failed to execute \"%s\"", commandLine.c_str());
    return false;
  }
  return true;
}
